#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "LimiteFile.h"
#include "core/export/Foglio.h"

namespace {

using foglio::Intestazione;

// The file as the format describes it, piece by piece.
std::string Atteso(const std::string& nomeFoglio, const std::vector<std::string>& testate,
                   const std::vector<std::vector<std::string>>& righe) {
    std::string s =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">";
    for (const char* pezzo :
         {"<head>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
          "<!--[if gte mso 9]><xml>", "<x:ExcelWorkbook>", "<x:ExcelWorksheets>",
          "<x:ExcelWorksheet>"})
        s += pezzo;
    s += "<x:Name>" + nomeFoglio + "</x:Name>";
    for (const char* pezzo :
         {"<x:WorksheetOptions>", "<x:Selected/>", "<x:Panes>", "<x:Pane>",
          "<x:Number>1</x:Number>", "<x:ActiveRow>3</x:ActiveRow>", "</x:Pane>", "</x:Panes>",
          "<x:ProtectContents>False</x:ProtectContents>",
          "<x:ProtectObjects>False</x:ProtectObjects>",
          "<x:ProtectScenarios>False</x:ProtectScenarios>", "</x:WorksheetOptions>",
          "</x:ExcelWorksheet>", "</x:ExcelWorksheets>", "</x:ExcelWorkbook>",
          "</xml><![endif]-->", "</head>", "<body>", "<table x:str>"})
        s += pezzo;
    s += "<tr>";
    for (const auto& t : testate) s += t;
    s += "</tr>";
    for (const auto& r : righe) {
        s += "<tr>";
        for (const auto& c : r) s += "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + c + "</td>";
        s += "</tr>";
    }
    return s + "</table></body></html>";
}

foglio::Righe Di(const std::vector<std::vector<std::string>>& righe) {
    return {righe.size(), [&righe](std::size_t r, std::size_t c) -> std::string_view {
                return righe[r][c];
            }};
}

const std::vector<Intestazione> kTestate = {{"Data scadenza", 150}, {"Modalità", 250}};
const std::string kTestateNelFile =
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Data scadenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=250>Modalit\xE0</td>";

}  // namespace

TEST(Foglio, TheBytesOfTheFileAreThePiecesInOrder) {
    struct Caso {
        std::vector<std::vector<std::string>> righe;
        std::vector<std::vector<std::string>> nelFile;
    } casi[] = {
        {{}, {}},  // no rows: prologue, header row, epilogue
        {{{"01/02/2021", "Bonifico"}, {"", "Contanti"}, {"03/04/2021", "Città è"}},
         {{"01/02/2021", "Bonifico"}, {"", "Contanti"}, {"03/04/2021", "Citt\xE0 \xE8"}}},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(foglio::Componi("Scadenze imminenti", kTestate, Di(c.righe)),
                  Atteso("Scadenze imminenti", {kTestateNelFile}, c.nelFile));
    }
}

// A run of blanks inside a cell reaches the spreadsheet as typed; a single blank stays a
// plain one, a tab stays a reference, and headers and the sheet name are left alone.
TEST(Foglio, BlanksInsideACellAreKept) {
    const std::string run2 = "<span style=\"mso-spacerun:yes\">&#32;&#32;</span>";
    const std::string run3 = "<span style=\"mso-spacerun:yes\">&#32;&#32;&#32;</span>";
    const std::vector<std::vector<std::string>> righe = {
        {"Bianchi  Anna", "a\tb c   d\t\te"}};
    const std::vector<std::vector<std::string>> nelFile = {
        {"Bianchi" + run2 + "Anna", "a&#9;b c" + run3 + "d&#9;&#9;e"}};
    const std::vector<Intestazione> testate = {{"Due  blank", 90}, {"Altro", 90}};
    const std::string file = foglio::Componi("Foglio  uno", testate, Di(righe));
    EXPECT_EQ(file, Atteso("Foglio  uno",
                           {"<td style=\"text-align: left; font-weight: bold;\" width=90>Due  "
                            "blank</td><td style=\"text-align: left; font-weight: bold;\" "
                            "width=90>Altro</td>"},
                           nelFile));
}

TEST(Foglio, OneLineInWindows1252WithTheSheetNameOnce) {
    const std::vector<std::vector<std::string>> righe = {
        {"à", "è"}, {"riga uno\r\nriga due", "tab\there"}};
    const std::string file = foglio::Componi("Riepilogo Contatti", kTestate, Di(righe));
    EXPECT_EQ(file.find('\r'), std::string::npos);
    EXPECT_EQ(file.find('\n'), std::string::npos);
    EXPECT_NE(file.find("sdnum=\"1040;0;@\">\xE0</td>"), std::string::npos);
    EXPECT_NE(file.find("sdnum=\"1040;0;@\">\xE8</td>"), std::string::npos);
    EXPECT_NE(file.find(">riga uno&#13;&#10;riga due<"), std::string::npos);
    EXPECT_NE(file.find(">tab&#9;here<"), std::string::npos);
    const auto nome = file.find("<x:Name>Riepilogo Contatti</x:Name>");
    ASSERT_NE(nome, std::string::npos);
    EXPECT_EQ(file.find("Riepilogo Contatti", nome + 9), std::string::npos);
    EXPECT_EQ(file.find("Riepilogo Contatti"), nome + 8);
}

