#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/Avvisi.h"
#include "core/deadlines/TArchivioScadenze.h"

namespace {

TSchedaScadenza Scheda(const std::string& data, const std::string& ora, const std::string& motivo,
                       const std::string& segno = "imminente") {
    return prova::NuovaScadenza().Data(data).Ora(ora).Dettagli(motivo).Note(segno).Spunte(false,
                                                                                          false);
}

// A rule for tests: the note says what the record is; "rotta" stands for a record the
// rule cannot judge.
bool Segnata(const VistaScheda<TSchedaScadenza>& s, const Data&) {
    const std::string nota = s.Testo(&TSchedaScadenza::Note);
    if (nota == "rotta") throw std::invalid_argument("unreadable date");
    return nota == "imminente";
}

const Data kOggi{10, 3, 2021};

}  // namespace

TEST(Avvisi, NearestFirstWhateverTheFileOrder) {
    CartellaTemporanea cartella;
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), 2021);
    for (const auto& s : {Scheda("15/03/2021", "09:30", "C"), Scheda("11/03/2021", "18:00", "B"),
                          Scheda("12/03/2021", "08:00", "no", "altro"),
                          Scheda("11/03/2021", "08:05", "A"), Scheda("xx", "", "D", "rotta")})
        SalvaScheda<TArchivioScadenze>(file, 0, s);
    const auto trovate = avvisi::CercaImminenti(cartella.percorso(), kOggi, Segnata);
    ASSERT_EQ(trovate.schede.size(), 3u);
    EXPECT_EQ(trovate.schede[0].Dettagli, "A");
    EXPECT_EQ(trovate.schede[1].Dettagli, "B");
    EXPECT_EQ(trovate.schede[2].Dettagli, "C");
    EXPECT_EQ(trovate.saltate, 1u);
}

TEST(Avvisi, ADeadlineToFulfilWithAnUnreadableDateOrWarningCannotBeJudged) {
    struct Caso {
        const char* data;
        const char* avviso;
        bool effettuata;
        bool valutabile;
    };
    for (const Caso& c : {Caso{"11/03/2021", "3", false, true}, Caso{"11/03/2021", "+0", false, true},
                          Caso{"31/02/2021", "3", false, false}, Caso{"", "3", false, false},
                          Caso{"11/03/2021", "tre", false, false}, Caso{"11/03/2021", "", false, false},
                          Caso{"xx", "", true, true}}) {
        TSchedaScadenza s = Scheda(c.data, "09:00", "motivo");
        s.Avviso = c.avviso;
        s.Effettuata = flag::Da(c.effettuata);
        EXPECT_EQ(avvisi::Valutabile(SchedaMemorizzata<TSchedaScadenza>(s).Vista()), c.valutabile)
            << c.data << " / " << c.avviso;
    }
}

TEST(Avvisi, ManyComeInDateAndTimeOrderWithEqualOnesInFileOrder) {
    // Few dates and times for many records, some times unreadable (they come after the
    // readable ones of their day): every cycle of the reordering is walked.
    CartellaTemporanea cartella;
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), 2021);
    const char* date[] = {"14/03/2021", "11/03/2021", "12/03/2021", "10/03/2021"};
    const char* ore[] = {"18:00", "08:05", "", "09:30", "xx"};
    std::vector<TSchedaScadenza> scritte;
    {
        TArchivioScadenze a;
        a.Apri(file);
        for (int i = 0; i < 150; ++i) {
            scritte.push_back(Scheda(date[(i * 7) % 4], ore[(i * 3) % 5], std::to_string(i)));
            a.AccodaScheda(scritte.back());
        }
    }
    auto attese = scritte;
    std::stable_sort(attese.begin(), attese.end(), [](const auto& x, const auto& y) {
        const auto ox = OraDaTesto(x.Ora), oy = OraDaTesto(y.Ora);
        return std::make_tuple(*DataDaTesto(x.Data), !ox, ox.value_or(OraMinuti{})) <
               std::make_tuple(*DataDaTesto(y.Data), !oy, oy.value_or(OraMinuti{}));
    });
    const auto trovate = avvisi::CercaImminenti(cartella.percorso(), kOggi, Segnata);
    ASSERT_EQ(trovate.schede.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i)
        EXPECT_EQ(trovate.schede[i].Dettagli, attese[i].Dettagli) << i;
}

TEST(Avvisi, LastYearIsNotReadAndNothingIsCreated) {
    CartellaTemporanea cartella;
    SalvaScheda<TArchivioScadenze>(TArchivioScadenze::Percorso(cartella.percorso(), 2020), 0,
                                   Scheda("31/12/2020", "09:00", "Anno prima"));
    const auto trovate = avvisi::CercaImminenti(cartella.percorso(), kOggi, Segnata);
    EXPECT_TRUE(trovate.schede.empty());
    EXPECT_FALSE(std::filesystem::exists(cartella / "2021.rcd"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "2022.rcd"));
}

TEST(Avvisi, AnArchiveThatCannotBeReadIsAnAccessFailure) {
    CartellaTemporanea cartella;
    std::filesystem::create_directory(cartella / "2021.rcd");
    EXPECT_THROW(avvisi::CercaImminenti(cartella.percorso(), kOggi, Segnata),
                 ErroreAccessoArchivio);
    // Under a missing folder there is simply no archive.
    EXPECT_TRUE(avvisi::CercaImminenti(cartella / "manca", kOggi, Segnata).schede.empty());
    EXPECT_FALSE(std::filesystem::exists(cartella / "manca"));
}

TEST(Avvisi, NotificationTexts) {
    EXPECT_EQ(avvisi::TitoloNotifica(1), "1 scadenza imminente");
    EXPECT_EQ(avvisi::TitoloNotifica(3), "3 scadenze imminenti");

    std::vector<TSchedaScadenza> schede;
    for (int i = 1; i <= 7; ++i)
        schede.push_back(
            Scheda("1" + std::to_string(i) + "/03/2021", "09:30", "Motivo " + std::to_string(i)));
    schede[0].Dettagli = "Riga uno\nriga due";
    const struct {
        std::size_t quante;
        std::string ultimaRiga;
        std::size_t righe;
    } casi[] = {
        {1, "11/03/2021 09:30 Riga uno riga due", 1},
        {3, "13/03/2021 09:30 Motivo 3", 3},
        {5, "15/03/2021 09:30 Motivo 5", 5},
        {6, "... e un'altra.", 6},
        {7, "... e altre 2.", 6},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.quante);
        const std::string corpo =
            avvisi::CorpoNotifica({schede.begin(), schede.begin() + c.quante});
        EXPECT_EQ(static_cast<std::size_t>(std::count(corpo.begin(), corpo.end(), '\n')) + 1,
                  c.righe);
        const std::size_t aCapo = corpo.rfind('\n');
        EXPECT_EQ(corpo.substr(aCapo == std::string::npos ? 0 : aCapo + 1), c.ultimaRiga);
    }
    // The printed line is the lists' line, on one line.
    const std::string riga = avvisi::RigaElenco(schede[0]);
    EXPECT_EQ(riga.find('\n'), std::string::npos);
    EXPECT_EQ(riga.rfind("Riga uno riga due", 0), 0u);
}
