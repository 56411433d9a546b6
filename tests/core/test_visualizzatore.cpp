#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/archive/ArchivioScheda.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/viewer/ElenchiScadenze.h"

using namespace visualizzatore;

namespace {

const Data kOggi{10, 3, 2021};

TSchedaScadenza Scadenza(const char* data, const char* ora, const char* avviso,
                         std::string_view effettuata = flag::No) {
    return prova::NuovaScadenza()
        .Data(data)
        .Giorno(std::string(data).substr(0, 2))
        .Mese("Marzo")
        .Anno("2021")
        .Alle(ora)
        .Avviso(avviso)
        .Effettuata(effettuata)
        .DaConfermare(flag::No)
        .Dettagli(std::string("Causale ") + data + " " + ora);
}

using griglia::TabellaTesti;

std::vector<std::string> Colonna(const TabellaTesti& t, std::size_t k) {
    std::vector<std::string> c;
    for (std::size_t r = 0; r < t.Righe(); ++r) c.emplace_back(t.Cella(r, k));
    return c;
}

std::vector<std::string> Riga(const TabellaTesti& t, std::size_t r) {
    std::vector<std::string> c;
    for (std::size_t k = 0; k < t.Colonne(); ++k) c.emplace_back(t.Cella(r, k));
    return c;
}

// The list of `giorno` over a year file holding `schede`, in this order.
TabellaTesti Elenco(const CartellaTemporanea& cartella, const ElencoScadenze& elenco,
                    const std::vector<TSchedaScadenza>& schede, const Data& giorno) {
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), giorno.anno);
    for (const auto& s : schede) SalvaScheda<TArchivioScadenze>(file, 0, s);
    TabellaTesti t;
    Riempi(t, elenco, file, giorno);
    return t;
}

}  // namespace

TEST(Visualizzatore, ImminentFromTheWarningDaysUpToTheDate) {
    struct Caso {
        Data oggi;
        const char* data;
        const char* avviso;
        std::string_view effettuata;
        bool imminente;
    };
    const std::string_view no = flag::No, si = flag::Si;
    const Caso casi[] = {
        {kOggi, "15/03/2021", "5", no, true},
        {kOggi, "15/03/2021", "4", no, false},  // warning period not begun
        {kOggi, "10/03/2021", "0", no, true},   // today, no warning
        {kOggi, "11/03/2021", "0", no, false},
        {kOggi, "09/03/2021", "999", no, false},  // yesterday: never
        {kOggi, "15/03/2021", "5", si, false},    // fulfilled
        {kOggi, "15/03/2021", "5", "no", false},  // only "No" exactly
        {kOggi, "15/03/2021", "5", "", false},
        {kOggi, "15/03/2021", " 5 ", " No ", true},  // both trimmed
        {kOggi, "15/03/2021", "-1", no, false},
        {{28, 12, 2021}, "02/01/2022", "5", no, true},  // across the year's end
        {{29, 2, 2024}, "01/03/2024", "1", no, true},   // leap day
        {{28, 2, 2023}, "02/03/2023", "1", no, false},
    };
    for (const auto& c : casi) {
        const TSchedaScadenza s = Scadenza(c.data, "09:00", c.avviso, c.effettuata);
        EXPECT_EQ(ScadenzaImminente(s, c.oggi), c.imminente)
            << c.data << " avviso " << c.avviso << " oggi " << TestoData(c.oggi);
        // A scan judges the record as stored, and must judge it alike.
        EXPECT_EQ(ScadenzaImminente(SchedaMemorizzata<TSchedaScadenza>(s).Vista(), c.oggi),
                  c.imminente)
            << c.data << " avviso " << c.avviso << " (as stored)";
    }
}

TEST(Visualizzatore, ARecordThatCannotBeReadIsNeverImminent) {
    for (const char* data : {"31/02/2021", "", "15-03-2021", "15/03/21", "xx"})
        EXPECT_FALSE(ScadenzaImminente(Scadenza(data, "09:00", "5"), kOggi)) << data;
    for (const char* avviso : {"", "abc", "5a", "99999999999"})
        EXPECT_FALSE(ScadenzaImminente(Scadenza("15/03/2021", "09:00", avviso), kOggi)) << avviso;
    EXPECT_EQ(GiorniAvviso("007"), 7);
    EXPECT_EQ(GiorniAvviso("+3"), 3);
    EXPECT_FALSE(GiorniAvviso("+").has_value());
}

