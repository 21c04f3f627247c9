#include "compute/data_kal.h"

#include <gtest/gtest.h>

#include "compute/zakres_lat.h"

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}

TEST(DataKal, Validity) {
    struct Case {
        DataKal d;
        bool valid;
    };
    const Case cases[] = {
        {D(2000, 2, 29), true},  {D(1900, 2, 29), false}, {D(2100, 2, 29), false},
        {D(2004, 2, 29), true},  {D(2001, 4, 31), false}, {D(2001, 12, 31), true},
        {D(2001, 13, 1), false}, {D(2001, 1, 0), false},  {D(0, 1, 1), false},
        {D(-5, 1, 1), false},    {DataKal{}, false},      {D(kOstatniRok, 12, 31), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.d.Poprawna(), c.valid)
            << c.d.rok << '-' << int(c.d.miesiac) << '-' << int(c.d.dzien);
    EXPECT_TRUE(DataKal{}.Pusta());
    EXPECT_LT(DataKal{}, D(1, 1, 1));
}

TEST(DataKal, DayStepsCrossMonthAndYearEnds) {
    EXPECT_EQ(NastepnyDzien(D(2000, 2, 28)), D(2000, 2, 29));
    EXPECT_EQ(NastepnyDzien(D(2001, 2, 28)), D(2001, 3, 1));
    EXPECT_EQ(NastepnyDzien(D(1999, 12, 31)), D(2000, 1, 1));
    EXPECT_EQ(PoprzedniDzien(D(2000, 1, 1)), D(1999, 12, 31));
    EXPECT_EQ(PoprzedniDzien(D(2000, 3, 1)), D(2000, 2, 29));
    EXPECT_EQ(DodajDni(D(2000, 1, 1), 366), D(2001, 1, 1));
    EXPECT_EQ(OdejmijDni(D(2000, 1, 1), 1), D(1999, 12, 31));
    // Invalid dates have no neighbours.
    EXPECT_EQ(NastepnyDzien(DataKal{}), DataKal{});
    EXPECT_EQ(DodajDni(D(2001, 2, 30), 1), D(2001, 2, 30));
}

TEST(DataKal, DayDifferenceAndSentinels) {
    struct Case {
        DataKal p, q;
        int64_t roznica, wlacznie;  // p - q, and the inclusive count from q to p
    };
    const Case cases[] = {
        {D(2000, 3, 1), D(2000, 2, 28), 2, 3},
        {D(2000, 2, 28), D(2000, 3, 1), -2, -3},
        {D(2000, 3, 15), D(2000, 3, 15), 0, 1},
        {D(2001, 1, 1), D(2000, 1, 1), 366, 367},
        {DataKal{}, D(2000, 1, 1), 100000, 100001},
        {D(2000, 1, 1), DataKal{}, -100000, -100001},
        {D(2001, 2, 29), D(2001, 2, 28), 100000, 100001},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoznicaDni(c.p, c.q), c.roznica);
        EXPECT_EQ(DniWlacznie(c.q, c.p), c.wlacznie);
    }
}

TEST(DataKal, SortingPutsInvalidDatesFirst) {
    EXPECT_EQ(PorownajDaty(DataKal{}, D(2000, 1, 1)), -1);
    EXPECT_EQ(PorownajDaty(D(2000, 1, 1), D(2001, 2, 30)), 1);
    EXPECT_EQ(PorownajDaty(DataKal{}, D(2001, 2, 30)), 0);
    EXPECT_EQ(PorownajDaty(D(2000, 1, 2), D(2000, 1, 1)), 1);
    EXPECT_EQ(PorownajDaty(D(2000, 1, 1), D(2000, 1, 1)), 0);
}

TEST(DataKal, Weekday) {
    EXPECT_EQ(DzienTygodnia(D(2026, 12, 10)), 4);  // Thursday
    EXPECT_EQ(DzienTygodnia(D(2000, 1, 1)), 6);
    EXPECT_EQ(DzienTygodnia(D(1, 1, 1)), 1);
    EXPECT_EQ(DzienTygodnia(D(2024, 3, 3)), 7);
    EXPECT_EQ(DzienTygodnia(DataKal{}), 0);
}

