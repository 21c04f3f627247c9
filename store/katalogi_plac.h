#pragma once

#include <string>

#include "engine/table.h"

namespace mirta::store {

// The directory of the four tables shared with the payroll program: SciezkaPlac of the first
// ParametryKadr.db record, taken afresh before each of them opens. An empty path, or no
// record at all, means the data directory itself; a relative path is taken from there.
std::string UstawKatalogiPlac(engine::Table& parametryKadr, const std::string& katalogDanych);

}  // namespace mirta::store
