#include <gtest/gtest.h>

#include <algorithm>
#include <memory_resource>
#include <random>

#include "MemoriaContata.h"
#include "core/lists/Elenco.h"
#include "core/text/Testo.h"

using elenco::TrovaNellaLista;

namespace {

// What a filter means, on the field as shown: the filter as typed occurs in it, both with
// A–Z lower-cased.
bool CorrispondeAlMostrato(const std::string& filtro, const std::string& byte) {
    return !testo::Rifila(filtro).empty() &&
           testo::MinuscoleAZ(testo::DaArchivio(byte)).find(testo::MinuscoleAZ(filtro)) !=
               std::string::npos;
}

// Texts mixing what lines and fields hold: letters of both cases, accents, the euro sign,
// "ÿ" (the one character of the files whose key takes four bytes), characters no archive
// holds, control characters, a zero, and (unless typed) broken UTF-8.
std::string TestoACaso(std::mt19937& rng, std::size_t massimo, bool digitato = false) {
    static const std::vector<std::string> pezzi = {
        "a",    "A",     "b",     "B",    "z",    "Z",       "m",  " ",
        "  ",   "0",     "9",     "?",    "_",    "~",       "'",  "à",
        "À",    "è",     "È",     "é",    "ì",    "ò",       "ù",  "ÿ",
        "Ÿ",    "€",     "œ",     "ł",    "中",   "😀",       "\t", std::string(1, '\0'),
        "\x7f", "rossi", "Rossi", "\xc3", "\xff", "\xe2\x82"};
    const std::size_t validi = pezzi.size() - 3;  // what a text field can give
    std::string t;
    const std::size_t n = rng() % (massimo + 1);
    for (std::size_t i = 0; i < n; ++i) t += pezzi[rng() % (digitato ? validi : pezzi.size())];
    return t;
}

}  // namespace

TEST(FiltriElenco, MatchAsTypedWithOnlyAToZFolded) {
    struct Caso {
        const char* filtro;
        const char* campo;  // as shown
        bool atteso;
    } casi[] = {
        {"ROSSI", "Rossi Mario", true},
        {"ROSSI", "rossi", true},
        {"rossi", "Mario ROSSI", true},
        {"ssi ma", "Rossi Mario", true},  // any contiguous piece
        {"rossi mario", "Rossi  Mario", false},
        {"È", "è", false},  // accented letters must match exactly
        {"è", "è", true},
        {"ÈRIKA", "Èrika", true},
        {"rossi ", "Rossi Mario", true},  // a trailing blank is part of the filter
        {"rossi ", "Mario Rossi", false},
        {" ", "Rossi Mario", false},  // blank once trimmed: not filled, never matches
        {" \t", "Rossi \t Mario", false},
        {"", "", false},             // an empty filter never matches
        {"", "Rossi", false},
        {"€ 5", "€ 50", true},
        {"?", "Chi?", true},
        {"ł", "?", false},  // no field can hold it: stored as "?", it must not match that
        {"Łódź", "??d?", false},
    };
    for (const auto& c : casi) {
        const std::string byte = testo::InWindows1252(c.campo);
        EXPECT_EQ(elenco::Filtro(c.filtro).In(byte), c.atteso) << c.filtro << " / " << c.campo;
        EXPECT_EQ(CorrispondeAlMostrato(c.filtro, byte), c.atteso) << c.filtro << " / " << c.campo;
    }
}

TEST(FiltriElenco, TheStoredFieldIsMatchedAsShown) {
    // Shown fields are trimmed: blanks and controls around the stored text are not there.
    EXPECT_FALSE(elenco::Filtro(" rossi").In("  Rossi"));
    EXPECT_FALSE(elenco::Filtro("rossi ").In("Rossi \t\r\n"));
    EXPECT_TRUE(elenco::Filtro("i m").In(" Rossi Mario "));
    EXPECT_TRUE(elenco::Filtro("\xc3\xac").In("S\xEC"));  // "ì" typed, "ì" stored
    EXPECT_TRUE(elenco::Filtro("").Impossibile());
    EXPECT_TRUE(elenco::Filtro(" ").Impossibile());
    EXPECT_TRUE(elenco::Filtro("Łódź").Impossibile());

    // Whatever the bytes, the filter answers as it would on the field shown.
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const std::string filtro = TestoACaso(rng, 2, true);
        const std::string byte = testo::InWindows1252(TestoACaso(rng, 6));
        ASSERT_EQ(elenco::Filtro(filtro).In(byte), CorrispondeAlMostrato(filtro, byte))
            << filtro << " / " << byte;
    }
}

