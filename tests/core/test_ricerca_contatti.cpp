#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "SchedeDiProva.h"
#include "core/lists/Elenco.h"
#include "core/contacts/RicercaContatti.h"
#include "core/contacts/TArchivioContatti.h"

using ricerca::FiltriContatto;

namespace {

using prova::Contatto;

using Memorizzata = SchedaMemorizzata<TSchedaContatto>;

// The names of the records a search lists, in archive order.
std::vector<std::string> Trovati(const std::vector<TSchedaContatto>& schede,
                                 const FiltriContatto& filtri) {
    const ricerca::RicercaContatti cerca(filtri);
    std::vector<std::string> nomi;
    for (const auto& s : schede)
        if (cerca.Trovata(Memorizzata(s).Vista())) nomi.push_back(s.Cliente);
    return nomi;
}

std::string Riga(const TSchedaContatto& s) { return ricerca::RigaContatto(Memorizzata(s).Vista()); }

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
        // A blank filter is not filled, yet it counts when it occurs: with one filled
        // filter, a blank in the notes is as good as the name.
        {"a blank filter counts where it occurs",
         {"bianchi", "", "", "", "", "", "", "", "", " "},
         {"Bianchi Luigi"}},
        {"a blank filter occurring lists without the filled one",
         {"verdi", "", "", "", "", "", "", "", "", " "},
         {"Bianchi Luigi"}},
    };
    for (const auto& c : casi) EXPECT_EQ(Trovati(schede, c.filtri), c.attesi) << c.nome;
}

TEST(RicercaContatti, EachFilterReadsItsField) {
    // Every field holds its own mark; filter i finds the mark of its field and no other.
    const char* campi[] = {"Cliente",     "ComuneRes", "PartitaIva", "CodFisc",   "Documento",
                           "Occupazione", "Prodotti",  "Zona",       "Questioni", "Note"};
    const auto Segno = [](std::string_view nome) {
        for (std::size_t i = 0; i < TSchedaContatto::Campi.size(); ++i)
            if (TSchedaContatto::Campi[i].nome == nome) return "<" + std::to_string(10 + i) + ">";
        return std::string("?");
    };
    TSchedaContatto s;
    for (const auto& c : TSchedaContatto::Campi) s.*(c.membro) = Segno(c.nome);
    for (std::size_t i = 0; i < ricerca::kFiltri; ++i) {
        FiltriContatto filtri;
        filtri[i] = Segno(campi[i]);
        EXPECT_EQ(ricerca::RicercaContatti(filtri).Corrispondenze(Memorizzata(s).Vista()), 1u)
            << campi[i];
        filtri[i] = Segno(campi[(i + 1) % ricerca::kFiltri]);
        EXPECT_EQ(ricerca::RicercaContatti(filtri).Corrispondenze(Memorizzata(s).Vista()), 0u)
            << campi[i];
    }
}

