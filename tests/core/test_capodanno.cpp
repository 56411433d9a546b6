// The warnings that cross New Year: next year's file is read beside this year's, never
// created; and the calendar's marks of a month.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/Avvisi.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/viewer/ElenchiScadenze.h"
#include "core/viewer/SegniCalendario.h"

using namespace visualizzatore;
using griglia::TabellaTesti;

namespace {

const Data kOggi{20, 12, 2025};

TSchedaScadenza Scadenza(const std::string& data, const std::string& ora, const std::string& avviso,
                         bool fatta = false) {
    TSchedaScadenza s = prova::Scadenza(data, ora);
    s.Avviso = avviso;
    s.Effettuata = flag::Da(fatta);
    s.Dettagli = "Causale " + data + " " + ora;
    return s;
}

struct Anni {
    CartellaTemporanea cartella;
    std::filesystem::path questo = TArchivioScadenze::Percorso(cartella.percorso(), 2025);
    std::filesystem::path prossimo = TArchivioScadenze::Percorso(cartella.percorso(), 2026);
    void Salva(const std::filesystem::path& file, const std::vector<TSchedaScadenza>& schede) {
        for (const auto& s : schede) SalvaScheda<TArchivioScadenze>(file, 0, s);
    }
    // This year: two imminent records stored latest first, one past. Next year: two whose
    // warning reaches today (stored latest first), one whose warning starts later, one
    // fulfilled.
    void Riempi() {
        Salva(questo, {Scadenza("22/12/2025", "10:00", "5"), Scadenza("21/12/2025", "09:00", "3"),
                       Scadenza("19/12/2025", "09:00", "9")});
        Salva(prossimo,
              {Scadenza("05/01/2026", "08:00", "30"), Scadenza("05/01/2026", "09:00", "10"),
               Scadenza("03/01/2026", "10:00", "20"), Scadenza("02/01/2026", "10:00", "20", true)});
    }
};

std::vector<std::string> Colonna(const TabellaTesti& t, std::size_t k) {
    std::vector<std::string> c;
    for (std::size_t r = 0; r < t.Righe(); ++r) c.emplace_back(t.Cella(r, k));
    return c;
}

}  // namespace

TEST(Capodanno, TheCheckCountsNextYearsDeadlinesWhoseWarningReachesToday) {
    Anni a;
    a.Riempi();
    EXPECT_EQ(ContaImminentiDaOggi(a.cartella.percorso(), kOggi), 4);
    // A week earlier: this year's of 19 December and next year's of 5 January with thirty
    // days of warning.
    EXPECT_EQ(ContaImminentiDaOggi(a.cartella.percorso(), {13, 12, 2025}), 2);

    // Without next year's file: this year's only, and the file is not created.
    std::filesystem::remove(a.prossimo);
    EXPECT_EQ(ContaImminentiDaOggi(a.cartella.percorso(), kOggi), 2);
    EXPECT_FALSE(std::filesystem::exists(a.prossimo));

    // A folder in next year's place fails the check, as this year's would.
    std::filesystem::create_directory(a.prossimo);
    EXPECT_THROW(ContaImminentiDaOggi(a.cartella.percorso(), kOggi), ErroreAccessoArchivio);
}

TEST(Capodanno, TheCheckCreatesOnlyThisYearsFile) {
    CartellaTemporanea c;
    EXPECT_EQ(ContaImminentiDaOggi(c.percorso(), kOggi), 0);
    EXPECT_TRUE(std::filesystem::exists(TArchivioScadenze::Percorso(c.percorso(), 2025)));
    EXPECT_FALSE(std::filesystem::exists(TArchivioScadenze::Percorso(c.percorso(), 2026)));
}

