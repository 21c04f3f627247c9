#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "store/data_module.h"

namespace mirta::store {

class TDM1;

// From this year leave rows are kept per processing year and the officer's leave counts
// working days; before it the old rules of one common file apply.
inline constexpr int kPierwszyRokNowychZasadUrlopow = 2006;
// Leave rows, leave-due years and the calculated days accept years from this one on.
inline constexpr int kPierwszyRokUrlopow = 1990;

// The rest and additional leave due, in days, as of a day.
struct UrlopNaleznyDni {
    int32_t wypoczynkowy = 0;
    int32_t dodatkowy = 0;
};
// The entitlement computation of an employee as of a day (computed from the employee's
// records, not from the stored values); nullopt when it cannot be computed.
using ObliczenieUrlopuNaleznego =
    std::function<std::optional<UrlopNaleznyDni>(int32_t pracownik, int32_t dzien)>;

// The days a leave row of the given type counts between two days inclusive: working days for
// a working-day type and for an officer's type from 2006 on, calendar days otherwise. nullopt
// when either date or year is outside what the calendar counts.
std::optional<int32_t> DniUrlopu(TDM1& tdm1, char rodzajDni, int32_t od, int32_t doDnia);

// Leave taken (both views of the processing year's file), leave due, sickness and other
// absences: defaults, entry rules, before-post checks and calculated fields. Does nothing for
// other components.
void PodlaczUrlopy(TDM1& tdm1, TableComponent& komponent);

}  // namespace mirta::store
