#pragma once

#include <string>

#include "reports/strona.h"

namespace mirta::reports {

// Writes the report's table lines as a spreadsheet: a header row of the report's column
// titles, a row per printed table line with numbers as numbers and dates as dates, columns
// wide enough for their texts. Throws std::runtime_error with a Polish message on failure.
void EksportXlsx(const Wydruk& w, const std::string& plik);

}  // namespace mirta::reports
