#pragma once

// Replacing tags by their values. Both forms scan the text once, left to right: a value is
// never scanned again, so a value holding tag text ("<<NAZWISKO>>") stays as it is.

#include <cstddef>
#include <string>
#include <string_view>

#include "documents/document.h"
#include "documents/tag_values.h"

namespace mirta::documents {

// Plain text (titles, cells of list printouts): tags in their exact letter case, and
// "<<LP>>" as the row number.
std::string SubstituteInText(std::string_view text, TagValues& values, int rowNumber);

// Every paragraph of the document, table cells too: tags in any letter case, also when word
// processors split them across formatting runs or groups. A value takes the format of its
// tag's first character; the text around keeps its own. "<<LP>>" is left alone. Returns the
// number of tags replaced.
size_t SubstituteInDocument(Document& document, TagValues& values);

}  // namespace mirta::documents
