#pragma once

#include "store/data_module.h"

namespace mirta::store {

class TDM;

// Wires the rules of an employee's service history: ranks, pay groups, positions and
// establishment posts, forms of employment, harmfulness groups, allowances, awards and the
// monthly civil bonus, with the calculated rates and the position to pay-group
// synchronisation. Does nothing for other components.
void PodlaczHistorieSluzby(TDM& tdm, TableComponent& komponent);

// The civil bonus percentage of the current employee for a month: the employee's own rate,
// else the year's rate of Premie.db; neither: a warning and 0.
double PremiaCywila(TDM& tdm, int rok, int miesiac);

}  // namespace mirta::store
