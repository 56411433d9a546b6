#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/Ripetizioni.h"
#include "core/deadlines/TArchivioScadenze.h"

using namespace ripetizione;

namespace {

Data D(const std::string& testo) { return *DataDaTesto(testo); }

std::vector<std::string> Testi(const std::vector<Data>& date) {
    std::vector<std::string> t;
    for (const auto& d : date) t.push_back(TestoData(d));
    return t;
}

Richiesta Volte(int mesi, int volte, bool lavorativo = false) {
    Richiesta r;
    r.mesi = mesi;
    r.volte = volte;
    r.lavorativo = lavorativo;
    return r;
}

Richiesta Fino(int mesi, const std::string& fino) {
    Richiesta r;
    r.mesi = mesi;
    r.fino = D(fino);
    return r;
}

}  // namespace

TEST(Ripetizioni, SeriesKeepTheirDayThroughShortMonthsWeeksAndYears) {
    struct Caso {
        std::string inizio;
        Richiesta richiesta;
        std::vector<std::string> attese;
    };
    const std::vector<Caso> casi = {
        // The 31st: the last day of short months, then the 31st again.
        {"31/01/2021", Volte(1, 4), {"28/02/2021", "31/03/2021", "30/04/2021", "31/05/2021"}},
        {"31/01/2024", Volte(1, 2), {"29/02/2024", "31/03/2024"}},
        // 29 February yearly: 28 February in common years, the 29th in leap ones.
        {"29/02/2024",
         Volte(12, 5),
         {"28/02/2025", "28/02/2026", "28/02/2027", "29/02/2028", "28/02/2029"}},
        {"31/10/2025", Volte(4, 3), {"28/02/2026", "30/06/2026", "31/10/2026"}},
        {"30/11/2025", Volte(3, 2), {"28/02/2026", "30/05/2026"}},
        {"15/08/2025", Volte(6, 2), {"15/02/2026", "15/08/2026"}},
        {"10/12/2025", Volte(2, 2), {"10/02/2026", "10/04/2026"}},
        // Weeks across New Year.
        {"24/12/2025", Volte(kSettimana, 3), {"31/12/2025", "07/01/2026", "14/01/2026"}},
        // Until a day, that day included.
        {"15/01/2025", Fino(1, "15/04/2025"), {"15/02/2025", "15/03/2025", "15/04/2025"}},
        {"15/01/2025", Fino(1, "14/04/2025"), {"15/02/2025", "15/03/2025"}},
        {"30/12/2025", Fino(kSettimana, "13/01/2026"), {"06/01/2026", "13/01/2026"}},
        // Each day moved to the next working day; the series keeps the 31st.
        {"31/10/2025", Volte(1, 4, true), {"01/12/2025", "31/12/2025", "02/02/2026", "02/03/2026"}},
        {"25/12/2024", Volte(kSettimana, 2, true), {"02/01/2025", "08/01/2025"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.inizio);
        const Piano p = Pianifica(D(c.inizio), c.richiesta);
        EXPECT_FALSE(p.rifiuto) << *p.rifiuto;
        EXPECT_EQ(Testi(p.date), c.attese);
    }
    // As many as asked, up to the maximum.
    EXPECT_EQ(Pianifica(D("01/01/2025"), Volte(kSettimana, 500)).date.size(), 500u);
    EXPECT_EQ(Pianifica(D("01/01/2025"), Volte(12, 50)).date.back(), D("01/01/2075"));
}

TEST(Ripetizioni, NonsenseIsRefusedWithAReason) {
    struct Caso {
        Richiesta richiesta;
        std::string messaggio;
    };
    Richiesta entrambe = Volte(1, 3);
    entrambe.fino = D("01/06/2025");
    const std::string oltre =
        "Attenzione: le ripetizioni non possono andare oltre 50 anni dalla data della scheda.";
    const std::string massimo =
        "Attenzione: una scadenza può essere ripetuta al massimo 500 volte.";
    const std::vector<Caso> casi = {
        {Volte(1, 0), "Attenzione: il numero delle ripetizioni deve essere almeno 1."},
        {Volte(1, -2), "Attenzione: il numero delle ripetizioni deve essere almeno 1."},
        {Volte(1, 501), massimo},
        {Volte(5, 3), "Attenzione: scegliere ogni quanto ripetere la scadenza."},
        {Richiesta{},
         "Attenzione: indicare quante volte ripetere la scadenza oppure fino a quale data."},
        {entrambe,
         "Attenzione: indicare quante volte ripetere la scadenza oppure fino a quale data."},
        {Fino(1, "01/01/2025"),
         "Attenzione: la data finale deve essere successiva alla data della scheda."},
        {Fino(1, "31/12/2024"),
         "Attenzione: la data finale deve essere successiva alla data della scheda."},
        {Fino(1, "20/01/2025"), "Attenzione: nessuna ripetizione cade entro la data finale."},
        {Volte(12, 51), oltre},
        {Fino(12, "02/01/2075"), oltre},
        {Fino(kSettimana, "01/01/2035"), massimo},
    };
    for (const auto& c : casi) {
        const Piano p = Pianifica(D("01/01/2025"), c.richiesta);
        EXPECT_EQ(p.rifiuto.value_or("(accepted)"), c.messaggio);
        EXPECT_TRUE(p.date.empty());
    }
    // Near the last year a calendar can name.
    EXPECT_EQ(Pianifica(D("01/06/9999"), Volte(12, 1)).rifiuto,
              "Attenzione: le ripetizioni non possono andare oltre l'anno 9999.");
}

TEST(Ripetizioni, TheTypedNumberOfRepeats) {
    const std::vector<std::pair<std::string, int>> casi = {
        {"14", 14}, {" 3 ", 3},  {"", 0},     {"0", 0},  {"-2", -2},
        {"+5", 5},  {"abc", -1}, {"1,5", -1}, {"-", -1}, {"99999999999", kMassimoRipetizioni + 1}};
    for (const auto& [testo, volte] : casi) EXPECT_EQ(VolteDaTesto(testo), volte) << testo;
}

TEST(Ripetizioni, AnOccurrenceIsTheCardsRecordOnItsDayNotFulfilled) {
    TSchedaScadenza origine = prova::Scadenza("31/01/2026", "09:30");
    origine.Effettuata = flag::Da(true);
    origine.Costo = "120,50";
    origine.Note = "Canone";
    const TSchedaScadenza s = Occorrenza(origine, D("28/02/2026"));
    EXPECT_EQ(s.Giorno, "28");
    EXPECT_EQ(s.Mese, "Febbraio");
    EXPECT_EQ(s.Anno, "2026");
    EXPECT_EQ(s.Data, "28/02/2026");
    EXPECT_EQ(s.Effettuata, "No");
    // Every other field as it was.
    TSchedaScadenza resto = s;
    resto.Giorno = origine.Giorno;
    resto.Mese = origine.Mese;
    resto.Anno = origine.Anno;
    resto.Data = origine.Data;
    resto.Effettuata = origine.Effettuata;
    for (const auto& c : TSchedaScadenza::Campi)
        EXPECT_EQ(resto.*(c.membro), origine.*(c.membro)) << c.nome;
    EXPECT_EQ(Occorrenza(origine, D("05/01/2027")).Data, "05/01/2027");
}

TEST(Ripetizioni, EachOccurrenceGoesIntoItsYearsFile) {
    CartellaTemporanea cartella;
    const auto file2025 = TArchivioScadenze::Percorso(cartella.percorso(), 2025);
    const auto file2026 = TArchivioScadenze::Percorso(cartella.percorso(), 2026);
    const TSchedaScadenza origine = prova::Scadenza("31/10/2025", "10:00");
    SalvaScheda<TArchivioScadenze>(file2025, 0, origine);
    const auto prima = LeggiByte(file2025);

    const Piano piano = Pianifica(D("31/10/2025"), Volte(1, 14));
    ASSERT_EQ(piano.date.size(), 14u);
    const Esito esito = Scrivi(cartella.percorso(), origine, piano.date);

    EXPECT_FALSE(esito.fallito);
    ASSERT_EQ(esito.scritte.size(), 2u);
    EXPECT_EQ(esito.scritte[0].anno, 2025);
    EXPECT_EQ(esito.scritte[0].schede, 2);
    EXPECT_EQ(esito.scritte[1].anno, 2026);
    EXPECT_EQ(esito.scritte[1].schede, 12);
    EXPECT_EQ(esito.Messaggio(),
              "Sono state inserite in archivio 14 schede: 2 nell'archivio 2025, 12 nell'archivio "
              "2026.");

    const auto anno2025 = LeggiScadenzeSenzaCreare(file2025);
    const auto anno2026 = LeggiScadenzeSenzaCreare(file2026);
    ASSERT_EQ(anno2025.size(), 3u);
    ASSERT_EQ(anno2026.size(), 12u);
    // The original record's bytes are untouched: the new ones follow it.
    const auto dopo = LeggiByte(file2025);
    EXPECT_TRUE(std::equal(prima.begin(), prima.end(), dopo.begin()));
    EXPECT_EQ(anno2025[1].Data, "30/11/2025");
    EXPECT_EQ(anno2025[2].Data, "31/12/2025");
    const char* attese[] = {"31/01/2026", "28/02/2026", "31/03/2026", "30/04/2026",
                            "31/05/2026", "30/06/2026", "31/07/2026", "31/08/2026",
                            "30/09/2026", "31/10/2026", "30/11/2026", "31/12/2026"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(anno2026[i].Data, attese[i]);
        EXPECT_EQ(anno2026[i].Anno, "2026");
        EXPECT_EQ(anno2026[i].Ora, "10:00");
        EXPECT_EQ(anno2026[i].Dettagli, origine.Dettagli);
    }
    EXPECT_EQ(anno2026[1].Mese, "Febbraio");
}

TEST(Ripetizioni, AYearFileThatCannotBeWrittenStopsThereAndNamesIt) {
    CartellaTemporanea cartella;
    const auto file2025 = TArchivioScadenze::Percorso(cartella.percorso(), 2025);
    const auto file2026 = TArchivioScadenze::Percorso(cartella.percorso(), 2026);
    std::filesystem::create_directory(file2026);  // a folder where the year file should be
    const TSchedaScadenza origine = prova::Scadenza("31/10/2025", "10:00");

    const Piano piano = Pianifica(D("31/10/2025"), Volte(1, 26));
    const Esito esito = Scrivi(cartella.percorso(), origine, piano.date);

    ASSERT_TRUE(esito.fallito);
    EXPECT_EQ(*esito.fallito, file2026);
    ASSERT_EQ(esito.scritte.size(), 1u);
    EXPECT_EQ(esito.scritte[0].schede, 2);
    EXPECT_EQ(esito.Messaggio(),
              "Attenzione: il sistema non permette di accedere all'archivio 2026.rcd.\n\r\n\r"
              "Sono già state inserite 2 schede: 2 nell'archivio 2025. Le altre ripetizioni non "
              "sono state inserite.");
    // What was written stays whole; nothing is tried past the failing year.
    EXPECT_EQ(LeggiScadenzeSenzaCreare(file2025).size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(TArchivioScadenze::Percorso(cartella.percorso(), 2027)));

    // Failing on the first year: nothing written.
    const Esito nulla = Scrivi(cartella.percorso(), origine, {D("05/01/2026")});
    EXPECT_EQ(nulla.Messaggio(),
              "Attenzione: il sistema non permette di accedere all'archivio 2026.rcd.\n\r\n\r"
              "Nessuna ripetizione è stata inserita in archivio.");
}
