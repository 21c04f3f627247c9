#pragma once

#include "store/data_module.h"

namespace mirta::store {

class TDM1;

// Suspensions, notices, dismissals, personnel decisions, previous and additional employment,
// medical examinations and pensions: defaults, entry rules, before-post checks and the length
// of a previous employment. Does nothing for other components.
void PodlaczZakonczenieZatrudnienia(TDM1& tdm1, TableComponent& komponent);

}  // namespace mirta::store
