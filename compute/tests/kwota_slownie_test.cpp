#include "compute/kwota_slownie.h"

#include <gtest/gtest.h>

#include <limits>

namespace mirta::compute {
namespace {

TEST(KwotaSlownie, Words) {
    struct Case {
        double kwota;
        const char* slowa;
    };
    const Case cases[] = {
        {1, " jeden złoty."},
        {2, " dwa złote."},
        {5, " pięć złotych."},
        {12, " dwanaście złotych."},
        {21, " dwadzieścia jeden złotych."},
        {22, " dwadzieścia dwa złote."},
        {101, " sto jeden złotych."},
        {1000, " jeden tysiąc złotych."},
        {2000, " dwa tysiące złotych."},
        {1001, " jeden tysiąc jeden złotych."},
        {1000001, " jeden milion jeden złotych."},
        {22000, " dwadzieścia dwa tysiące złotych."},
        {15000, " piętnaście tysięcy złotych."},
        {1234.56, " jeden tysiąc dwieście trzydzieści cztery złote pięćdziesiąt sześć groszy."},
        {11000000, " jedenaście milionów złotych."},
        {3000000000.0, " trzy miliardy złotych."},
        {0.50, " pięćdziesiąt groszy."},
        {0.01, " jeden grosz."},
        {0.02, " dwa grosze."},
        {0.21, " dwadzieścia jeden groszy."},
        {0.11, " jedenaście groszy."},
        {1.01, " jeden złoty jeden grosz."},
        {-5, " minus pięć złotych."},
        {0.0004, " zero złotych."},
        {-0.0004, " zero złotych."},
        {0.005, " jeden grosz."},  // rounded first
        {999999999999.99,
         " dziewięćset dziewięćdziesiąt dziewięć miliardów dziewięćset dziewięćdziesiąt "
         "dziewięć milionów dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset "
         "dziewięćdziesiąt dziewięć złotych dziewięćdziesiąt dziewięć groszy."},
        {1000000000000.0, " przekroczony zakres."},
        {-1e13, " minus przekroczony zakres."},
        {std::numeric_limits<double>::quiet_NaN(), " przekroczony zakres."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KwotaSlownie(c.kwota), c.slowa) << c.kwota;
}

}  // namespace
}  // namespace mirta::compute
