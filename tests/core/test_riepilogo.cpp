#include <gtest/gtest.h>

#include <vector>

#include "SchedeDiProva.h"
#include "core/summary/Riepilogo.h"
#include "core/summary/SommaImporti.h"
#include "core/text/Messaggi.h"

namespace {

using riepilogo::Campo;

// The summary reads each record as the file holds it.
bool Prendi(riepilogo::Riepilogo& r, const TSchedaScadenza& s) {
    return r.Prendi(SchedaMemorizzata<TSchedaScadenza>(s).Vista());
}

// --- Exact total ----------------------------------------------------------------------------

struct CasoSomma {
    std::vector<const char*> importi;
    const char* totale;
};

class SommaEsatta : public ::testing::TestWithParam<CasoSomma> {};

TEST_P(SommaEsatta, AddsAsDecimalsAndRoundsHalfAwayFromZero) {
    SommaImporti somma;
    for (const char* i : GetParam().importi) EXPECT_TRUE(somma.Aggiungi(i)) << i;
    EXPECT_EQ(somma.Centesimi(), GetParam().totale);
}

INSTANTIATE_TEST_SUITE_P(
    Importi, SommaEsatta,
    ::testing::Values(CasoSomma{{}, "0,00"}, CasoSomma{{"10,00", "2,5"}, "12,50"},
                      CasoSomma{{"0,125", "0,125"}, "0,25"}, CasoSomma{{"1234"}, "1234,00"},
                      CasoSomma{{"10,00", "2,5", "0,25"}, "12,75"}, CasoSomma{{"7"}, "7,00"},
                      // Binary doubles and Int(v × 100 + 0.5) give -5,49 and 1,00 here.
                      CasoSomma{{"-5,5"}, "-5,50"}, CasoSomma{{"1,005"}, "1,01"},
                      CasoSomma{{"-1,005"}, "-1,01"}, CasoSomma{{"0,1", "0,2"}, "0,30"},
                      CasoSomma{{"-0,004"}, "0,00"}, CasoSomma{{"-0,005"}, "-0,01"},
                      CasoSomma{{"0,994999"}, "0,99"}, CasoSomma{{"0,995"}, "1,00"},
                      CasoSomma{{"10", "-2,5"}, "7,50"}, CasoSomma{{"-1,25", "-1,25"}, "-2,50"},
                      CasoSomma{{"-3,75", "3,75"}, "0,00"},
                      CasoSomma{{" 3,5 ", "+2", ",5"}, "6,00"},
                      // Beyond the 15 digits a double keeps.
                      CasoSomma{{"999999999999999", "999999999999999", "0,01"},
                                "1999999999999998,01"},
                      CasoSomma{{"0,000000000000000001", "0,004999999999999999"}, "0,01"}));

TEST(SommaImporti, TextsThatAreNotAmountsAddNothing) {
    for (const char* testo : {"abc", "", "   ", "1.5", "1,2,3", "-", "1 000", "12a", "--1",
                              "1234567890123456789", "0,1234567890123456789"}) {
        SommaImporti somma;
        ASSERT_TRUE(somma.Aggiungi("1,50"));
        EXPECT_FALSE(somma.Aggiungi(testo)) << testo;
        EXPECT_EQ(somma.Centesimi(), "1,50") << testo;
    }
}

TEST(SommaImporti, ATotalThatWouldLeaveTheRangeRefusesTheAmount) {
    SommaImporti somma;
    int aggiunti = 0;
    while (aggiunti < 20 && somma.Aggiungi("999999999999999999")) ++aggiunti;
    EXPECT_EQ(aggiunti, 9);
    EXPECT_EQ(somma.Centesimi(), "8999999999999999991,00");
    EXPECT_TRUE(somma.Aggiungi("-1"));
    EXPECT_EQ(somma.Centesimi(), "8999999999999999990,00");
}

// --- Request checks ---------------------------------------------------------------------------

riepilogo::ModuloRichiesta Modulo(const char* giornoInizio, const char* meseInizio,
                                  const char* giornoFine, const char* meseFine,
                                  const char* anno = "2021") {
    riepilogo::ModuloRichiesta m;
    m.Anno = anno;
    m.GiornoInizio = giornoInizio;
    m.MeseInizio = meseInizio;
    m.GiornoFine = giornoFine;
    m.MeseFine = meseFine;
    return m;
}

constexpr const char* kVoceElenco = "selezionandolo dall'elenco a cascata.";

struct CasoRifiuto {
    riepilogo::ModuloRichiesta modulo;
    std::optional<Campo> campo;
    ModoRifiuto modo;
    std::string testo;
    std::string dataInizio, dataFine;  // as the window then keeps them
};

class RichiestaRifiutata : public ::testing::TestWithParam<CasoRifiuto> {};

TEST_P(RichiestaRifiutata, TheFirstFailingCheckAnswersAndNamesItsField) {
    const auto& caso = GetParam();
    const auto esito = riepilogo::ControllaRichiesta(caso.modulo, "/programma");
    ASSERT_TRUE(esito.rifiuto);
    EXPECT_FALSE(esito.richiesta);
    EXPECT_EQ(esito.rifiuto->campo, caso.campo);
    EXPECT_EQ(esito.rifiuto->modo, caso.modo);
    EXPECT_EQ(esito.rifiuto->testo, caso.testo);
    EXPECT_EQ(esito.dataInizio, caso.dataInizio);
    EXPECT_EQ(esito.dataFine, caso.dataFine);
}

const std::string kNonEsiste =
    " non esiste.\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data "
    "valida.";

INSTANTIATE_TEST_SUITE_P(
    Controlli, RichiestaRifiutata,
    ::testing::Values(
        // The year first, whatever else is missing; only its length as typed counts.
        CasoRifiuto{Modulo("", "", "", "", "202"), Campo::Anno, ModoRifiuto::Avviso,
                    messaggi::AnnoQuattroCifre, "", ""},
        CasoRifiuto{Modulo("01", "Gennaio", "31", "Dicembre", ""), Campo::Anno, ModoRifiuto::Avviso,
                    messaggi::AnnoQuattroCifre, "", ""},
        CasoRifiuto{Modulo("01", "Gennaio", "31", "Dicembre", "20211"), Campo::Anno,
                    ModoRifiuto::Avviso, messaggi::AnnoQuattroCifre, "", ""},
        // Then the four lists, in order; blanks are not a choice.
        CasoRifiuto{
            Modulo(" ", "", "", ""), Campo::GiornoInizio, ModoRifiuto::Avviso,
            std::string("Attenzione: indicare il giorno di inizio intervallo ") + kVoceElenco, "",
            ""},
        CasoRifiuto{Modulo("01", "", "", ""), Campo::MeseInizio, ModoRifiuto::Avviso,
                    "Attenzione: indicare il mese di inizio intervallo selezionandolo "
                    "dall'elenco a cascata.",
                    "", ""},
        CasoRifiuto{Modulo("01", "Marzo", "", "Marzo"), Campo::GiornoFine, ModoRifiuto::Avviso,
                    std::string("Attenzione: indicare il giorno di fine intervallo ") + kVoceElenco,
                    "", ""},
        CasoRifiuto{Modulo("01", "Marzo", "02", ""), Campo::MeseFine, ModoRifiuto::Avviso,
                    "Attenzione: indicare il mese di fine intervallo selezionandolo "
                    "dall'elenco a cascata.",
                    "", ""},
        // Dates that do not exist, with the date as composed.
        CasoRifiuto{
            Modulo("31", "Aprile", "31", "Dicembre"), Campo::GiornoInizio, ModoRifiuto::Messaggio,
            "Attenzione: la data 31/04/2021 di inizio intervallo" + kNonEsiste, "31/04/2021", ""},
        CasoRifiuto{Modulo("01", "Gennaio", "29", "febbraio"), Campo::GiornoFine,
                    ModoRifiuto::Messaggio,
                    "Attenzione: la data 29/02/2021 di fine intervallo" + kNonEsiste, "01/01/2021",
                    "29/02/2021"},
        // A month that is none of the twelve leaves its date empty.
        CasoRifiuto{Modulo("01", "Marzolino", "31", "Dicembre"), Campo::GiornoInizio,
                    ModoRifiuto::Messaggio,
                    "Attenzione: la data  di inizio intervallo" + kNonEsiste, "", ""},
        // Four characters with a blank pass the first check, and make a date of no year.
        CasoRifiuto{Modulo("01", "Gennaio", "31", "Dicembre", " 202"), Campo::GiornoInizio,
                    ModoRifiuto::Messaggio,
                    "Attenzione: la data 01/01/202 di inizio intervallo" + kNonEsiste, "01/01/202",
                    ""},
        // The end before the start names the end first; the focus stays where it is.
        CasoRifiuto{Modulo("15", "Marzo", "10", "Marzo"), std::nullopt, ModoRifiuto::Messaggio,
                    "Attenzione: la data di fine intervallo (10/03/2021) non può essere "
                    "anteriore a quella di inizio intervallo (15/03/2021).\n\r\n\rPer poter "
                    "visualizzare il riepilogo è necessario indicare un intervallo di tempo "
                    "valido.",
                    "15/03/2021", "10/03/2021"}));

TEST(Richiesta, ASoundRequestNamesTheYearFileAndKeepsTheFiltersAsTyped) {
    auto m = Modulo("29", "FEBBRAIO", "29", "Febbraio", "2024");  // one day, a leap year
    m.Cliente = " rossi ";
    m.Targa = "";
    const auto esito = riepilogo::ControllaRichiesta(m, "/programma");
    ASSERT_FALSE(esito.rifiuto) << esito.rifiuto->testo;
    ASSERT_TRUE(esito.richiesta);
    EXPECT_EQ(esito.richiesta->file, std::filesystem::path("/programma/2024.rcd"));
    EXPECT_EQ(esito.richiesta->cliente, " rossi ");
    EXPECT_EQ(esito.richiesta->causale, "");
    EXPECT_EQ(esito.richiesta->inizio, (Data{29, 2, 2024}));
    EXPECT_EQ(esito.richiesta->fine, (Data{29, 2, 2024}));
    EXPECT_EQ(esito.dataInizio, "29/02/2024");
    EXPECT_EQ(esito.dataFine, "29/02/2024");
    EXPECT_EQ(riepilogo::TestoIntervallo(*esito.richiesta), "Dal   29/02/2024   al   29/02/2024");
}

TEST(Richiesta, ListFieldsKeepOnlyTheirItems) {
    for (const char* giorno : {"01", " 31 ", "15"}) EXPECT_TRUE(riepilogo::GiornoAmmesso(giorno));
    for (const char* giorno : {"", "1", "32", "00", "ab", "0 1"})
        EXPECT_FALSE(riepilogo::GiornoAmmesso(giorno)) << giorno;
    for (const char* mese : {"Marzo", "marzo", " DICEMBRE "})
        EXPECT_TRUE(riepilogo::MeseAmmesso(mese));
    for (const char* mese : {"", "Mar", "Marzo1", "Màrzo"})
        EXPECT_FALSE(riepilogo::MeseAmmesso(mese)) << mese;
}

// --- Selection --------------------------------------------------------------------------------

TSchedaScadenza Scadenza(const char* pagatore, const char* dettagli, const char* data,
                         const char* costo = "1,00") {
    return prova::NuovaScadenza().Pagatore(pagatore).Dettagli(dettagli).Data(data).Costo(costo);
}

riepilogo::RichiestaRiepilogo Richiesta(const char* cliente, const char* causale,
                                        Data inizio = {1, 1, 2021}, Data fine = {31, 12, 2021}) {
    return {"/programma/2021.rcd", cliente, causale, inizio, fine};
}

TEST(Riepilogo, FilledFiltersMustAllOccurWithAZFolded) {
    const std::vector<TSchedaScadenza> schede = {
        Scadenza("Rossi Mario", "Affitto marzo", "05/03/2021"),
        Scadenza("ROSSI", "Bolletta luce", "06/03/2021"),
        Scadenza("rossi anna", "affitto aprile", "07/04/2021"),
        Scadenza("Verdi", "Affitto", "08/04/2021"),
        Scadenza("Róssi", "Affitto", "09/04/2021"),  // accents match only themselves
    };
    struct Caso {
        const char* cliente;
        const char* causale;
        std::size_t pieni;
        std::vector<bool> presi;
    };
    const Caso casi[] = {
        {"", "", 0, {true, true, true, true, true}},
        {"   ", "\t", 0, {true, true, true, true, true}},
        {"rossi", "", 1, {true, true, true, false, false}},
        {"rossi", "AFFITTO", 2, {true, false, true, false, false}},
        {"", "affitto", 1, {true, false, true, true, true}},
        {"rossi ", "", 1, {true, false, true, false, false}},  // as typed, blank included
        // A blank filter never stands in for a filled one that does not match.
        {"rossi", " ", 1, {true, true, true, false, false}},
        {" ", "bolletta", 1, {false, true, false, false, false}},
    };
    for (const auto& caso : casi) {
        riepilogo::Riepilogo r(Richiesta(caso.cliente, caso.causale));
        EXPECT_EQ(r.FiltriPieni(), caso.pieni) << caso.cliente << "|" << caso.causale;
        for (std::size_t i = 0; i < schede.size(); ++i)
            EXPECT_EQ(Prendi(r, schede[i]), caso.presi[i])
                << "'" << caso.cliente << "' '" << caso.causale << "' record " << i;
    }
}

TEST(Riepilogo, BothEndsOfTheIntervalAreIncluded) {
    riepilogo::Riepilogo r(Richiesta("", "", {10, 3, 2021}, {20, 3, 2021}));
    EXPECT_FALSE(Prendi(r, Scadenza("A", "x", "09/03/2021", "1")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "x", "10/03/2021", "2")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "x", "15/03/2021", "4")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "x", "20/03/2021", "8")));
    EXPECT_FALSE(Prendi(r, Scadenza("A", "x", "21/03/2021", "16")));
    EXPECT_FALSE(Prendi(r, Scadenza("A", "x", "15/03/2022", "32")));
    EXPECT_EQ(r.Totale(), "14,00");  // only what was taken

    riepilogo::Riepilogo giorno(Richiesta("", "", {10, 3, 2021}, {10, 3, 2021}));
    EXPECT_TRUE(Prendi(giorno, Scadenza("A", "x", "10/03/2021")));
    EXPECT_FALSE(Prendi(giorno, Scadenza("A", "x", "11/03/2021")));
}

