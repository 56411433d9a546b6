#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/deadlines/Festivita.h"

using namespace festivita;

namespace {

struct Pasque {
    int anno, giorno, mese;
};

// Western Easter Sundays 2000-2035 as the published tables list them, and the extremes of
// the computus: the earliest possible day (22 March: 1818, 2285) and the latest (25 April:
// 1886, 1943, 2038).
const std::vector<Pasque> kPasque = {
    {2000, 23, 4}, {2001, 15, 4}, {2002, 31, 3}, {2003, 20, 4}, {2004, 11, 4}, {2005, 27, 3},
    {2006, 16, 4}, {2007, 8, 4},  {2008, 23, 3}, {2009, 12, 4}, {2010, 4, 4},  {2011, 24, 4},
    {2012, 8, 4},  {2013, 31, 3}, {2014, 20, 4}, {2015, 5, 4},  {2016, 27, 3}, {2017, 16, 4},
    {2018, 1, 4},  {2019, 21, 4}, {2020, 12, 4}, {2021, 4, 4},  {2022, 17, 4}, {2023, 9, 4},
    {2024, 31, 3}, {2025, 20, 4}, {2026, 5, 4},  {2027, 28, 3}, {2028, 16, 4}, {2029, 1, 4},
    {2030, 21, 4}, {2031, 13, 4}, {2032, 28, 3}, {2033, 17, 4}, {2034, 9, 4},  {2035, 25, 3},
    {1818, 22, 3}, {2285, 22, 3}, {1886, 25, 4}, {1943, 25, 4}, {2038, 25, 4},
};

Data Dopo(const Data& d, int giorni) { return DataDaNumero(NumeroGiorno(d) + giorni); }

}  // namespace

TEST(Festivita, EasterAndEasterMondayAgainstThePublishedTable) {
    for (const auto& p : kPasque) {
        const Data pasqua{p.giorno, p.mese, p.anno};
        SCOPED_TRACE(TestoData(pasqua));
        EXPECT_EQ(Pasqua(p.anno), pasqua);
        EXPECT_EQ(GiornoSettimana(pasqua), 6);
        // Easter Monday is a holiday (in 2011 it is also 25 April, whose name it keeps);
        // Easter Sunday is one only when it falls on 25 April.
        const Data lunedi = Dopo(pasqua, 1);
        EXPECT_EQ(FestaNazionale(lunedi).value_or("-"), (lunedi.giorno == 25 && lunedi.mese == 4)
                                                            ? "Festa della Liberazione"
                                                            : "Lunedì dell'Angelo");
        EXPECT_FALSE(GiornoLavorativo(lunedi));
        EXPECT_EQ(FestaNazionale(pasqua).has_value(), pasqua.giorno == 25 && pasqua.mese == 4);
    }
}

TEST(Festivita, EasterMondayOnTheLiberationDayOrOnTheEarliestDay) {
    // 1943 and 2038: Easter on 25 April, so Easter Monday is 26 April and 25 April is both
    // Sunday and the Liberation day.
    EXPECT_EQ(FestaNazionale({26, 4, 2038}), "Lunedì dell'Angelo");
    EXPECT_EQ(FestaNazionale({25, 4, 2038}), "Festa della Liberazione");
    EXPECT_EQ(ProssimoLavorativo({25, 4, 2038}), (Data{27, 4, 2038}));
    // 2285: Easter Monday on 23 March.
    EXPECT_EQ(FestaNazionale({23, 3, 2285}), "Lunedì dell'Angelo");
    EXPECT_TRUE(GiornoLavorativo({24, 3, 2285}));
}

