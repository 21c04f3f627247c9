#include "compute/przedzial_dat.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}
const DataKal kBrak{};

TEST(PrzedzialDat, DayCount) {
    EXPECT_EQ(DniPrzedzialu({kBrak, kBrak}), 20000);
    EXPECT_EQ(DniPrzedzialu({D(2000, 1, 1), kBrak}), 10000);
    EXPECT_EQ(DniPrzedzialu({kBrak, D(2000, 1, 1)}), 10000);
    EXPECT_EQ(DniPrzedzialu({D(2000, 1, 1), D(2000, 1, 1)}), 1);
    EXPECT_EQ(DniPrzedzialu({D(2000, 1, 1), D(2000, 12, 31)}), 366);
    EXPECT_EQ(DniPrzedzialu({D(2000, 1, 3), D(2000, 1, 1)}), -3);
}

TEST(PrzedzialDat, OverlapIntersectionContainment) {
    struct Case {
        const char* nazwa;
        PrzedzialDat a, b;
        bool zachodza;
        PrzedzialDat wspolna;  // when they overlap
        bool zawiera;          // b inside a
    };
    const Case cases[] = {
        {"disjoint",
         {D(2000, 1, 1), D(2000, 1, 31)},
         {D(2000, 2, 1), D(2000, 2, 28)},
         false,
         {},
         false},
        {"touching on one day",
         {D(2000, 1, 1), D(2000, 1, 31)},
         {D(2000, 1, 31), D(2000, 2, 28)},
         true,
         {D(2000, 1, 31), D(2000, 1, 31)},
         false},
        {"b inside a",
         {D(2000, 1, 1), D(2000, 12, 31)},
         {D(2000, 3, 1), D(2000, 3, 31)},
         true,
         {D(2000, 3, 1), D(2000, 3, 31)},
         true},
        {"a inside b",
         {D(2000, 3, 1), D(2000, 3, 31)},
         {D(2000, 1, 1), D(2000, 12, 31)},
         true,
         {D(2000, 3, 1), D(2000, 3, 31)},
         false},
        {"b before a",
         {D(2000, 3, 1), D(2000, 3, 31)},
         {D(1999, 1, 1), D(2000, 2, 29)},
         false,
         {},
         false},
        {"open a",
         {kBrak, kBrak},
         {D(2000, 3, 1), D(2000, 3, 31)},
         true,
         {D(2000, 3, 1), D(2000, 3, 31)},
         true},
        {"a open to the future",
         {D(2000, 1, 1), kBrak},
         {D(1999, 3, 1), D(2000, 3, 31)},
         true,
         {D(2000, 1, 1), D(2000, 3, 31)},
         false},
        {"a open to the past", {kBrak, D(2000, 1, 1)}, {D(2000, 1, 2), kBrak}, false, {}, false},
        {"both open to the future",
         {D(2000, 1, 1), kBrak},
         {D(2005, 1, 1), kBrak},
         true,
         {D(2005, 1, 1), kBrak},
         true},
        {"b open to the past",
         {D(2000, 1, 1), D(2000, 1, 31)},
         {kBrak, D(2000, 1, 10)},
         true,
         {D(2000, 1, 1), D(2000, 1, 10)},
         false},
        {"inverted a",
         {D(2000, 12, 31), D(2000, 1, 1)},
         {D(2000, 3, 1), D(2000, 3, 31)},
         false,
         {},
         false},
        {"inverted b", {kBrak, kBrak}, {D(2000, 3, 31), D(2000, 3, 1)}, false, {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Zachodza(c.a, c.b), c.zachodza) << c.nazwa;
        EXPECT_EQ(Zachodza(c.b, c.a), c.zachodza) << c.nazwa << " swapped";
        const auto w = CzescWspolna(c.a, c.b);
        EXPECT_EQ(w.has_value(), c.zachodza) << c.nazwa;
        if (w) {
            EXPECT_EQ(*w, c.wspolna) << c.nazwa;
        }
        EXPECT_EQ(Zawiera(c.a, c.b), c.zawiera) << c.nazwa;
    }
}

TEST(PrzedzialDat, EmploymentTest) {
    const DataKal od = D(2000, 5, 1);
    EXPECT_TRUE(Zatrudniony(od, kBrak, D(2026, 12, 10)));
    EXPECT_FALSE(Zatrudniony(od, kBrak, D(2000, 4, 30)));
    EXPECT_TRUE(Zatrudniony(od, D(2010, 1, 31), D(2010, 1, 1), D(2010, 12, 31)));
    EXPECT_FALSE(Zatrudniony(od, D(2010, 1, 31), D(2010, 2, 1), D(2010, 12, 31)));
}

}  // namespace
}  // namespace mirta::compute
