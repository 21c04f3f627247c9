#pragma once

// Finding what a template author mistyped: every "<<...>>" that is no tag, before a clerk
// prints fifty letters with it.

#include <string>
#include <string_view>
#include <vector>

#include "documents/document.h"

namespace mirta::documents {

struct UnknownTag {
    int line = 0;      // 1 for the first line (in a document: its first paragraph)
    std::string text;  // as written, "<<Nazwisko|Kon>>"

    bool operator==(const UnknownTag&) const = default;
};

enum class TagCase {
    Exact,  // plain text: tags in their exact letter case, "<<LP>>" the row number
    Any,    // documents: tags in any letter case; "<<LP>>" has no meaning there
};

std::vector<UnknownTag> FindUnknownTags(std::string_view text,
                                        const std::vector<std::string>& knownTags, TagCase match);

// The document's text, paragraph by paragraph (table cells too), letter case ignored.
std::vector<UnknownTag> FindUnknownTags(const Document& document,
                                        const std::vector<std::string>& knownTags);

}  // namespace mirta::documents
