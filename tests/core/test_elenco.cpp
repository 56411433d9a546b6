#include <gtest/gtest.h>

#include "core/app/Elenco.h"

using elenco::Corrisponde;
using elenco::TrovaNellaLista;

TEST(FiltriElenco, MatchAsTypedWithOnlyAToZFolded) {
    struct Caso {
        const char* filtro;
        const char* campo;
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
        {" ", "Rossi Mario", true},  // as typed: not filled, yet it occurs
        {"", "", false},             // an empty filter never matches
        {"", "Rossi", false},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Corrisponde(c.filtro, c.campo), c.atteso) << c.filtro << " / " << c.campo;
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