TEST(FiltriElenco, FilledFiltersAreThoseWithTextOnceTrimmed) {
    const std::vector<std::string> filtri = {"", "  ", "\t", "a", " b ", "\r\n"};
    EXPECT_EQ(elenco::FiltriPieni(filtri), 2u);
    EXPECT_EQ(elenco::FiltriPieni(std::vector<std::string>(10)), 0u);
}

TEST(OrdineElenco, AscendingWithAToZFoldedAndEqualsInArrivalOrder) {
    std::vector<std::string> righe = {"rossi", "Bianchi 2", "ROSSA", "bianchi 1", "Àlfa",
                                      "alfa",  "Bianchi 1", "10",    "9"};
    elenco::Ordina(righe);
    const std::vector<std::string> attese = {
        "10", "9", "alfa", "bianchi 1", "Bianchi 1", "Bianchi 2", "ROSSA", "rossi", "Àlfa"};
    EXPECT_EQ(righe, attese);
    EXPECT_TRUE(elenco::PrimaDi("abc", "ABCD"));
    EXPECT_FALSE(elenco::PrimaDi("ABC", "abc"));
    EXPECT_FALSE(elenco::PrimaDi("abc", "ABC"));
}

TEST(OrdineElenco, KeysCompareAsTheLinesDo) {
    std::mt19937 rng(2024);
    for (int i = 0; i < 50000; ++i) {
        const std::string a = TestoACaso(rng, 5), b = TestoACaso(rng, 5);
        std::string ka, kb;
        testo::AccodaChiaveOrdine(ka, a);
        testo::AccodaChiaveOrdine(kb, b);
        const int chiavi = ka.compare(kb), righe = testo::ConfrontaSenzaMaiuscole(a, b);
        ASSERT_EQ((chiavi > 0) - (chiavi < 0), righe) << a << " / " << b;
    }
}

TEST(OrdineElenco, SortingOnKeysGivesTheOrderOfTheComparison) {
    // Lines alike in their first columns, as result lines are: same names in other cases
    // and accents, so the order is decided late in the line, and many equal lines.
    std::mt19937 rng(99);
    const std::vector<std::string> nomi = {"Rossi Mario", "ROSSI MARIO", "rossi mario",
                                           "Rossì Mario", "Èrika",       "erika",
                                           "Ÿvonne",      "Zoe",         "Nicolò"};
    std::vector<std::string> righe;
    for (int i = 0; i < 3000; ++i)
        righe.push_back(testo::PadTaglia(nomi[rng() % nomi.size()], 26) + "  Tel. " +
                        TestoACaso(rng, 2));
    std::vector<std::string> attese = righe;
    std::stable_sort(attese.begin(), attese.end(), elenco::PrimaDi);
    elenco::Ordina(righe);
    EXPECT_EQ(righe, attese);
}

