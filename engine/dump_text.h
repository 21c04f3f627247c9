#pragma once

#include <string>
#include <string_view>

#include "engine/code_page.h"

namespace mirta::engine {

// Appends stored text bytes in the canonical dump form: UTF-8 from the code page, with
// backslash, tab, CR, LF and other control bytes written as \\, \t, \r, \n and \xNN, and bytes
// the code page cannot convert as \xNN.
void AppendDumpText(std::string& out, std::string_view bytes, const CodePage& codePage);

// The canonical form of an empty value.
inline constexpr std::string_view kDumpNull = "\\N";

}  // namespace mirta::engine
