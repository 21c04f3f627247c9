#include "compute/teksty.h"

#include <gtest/gtest.h>

#include "compute/teksty_dat.h"

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}

TEST(TekstyDat, MonthAndWeekdayNames) {
    EXPECT_EQ(NazwaMiesiaca(3, Przypadek::Dopelniacz), "marca");
    EXPECT_EQ(NazwaMiesiaca(10, Przypadek::Dopelniacz, true), "Października");
    EXPECT_EQ(NazwaMiesiaca(12, Przypadek::Mianownik), "grudzień");
    EXPECT_EQ(NazwaMiesiaca(13, Przypadek::Mianownik), "");
    EXPECT_EQ(NazwaMiesiaca(0, Przypadek::Dopelniacz), "");
    EXPECT_EQ(NazwaDniaTygodnia(7, true, true), "Nd");
    EXPECT_EQ(NazwaDniaTygodnia(3, true), "Środa");
    EXPECT_EQ(NazwaDniaTygodnia(3, false, true), "śr");
    EXPECT_EQ(NazwaDniaTygodnia(1), "poniedziałek");
    EXPECT_EQ(NazwaDniaTygodnia(8), "");
}

TEST(TekstyDat, DateLayouts) {
    struct Case {
        DataKal d;
        char styl;
        bool slownie;
        const char* tekst;
    };
    const Case cases[] = {
        {D(2004, 3, 5), 'U', false, "05-03-2004"},   {D(2004, 3, 5), 'U', true, "05 marca 2004"},
        {D(2004, 3, 5), ' ', false, "2004-03-05"},   {D(2004, 3, 5), 'R', true, "2004 marca 05"},
        {DataKal{}, 'U', false, "__-__ - ____"},     {DataKal{}, ' ', true, "____-__ - __"},
        {D(2001, 2, 29), 'U', true, "__-__ - ____"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TekstDaty(c.d, c.styl, c.slownie), c.tekst);
    EXPECT_EQ(TekstDniaIMiesiaca(D(2005, 1, 2), true), "2.1");
    EXPECT_EQ(TekstDniaIMiesiaca(D(2005, 1, 2), false), "2 stycznia");
    EXPECT_EQ(TekstDniaIMiesiaca(DataKal{}, false), "");
}

TEST(Teksty, AmountPicture) {
    struct Case {
        double kwota;
        const char* tekst;
    };
    const Case cases[] = {
        {0, "0,00"},
        {0.5, "0,50"},
        {12.345, "12,35"},
        {999.999, "1 000,00"},
        {1234, "1 234,00"},
        {123456.78, "123 456,78"},
        {1234567.891, "1 234 567,89"},
        {-12345678, "-12 345 678,00"},
        {-0.001, "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TekstKwoty(c.kwota), c.tekst) << c.kwota;
    EXPECT_EQ(TekstKwoty(3090, '.'), "3 090.00");
}

TEST(Teksty, NumbersTypedWithSpaces) {
    struct Case {
        const char* tekst;
        std::optional<double> liczba;
    };
    const Case cases[] = {
        {"1 234,50", 1234.5},
        {" 1 234.50 ", 1234.5},
        {"-12 000", -12000},
        {"+7", 7},
        {"1\xC2\xA0"
         "000",
         1000},
        {"1e3", 1000},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"12a", std::nullopt},
        {"inf", std::nullopt},
        {"1,2,3", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CzytajLiczbe(c.tekst), c.liczba) << c.tekst;
    EXPECT_EQ(LiczbaZTekstu("abc"), 0.0);
    EXPECT_EQ(LiczbaZTekstu("2 500"), 2500.0);
}

TEST(Teksty, CharacterTranslation) {
    const std::string_view ascii = "azszceolnAZSZCEOLN";
    EXPECT_EQ(PrzetlumaczZnaki("Łódź, ul. Żółkiewskiego", kPolskieLitery, ascii),
              "Lodz, ul. Zolkiewskiego");
    // Only the positions both tables have take part; the first occurrence wins.
    EXPECT_EQ(PrzetlumaczZnaki("abcą", "aąa", "xy"), "xbcy");
    EXPECT_EQ(PrzetlumaczZnaki("abc", "", "xyz"), "abc");
}

TEST(Teksty, ReplaceAllRepeatsFromTheStart) {
    struct Case {
        const char* tekst;
        const char* wzor;
        const char* zamiana;
        const char* wynik;
    };
    const Case cases[] = {
        {"a-b-c", "-", "+", "a+b+c"},
        {"aaaa", "aa", "a", "a"},  // repeated until none is left
        {"x  y   z", "  ", " ", "x y z"},
        {"abc", "", "x", "abc"},
        {"abc", "b", "b", "abc"},
        {"a.b", ".", "..", "a..b"},  // would never finish when repeated
        {"<<I>> i <<I>>", "<<I>>", "Jan", "Jan i Jan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZamienWszystko(c.tekst, c.wzor, c.zamiana), c.wynik) << c.tekst;
}

TEST(Teksty, RightPartCountsCharacters) {
    EXPECT_EQ(PrawaCzesc("Kraków", 3), "ków");
    EXPECT_EQ(PrawaCzesc("abc", 5), "abc");
    EXPECT_EQ(PrawaCzesc("abc", 0), "");
    EXPECT_EQ(PrawaCzesc("abc", -1), "");
}

}  // namespace
}  // namespace mirta::compute
