#include "documents/substitution.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "documents/tag.h"

namespace mirta::documents {

namespace {

struct Replacement {
    TextRange range;
    std::string value;
};

// The paragraph's text runs joined, with where each run starts in the joined text.
struct JoinedText {
    std::string text;
    std::vector<size_t> runIndex;
    std::vector<size_t> start;
};

JoinedText Join(const Paragraph& paragraph) {
    JoinedText joined;
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
        const Run& run = paragraph.runs[i];
        if (run.IsKept() || run.text.empty())
            continue;
        joined.runIndex.push_back(i);
        joined.start.push_back(joined.text.size());
        joined.text += run.text;
    }
    return joined;
}

// Applies the replacements (in text order, not overlapping) from the last to the first, so
// the offsets of those still to do stay valid.
void Apply(Paragraph& paragraph, const JoinedText& joined,
           const std::vector<Replacement>& replacements) {
    auto& runs = paragraph.runs;
    auto piece = [&](size_t offset) {
        // The joined piece holding `offset`.
        return static_cast<size_t>(
            std::upper_bound(joined.start.begin(), joined.start.end(), offset) -
            joined.start.begin() - 1);
    };
    for (auto r = replacements.rbegin(); r != replacements.rend(); ++r) {
        const size_t first = piece(r->range.begin);
        const size_t last = piece(r->range.end - 1);
        Run& head = runs[joined.runIndex[first]];
        const size_t from = r->range.begin - joined.start[first];
        if (first == last) {
            head.text.replace(from, r->range.end - r->range.begin, r->value);
            continue;
        }
        head.text.replace(from, std::string::npos, r->value);
        for (size_t p = first + 1; p < last; ++p)
            runs[joined.runIndex[p]].text.clear();
        Run& tail = runs[joined.runIndex[last]];
        tail.text.erase(0, r->range.end - joined.start[last]);
    }
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [](const Run& run) { return !run.IsKept() && run.text.empty(); }),
               runs.end());
}

}  // namespace

std::string SubstituteInText(std::string_view text, TagValues& values, int rowNumber) {
    const auto& tags = values.Tags();
    std::string out;
    size_t copied = 0;
    for (const TextRange& range : FindTagCandidates(text)) {
        const std::string_view candidate = text.substr(range.begin, range.end - range.begin);
        std::optional<std::string> value;
        if (candidate == kRowNumberTag)
            value = std::to_string(rowNumber);
        else if (std::find(tags.begin(), tags.end(), candidate) != tags.end())
            value = values.Value(candidate);
        if (!value)
            continue;
        out.append(text.substr(copied, range.begin - copied));
        out += *value;
        copied = range.end;
    }
    out.append(text.substr(copied));
    return out;
}

size_t SubstituteInDocument(Document& document, TagValues& values) {
    std::unordered_map<std::string, const std::string*> byFolded;
    for (const std::string& tag : values.Tags())
        byFolded.emplace(FoldCase(tag), &tag);
    size_t replaced = 0;
    ForEachParagraph(document, [&](Paragraph& paragraph) {
        const JoinedText joined = Join(paragraph);
        if (joined.text.find("<<") == std::string::npos)
            return;
        std::vector<Replacement> replacements;
        const std::string folded = FoldCase(joined.text);
        for (const TextRange& range : FindTagCandidates(folded)) {
            auto known = byFolded.find(folded.substr(range.begin, range.end - range.begin));
            if (known == byFolded.end())
                continue;
            if (std::optional<std::string> value = values.Value(*known->second))
                replacements.push_back({range, std::move(*value)});
        }
        if (replacements.empty())
            return;
        Apply(paragraph, joined, replacements);
        replaced += replacements.size();
    });
    return replaced;
}

}  // namespace mirta::documents
