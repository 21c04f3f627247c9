#include "compute/okres_lmd.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}
OkresLMD L(int32_t l, int m, int d) {
    return OkresLMD{l, static_cast<int8_t>(m), static_cast<int8_t>(d)};
}

TEST(OkresLMD, LengthCountsBothEnds) {
    struct Case {
        DataKal a, b;
        OkresLMD dlugosc;
    };
    const Case cases[] = {
        {D(2000, 1, 1), D(2000, 12, 31), L(1, 0, 0)},
        {D(2000, 1, 1), D(2000, 1, 15), L(0, 0, 15)},
        {D(2000, 1, 15), D(2000, 2, 14), L(0, 1, 0)},
        {D(2000, 1, 15), D(2000, 2, 20), L(0, 1, 6)},
        {D(2000, 1, 15), D(2000, 2, 10), L(0, 0, 27)},
        {D(2000, 1, 31), D(2000, 3, 1), L(0, 1, 1)},
        {D(2000, 3, 15), D(2000, 3, 15), L(0, 0, 1)},
        {D(2000, 1, 1), D(2001, 12, 31), L(2, 0, 0)},
        {D(2000, 3, 1), D(2000, 3, 15), L(0, 0, 15)},
        {D(2000, 12, 1), D(2001, 11, 30), L(1, 0, 0)},
        {D(2000, 12, 1), D(2001, 11, 29), L(0, 11, 29)},
        {D(1999, 12, 31), D(2000, 1, 1), L(0, 0, 2)},
        {D(2000, 1, 30), D(2000, 2, 29), L(0, 1, 0)},
        {D(1950, 3, 15), D(2005, 3, 14), L(55, 0, 0)},  // a year of age ends the day before
        {D(1950, 3, 15), D(2005, 3, 13), L(54, 11, 27)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DlugoscOkresu(c.a, c.b), c.dlugosc)
            << TekstOkresu(DlugoscOkresu(c.a, c.b)) << " for " << c.a.rok << '-' << int(c.a.miesiac)
            << '-' << int(c.a.dzien) << " .. " << c.b.rok << '-' << int(c.b.miesiac) << '-'
            << int(c.b.dzien);
        EXPECT_EQ(DlugoscOkresu(c.b, c.a), c.dlugosc) << "reversed";
    }
    EXPECT_EQ(DlugoscOkresu(DataKal{}, D(2000, 1, 1)), OkresLMD{});
}

TEST(OkresLMD, CarriesUseMonthsOf31Days) {
    struct Case {
        OkresLMD x, y, suma, roznica;
    };
    const Case cases[] = {
        {L(0, 11, 20), L(0, 0, 15), L(1, 0, 4), L(0, 11, 5)},
        {L(1, 0, 5), L(0, 0, 10), L(1, 0, 15), L(0, 11, 26)},
        {L(0, 0, 30), L(0, 0, 30), L(0, 1, 29), L(0, 0, 0)},
        {L(0, 0, 0), L(0, 0, 1), L(0, 0, 1), L(-1, 11, 30)},
        {L(5, 6, 0), L(2, 7, 0), L(8, 1, 0), L(2, 11, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.x + c.y, c.suma) << TekstOkresu(c.x + c.y);
        EXPECT_EQ(c.x - c.y, c.roznica) << TekstOkresu(c.x - c.y);
    }
    // Only 11 months and 31 days normalise.
    EXPECT_EQ(L(0, 11, 31) - L(0, 0, 0), L(1, 0, 0));
    EXPECT_EQ(Normalizuj(L(0, 10, 31)), L(0, 10, 31));
}

TEST(OkresLMD, Text) {
    EXPECT_EQ(TekstOkresu(L(5, 3, 12)), "Lat: 5 Miesięcy: 3 Dni: 12");
    EXPECT_EQ(TekstOkresu(L(0, 0, 0), " "), "Lat 0 Miesięcy 0 Dni 0");
}

}  // namespace
}  // namespace mirta::compute