TEST(RigaContatto, PiecesInFixedColumnsAndTheLastWhole) {
    TSchedaContatto s = prova::NuovoContatto()
                            .Cliente("Rossi Mario")
                            .Recapito("0543 123456")
                            .Occupazione("Medico")
                            .Prodotti("Polizza vita")
                            .Note("Chiamare dopo le 18")
                            .Questioni("Rinnovo in sospeso");
    const auto b = [](std::size_t n) { return std::string(n, ' '); };
    const std::string colonne = "Rossi Mario" + b(15) + "  Tel. " + "0543 123456" + b(4) + "  " +
                                "Medico" + b(19) + "  Prod. " + "Polizza vita" + b(18) + "  ";
    EXPECT_EQ(Riga(s), colonne + "Chiamare dopo le 18");
    EXPECT_EQ(ricerca::RigaRicontatto(Memorizzata(s).Vista()), colonne + "Rinnovo in sospeso");

    // Long pieces are cut to their width, counted in characters; the last is never cut.
    s.Cliente = "Abcdefghij Klmnopqrst Uvwxy";  // 27 characters
    s.Recapito = "333 1234567 int. 22";
    s.Occupazione = "Responsabile di produzione";  // 26
    s.Prodotti = "Nicolò: mutuo, conto, carta e polizza";
    s.Note = std::string(240, 'n') + "FINE";
    const std::string riga = Riga(s);
    EXPECT_EQ(riga,
              "Abcdefghij Klmnopqrst Uvwx  Tel. 333 1234567 int  Responsabile di produzion"
              "  Prod. Nicolò: mutuo, conto, carta e   " +
                  s.Note);
    EXPECT_EQ(riga.rfind("FINE"), riga.size() - 4);

    // Empty fields are blanks of their width; an empty last piece leaves the two blanks.
    EXPECT_EQ(Riga(TSchedaContatto{}),
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
        EXPECT_EQ(ricerca::DaRicontattare(Memorizzata(s).Vista()), atteso) << flag;
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
    const std::string scelta = Riga(uguale) + "   ";
    std::vector<std::pair<std::int64_t, std::string>> copiate;
    const auto n = elenco::CopiaSchedeUguali<TSchedaContatto>(
        a, scelta, ricerca::FormaContatto,
        [&](std::int64_t pos, const TSchedaContatto& s) { copiate.emplace_back(pos, s.CodFisc); });
    a.Chiudi();
    EXPECT_EQ(n, 2u);
    const std::vector<std::pair<std::int64_t, std::string>> attese = {{2, "PRIMA"}, {4, "SECONDA"}};
    EXPECT_EQ(copiate, attese) << "each equal record in file order: the last one stays";

    // A line nobody gives copies nothing.
    a.Apri(file);
    EXPECT_EQ(elenco::CopiaSchedeUguali<TSchedaContatto>(
                  a, "Nessuno", ricerca::FormaContatto,
                  [](std::int64_t, const TSchedaContatto&) { ADD_FAILURE(); }),
              0u);
}

TEST(SceltaRiga, HandsWhatAWholeComparisonWouldWhateverTheFirstColumn) {
    // Names blank, short, cut by the column (at a blank too), accented, in other cases,
    // and with the column's own text; each chosen line, as shown and with blanks around,
    // must bring back exactly the records whose whole line is the same once trimmed.
    const std::vector<std::string> nomi = {"", "Rossi Mario", "ROSSI MARIO", "Nicolò Bianchi",
                                           "Rossi Mario Giuseppe Antonio", "Rossi Mario Giusepp",
                                           "Rossi Mario Giuseppe Anto", "Tel.", "x"};
    const std::vector<std::string> telefoni = {"", "0543 123456", "Tel."};
    CartellaTemporanea cartella;
    const auto file = TArchivioContatti::Percorso(cartella.percorso());
    std::vector<TSchedaContatto> schede;
    TArchivioContatti a;
    a.Apri(file);
    for (std::size_t i = 0; i < nomi.size() * telefoni.size() * 2; ++i) {
        TSchedaContatto s = Contatto(nomi[i % nomi.size()], "", i % 2 ? "nota" : "");
        s.Recapito = telefoni[(i / nomi.size()) % telefoni.size()];
        s.CodFisc = std::to_string(i + 1);
        schede.push_back(s);
        a.AccodaScheda(s);
    }
    for (const TSchedaContatto& scelta : schede) {
        for (const std::string& riga : {Riga(scelta), "  " + Riga(scelta) + " \t"}) {
            std::vector<std::string> attese, copiate;
            for (const auto& s : schede)
                if (elenco::RigheUguali(Riga(s), riga)) attese.push_back(s.CodFisc);
            elenco::CopiaSchedeUguali<TSchedaContatto>(
                a, riga, ricerca::FormaContatto,
                [&](std::int64_t, const TSchedaContatto& s) { copiate.push_back(s.CodFisc); });
            EXPECT_EQ(copiate, attese) << "[" << riga << "]";
        }
    }
    // The first column alone decides for most records: it is read from the stored bytes.
    const elenco::PrimaColonna colonna(Riga(schede[1]), ricerca::kColonnaNome);
    EXPECT_TRUE(colonna.Possibile("Rossi Mario"));
    EXPECT_TRUE(colonna.Possibile("  Rossi Mario \r\n"));
    EXPECT_TRUE(colonna.Possibile(""));
    EXPECT_FALSE(colonna.Possibile("ROSSI MARIO"));
    EXPECT_FALSE(colonna.Possibile("Rossi"));
    EXPECT_FALSE(colonna.Possibile("Rossi Mario Giuseppe"));
    const elenco::PrimaColonna accenti(Riga(schede[3]), ricerca::kColonnaNome);
    EXPECT_TRUE(accenti.Possibile("Nicol\xF2 Bianchi"));
    EXPECT_FALSE(accenti.Possibile("Nicolo Bianchi"));
}