TEST(Visualizzatore, ChronologicalKeyIsMonthDayHourMinutes) {
    EXPECT_EQ(ChiaveCronologica(Scadenza("05/03/2021", "09:30", "1")), "03050930");
    TSchedaScadenza s = Scadenza("18/12/2021", "16:05", "1");
    s.Giorno = " 18";
    s.MinutiApp = "05 ";
    EXPECT_EQ(ChiaveCronologica(s), "12181605");
    // The month is read from the date text by position, characters and not bytes.
    s.Data = "1/3/2021";
    EXPECT_EQ(ChiaveCronologica(s), "/2181605");
    s.Data =
        "\xC3\xA8\xC3\xA8\xC3\xA8"
        "07";
    EXPECT_EQ(ChiaveCronologica(s),
              "0718"
              "1605");
    EXPECT_EQ(ChiaveCronologica(TSchedaScadenza{}), "");
}

TEST(Visualizzatore, DayAndMonthSelection) {
    const Data giorno{18, 3, 2021};
    struct Caso {
        const char* data;
        const char* mese;
        const char* anno;
        bool delGiorno, delMese;
    };
    const Caso casi[] = {
        {"18/03/2021", "Marzo", "2021", true, true},
        {" 18/03/2021 ", " MARZO ", " 2021", true, true},
        {"05/03/2021", "marzo", "2021", false, true},
        {"18/03/2022", "Marzo", "2022", false, false},
        {"18/3/2021", "Marzo", "2021", false, true},    // the day list compares the text
        {"18/03/2021", "Aprile", "2021", true, false},  // the month list reads Mese and Anno
        {"18/03/2021", "Marz", "2021", true, false},
        {"18/03/2021", "Marzo", "21", true, false},
    };
    for (const auto& c : casi) {
        TSchedaScadenza s = Scadenza("18/03/2021", "09:00", "0", flag::Si);
        s.Data = c.data;
        s.Mese = c.mese;
        s.Anno = c.anno;
        // On the record as shown and as the lists read it, stored.
        const SchedaMemorizzata<TSchedaScadenza> memorizzata(s);
        EXPECT_EQ(DelGiorno(s, giorno), c.delGiorno) << c.data;
        EXPECT_EQ(DelMese(s, giorno), c.delMese) << c.mese << " " << c.anno;
        EXPECT_EQ(Giornaliere.prendi(memorizzata.Vista(), giorno), c.delGiorno) << c.data;
        EXPECT_EQ(Mensili.prendi(memorizzata.Vista(), giorno), c.delMese) << c.mese << " " << c.anno;
    }
    // A year below 1000 is still written with four digits.
    TSchedaScadenza antica = Scadenza("02/01/0999", "09:00", "0");
    antica.Mese = "Gennaio";
    antica.Anno = "0999";
    EXPECT_TRUE(DelGiorno(antica, {2, 1, 999}));
    EXPECT_TRUE(DelMese(antica, {2, 1, 999}));
}

TEST(Visualizzatore, RowsOfTheThreeLists) {
    const TSchedaScadenza s = prova::NuovaScadenza(Scadenza("18/03/2021", "09:15", "2"))
                                  .Beneficiario("Pagamento")
                                  .Officina("Bonifico")
                                  .Costo("12,50")
                                  .Contatto("Esito")
                                  .Pagatore("Rossi Mario")
                                  .CodFisc("RSSMRA")
                                  .NumTessera("Nord")
                                  .Carica("Questioni")
                                  .TelCel("333")
                                  .Recapito("Casa")
                                  .Anticipi("Bianchi")
                                  .Complessivo("Bologna")
                                  .Rateazione("1 ora")
                                  .Note("Note")
                                  .DaConfermare(flag::Si);

    const std::vector<std::string> imminente = {
        "1",       "18/03/2021",  "09:15",  "Pagamento", s.Dettagli,  "Bonifico", "12,50",
        "Esito",   "Rossi Mario", "RSSMRA", "Nord",      "Questioni", "333",      "Casa",
        "Bianchi", "Bologna",     "1 ora",  "Note",      "Sì",        "03180915"};
    {
        CartellaTemporanea c;
        const TabellaTesti t = Elenco(c, Imminenti, {s}, {17, 3, 2021});
        ASSERT_EQ(t.Righe(), 1u);
        EXPECT_EQ(Riga(t, 0), imminente);
    }
    auto attesa = imminente;
    attesa.insert(attesa.begin() + 19, "No");  // Effettuata before the key
    for (const auto* elenco : {&Giornaliere, &Mensili}) {
        CartellaTemporanea c;
        const TabellaTesti t = Elenco(c, *elenco, {s}, {18, 3, 2021});
        ASSERT_EQ(t.Righe(), 1u);
        EXPECT_EQ(Riga(t, 0), attesa);
    }
    EXPECT_EQ(Imminenti.ColonnaChiave(), 19u);
    EXPECT_EQ(Giornaliere.ColonnaChiave(), 20u);
    EXPECT_EQ(Mensili.ColonnaChiave(), 20u);

    // Where the three grids differ (their control names and widths are the windows').
    EXPECT_EQ(ColonneImminenti[5].intestazione, "Pagamento");
    for (const auto* c : {&ColonneGiornaliere, &ColonneMensili}) {
        EXPECT_EQ((*c)[5].intestazione, "Pagamento");
        EXPECT_EQ((*c)[19].intestazione, "Impegno assolto");
        EXPECT_TRUE((*c)[19].modificabile);
        EXPECT_EQ((*c)[20].intestazione, "Codice univoco");
    }
}

