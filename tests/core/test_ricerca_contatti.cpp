#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/app/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"

using ricerca::FiltriContatto;

namespace {

using prova::Contatto;

// The names of the records a search lists, in archive order.
std::vector<std::string> Trovati(const std::vector<TSchedaContatto>& schede,
                                 const FiltriContatto& filtri) {
    const std::size_t soglia = elenco::FiltriPieni(filtri);
    std::vector<std::string> nomi;
    for (const auto& s : schede)
        if (ricerca::ContattoTrovato(s, filtri, soglia)) nomi.push_back(s.Cliente);
    return nomi;
}

}  // namespace

TEST(RicercaContatti, WhichRecordsAFilterSetLists) {
    const std::vector<TSchedaContatto> schede = {
        Contatto("Rossi Mario", "Forlì"), Contatto("rossi", "Cesena"),
        Contatto("Mario Rossi", "Forlì"), Contatto("Bianchi Luigi", "Forlì", "cugino di Rossi"),
        Contatto("Pèrla Neri", "Rimini"),
    };
    using V = std::vector<std::string>;
    const V tutti = {"Rossi Mario", "rossi", "Mario Rossi", "Bianchi Luigi", "Pèrla Neri"};
    struct Caso {
        const char* nome;
        FiltriContatto filtri;
        V attesi;
    } casi[] = {
        {"all empty", {}, tutti},
        {"all blank", {"  ", " ", "\t", "", "", "", "", "", "", "   "}, tutti},
        {"name in any case", {"ROSSI"}, {"Rossi Mario", "rossi", "Mario Rossi"}},
        {"upper-case accent does not find lower-case", {"PÈRLA"}, {}},
        {"accent as stored", {"PèRLA"}, {"Pèrla Neri"}},
        {"word followed by a blank", {"rossi "}, {"Rossi Mario"}},
        {"both filters must match", {"rossi", "forl"}, {"Rossi Mario", "Mario Rossi"}},
        {"a filter looks only at its own field",
         {"", "", "", "", "", "", "", "", "", "ROSSI"},
         {"Bianchi Luigi"}},
        {"one of two filters is not enough", {"bianchi", "Cesena"}, {}},
    };
    for (const auto& c : casi) EXPECT_EQ(Trovati(schede, c.filtri), c.attesi) << c.nome;
}

TEST(RicercaContatti, EachFilterReadsItsField) {
    // Every filtered field holds its own word; filter i finds word i and nothing else.
    const char* campi[] = {"Cliente",     "ComuneRes", "PartitaIva", "CodFisc",   "Documento",
                           "Occupazione", "Prodotti",  "Zona",       "Questioni", "Note"};
    TSchedaContatto s;
    for (const auto& c : TSchedaContatto::Campi) s.*(c.membro) = "campo " + std::string(c.nome);
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) {
        FiltriContatto filtri;
        filtri[i] = std::string("campo ") + campi[i];
        EXPECT_EQ(ricerca::Corrispondenze(s, filtri), 1u) << campi[i];
        filtri[i] = std::string("campo ") + campi[(i + 1) % ricerca::kFiltri];
        EXPECT_EQ(ricerca::Corrispondenze(s, filtri), 0u) << campi[i];
    }
}

TEST(RigaContatto, PiecesInFixedColumnsAndTheLastWhole) {
    TSchedaContatto s;
    s.Cliente = "Rossi Mario";
    s.Recapito = "0543 123456";
    s.Occupazione = "Medico";
    s.Prodotti = "Polizza vita";
    s.Note = "Chiamare dopo le 18";
    s.Questioni = "Rinnovo in sospeso";
    const auto b = [](std::size_t n) { return std::string(n, ' '); };
    const std::string colonne = "Rossi Mario" + b(15) + "  Tel. " + "0543 123456" + b(4) + "  " +
                                "Medico" + b(19) + "  Prod. " + "Polizza vita" + b(18) + "  ";
    EXPECT_EQ(ricerca::RigaContatto(s), colonne + "Chiamare dopo le 18");
    EXPECT_EQ(ricerca::RigaRicontatto(s), colonne + "Rinnovo in sospeso");

    // Long pieces are cut to their width, counted in characters; the last is never cut.
    s.Cliente = "Abcdefghij Klmnopqrst Uvwxy";  // 27 characters
    s.Recapito = "333 1234567 int. 22";
    s.Occupazione = "Responsabile di produzione";  // 26
    s.Prodotti = "Nicolò: mutuo, conto, carta e polizza";
    s.Note = std::string(240, 'n') + "FINE";
    const std::string riga = ricerca::RigaContatto(s);
    EXPECT_EQ(riga,
              "Abcdefghij Klmnopqrst Uvwx  Tel. 333 1234567 int  Responsabile di produzion"
              "  Prod. Nicolò: mutuo, conto, carta e   " +
                  s.Note);
    EXPECT_EQ(riga.rfind("FINE"), riga.size() - 4);

    // Empty fields are blanks of their width; an empty last piece leaves the two blanks.
    EXPECT_EQ(ricerca::RigaContatto(TSchedaContatto{}),
              b(26) + "  Tel. " + b(15) + "  " + b(25) + "  Prod. " + b(30) + "  ");
}

TEST(Ricontatto, OnlyAnExactSiIsListed) {
    const std::pair<const char*, bool> casi[] = {
        {"Sì", true},  {" Sì ", true}, {"No", false}, {"sì", false},
        {"Si", false}, {"SÌ", false},  {"", false},
    };
    for (const auto& [flag, atteso] : casi) {
        TSchedaContatto s;
        s.Ricontatta = flag;
        EXPECT_EQ(ricerca::DaRicontattare(s), atteso) << flag;
    }
}

TEST(SceltaRiga, TheLaterOfTwoEqualRecordsStaysWithItsPosition) {
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    TArchivioContatti a;
    a.Apri(file);
    TSchedaContatto uguale = Contatto("Rossi Mario", "Forlì", "nota");
    uguale.CodFisc = "PRIMA";
    a.AccodaScheda(Contatto("Bianchi"));
    a.AccodaScheda(uguale);
    a.AccodaScheda(Contatto("Rossi Mario", "Forlì", "altra nota"));
    uguale.CodFisc = "SECONDA";  // not in the line: the two lines are the same
    uguale.ComuneRes = "Cesena";
    a.AccodaScheda(uguale);
    a.AccodaScheda(Contatto("Verdi"));

    // The list shows the line as built; the pick compares trimmed lines.
    const std::string scelta = ricerca::RigaContatto(uguale) + "   ";
    std::vector<std::pair<std::int64_t, std::string>> copiate;
    const auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(
        a, scelta, ricerca::RigaContatto,
        [&](std::int64_t pos, const TSchedaContatto& s) { copiate.emplace_back(pos, s.CodFisc); });
    a.Chiudi();
    EXPECT_EQ(n, 2u);
    const std::vector<std::pair<std::int64_t, std::string>> attese = {{2, "PRIMA"}, {4, "SECONDA"}};
    EXPECT_EQ(copiate, attese) << "each equal record in file order: the last one stays";

    // A line nobody gives copies nothing.
    a.Apri(file);
    EXPECT_EQ(elenco::CopiaSchedeUguali<TSchedaContatto>(
                  a, "Nessuno", ricerca::RigaContatto,
                  [](std::int64_t, const TSchedaContatto&) { ADD_FAILURE(); }),
              0u);
}
