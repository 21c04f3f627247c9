#pragma once

#include <cstdint>

namespace mirta::compute {

// The last year the program supports: computations that limit years (leave days counted from
// the calendar, typed dates) accept years up to this one.
inline constexpr int32_t kOstatniRok = 2100;

}  // namespace mirta::compute
