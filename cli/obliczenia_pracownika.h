#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "compute/data_kal.h"

namespace mirta::cli {

// Helpers of the commands that print an employee's computed values.

// The employee identifier of a command's only argument.
std::optional<int32_t> IdentyfikatorZArgumentow(const std::vector<std::string>& args);
// "2026-12-10", or "brak" for no date.
std::string DataCli(compute::DataKal d);
// Two decimals and a point, no grouping: "1234.50".
std::string TekstKwotyCli(double kwota);
// The shortest decimal form that reads back as the same number: "10", "12.5".
std::string NajkrotszaLiczba(double x);

}  // namespace mirta::cli
