#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compute/data_kal.h"

namespace mirta::compute {

// Length of a period in whole years, months and days. All zero is the empty length.
struct OkresLMD {
    int32_t lata = 0;
    int8_t miesiace = 0;
    int8_t dni = 0;

    bool Pusty() const { return lata == 0 && miesiace == 0 && dni == 0; }
    friend bool operator==(const OkresLMD&, const OkresLMD&) = default;
};

// Length from a to b counting both ends; the order of the arguments does not matter.
// Either date invalid gives the empty length.
OkresLMD DlugoscOkresu(DataKal a, DataKal b);

// Field-wise sum and difference with the program's carries: 12 months make a year, and
// days beyond 30 are carried as months of 31 days.
OkresLMD DodajOkresy(OkresLMD x, OkresLMD y);
OkresLMD OdejmijOkresy(OkresLMD x, OkresLMD y);
inline OkresLMD operator+(OkresLMD x, OkresLMD y) {
    return DodajOkresy(x, y);
}
inline OkresLMD operator-(OkresLMD x, OkresLMD y) {
    return OdejmijOkresy(x, y);
}

// 11 months and 31 days make one more year.
OkresLMD Normalizuj(OkresLMD x);

// "Lat: 5 Miesięcy: 3 Dni: 12" with the default separator.
std::string TekstOkresu(OkresLMD x, std::string_view separator = ": ");

}  // namespace mirta::compute
