#pragma once

#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "reports/miara_tekstu.h"
#include "reports/strona.h"
#include "store/terminy.h"

namespace mirta::reports {

// What falls due in a period, as the dates window and `mirta terminy` list it.
struct ZestawienieTerminow {
    compute::DataKal od, doDnia;
    std::vector<store::Termin> terminy;
    std::string jednostka;  // the unit's full name, for the heading
    std::string czasDruku;  // "2026-12-10 12:00:00"; now when empty
};

// The list as a report: a heading on every page, a line per date with the spreadsheet
// columns Data, Identyfikator, Nazwisko i imię, Co przypada, Opis, and the count at the end.
Wydruk WydrukTerminow(const ZestawienieTerminow& z, const MiaraTekstu& miara);

}  // namespace mirta::reports