TEST(Riepilogo, UnreadableRecordsAreLeftOutCountedAndTheSummaryGoesOn) {
    riepilogo::Riepilogo r(Richiesta("rossi", ""));
    EXPECT_TRUE(Prendi(r, Scadenza("Rossi", "a", "01/02/2021", "10,00")));
    EXPECT_FALSE(Prendi(r, Scadenza("Rossi", "b", "01/02/2021", "abc")));
    EXPECT_FALSE(Prendi(r, Scadenza("Rossi", "c", "31/02/2021", "5")));
    EXPECT_FALSE(Prendi(r, Scadenza("Rossi", "d", "", "5")));
    // Records the filters hold back are not read further, so not counted.
    EXPECT_FALSE(Prendi(r, Scadenza("Verdi", "e", "xx", "abc")));
    EXPECT_TRUE(Prendi(r, Scadenza("Rossi", "f", "02/02/2021", "2,75")));
    EXPECT_EQ(r.Totale(), "12,75");
    EXPECT_EQ(r.Escluse(riepilogo::Esclusione::Importo), 1u);
    EXPECT_EQ(r.Escluse(riepilogo::Esclusione::Data), 2u);
    EXPECT_EQ(r.AvvisoEscluse(),
              "Attenzione: 3 schede dell'archivio non sono state incluse né nel riepilogo né nel "
              "totale degli importi:\n\r\n\r- 2 con una data di scadenza non valida;\n\r- 1 con "
              "un importo non valido.\n\r\n\rPer includerle, correggere le schede "
              "nell'applicazione Inserimento scadenze.");
}

