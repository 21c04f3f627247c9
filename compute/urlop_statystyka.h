#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "compute/urlop.h"

namespace mirta::compute {

// The part of a leave row within a period [p1, p2], for the leave-usage report.
struct UrlopWOkresie {
    int32_t kalendarzowe = 0;
    int32_t robocze = 0;
    DniGodziny urlop;  // the row's own amount when it lies wholly inside, else counted
};
// Nothing when the row and the period share no day. Officers' leave ('F') cut by the period
// gives back Sundays and holidays beyond four.
std::optional<UrlopWOkresie> UrlopRekorduWOkresie(const PozycjaUrlopu& u, DataKal p1, DataKal p2,
                                                  const LicznikDni& liczDni);

// Totals of one leave type for the statistics text.
struct StatystykaRodzajuUrlopu {
    std::string nazwa;
    int32_t kalendarzowe = 0;
    int32_t robocze = 0;
    DniGodziny urlop;
};

// The leave-type statistics text: with `zRodzajami` a line per type with any count and a
// separator, then always the totals and the note on hours; lines end with '\n'.
std::string TekstStatystykiUrlopow(std::span<const StatystykaRodzajuUrlopu> rodzaje,
                                   bool zRodzajami);

}  // namespace mirta::compute
