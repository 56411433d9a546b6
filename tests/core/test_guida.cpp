#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "CartellaTemporanea.h"
#include "core/help/Guida.h"

using guida::Guida;

namespace {

const std::filesystem::path kTestoGuida =
    std::filesystem::path(__FILE__).parent_path() / "../../resources/testi/guida.txt";

}  // namespace

TEST(Guida, PagesAndParagraphsFromText) {
    // Byte-order mark, CR LF line ends, stray text before the first title, a paragraph wrapped
    // over two lines, runs of empty lines, blanks around lines.
    const auto g = Guida::DaTesto(
        "\xEF\xBB\xBF"
        "prima di ogni titolo\r\n"
        "# Prima pagina.\r\n"
        "\r\n"
        "Uno è il primo paragrafo.  \r\n"
        "\r\n"
        "\r\n"
        "Il secondo va\r\n"
        "   a capo.\r\n"
        "# Seconda pagina.  \n"
        "Terzo.\n"
        "# Vuota.\n");
    ASSERT_EQ(g.Pagine().size(), 3u);
    EXPECT_EQ(g.Pagine()[0].titolo, "Prima pagina.");
    EXPECT_EQ(g.Pagine()[0].testo, "Uno è il primo paragrafo.\r\n\r\nIl secondo va a capo.");
    EXPECT_EQ(g.Pagine()[1].titolo, "Seconda pagina.");
    EXPECT_EQ(g.Pagine()[1].testo, "Terzo.");
    EXPECT_EQ(g.Pagine()[2].titolo, "Vuota.");
    EXPECT_EQ(g.Pagine()[2].testo, "");
    EXPECT_TRUE(Guida::DaTesto("").Pagine().empty());
    EXPECT_TRUE(Guida::DaTesto("solo testo\n\nsenza titolo").Pagine().empty());
}

TEST(Guida, OnlyALineStartingWithHashBlankIsATitle) {
    const auto g = Guida::DaTesto("# A.\n#B non è un titolo\n  # neanche questo\n#\n");
    ASSERT_EQ(g.Pagine().size(), 1u);
    EXPECT_EQ(g.Pagine()[0].testo, "#B non è un titolo # neanche questo #");
}

TEST(Guida, FindsAPageByItsExactTitle) {
    const auto g =
        Guida::DaTesto("# Uno.\n\nTesto uno.\n\n# Due.\n\nTesto due.\n# Uno.\n\nAltro.\n");
    ASSERT_NE(g.Trova("Due."), nullptr);
    EXPECT_EQ(g.Trova("Due.")->testo, "Testo due.");
    EXPECT_EQ(g.Trova("Uno.")->testo, "Testo uno.");  // the first of two equal titles
    EXPECT_EQ(g.Trova("Due"), nullptr);
    EXPECT_EQ(g.Trova("due."), nullptr);
    EXPECT_EQ(g.Trova(""), nullptr);
}

TEST(Guida, ParagraphsSplitTheJoinedText) {
    EXPECT_EQ(guida::Paragrafi("a\r\n\r\nb c\r\n\r\nd"),
              (std::vector<std::string>{"a", "b c", "d"}));
    EXPECT_EQ(guida::Paragrafi("solo"), (std::vector<std::string>{"solo"}));
    EXPECT_TRUE(guida::Paragrafi("").empty());
}

TEST(Guida, UnreadableFileThrows) {
    CartellaTemporanea cartella;
    EXPECT_THROW(Guida::DaFile(cartella / "manca.txt"), std::runtime_error);
    EXPECT_THROW(Guida::DaFile(cartella.percorso()), std::runtime_error);  // a folder
    EXPECT_THROW(Guida::DaFile(cartella / "manca" / "guida.txt"), std::runtime_error);
}

TEST(Guida, ShippedTextHoldsEveryPageInOrder) {
    const auto g = Guida::DaFile(kTestoGuida);
    ASSERT_EQ(g.Pagine().size(), guida::Titoli.size());
    for (std::size_t i = 0; i < guida::Titoli.size(); ++i) {
        const auto& pagina = g.Pagine()[i];
        EXPECT_EQ(pagina.titolo, guida::Titoli[i]);
        EXPECT_EQ(g.Trova(guida::Titoli[i]), &pagina);
        const auto paragrafi = guida::Paragrafi(pagina.testo);
        EXPECT_FALSE(paragrafi.empty()) << pagina.titolo;
        for (const auto& p : paragrafi) {
            EXPECT_FALSE(p.empty()) << pagina.titolo;
            EXPECT_EQ(p.find_first_of("\r\n"), std::string::npos) << pagina.titolo;
        }
    }
    // The deadlines export page tells its three things in three paragraphs.
    EXPECT_EQ(guida::Paragrafi(g.Trova(guida::EsportazioneScadenze)->testo).size(), 3u);
    // The password of the first access is the one shipped in the password file.
    EXPECT_NE(g.Trova(guida::Panoramica)->testo.find("benvenutoadmin"), std::string::npos);
}