TEST(Riepilogo, TheWidestStoredAmountsAddUpExactly) {
    // A stored amount has at most 15 characters: the widest whole and decimal amounts are
    // added exactly, never rounded through a floating-point number.
    riepilogo::Riepilogo r(Richiesta("", ""));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "a", "01/02/2021", "1,25")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "b", "01/02/2021", "999999999999999")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "c", "01/02/2021", "0,1234567890123")));
    EXPECT_TRUE(Prendi(r, Scadenza("A", "d", "02/02/2021", "-0,25")));
    EXPECT_EQ(r.Totale(), "1000000000000000,12");
    EXPECT_EQ(r.Escluse(riepilogo::Esclusione::Importo), 0u);
}

TEST(Riepilogo, TheWarningSpeaksOfOneRecordAndOnlyOfItsReason) {
    riepilogo::Riepilogo r(Richiesta("", ""));
    EXPECT_EQ(r.AvvisoEscluse(), std::nullopt);
    Prendi(r, Scadenza("A", "a", "01/02/2021", "1,2,3"));
    EXPECT_EQ(r.AvvisoEscluse(),
              "Attenzione: 1 scheda dell'archivio non è stata inclusa né nel riepilogo né nel "
              "totale degli importi:\n\r\n\r- 1 con un importo non valido.\n\r\n\rPer includerla, "
              "correggere la scheda nell'applicazione Inserimento scadenze.");
}

TEST(Riepilogo, TheContactTitleIsTheTrimmedFilterOrDashes) {
    EXPECT_EQ(riepilogo::TitoloContatto("  Rossi "), "Rossi");
    EXPECT_EQ(riepilogo::TitoloContatto("   "), "- - -");
    EXPECT_EQ(riepilogo::TitoloContatto(""), "- - -");
}

}  // namespace
