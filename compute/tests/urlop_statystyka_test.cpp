#include "compute/urlop_statystyka.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}

// Weekdays work, Saturdays are free, Sundays are holidays.
int32_t Tydzien(DataKal a, DataKal b, char litera) {
    int32_t n = 0;
    for (DataKal d = a; d <= b; d = NastepnyDzien(d)) {
        const int t = DzienTygodnia(d);
        n += (t <= 5 ? 'R' : t == 6 ? 'W' : 'S') == litera;
    }
    return n;
}

TEST(UrlopWOkresie, TheRowsOwnAmountInsideElseTheDaysOfTheSharedPart) {
    const PozycjaUrlopu r{D(2007, 1, 1), D(2007, 1, 14), {'R', 'W'}, {9, 4}};
    // Wholly inside: the row's own amount.
    auto w = UrlopRekorduWOkresie(r, D(2007, 1, 1), D(2007, 1, 31), Tydzien);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->urlop, (DniGodziny{9, 4}));
    EXPECT_EQ(w->kalendarzowe, 14);
    EXPECT_EQ(w->robocze, 10);
    // Cut: the working days of the part inside (8 .. 14 January: 5).
    w = UrlopRekorduWOkresie(r, D(2007, 1, 8), D(2007, 2, 28), Tydzien);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->urlop, (DniGodziny{5, 0}));
    EXPECT_FALSE(UrlopRekorduWOkresie(r, D(2007, 2, 1), D(2007, 2, 28), Tydzien));
    // An officer's leave before 2006 cut by the period: calendar days less Sundays beyond 4.
    const PozycjaUrlopu f{D(2005, 1, 1), D(2005, 2, 10), {'F', 'W'}, {41, 0}};
    w = UrlopRekorduWOkresie(f, D(2005, 1, 1), D(2005, 1, 31), Tydzien);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->kalendarzowe, 31);
    EXPECT_EQ(w->urlop, (DniGodziny{31 - (5 - 4), 0}));  // five Sundays in January 2005
}

TEST(UrlopWOkresie, StatisticsTextWithAndWithoutTheTypes) {
    const StatystykaRodzajuUrlopu r[] = {{"Urlop wypoczynkowy", 14, 10, {9, 4}},
                                         {"Urlop szkoleniowy", 0, 0, {0, 0}},
                                         {"Urlop dodatkowy", 3, 3, {3, 0}}};
    EXPECT_EQ(TekstStatystykiUrlopow(r, true),
              "Urlop wypoczynkowy Dni kalendarzowych: 14 Dni roboczych: 10 Dni/godz urlopu: 9/4\n"
              "Urlop dodatkowy Dni kalendarzowych: 3 Dni roboczych: 3 Dni/godz urlopu: 3/0\n" +
                  std::string(67, '-') +
                  "\nRazem zestawienie  Dni kalendarzowych: 17 Dni roboczych: 13 Dni/godz "
                  "urlopu: 12/4\n"
                  " Godziny urlopu = Dni*8+godz.\n");
    EXPECT_EQ(TekstStatystykiUrlopow(r, false),
              "Razem zestawienie  Dni kalendarzowych: 17 Dni roboczych: 13 Dni/godz urlopu: "
              "12/4\n Godziny urlopu = Dni*8+godz.\n");
}

}  // namespace
}  // namespace mirta::compute
