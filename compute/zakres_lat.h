#pragma once

#include <cstdint>

namespace mirta::compute {

// The last year the program supports: computations that limit years (leave days counted from
// the calendar, typed dates) accept years up to this one.
inline constexpr int32_t kOstatniRok = 2100;

// Codes a calendar day count gives in place of a count: a year outside the calendar's range,
// a wrong date from, a wrong date to, a date to before the calendar's first year.
inline constexpr int32_t kDniPozaZakresemLat = 10000;
inline constexpr int32_t kDniZlaDataOd = 10001;
inline constexpr int32_t kDniZlaDataDo = 10002;
inline constexpr int32_t kDniDataDoPrzed1990 = 10003;

// Whether a calendar's answer is one of those codes rather than a count.
constexpr bool JestKodemDni(int32_t wynik) {
    return wynik >= kDniPozaZakresemLat;
}

}  // namespace mirta::compute
