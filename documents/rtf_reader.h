#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "documents/document.h"

namespace mirta::documents {

// A file that cannot be read as an RTF document; what() is the message for the user.
class RtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a file may cost at most, so any file ends in a document or an error in bounded time
// and memory. A template of twenty pages needs a small part of each.
struct RtfLimits {
    size_t maxBytes = 64u << 20;
    int maxDepth = 200;           // groups inside groups
    size_t maxElements = 200000;  // paragraphs, runs, cells and rows together
};

// Reads RTF as written by word processors. Anything the model has no place for is kept as
// RTF and written back by WriteRtf; broken constructs are read as far as they make sense.
// Throws RtfError for a file that is no RTF or goes past the limits.
Document ReadRtf(std::string_view rtf, const RtfLimits& limits = {});

// The text a paragraph's list mark shows ("•\t", "1.\t"): its kept {\listtext ...} or
// {\pntext ...} group read in the document's code page; empty when it holds none.
std::string ListMarkText(std::string_view listText, int codePage);

}  // namespace mirta::documents
