#include "documents/template_check.h"

#include <algorithm>
#include <unordered_set>

#include "documents/tag.h"

namespace mirta::documents {

std::vector<UnknownTag> FindUnknownTags(std::string_view text,
                                        const std::vector<std::string>& knownTags, TagCase match) {
    std::unordered_set<std::string> known;
    for (const std::string& tag : knownTags)
        known.insert(match == TagCase::Any ? FoldCase(tag) : tag);
    if (match == TagCase::Exact)
        known.insert(std::string(kRowNumberTag));
    const std::string folded = match == TagCase::Any ? FoldCase(text) : std::string();
    const std::string_view searched = match == TagCase::Any ? std::string_view(folded) : text;

    std::vector<UnknownTag> unknown;
    int line = 1;
    size_t counted = 0;
    for (const TextRange& range : FindTagCandidates(searched)) {
        if (known.count(std::string(searched.substr(range.begin, range.end - range.begin))))
            continue;
        line +=
            static_cast<int>(std::count(text.begin() + counted, text.begin() + range.begin, '\n'));
        counted = range.begin;
        unknown.push_back({line, std::string(text.substr(range.begin, range.end - range.begin))});
    }
    return unknown;
}

std::vector<UnknownTag> FindUnknownTags(const Document& document,
                                        const std::vector<std::string>& knownTags) {
    return FindUnknownTags(PlainText(document), knownTags, TagCase::Any);
}

}  // namespace mirta::documents
