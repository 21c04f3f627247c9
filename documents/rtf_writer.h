#pragma once

#include <string>
#include <string_view>

#include "documents/document.h"

namespace mirta::documents {

// The document as RTF: text as \uN with a byte of the document's code page for older
// readers, formatting from the model, everything kept written back where it was read.
std::string WriteRtf(const Document& document);

// Text as RTF characters: escapes, tabs and line breaks, \uN for letters beyond ASCII.
void AppendRtfText(std::string& out, std::string_view utf8, int codePage);

}  // namespace mirta::documents
