#pragma once

#include <span>
#include <string_view>

namespace mirta::store {

// The parts of the personnel file, CzesciAkt.DB's rows in a new data directory: A before
// employment, B its course, C its end, D penalties, E sobriety and drug checks.
struct CzescAktDomyslna {
    std::string_view czesc;
    std::string_view nazwa;
};
std::span<const CzescAktDomyslna> DomyslneCzesciAkt();

}  // namespace mirta::store
