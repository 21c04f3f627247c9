#pragma once

#include <string>

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::spd {

// The mapping listing: every name that can appear in a dictionary-bound column of a package,
// section by section, as plain text (lines end in "\n").
std::string DaneDoMapowania(store::TDM& tdm, store::TDM1& tdm1);

}  // namespace mirta::spd