TEST(Foglio, TextIsWrittenSoThatTheSpreadsheetShowsItAsTyped) {
    const struct {
        const char* cella;
        const char* nelFile;
    } casi[] = {
        {"a & <b>", "a &amp; &lt;b&gt;"},
        {"nota</td><td>falsa", "nota&lt;/td&gt;&lt;td&gt;falsa"},
        {"\"citato\" 'così'", "\"citato\" 'cos\xEC'"},
        {"10 €", "10 \x80"},
        {"日本", "&#26085;&#26412;"},
        {"ok 😀", "ok &#128512;"},
        {"=1+1", "=1+1"},
        {"00945300507", "00945300507"},
    };
    for (const auto& c : casi) {
        std::string out;
        foglio::AccodaTesto(out, c.cella);
        EXPECT_EQ(out, c.nelFile) << c.cella;
    }
    // Headers and the sheet name go through the same writing.
    const std::vector<Intestazione> testate = {{"<Tipo & Co>", 90}};
    const std::string file = foglio::Componi("A&B", testate, Di({}));
    EXPECT_NE(file.find("<x:Name>A&amp;B</x:Name>"), std::string::npos);
    EXPECT_NE(file.find("width=90>&lt;Tipo &amp; Co&gt;</td>"), std::string::npos);
}

class FoglioSuDisco : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    std::filesystem::path file = cartella / "Contatti.xls";
    std::vector<std::vector<std::string>> righe = {{"Rossi", "Roma"}, {"Bianchi", "Forlì"}};

    void Scrivi() { foglio::Scrivi(file, "Riepilogo Contatti", kTestate, Di(righe)); }
    std::vector<unsigned char> Vecchio() {
        const std::string v = "vecchia esportazione, piu' lunga della nuova ........................"
                              "............................................................";
        std::vector<unsigned char> b(v.begin(), v.end());
        b.resize(5000, '.');
        ScriviByte(file, b);
        return b;
    }
};

TEST_F(FoglioSuDisco, AnExportReplacesTheOldFileWhole) {
    Vecchio();
    Scrivi();
    const std::string atteso = foglio::Componi("Riepilogo Contatti", kTestate, Di(righe));
    const auto scritto = LeggiByte(file);
    EXPECT_EQ(std::string(scritto.begin(), scritto.end()), atteso);
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"Contatti.xls"});
}

TEST_F(FoglioSuDisco, AFailingWriteLeavesTheOldFileAsItWas) {
    const auto vecchio = Vecchio();
    // The disk fills up at the first byte, within the first piece, or further on.
    for (std::size_t limite : {std::size_t{0}, std::size_t{100}, std::size_t{900}}) {
        {
            LimiteFile disco(limite);
            EXPECT_THROW(Scrivi(), ErroreAccessoArchivio) << limite;
        }
        EXPECT_EQ(LeggiByte(file), vecchio) << limite;
        EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"Contatti.xls"});
    }
}

TEST_F(FoglioSuDisco, AFolderAtThePathOrAMissingFolderFails) {
    std::filesystem::create_directory(file);
    std::filesystem::create_directory(file / "dentro");
    EXPECT_THROW(Scrivi(), ErroreAccessoArchivio);
    EXPECT_TRUE(std::filesystem::is_directory(file / "dentro"));
    EXPECT_EQ(VociCartella(cartella.percorso()), std::vector<std::string>{"Contatti.xls"});

    file = cartella / "manca" / "Contatti.xls";
    EXPECT_THROW(Scrivi(), ErroreAccessoArchivio);
    EXPECT_FALSE(std::filesystem::exists(cartella / "manca"));
}

TEST_F(FoglioSuDisco, ALargeFileIsWrittenInBlocksWithoutLosingAByte) {
    // Far beyond one block, with rows of uneven length.
    righe.clear();
    for (int i = 0; i < 30000; ++i)
        righe.push_back({"riga " + std::to_string(i), std::string(static_cast<std::size_t>(i % 97), 'n')});
    Scrivi();
    const std::string atteso = foglio::Componi("Riepilogo Contatti", kTestate, Di(righe));
    ASSERT_GT(atteso.size(), 3u << 20);
    const auto scritto = LeggiByte(file);
    EXPECT_TRUE(std::string(scritto.begin(), scritto.end()) == atteso);
}
