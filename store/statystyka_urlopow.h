#pragma once

#include <cstdint>
#include <vector>

#include "compute/data_kal.h"
#include "compute/urlop_statystyka.h"

namespace mirta::store {

class ZrodlaObliczen;

// An employee's leave taken within [od, doDnia] from the leave file of the processing year,
// totalled per leave type in the order of the leave-type table (every type, counted or not);
// rows of a type missing from the table add their message to the sources.
std::vector<compute::StatystykaRodzajuUrlopu> StatystykaUrlopowPracownika(ZrodlaObliczen& zrodla,
                                                                          int32_t pracownik,
                                                                          compute::DataKal od,
                                                                          compute::DataKal doDnia);

}  // namespace mirta::store
