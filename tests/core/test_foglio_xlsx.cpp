// The .xlsx beside the HTML spreadsheet: read back from the zip, every cell a text cell
// holding exactly what it was given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "Zip.h"
#include "core/export/Foglio.h"

namespace {

// The texts of the cells of the sheet, row by row (inline strings, as the file has them).
std::vector<std::vector<std::string>> Celle(const std::string& xml) {
    std::vector<std::vector<std::string>> righe;
    for (std::size_t r = xml.find("<row "); r != std::string::npos; r = xml.find("<row ", r + 1)) {
        const std::size_t fine = xml.find("</row>", r);
        std::vector<std::string> riga;
        for (std::size_t c = xml.find("<c ", r); c != std::string::npos && c < fine; c = xml.find("<c ", c + 1)) {
            const std::size_t chiusa = xml.find('>', c);
            const std::string testa = xml.substr(c, chiusa - c);
            if (testa.back() == '/') {  // a cell with a format and nothing in it
                riga.emplace_back();
                continue;
            }
            EXPECT_NE(testa.find("t=\"inlineStr\""), std::string::npos) << testa;
            const std::size_t t = xml.find("<t", chiusa);
            const std::size_t da = xml.find('>', t) + 1;
            riga.push_back(xml.substr(da, xml.find("</t>", da) - da));
        }
        righe.push_back(riga);
    }
    return righe;
}

TEST(FoglioXlsx, TextCellsKeepEveryCharacterHeaderBoldAndFrozenWidthsOfTheHeaders) {
    const foglio::Intestazione intestazioni[] = {{"Nome", 250}, {"Partita IVA", 150}, {"Note", 300}};
    const std::vector<std::vector<std::string>> dati = {
        {"Via  Roma   1", "00123456789", "=1+1"},
        {"a\tb", "", "<&> \"x\" \xE2\x82\xAC"},
    };
    CartellaTemporanea dir;
    const auto file = dir / "Contatti.xlsx";
    foglio::ScriviXlsx(file, "Riepilogo Contatti", intestazioni,
                       {dati.size(), [&](std::size_t r, std::size_t c) -> std::string_view { return dati[r][c]; }});
    const std::string libro = MembroZip(file, "xl/workbook.xml");
    EXPECT_NE(libro.find("name=\"Riepilogo Contatti\""), std::string::npos);
    const std::string foglio = MembroZip(file, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(foglio.empty());
    const auto celle = Celle(foglio);
    ASSERT_EQ(celle.size(), 3u);
    EXPECT_EQ(celle[0], (std::vector<std::string>{"Nome", "Partita IVA", "Note"}));
    EXPECT_EQ(celle[1], (std::vector<std::string>{"Via  Roma   1", "00123456789", "=1+1"}));
    EXPECT_EQ(celle[2], (std::vector<std::string>{"a\tb", "", "&lt;&amp;&gt; \"x\" \xE2\x82\xAC"}));
    EXPECT_EQ(foglio.find("<f>"), std::string::npos);  // no formula anywhere
    // The first row frozen; column widths from the header table (pixels to character units).
    EXPECT_NE(foglio.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
              std::string::npos);
    EXPECT_NE(foglio.find("<col min=\"1\" max=\"1\" width=\"35."), std::string::npos) << foglio;
    EXPECT_NE(foglio.find("<col min=\"3\" max=\"3\" width=\"42."), std::string::npos);
    // The header cells carry the bold format, the data cells the text one.
    const std::string stili = MembroZip(file, "xl/styles.xml");
    EXPECT_NE(stili.find("<b/>"), std::string::npos);
    EXPECT_NE(stili.find("formatCode=\"@\""), std::string::npos);
}

TEST(FoglioXlsx, AFailedWriteLeavesTheOldFileAndNoTemporaryOne) {
    CartellaTemporanea dir;
    const auto file = dir / "Contatti.xlsx";
    ScriviByte(file, {'v', 'e', 'c', 'c', 'h', 'i', 'o'});
    const foglio::Intestazione intestazioni[] = {{"Nome", 250}};
    // A worksheet name no spreadsheet accepts stops the writing midway.
    EXPECT_THROW(foglio::ScriviXlsx(file, "nome/non:valido", intestazioni, {}), ErroreAccessoArchivio);
    EXPECT_EQ(LeggiByte(file), (std::vector<unsigned char>{'v', 'e', 'c', 'c', 'h', 'i', 'o'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 1);
    EXPECT_EQ(foglio::NomeXlsx("/a/Scadenze_Mensili.xls"), "/a/Scadenze_Mensili.xlsx");
}

}  // namespace