TEST(Capodanno, NextYearsRowsComeAfterThisYearsInDateAndTimeOrder) {
    Anni a;
    a.Riempi();
    TabellaTesti soloQuesto;
    visualizzatore::Riempi(soloQuesto, Imminenti, a.questo, kOggi);

    TabellaTesti t;
    RiempiImminenti(t, a.cartella.percorso(), kOggi);
    ASSERT_EQ(t.Righe(), 4u);
    const std::size_t chiave = Imminenti.ColonnaChiave();
    EXPECT_EQ(Colonna(t, 1),
              (std::vector<std::string>{"21/12/2025", "22/12/2025", "03/01/2026", "05/01/2026"}));
    // The key holds month, day, hour and minute for every row, next year's too.
    EXPECT_EQ(Colonna(t, chiave),
              (std::vector<std::string>{"12210900", "12221000", "01031000", "01050800"}));
    // Ordinals count on in file order from this year's rows.
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"2", "1", "4", "3"}));
    // This year's rows are exactly those of this year's list alone.
    ASSERT_EQ(soloQuesto.Righe(), 2u);
    for (std::size_t r = 0; r < 2; ++r)
        for (std::size_t k = 0; k < t.Colonne(); ++k)
            EXPECT_EQ(t.Cella(r, k), soloQuesto.Cella(r, k));

    std::filesystem::remove(a.prossimo);
    RiempiImminenti(t, a.cartella.percorso(), kOggi);
    EXPECT_EQ(t.Righe(), 2u);
    EXPECT_FALSE(std::filesystem::exists(a.prossimo));
}

TEST(Capodanno, TheLoginWarningListsNextYearsAfterThisYears) {
    Anni a;
    a.Riempi();
    const avvisi::RegolaImminenza regola = [](const VistaScheda<TSchedaScadenza>& s,
                                              const Data& oggi) {
        return ScadenzaImminente(s, oggi);
    };
    const auto trovate = avvisi::CercaImminenti(a.cartella.percorso(), kOggi, regola);
    std::vector<std::string> date;
    for (const auto& s : trovate.schede) date.push_back(s.Data + " " + s.Ora);
    EXPECT_EQ(date, (std::vector<std::string>{"21/12/2025 09:00", "22/12/2025 10:00",
                                              "03/01/2026 10:00", "05/01/2026 08:00"}));

    std::filesystem::remove(a.prossimo);
    EXPECT_EQ(avvisi::CercaImminenti(a.cartella.percorso(), kOggi, regola).schede.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(a.prossimo));
}

TEST(Capodanno, CalendarMarksTheDaysWithDeadlinesAndTheHolidays) {
    CartellaTemporanea c;
    const auto file = TArchivioScadenze::Percorso(c.percorso(), 2025);
    TSchedaScadenza storta = prova::Scadenza("05/12/2025", "09:00");
    storta.Data = "5/12/2025";  // no day list shows it, so neither does the calendar
    for (const auto& s :
         {prova::Scadenza("08/12/2025", "09:00"), prova::Scadenza("22/12/2025", "09:00"),
          prova::Scadenza("22/12/2025", "15:00"), prova::Scadenza("30/11/2025", "09:00"),
          prova::Scadenza("31/12/2025", "23:59"), storta})
        SalvaScheda<TArchivioScadenze>(file, 0, s);

    const SegniMese dicembre = Segni(c.percorso(), 2025, 12);
    std::vector<int> scadenze, feste;
    for (int g = 0; g < 32; ++g) {
        if (dicembre.scadenze[static_cast<std::size_t>(g)]) scadenze.push_back(g);
        if (dicembre.feste[static_cast<std::size_t>(g)]) feste.push_back(g);
    }
    EXPECT_EQ(scadenze, (std::vector<int>{8, 22, 31}));
    EXPECT_EQ(feste, (std::vector<int>{8, 25, 26}));

    // April 2026: Easter Monday on the 6th and the Liberation day; no file, none created.
    const SegniMese aprile = Segni(c.percorso(), 2026, 4);
    EXPECT_TRUE(aprile.scadenze.none());
    EXPECT_EQ(aprile.feste.count(), 2u);
    EXPECT_TRUE(aprile.feste[6] && aprile.feste[25]);
    EXPECT_FALSE(std::filesystem::exists(TArchivioScadenze::Percorso(c.percorso(), 2026)));
}