TEST(OrdineElenco, LinesSharingLongStretchesKeepTheOrderOfTheComparison) {
    // Lines whose first column is a padded text from a short list, as the deadline lines
    // are, so that thousands share their first 40 bytes and more; then tails that run out
    // at and around every multiple of eight bytes, hold blanks, NULs and characters of one
    // and of four key bytes, and are often the start of one another.
    std::mt19937 rng(7);
    const std::vector<std::string> causali = {"Pagamento bolletta luce", "Pagamento bolletta gas",
                                              "PAGAMENTO BOLLETTA LUCE", "Rata mutuo",
                                              "Rata mutuò", ""};
    const std::vector<std::string> code = {"",  " ",  std::string(1, '\0'), "a",
                                           "A", "é", "€",                    "中"};
    struct Caso {
        std::size_t righe;
        std::size_t colonna;  // width of the padded first column
        std::size_t coda;     // most pieces in the tail
    };
    for (const Caso& c : {Caso{5000, 40, 20}, Caso{3000, 7, 12}, Caso{2000, 64, 3},
                          Caso{40, 40, 2}, Caso{17, 9, 1}}) {
        std::vector<std::string> righe;
        for (std::size_t i = 0; i < c.righe; ++i) {
            std::string r = testo::PadTaglia(causali[rng() % causali.size()], c.colonna) +
                            "  Data: 0" + std::to_string(rng() % 3) + "/03/2024";
            for (std::size_t k = rng() % (c.coda + 1); k > 0; --k) r += code[rng() % code.size()];
            righe.push_back(r);
        }
        std::vector<std::string> attese = righe;
        std::stable_sort(attese.begin(), attese.end(), elenco::PrimaDi);
        elenco::Ordina(righe);
        ASSERT_EQ(righe, attese) << c.righe << " lines, column of " << c.colonna;
    }
}

TEST(RigheElenco, LinesAddedInBatchesEndInListOrderWithTheEarlierFirst) {
    std::mt19937 rng(5);
    std::vector<std::string> tutte;
    elenco::Righe elenco;
    for (int lotto = 0; lotto < 6; ++lotto) {
        elenco::Righe nuove;
        for (int i = 0; i < 200; ++i) {
            // The same word in 32 mixes of case: equal in list order, told apart by eye, so
            // the order of arrival shows.
            std::string r = "rossi";
            for (char& c : r)
                if (rng() % 2) c = static_cast<char>(c - 'a' + 'A');
            r += std::to_string(rng() % 5) + TestoACaso(rng, 1);
            tutte.push_back(r);
            nuove.Accoda(r);
        }
        elenco::Inserisci(elenco, std::move(nuove));
    }
    std::stable_sort(tutte.begin(), tutte.end(), elenco::PrimaDi);
    ASSERT_EQ(elenco.size(), tutte.size());
    for (std::size_t i = 0; i < tutte.size(); ++i) ASSERT_EQ(elenco[i], tutte[i]) << i;
}


TEST(RigheElenco, EmptyingGivesTheMemoryBack) {
    MemoriaContata memoria, altra;
    {
        elenco::Righe righe(&memoria);
        for (int i = 0; i < 100000; ++i) righe.Accoda("Rossi Mario " + std::to_string(i));
        EXPECT_EQ(righe[10], "Rossi Mario 10");
        EXPECT_LT(memoria.prese, 80u) << "a few large blocks, not one allocation per line";
        // What the list says it holds is what it took (and the small list of its blocks).
        EXPECT_GE(righe.Memoria(), memoria.inUso);
        EXPECT_LT(righe.Memoria(), memoria.inUso + 4096);
        // Lines from another source join the list and are given back to their own.
        elenco::Righe nuove(&altra);
        nuove.Accoda("");
        nuove.Accoda("Bianchi");
        elenco::Inserisci(righe, std::move(nuove));
        EXPECT_EQ(righe.size(), 100002u);
        EXPECT_EQ(righe[0], "");
        EXPECT_EQ(righe[1], "Bianchi");
        EXPECT_GT(altra.inUso, 0u);
        righe.Svuota();
        EXPECT_TRUE(righe.empty());
        EXPECT_EQ(memoria.inUso, 0u);
        EXPECT_EQ(altra.inUso, 0u);
        // An emptied list takes lines again; an empty line needs no room at all.
        righe.Accoda("");
        righe.Accoda("x");
        EXPECT_EQ(righe[0], "");
        EXPECT_EQ(righe[1], "x");
        // Into an empty list the lines move as they are, and the list keeps its source.
        elenco::Righe vuota(&memoria), piena(&altra);
        piena.Accoda("b");
        piena.Accoda("A");
        elenco::Inserisci(vuota, std::move(piena));
        EXPECT_EQ(vuota[0], "A");
        vuota.Accoda(std::string(100000, 'z'));
        EXPECT_EQ(vuota.size(), 3u);
    }
    EXPECT_EQ(memoria.inUso, 0u) << "every list gives back all it took";
    EXPECT_EQ(altra.inUso, 0u);
}

