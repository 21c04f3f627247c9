#pragma once

#include <vector>

#include "naprawa/naprawa.h"
#include "reports/miara_tekstu.h"
#include "reports/strona.h"

namespace mirta::naprawa::ui {

// The check's (or repair's) report: a line per table with what was found, done and lost.
reports::Wydruk WydrukNaprawy(const std::vector<WynikTabeli>& wyniki, bool poNaprawie,
                              const std::string& katalogDanych, const reports::MiaraTekstu& miara);

}  // namespace mirta::naprawa::ui
