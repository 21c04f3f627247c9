#include "compute/zaokraglij.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mirta::compute {
namespace {

TEST(Zaokraglij, HalvesAwayFromZero) {
    struct Case {
        double x;
        int n;
        double wynik;
    };
    const Case cases[] = {
        {2.5, 0, 3},          {-2.5, 0, -3},           {3.5, 0, 4},        {2.4, 0, 2},
        {3085, -1, 3090},     {3084.9, -1, 3080},      {-3085, -1, -3090}, {1.005, 2, 1.01},
        {2.675, 2, 2.68},     {1234.5678, 2, 1234.57}, {150, -2, 200},     {149.99, -2, 100},
        {2.4999999995, 0, 3},  // a scaled fraction above 0.499999999 counts as a half
        {2.499999998, 0, 2},  {0.004, 2, 0},           {-0.004, 2, 0},     {0, 2, 0},
        {7, -400, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Zaokraglij(c.x, c.n), c.wynik) << c.x << " to " << c.n;
    EXPECT_FALSE(std::signbit(Zaokraglij(-0.004, 2)));
}

TEST(Zaokraglij, ValuesBeyondThePrecisionStayUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Zaokraglij(1e15, 0), 1e15);
    EXPECT_EQ(Zaokraglij(123456789012345.67, 2), 123456789012345.67);
    EXPECT_EQ(Zaokraglij(-1e20, 2), -1e20);
    EXPECT_EQ(Zaokraglij(inf, 2), inf);
    EXPECT_TRUE(std::isnan(Zaokraglij(std::nan(""), 2)));
    EXPECT_EQ(Zaokraglij(1.5, 400), 1.5);
    // Just below the limit it still rounds.
    EXPECT_EQ(Zaokraglij(99999999999999.5, 0), 100000000000000.0);
}

}  // namespace
}  // namespace mirta::compute