TEST(Festivita, FixedHolidaysOfAYear) {
    const std::vector<std::pair<Data, std::string>> feste = {
        {{1, 1, 2025}, "Capodanno"},
        {{6, 1, 2025}, "Epifania"},
        {{25, 4, 2025}, "Festa della Liberazione"},
        {{1, 5, 2025}, "Festa del Lavoro"},
        {{2, 6, 2025}, "Festa della Repubblica"},
        {{15, 8, 2025}, "Ferragosto"},
        {{1, 11, 2025}, "Ognissanti"},
        {{8, 12, 2025}, "Immacolata Concezione"},
        {{25, 12, 2025}, "Natale"},
        {{26, 12, 2025}, "Santo Stefano"},
        {{21, 4, 2025}, "Lunedì dell'Angelo"},
    };
    int inAnno = 0;
    for (Data d{1, 1, 2025}; d.anno == 2025; d = Dopo(d, 1))
        if (FestaNazionale(d)) ++inAnno;
    EXPECT_EQ(inAnno, 11);
    for (const auto& [d, nome] : feste) {
        SCOPED_TRACE(TestoData(d));
        EXPECT_EQ(FestaNazionale(d), nome);
        EXPECT_FALSE(GiornoLavorativo(d));
    }
    // Days near them that are not holidays: the eve, the day after, 2 November, 7 December.
    for (const Data d : {Data{24, 12, 2025}, Data{7, 1, 2025}, Data{3, 11, 2025}, Data{5, 12, 2025},
                         Data{14, 8, 2025}})
        EXPECT_FALSE(FestaNazionale(d)) << TestoData(d);
}

TEST(Festivita, WeekdaysWeekendsAndTheNextWorkingDay) {
    struct Caso {
        Data giorno;
        bool lavorativo;
        Data prossimo;
    };
    const std::vector<Caso> casi = {
        {{10, 3, 2021}, true, {10, 3, 2021}},   // a Wednesday
        {{13, 3, 2021}, false, {15, 3, 2021}},  // Saturday → Monday
        {{14, 3, 2021}, false, {15, 3, 2021}},  // Sunday → Monday
        // 26 December on a Sunday (2021): Christmas Saturday, Santo Stefano Sunday.
        {{25, 12, 2021}, false, {27, 12, 2021}},
        {{26, 12, 2021}, false, {27, 12, 2021}},
        // A chain of holidays and a weekend: Christmas 2020 Friday, Santo Stefano Saturday,
        // Sunday, then Monday 28 working.
        {{25, 12, 2020}, false, {28, 12, 2020}},
        // New Year 2022 on Saturday, Sunday, Monday 3 working.
        {{31, 12, 2021}, true, {31, 12, 2021}},
        {{1, 1, 2022}, false, {3, 1, 2022}},
        // 1 May 2022 a Sunday → Monday 2.
        {{1, 5, 2022}, false, {2, 5, 2022}},
        // Easter 2024: Saturday 30 March, Sunday 31, Easter Monday 1 April → Tuesday 2.
        {{30, 3, 2024}, false, {2, 4, 2024}},
        // 6 January 2024 a Saturday: → Monday 8.
        {{6, 1, 2024}, false, {8, 1, 2024}},
        // Across New Year: Saturday 31/12/2022, Sunday 1/1/2023 → Monday 2/1/2023.
        {{31, 12, 2022}, false, {2, 1, 2023}},
        // Leap day on a Thursday.
        {{29, 2, 2024}, true, {29, 2, 2024}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(TestoData(c.giorno));
        EXPECT_EQ(GiornoLavorativo(c.giorno), c.lavorativo);
        EXPECT_EQ(ProssimoLavorativo(c.giorno), c.prossimo);
    }
    EXPECT_EQ(GiornoSettimana({26, 12, 2021}), 6);
    EXPECT_EQ(GiornoSettimana({1, 1, 2001}), 0);
}

TEST(Festivita, TheCardsNoteNamesWhyAndTheNextWorkingDay) {
    EXPECT_EQ(NotaNonLavorativo({25, 12, 2021}),
              "Il 25/12/2021 non è un giorno lavorativo (Natale): il primo giorno lavorativo "
              "successivo è il 27/12/2021.");
    EXPECT_EQ(NotaNonLavorativo({13, 3, 2021}),
              "Il 13/03/2021 non è un giorno lavorativo (sabato): il primo giorno lavorativo "
              "successivo è il 15/03/2021.");
    EXPECT_EQ(NotaNonLavorativo({14, 3, 2021}),
              "Il 14/03/2021 non è un giorno lavorativo (domenica): il primo giorno lavorativo "
              "successivo è il 15/03/2021.");
    EXPECT_FALSE(NotaNonLavorativo({15, 3, 2021}));
    EXPECT_FALSE(NotaNonLavorativo({31, 2, 2021}));
    EXPECT_EQ(NotaNonLavorativo(std::string_view("01/05/2022")),
              "Il 01/05/2022 non è un giorno lavorativo (Festa del Lavoro): il primo giorno "
              "lavorativo successivo è il 02/05/2022.");
    EXPECT_FALSE(NotaNonLavorativo(std::string_view("/05/2022")));
}
