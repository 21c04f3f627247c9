#pragma once

#include "store/data_module.h"

namespace mirta::store {

class TDM;

// Graduation years an education or course row accepts.
inline constexpr int kPierwszyRokUkonczenia = 1950;
inline constexpr int kOstatniRokUkonczenia = 2050;
// The relationships of SlPokrew.db that denote a child: their rows need a birth date.
inline constexpr int kPokrewienstwoDziecko[] = {3, 4};

// Education, courses, family, orders, penalties and distinctions: defaults, before-post
// checks, the calculated fire-service text and the refresh of the lists after a change in
// their dictionaries. Does nothing for other components.
void PodlaczWyksztalcenieIRodzine(TDM& tdm, TableComponent& komponent);

}  // namespace mirta::store
