#include "compute/kalendarz_miesiaca.h"

#include <gtest/gtest.h>

#include "compute/data_kal.h"

namespace mirta::compute {
namespace {

TEST(KalendarzMiesiaca, EasterFallsOnItsKnownSundays) {
    const DataKal wielkanoce[] = {{1900, 4, 15}, {2008, 3, 23}, {2011, 4, 24}, {2019, 4, 21},
                                  {2024, 3, 31}, {2026, 4, 5},  {2038, 4, 25}, {2100, 3, 28}};
    for (const DataKal& d : wielkanoce) {
        EXPECT_EQ(Wielkanoc(d.rok), NumerDnia(d)) << d.rok;
        EXPECT_EQ(DzienTygodnia(d), 7);
    }
}

TEST(KalendarzMiesiaca, MovableHolidaysFollowEaster) {
    // 2026: Easter Monday 6 April, Corpus Christi 4 June; the day after each is a working day.
    EXPECT_TRUE(SwietoKalendarza(2026, 4, 6));
    EXPECT_TRUE(SwietoKalendarza(2026, 6, 4));
    EXPECT_FALSE(SwietoKalendarza(2026, 4, 7));
    EXPECT_FALSE(SwietoKalendarza(2026, 6, 5));
    EXPECT_FALSE(SwietoKalendarza(2010, 1, 6));
    EXPECT_TRUE(SwietoKalendarza(2011, 1, 6));
    EXPECT_EQ(GenerujMiesiac(2026, 6).przebieg, "RRRSRWSRRRRRWSRRRRRWSRRRRRWSRRZ");
    EXPECT_EQ(GenerujMiesiac(0, 1).przebieg, std::string(31, 'Z'));
    EXPECT_EQ(SkrotDniaTygodnia(3), "Śr");
    EXPECT_EQ(SkrotDniaTygodnia(8), "");
}

}  // namespace
}  // namespace mirta::compute
