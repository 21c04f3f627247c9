#pragma once

#include <string>

namespace mirta::compute {

// The amount in Polish words, złote and grosze, as printed on documents: every word is
// preceded by a space and the text ends with ".", e.g. " dwa złote pięćdziesiąt groszy.".
std::string KwotaSlownie(double kwota);

}  // namespace mirta::compute
