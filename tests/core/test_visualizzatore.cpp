#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "core/deadlines/TArchivioScadenze.h"
#include "core/viewer/ElenchiScadenze.h"

using namespace visualizzatore;

namespace {

const Data kOggi{10, 3, 2021};

TSchedaScadenza Scadenza(const char* data, const char* ora, const char* avviso,
                         std::string_view effettuata = flag::No) {
    TSchedaScadenza s;
    s.Data = data;
    s.Giorno = std::string(data).substr(0, 2);
    s.Mese = "Marzo";
    s.Anno = "2021";
    s.Ora = ora;
    s.OreApp = std::string(ora).substr(0, 2);
    s.MinutiApp = std::string(ora).substr(3, 2);
    s.Avviso = avviso;
    s.Effettuata = effettuata;
    s.DaConfermare = flag::No;
    s.Dettagli = std::string("Causale ") + data + " " + ora;
    return s;
}

std::vector<std::string> Colonna(const std::vector<Riga>& righe, std::size_t k) {
    std::vector<std::string> c;
    for (const auto& r : righe) c.push_back(r.at(k));
    return c;
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
    for (const auto& c : casi)
        EXPECT_EQ(ScadenzaImminente(Scadenza(c.data, "09:00", c.avviso, c.effettuata), c.oggi),
                  c.imminente)
            << c.data << " avviso " << c.avviso << " oggi " << TestoData(c.oggi);
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

TEST(Visualizzatore, RowsSortedByKeyOrdinalMovesWithItsRow) {
    // Stored 20/03 10:00, 18/03 16:30, 18/03 09:15.
    std::vector<Riga> righe;
    std::size_t n = 0;
    for (const auto& s :
         {Scadenza("20/03/2021", "10:00", "30"), Scadenza("18/03/2021", "16:30", "30"),
          Scadenza("18/03/2021", "09:15", "30")})
        righe.push_back(RigaElenco(Imminenti.colonne, s, ++n));
    OrdinaRighe(righe, Imminenti.ColonnaChiave());
    EXPECT_EQ(Colonna(righe, 0), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(Colonna(righe, 19), (std::vector<std::string>{"03180915", "03181630", "03201000"}));
    EXPECT_EQ(Colonna(righe, 1),
              (std::vector<std::string>{"18/03/2021", "18/03/2021", "20/03/2021"}));
    EXPECT_EQ(Colonna(righe, 2), (std::vector<std::string>{"09:15", "16:30", "10:00"}));
}

TEST(Visualizzatore, EqualKeysKeepFileOrder) {
    // Enough rows that an unstable sort would show.
    std::vector<Riga> righe;
    for (int i = 0; i < 200; ++i)
        righe.push_back({std::to_string(i), i % 3 == 0 ? "0301" : i % 3 == 1 ? "0201" : "0101"});
    righe.push_back({"corta"});  // no key column: sorts as an empty key
    righe.push_back({"x", "a"});
    righe.push_back({"y", "B"});
    OrdinaRighe(righe, 1);
    EXPECT_EQ(righe[0][0], "corta");
    int precedente = -1;
    std::string chiave = "0101";
    for (std::size_t j = 1; j <= 200; ++j) {
        const int i = std::stoi(righe[j][0]);
        if (righe[j][1] != chiave) {
            EXPECT_LT(chiave, righe[j][1]);
            chiave = righe[j][1];
            precedente = -1;
        }
        EXPECT_LT(precedente, i) << "row " << j;
        precedente = i;
    }
    // Letters compare without regard to case.
    EXPECT_EQ(righe[201][0], "x");
    EXPECT_EQ(righe[202][0], "y");
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
        EXPECT_EQ(Giornaliere.prendi(s, giorno), c.delGiorno) << c.data;
        EXPECT_EQ(Mensili.prendi(s, giorno), c.delMese) << c.mese << " " << c.anno;
    }
    // A year below 1000 is still written with four digits.
    TSchedaScadenza antica = Scadenza("02/01/0999", "09:00", "0");
    antica.Mese = "Gennaio";
    antica.Anno = "0999";
    EXPECT_TRUE(DelGiorno(antica, {2, 1, 999}));
    EXPECT_TRUE(DelMese(antica, {2, 1, 999}));
}

TEST(Visualizzatore, RowsOfTheThreeLists) {
    TSchedaScadenza s = Scadenza("18/03/2021", "09:15", "2", flag::Si);
    s.Beneficiario = "Pagamento";
    s.Officina = "Bonifico";
    s.Costo = "12,50";
    s.Contatto = "Esito";
    s.Pagatore = "Rossi Mario";
    s.CodFisc = "RSSMRA";
    s.NumTessera = "Nord";
    s.Carica = "Questioni";
    s.TelCel = "333";
    s.Recapito = "Casa";
    s.Anticipi = "Bianchi";
    s.Complessivo = "Bologna";
    s.Rateazione = "1 ora";
    s.Note = "Note";
    s.DaConfermare = flag::Si;

    const Riga imminente = RigaElenco(Imminenti.colonne, s, 7);
    EXPECT_EQ(imminente, (Riga{"7",        "18/03/2021", "09:15", "Pagamento",   s.Dettagli,
                               "Bonifico", "12,50",      "Esito", "Rossi Mario", "RSSMRA",
                               "Nord",     "Questioni",  "333",   "Casa",        "Bianchi",
                               "Bologna",  "1 ora",      "Note",  "Sì",          "03180915"}));
    Riga attesa = imminente;
    attesa.insert(attesa.begin() + 19, "Sì");  // Effettuata before the key
    EXPECT_EQ(RigaElenco(Giornaliere.colonne, s, 7), attesa);
    EXPECT_EQ(RigaElenco(Mensili.colonne, s, 7), attesa);
    EXPECT_EQ(Imminenti.ColonnaChiave(), 19u);
    EXPECT_EQ(Giornaliere.ColonnaChiave(), 20u);
    EXPECT_EQ(Mensili.ColonnaChiave(), 20u);

    // Where the three grids differ.
    EXPECT_EQ(ColonneImminenti[5].nome, "colPagamento");
    EXPECT_EQ(ColonneImminenti[5].larghezza, 300);
    for (const auto* c : {&ColonneGiornaliere, &ColonneMensili}) {
        EXPECT_EQ((*c)[5].nome, "colOfficina");
        EXPECT_EQ((*c)[5].intestazione, "Pagamento");
        EXPECT_EQ((*c)[5].larghezza, 250);
        EXPECT_EQ((*c)[19].nome, "colEffettuata");
        EXPECT_TRUE((*c)[19].modificabile);
        EXPECT_EQ((*c)[20].nome, "colCodice");
    }
    EXPECT_EQ(ColonneImminenti[12].larghezza, 200);
    EXPECT_EQ(ColonneGiornaliere[12].larghezza, 200);
    EXPECT_EQ(ColonneMensili[12].larghezza, 180);
}

TEST(Visualizzatore, ImminenceCheckOverTheYearFile) {
    CartellaTemporanea cartella;
    const auto file = TArchivioScadenze::Percorso(cartella.percorso(), 2021);

    // A missing file is created empty.
    EXPECT_EQ(ContaImminenti(file, kOggi), 0);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 0u);

    // A damaged record between two imminent ones hides neither of them.
    SalvaScadenza(file, 0, Scadenza("12/03/2021", "09:00", "3"));
    SalvaScadenza(file, 0, Scadenza("31/02/2021", "09:00", "3"));
    SalvaScadenza(file, 0, Scadenza("11/03/2021", "09:00", "abc"));
    SalvaScadenza(file, 0, Scadenza("09/03/2021", "09:00", "3"));
    SalvaScadenza(file, 0, Scadenza("10/03/2021", "09:00", "0"));
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
