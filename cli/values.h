#pragma once

#include <optional>
#include <string_view>

#include "compute/data_kal.h"

namespace mirta::cli {

// Readers of operand and option values; nullopt when the text is not one.

// A real date, "RRRR-MM-DD" (or as a date field takes it: "RRRR/MM/DD", "DD.MM.RRRR").
std::optional<compute::DataKal> ParseDate(std::string_view text);

// A whole decimal number in [min, max], nothing else around it.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

}  // namespace mirta::cli
