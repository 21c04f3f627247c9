#pragma once

#include <cstdint>
#include <optional>

#include "compute/data_kal.h"

namespace mirta::compute {

// A date range. An empty (or invalid) od leaves it open towards the past, an empty do_
// open towards the future.
struct PrzedzialDat {
    DataKal od;
    DataKal do_;

    bool Odwrocony() const;
    friend bool operator==(const PrzedzialDat&, const PrzedzialDat&) = default;
};

// Inclusive day count; sentinels 20000 (both bounds open) and 10000 (one bound open);
// negative for an inverted range.
inline constexpr int64_t kDniObuOtwartych = 20000;
inline constexpr int64_t kDniJednegoOtwartego = 10000;
int64_t DniPrzedzialu(const PrzedzialDat& p);

// Whether the ranges share a day; an inverted range shares none.
bool Zachodza(const PrzedzialDat& a, const PrzedzialDat& b);
// The shared part, or nothing when the ranges do not overlap.
std::optional<PrzedzialDat> CzescWspolna(const PrzedzialDat& a, const PrzedzialDat& b);
// Whether b lies inside a.
bool Zawiera(const PrzedzialDat& a, const PrzedzialDat& b);

// Whether an employee with these employment dates works on some day of [d1, d2].
bool Zatrudniony(DataKal dataZatrudnienia, DataKal dataZwolnienia, DataKal d1, DataKal d2);
inline bool Zatrudniony(DataKal dataZatrudnienia, DataKal dataZwolnienia, DataKal dzien) {
    return Zatrudniony(dataZatrudnienia, dataZwolnienia, dzien, dzien);
}

}  // namespace mirta::compute
