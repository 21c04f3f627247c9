#pragma once

#include <ostream>
#include <string>

#include "engine/code_page.h"
#include "engine/file_system.h"

namespace mirta::engine {

// Writes a Paradox table in the canonical dump form: a header line of `NAME:TYPE` fields, then
// one line per record along the data-block chain. `forced` overrides the header's code page
// (or stands in for a missing one) for the values and the field names.
void DumpParadox(FileSystem& fs, const std::string& path, const CodePage* forced,
                 std::ostream& out);

}  // namespace mirta::engine
