#pragma once

#include <ostream>
#include <string>

#include "engine/code_page.h"
#include "engine/file_system.h"

namespace mirta::engine {

// Writes a dBase table in the canonical dump form: a header line of `_DELETED:L` and the
// columns, then one line per record in file order, deleted ones included. `forced` overrides
// the file's own code page (a .cpg file, the language byte, else CP437).
void DumpDbf(FileSystem& fs, const std::string& path, const CodePage* forced, std::ostream& out);
void DumpDbf(FileSystem& fs, const std::string& path, const CodePage* forced, std::string& out);

}  // namespace mirta::engine
