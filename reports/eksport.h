#pragma once

#include <string>
#include <vector>

#include "reports/strona.h"

namespace mirta::reports {

// The printed lines of a page: its texts grouped by their line, left to right.
std::vector<std::vector<const ElementTekstu*>> WierszeStrony(const Strona& s);

// The exports of a prepared report, as bytes in UTF-8.
// Plain text: every line's texts at their columns, pages parted by a form feed.
std::string EksportTxt(const Wydruk& w);
// Comma-separated: a row per printed line, its texts as fields; a field holding ',', '"',
// CR or LF is quoted with '"' doubled, and every row is padded to the same number of fields.
std::string EksportCsv(const Wydruk& w);
// HTML: a table per page, a row per line.
std::string EksportHtm(const Wydruk& w);

// One CSV field as the export writes it.
std::string PoleCsv(const std::string& t);

}  // namespace mirta::reports