TEST(Visualizzatore, ExportNamesAndHeaderCells) {
    struct Caso {
        const ElencoScadenze* elenco;
        std::string_view file, foglio;
        std::size_t celle;
    };
    const Caso casi[] = {
        {&Imminenti, "Scadenze_Imminenti.xls", "Scadenze imminenti", 19},
        {&Giornaliere, "Scadenze_Giornaliere.xls", "Scadenze del giorno", 20},
        {&Mensili, "Scadenze_Mensili.xls", "Scadenze del mese", 20},
    };
    for (const auto& c : casi) {
        const auto& e = c.elenco->griglia.esportazione;
        EXPECT_EQ(e.file, c.file);
        EXPECT_EQ(e.foglio, c.foglio);
        ASSERT_EQ(e.intestazioni.size(), c.celle);
        // Where the file's widths differ from the grid's.
        EXPECT_EQ(e.intestazioni[4].testo, "Pagamento");
        EXPECT_EQ(e.intestazioni[4].larghezza, 250);
        EXPECT_EQ(e.intestazioni[8].testo, "Codice fiscale");
        EXPECT_EQ(e.intestazioni[8].larghezza, 200);
        EXPECT_EQ(e.intestazioni[11].larghezza, 200);  // "Tel. cellulare", also for the month
        EXPECT_EQ(e.intestazioni[17].testo, "Da confermare");
        EXPECT_EQ(e.intestazioni.back().testo, "Codice univoco");
        EXPECT_EQ(e.intestazioni.back().larghezza, 150);
        // Every other header cell is the grid column's after the ordinal.
        for (std::size_t i = 0; i < c.celle; ++i)
            EXPECT_EQ(e.intestazioni[i].testo, c.elenco->griglia.colonne[i + 1].intestazione);
    }
    EXPECT_EQ(IntestazioniGiornoMese[18].testo, "Impegno assolto");
    EXPECT_EQ(IntestazioniGiornoMese[18].larghezza, 250);
}

TEST(Visualizzatore, ImminentListSortedOnTheKeyOrdinalMovesWithItsRow) {
    const auto venti = Scadenza("20/03/2021", "10:00", "30");
    const auto sedici = Scadenza("18/03/2021", "16:30", "30");
    const auto nove = Scadenza("18/03/2021", "09:15", "30");
    const auto dataRotta = Scadenza("31/02/2021", "08:00", "30");
    const auto avvisoRotto = Scadenza("19/03/2021", "08:00", "trenta");
    const auto fatta = Scadenza("19/03/2021", "08:00", "30", flag::Si);
    // The same three deadlines, alone or with records that are skipped stored between them:
    // a damaged record hides neither the rows after it nor the sort.
    const std::vector<std::vector<TSchedaScadenza>> archivi = {
        {venti, sedici, nove},
        {dataRotta, venti, avvisoRotto, sedici, fatta, dataRotta, nove, avvisoRotto},
    };
    for (const auto& schede : archivi) {
        CartellaTemporanea c;
        const TabellaTesti t = Elenco(c, Imminenti, schede, kOggi);
        EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"3", "2", "1"}));
        EXPECT_EQ(Colonna(t, 19), (std::vector<std::string>{"03180915", "03181630", "03201000"}));
        EXPECT_EQ(Colonna(t, 1),
                  (std::vector<std::string>{"18/03/2021", "18/03/2021", "20/03/2021"}));
        EXPECT_EQ(Colonna(t, 2), (std::vector<std::string>{"09:15", "16:30", "10:00"}));
    }
}

