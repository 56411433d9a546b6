#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "core/text/DataOra.h"

TEST(DataOra, GregorianValidity) {
    struct Caso { Data d; bool valida; } casi[] = {
        {{29, 2, 2024}, true}, {{29, 2, 2021}, false}, {{29, 2, 1900}, false},
        {{29, 2, 2000}, true}, {{31, 4, 2021}, false}, {{31, 12, 2021}, true},
        {{0, 1, 2021}, false}, {{1, 13, 2021}, false},
    };
    for (const auto& c : casi) EXPECT_EQ(DataValida(c.d), c.valida) << TestoData(c.d);
}

TEST(DataOra, TextBothWays) {
    EXPECT_EQ(TestoData({5, 3, 2021}), "05/03/2021");
    EXPECT_EQ(DataDaTesto("05/03/2021"), (Data{5, 3, 2021}));
    EXPECT_EQ(DataDaTesto("5/3/2021"), (Data{5, 3, 2021}));
    EXPECT_EQ(DataDaTesto(" 29/02/2024\r\n"), (Data{29, 2, 2024}));
    EXPECT_EQ(DataDaTesto("05/3/2021"), (Data{5, 3, 2021}));
    for (const char* male : {"31/02/2021", "", "05/03/21", "05-03-2021", "aa/bb/cccc",
                             "05/03/2021x", "123/03/2021", "29/02/2023", "00/03/2021",
                             "05/00/2021", "05/0a/2021", "+5/03/2021", "05/03/-021",
                             "5/03/20211", "05/03/2\xC3\xA0" "1"})
        EXPECT_FALSE(DataDaTesto(male).has_value()) << male;
}

TEST(DataOra, TimesAsStored) {
    const std::pair<const char*, std::optional<OraMinuti>> casi[] = {
        {"09:30", OraMinuti{9, 30}}, {" 23:59 ", OraMinuti{23, 59}}, {"0:05", OraMinuti{0, 5}},
        {"24:00", std::nullopt},     {"12:60", std::nullopt},        {"12:5", std::nullopt},
        {"12.30", std::nullopt},     {"", std::nullopt},             {"12:30x", std::nullopt},
    };
    for (const auto& [testo, attesa] : casi) EXPECT_EQ(OraDaTesto(testo), attesa) << testo;
}

TEST(DataOra, DayNumbersRoundTrip) {
    for (Data d : {Data{1, 1, 2000}, Data{28, 2, 2023}, Data{1, 3, 2024}, Data{31, 12, 2099}})
        EXPECT_EQ(DataDaNumero(NumeroGiorno(d)), d);
    EXPECT_EQ(NumeroGiorno({1, 3, 2024}) - NumeroGiorno({28, 2, 2024}), 2);
}

TEST(DataOra, AmountsUseTheComma) {
    EXPECT_EQ(ImportoDaTesto("12,5"), 12.5);
    EXPECT_EQ(ImportoDaTesto(",5"), 0.5);
    EXPECT_FALSE(ImportoDaTesto("12.5"));
    EXPECT_FALSE(ImportoDaTesto("1,2,3"));
    EXPECT_FALSE(ImportoDaTesto(""));
    const std::pair<const char*, bool> scritti[] = {
        {"12,5", true}, {" -3 ", true}, {"+,5", true}, {"5,", true},  {"-", false},
        {"1-2", false}, {"1,2,3", false}, {"", false}, {"\x80 5", false}, {"12.5", false}};
    for (const auto& [t, si] : scritti) {
        EXPECT_EQ(ScrittoComeImporto(t), si) << t;
        EXPECT_EQ(ImportoDaTesto(t).has_value(), si) << t;
    }
    EXPECT_EQ(TestoImporto(12.5), "12,5");
    EXPECT_EQ(TestoImporto(1234), "1234");
    EXPECT_EQ(TestoImporto(0.1 + 0.2), "0,3");
}

TEST(DataOra, AmountsOfAnyLengthAreWrittenInFullOrRefused) {
    const std::string uno63 = "1" + std::string(63, '0');  // 64 digits
    struct Caso { double valore; std::string testo; } casi[] = {
        {1e63, uno63},
        {1e20, "100000000000000000000"},
        {123456789012345e10, "1234567890123450000000000"},
        {-1234.5, "-1234,5"},
        {1e-7, "0,0000001"},
        {0.000123, "0,000123"},
        {-0.0, "0"},
        {1.79769313486231e308, "179769313486231" + std::string(294, '0')},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoImporto(c.valore), c.testo) << c.valore;
    // No text stands for these, or its 15 digits would read back as no number.
    for (const double v : {HUGE_VAL, -HUGE_VAL, std::nan(""), DBL_MAX, -DBL_MAX})
        EXPECT_THROW(TestoImporto(v), std::domain_error) << v;

    EXPECT_EQ(ImportoDaTesto(uno63), 1e63);
    const auto grande = ImportoDaTesto(std::string(308, '9'));  // below the largest double
    ASSERT_TRUE(grande);
    EXPECT_EQ(TestoImporto(*grande), "1" + std::string(308, '0'));
    EXPECT_FALSE(ImportoDaTesto(std::string(400, '9')));
    EXPECT_FALSE(ImportoDaTesto("17976931348623157" + std::string(292, '0')));  // DBL_MAX
    EXPECT_FALSE(ImportoDaTesto("-" + std::string(310, '9') + ",5"));
    EXPECT_EQ(ImportoDaTesto("0," + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ImportoDaTesto("+12,5"), 12.5);
    EXPECT_EQ(ImportoDaTesto("-,5"), -0.5);
}

TEST(DataOra, AmountRounding) {
    struct Caso { double valore; int decimali; double atteso; } casi[] = {
        {3.14159, 4, 3.1416}, {0.125, 4, 0.125},  {0.125, 2, 0.13},   {0.00004, 4, 0},
        {2.4999, 0, 2},       {5.5, 0, 6},        {-5.5, 0, -6},      {-3.14159, 4, -3.1416},
        {-0.125, 2, -0.13},   {999999999999999, 4, 999999999999999},  {1e300, 4, 1e300},
    };
    for (const auto& c : casi)
        EXPECT_DOUBLE_EQ(ArrotondaImporto(c.valore, c.decimali), c.atteso)
            << c.valore << " to " << c.decimali;
    EXPECT_EQ(TestoImporto(ArrotondaImporto(3.14159, 4)), "3,1416");
}
