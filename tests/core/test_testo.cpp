#include <gtest/gtest.h>

#include "core/text/Testo.h"

using namespace testo;

TEST(Testo, Windows1252RoundTripsAccentsAndEuro) {
    const std::string utf8 = "Forlì € àèéìòù ÀÉ ‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    const std::string cp = InWindows1252(utf8);
    EXPECT_EQ(cp.size(), Lunghezza(utf8));
    EXPECT_EQ(InWindows1252("Forlì"), "Forl\xEC");
    EXPECT_EQ(InWindows1252("€"), "\x80");
    EXPECT_EQ(DaWindows1252(cp), utf8);
}

TEST(Testo, CharactersWithoutAFormBecomeQuestionMarks) {
    EXPECT_EQ(InWindows1252("a\xE2\x82\xBF" "b"), "a?b");   // bitcoin sign
    EXPECT_EQ(InWindows1252("日本"), "??");
    EXPECT_EQ(InWindows1252("x\xC3"), "x?");                 // cut sequence
    EXPECT_EQ(InWindows1252("\xFF\xFE"), "??");              // not UTF-8 at all
}

TEST(Testo, TellsWhetherATextIsStoredAsItIsShown) {
    for (const char* si : {"", "Rossi Mario", "Forlì € àèéìòù ÀÉ ‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
                           "tab\tand\r\nlines", "\xC2\xA0nbsp"})
        EXPECT_TRUE(StaInWindows1252(si)) << si;
    for (const char* no : {"Wałęsa Łukasz", "casa 😀", "日本", "a\xE2\x82\xBF", "x\xC3",
                           "\xFF\xFE", "\xC2\x80" /* U+0080: 0x80 is "€" */})
        EXPECT_FALSE(StaInWindows1252(no)) << no;
    // What passes is what InWindows1252 keeps without a "?".
    EXPECT_EQ(DaWindows1252(InWindows1252("Forlì €")), "Forlì €");
}

TEST(Testo, EveryByteRoundTrips) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    EXPECT_EQ(InWindows1252(DaWindows1252(tutti)), tutti);
}

TEST(Testo, StoringTrimsConvertsAndCutsInBytes) {
    EXPECT_EQ(PerArchivio("  \t Rossi Mario \r\n", 50), "Rossi Mario");
    EXPECT_EQ(PerArchivio(std::string(60, 'x'), 50), std::string(50, 'x'));
    EXPECT_EQ(PerArchivio("Sì", 2), "S\xEC");
    EXPECT_EQ(PerArchivio("èèè", 2), "\xE8\xE8");
    EXPECT_EQ(DaArchivio(" Forl\xEC\x01 "), "Forlì");
}

TEST(Testo, PadTagliaCountsCharacters) {
    EXPECT_EQ(PadTaglia("abc", 5), "abc  ");
    EXPECT_EQ(PadTaglia("àbcdef", 3), "àbc");
    EXPECT_EQ(PadTaglia("", 2), "  ");
    EXPECT_EQ(Lunghezza(PadTaglia("Niccolò Forlì", 26)), 26u);
}

TEST(Testo, FoldingTouchesOnlyAtoZ) {
    EXPECT_EQ(MinuscoleAZ("ROSSI È"), "rossi È");
    EXPECT_EQ(MaiuscoleAZ("rsnmra80a01h501u è"), "RSNMRA80A01H501U è");
    EXPECT_LT(ConfrontaSenzaMaiuscole("alfa", "BETA"), 0);
    EXPECT_EQ(ConfrontaSenzaMaiuscole("Rossi", "rOSSI"), 0);
    EXPECT_GT(ConfrontaSenzaMaiuscole("abc", "ab"), 0);
    EXPECT_LT(ConfrontaSenzaMaiuscole("Z", "à"), 0);
    EXPECT_LT(ConfrontaSenzaMaiuscole("€", "à"), 0);   // 0x80 before 0xE0, as in the files
    EXPECT_LT(ConfrontaSenzaMaiuscole("ÿ", "日"), 0);  // no Windows-1252 form: last
    // Texts that part inside a character compare that whole character: Š (0x8A) comes
    // before Ł (none), though its second byte is the larger; è (0xE8) before é (0xE9).
    EXPECT_LT(ConfrontaSenzaMaiuscole("Ros Šx", "Ros Łx"), 0);
    EXPECT_GT(ConfrontaSenzaMaiuscole("caffé", "CAFFè"), 0);
    EXPECT_EQ(ConfrontaSenzaMaiuscole("Caffè Rossi", "caffè ROSSI"), 0);
}

TEST(Testo, ColumnsAreBuiltStraightFromStoredBytes) {
    // Appending a stored field in a column is the showing conversion, then pad/cut.
    const std::pair<std::string, std::size_t> casi[] = {
        {"  Rossi\t", 8},
        {"Forl\xEC", 3},
        {"Forl\xEC", 4},
        {"", 2},
        {" \x01 ", 3},
        {std::string(40, '\xE8'), 26},
        {"costa 10 \x80", 30},
        {std::string("a\x81") + "b", 2},
        {"  tutto  ", std::string::npos},
    };
    for (const auto& [byte, n] : casi) {
        std::string out = "prima|";
        AccodaDaArchivio(out, byte, n);
        const std::string mostrato = DaArchivio(byte);
        EXPECT_EQ(out, "prima|" + (n == std::string::npos ? mostrato : PadTaglia(mostrato, n)))
            << byte;
    }
}