TEST(Visualizzatore, DayListTakesEveryRecordOfTheDayByTime) {
    CartellaTemporanea c;
    TSchedaScadenza altroMese = Scadenza("18/04/2021", "07:00", "0");
    altroMese.Mese = "Aprile";
    const TabellaTesti t = Elenco(c, Giornaliere,
                                  {Scadenza("18/03/2021", "16:30", "0"),
                                   Scadenza("18/03/2021", "09:15", "0", flag::Si),  // fulfilled
                                   Scadenza("17/03/2021", "08:00", "5"), altroMese,
                                   Scadenza("18/03/2021", "12:00", "abc")},  // warning unread
                                  {18, 3, 2021});
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"2", "3", "1"}));
    EXPECT_EQ(Colonna(t, 2), (std::vector<std::string>{"09:15", "12:00", "16:30"}));
    EXPECT_EQ(Colonna(t, 19), (std::vector<std::string>{"Sì", "No", "No"}));
    for (const auto& k : Colonna(t, 20)) EXPECT_EQ(k.substr(0, 4), "0318");
}

TEST(Visualizzatore, MonthListOfMarchByDayAndTime) {
    CartellaTemporanea c;
    auto conMese = [](const char* data, const char* ora, const char* mese, const char* anno) {
        TSchedaScadenza s = Scadenza(data, ora, "0", flag::Si);
        s.Mese = mese;
        s.Anno = anno;
        return s;
    };
    const TabellaTesti t =
        Elenco(c, Mensili,
               {conMese("31/03/2021", "08:00", "Marzo", "2021"),
                conMese("01/04/2021", "08:00", "Aprile", "2021"),
                conMese("05/03/2021", "18:00", "Marzo", "2021"),
                conMese("05/03/2020", "07:00", "Marzo", "2020"),  // another year's March
                conMese("05/03/2021", "09:30", "Marzo", "2021")},
               {18, 3, 2021});
    EXPECT_EQ(Colonna(t, 20), (std::vector<std::string>{"03050930", "03051800", "03310800"}));
    EXPECT_EQ(Colonna(t, 0), (std::vector<std::string>{"3", "2", "1"}));
}

TEST(Visualizzatore, ADayOfAYearWithoutItsFileCreatesItAndListsNothing) {
    CartellaTemporanea c;
    for (const auto* elenco : {&Imminenti, &Giornaliere, &Mensili}) {
        const Data giorno{18, 3, 1999};
        const auto file = TArchivioScadenze::Percorso(c.percorso(), 1999);
        std::filesystem::remove(file);
        TabellaTesti t;
        Riempi(t, *elenco, file, giorno);
        EXPECT_EQ(t.Righe(), 0u);
        EXPECT_EQ(t.Colonne(), elenco->griglia.colonne.size());
        ASSERT_TRUE(std::filesystem::is_regular_file(file));
        EXPECT_EQ(std::filesystem::file_size(file), 0u);
    }
}

TEST(Visualizzatore, ImminenceCheckOverTheYearFile) {
    CartellaTemporanea cartella;
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), 2021);

    // A missing file is created empty.
    EXPECT_EQ(ContaImminenti(file, kOggi), 0);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);

    // A damaged record between two imminent ones hides neither of them.
    SalvaScheda<TArchivioScadenze>(file, 0, Scadenza("12/03/2021", "09:00", "3"));
    SalvaScheda<TArchivioScadenze>(file, 0, Scadenza("31/02/2021", "09:00", "3"));
    SalvaScheda<TArchivioScadenze>(file, 0, Scadenza("11/03/2021", "09:00", "abc"));
    SalvaScheda<TArchivioScadenze>(file, 0, Scadenza("09/03/2021", "09:00", "3"));
    SalvaScheda<TArchivioScadenze>(file, 0, Scadenza("10/03/2021", "09:00", "0"));
    EXPECT_EQ(ContaImminenti(file, kOggi), 2);
    EXPECT_EQ(ContaImminenti(file, {13, 3, 2021}), 0);

    // A folder standing where the file should be is an access failure.
    const auto cartellaAlPosto = TArchivioScadenze::Percorso(cartella.percorso(), 2022);
    std::filesystem::create_directory(cartellaAlPosto);
    EXPECT_THROW(ContaImminenti(cartellaAlPosto, kOggi), ErroreAccessoArchivio);
    EXPECT_THROW(ContaImminenti(cartella / "manca" / "2021.rcd", kOggi), ErroreAccessoArchivio);
}

TEST(Testo, CharactersByPosition) {
    EXPECT_EQ(testo::Caratteri("18/03/2021", 3, 2), "03");
    EXPECT_EQ(testo::Caratteri("àèìòù", 1, 3), "èìò");
    EXPECT_EQ(testo::Caratteri("abc", 2, 5), "c");
    EXPECT_EQ(testo::Caratteri("abc", 5, 2), "");
}