TEST(TrovaNellaLista, NewAndRepeatedSearchesStepAndWrap) {
    const std::vector<std::string> righe = {"Rossi Mario", "Bianchi Luigi", "rossi Anna",
                                            "Verdi Giuseppe", "Neri Àlvaro"};
    const std::optional<std::size_t> nessuna;
    struct Passo {
        const char* testo;
        std::optional<std::size_t> selezionata;
        std::optional<std::size_t> attesa;
        bool trovata;
    } passi[] = {
        // A new text starts at the first line and tests it first.
        {"ROSSI", nessuna, 0, true},
        // The same text again steps on from the selected line...
        {"rossi", 0, 2, true},
        // ...and wraps round from the last match to the top.
        {"Rossi", 2, 0, true},
        // A selection moved by hand is where a repeated search starts.
        {"rossi", 3, 0, true},
        // A new text ignores the selection and starts at the first line.
        {"verdi", 2, 3, true},
        // The only match, searched again, stays selected (tested last).
        {"verdi", 3, 3, true},
        // No match: the selection stays as it is.
        {"zzz", 1, 1, false},
        // No match and no selection: the first line ends up selected.
        {"yyy", nessuna, 0, false},
        // An empty text matches nothing, not even as a new search.
        {"", 4, 4, false},
        // Accented letters are not folded.
        {"àlvaro", nessuna, 0, false},
        {"Àlvaro", 0, 4, true},
        // A blank typed at the end belongs to the text.
        {"rossi ", nessuna, 0, true},
        {"rossi ", 0, 2, true},
        {"mario ", nessuna, 0, false},
    };
    std::string ricordato;
    for (const auto& p : passi) {
        const auto esito = TrovaNellaLista(righe, p.selezionata, p.testo, ricordato);
        EXPECT_EQ(esito.selezione, p.attesa) << p.testo;
        EXPECT_EQ(esito.trovata, p.trovata) << p.testo;
        EXPECT_EQ(ricordato, [&] {
            std::string t = p.testo;
            for (char& c : t) c = (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
            return t;
        }()) << "the lower-cased text is remembered";
    }
}

TEST(TrovaNellaLista, OnlyTheRememberedTextMakesASearchRepeated) {
    const std::vector<std::string> righe = {"casa uno", "x", "casa due", "casa tre"};
    std::string ricordato = "casa";
    EXPECT_EQ(TrovaNellaLista(righe, 2, "casa", ricordato).selezione, 3u);
    EXPECT_EQ(TrovaNellaLista(righe, 3, "CASA", ricordato).selezione, 0u) << "wraps";
    // Another list's remembered text (or none) makes it a new search from the first line.
    std::string altro = "casale";
    EXPECT_EQ(TrovaNellaLista(righe, 2, "casa", altro).selezione, 0u);
    std::string vuoto;
    EXPECT_EQ(TrovaNellaLista(righe, 2, "casa", vuoto).selezione, 0u);
}

TEST(TrovaNellaLista, AnEmptyListSelectsNothingAndForgetsNothing) {
    std::string ricordato = "prima";
    const auto esito = TrovaNellaLista(std::vector<std::string>{}, std::nullopt, "x", ricordato);
    EXPECT_FALSE(esito.selezione);
    EXPECT_FALSE(esito.trovata);
    EXPECT_EQ(ricordato, "prima");
}

TEST(RigheElenco, LinesAreTheSameOnceTrimmed) {
    EXPECT_TRUE(elenco::RigheUguali("Rossi   Tel.   ", "Rossi   Tel."));
    EXPECT_TRUE(elenco::RigheUguali(" a b\t", "a b"));
    EXPECT_FALSE(elenco::RigheUguali("a  b", "a b"));
    EXPECT_FALSE(elenco::RigheUguali("Rossi", "rossi"));
}