TEST(DataKal, MonthAndYearStepsClampTheDay) {
    EXPECT_EQ(MinusMiesiac(D(2001, 3, 31)), D(2001, 2, 28));
    EXPECT_EQ(MinusMiesiac(D(2000, 3, 31)), D(2000, 2, 29));
    EXPECT_EQ(PlusRok(D(2000, 2, 29)), D(2001, 2, 28));
    EXPECT_EQ(MinusRok(D(2004, 2, 29)), D(2003, 2, 28));
    EXPECT_EQ(PlusMiesiac(D(2000, 12, 15)), D(2001, 1, 15));
    EXPECT_EQ(MinusMiesiac(D(2000, 1, 31)), D(1999, 12, 31));
    EXPECT_EQ(PlusMiesiac(D(2000, 1, 31)), D(2000, 2, 29));
}

TEST(DataKal, TextParsing) {
    struct Case {
        const char* tekst;
        DataKal d;
    };
    const Case cases[] = {
        {"2004-03-05", D(2004, 3, 5)},
        {" 2004-3-5 ", D(2004, 3, 5)},
        {"2004/03/05", D(2004, 3, 5)},
        {"05.03.2004", D(2004, 3, 5)},
        {"2000-02-29", D(2000, 2, 29)},
        {"2001-02-29", DataKal{}},  // parses, but is no date
        {"2004-03", DataKal{}},
        {"2004-03-05x", DataKal{}},
        {"____-__-__", DataKal{}},
        {"2004-03/05", DataKal{}},
        {"05-03-2004", DataKal{}},
        {"", DataKal{}},
        // The one reader of typed dates everywhere: real days only.
        {"1900-02-29", DataKal{}},
        {"2100-02-29", DataKal{}},
        {"2400-02-29", D(2400, 2, 29)},
        {"2026-04-31", DataKal{}},
        {"2026-13-01", DataKal{}},
        {"2026-00-10", DataKal{}},
        {"2026-12-00", DataKal{}},
        {"0000-01-01", DataKal{}},
        {"0001-01-01", D(1, 1, 1)},
        {"9999-12-31", D(9999, 12, 31)},
        {"20261-01-01", DataKal{}},
        {"2026-012-01", DataKal{}},
        {"-2026-01-01", DataKal{}},
        {"+2026-01-01", DataKal{}},
        {"2026-1-1", D(2026, 1, 1)},
        {"31.12.2026", D(2026, 12, 31)},
        {"2026.12.31", D(2026, 12, 31)},
        {"31.12.26", DataKal{}},
        {"2026 -12-31", DataKal{}},
        {"2026-12-31 12:00", DataKal{}},
        {"26-12-31", DataKal{}},
        {"999-01-01", DataKal{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataZTekstu(c.tekst), c.d) << c.tekst;
    EXPECT_TRUE(PoprawnyTekstDaty("2000-02-29"));
    EXPECT_FALSE(PoprawnyTekstDaty("1900-02-29"));
}

TEST(DataKal, PlatformDateTimeValues) {
    EXPECT_EQ(DataZDateTime(0), DataKal{});
    EXPECT_EQ(DataZDateTime(1), D(1899, 12, 31));
    EXPECT_EQ(DataZDateTime(36526.75), D(2000, 1, 1));
    EXPECT_EQ(DataZDateTime(-1.5), D(1899, 12, 29));
    EXPECT_EQ(DataZDateTime(1e12), DataKal{});
    EXPECT_EQ(DataNaDateTime(D(2000, 1, 1)), 36526.0);
    EXPECT_EQ(DataNaDateTime(DataKal{}), 0.0);
    EXPECT_EQ(DataZDateTime(DataNaDateTime(D(1, 1, 1))), D(1, 1, 1));
    EXPECT_EQ(DniWlacznieDateTime(36526, 36526), 1);
    EXPECT_EQ(DniWlacznieDateTime(36526, 0), 0);
}

}  // namespace
}  // namespace mirta::compute
