#include "documents/tag.h"

#include "engine/code_page.h"

namespace mirta::documents {

namespace {

constexpr std::string_view kFinal = "Kon";
constexpr std::string_view kInWords = "Słow";
constexpr std::string_view kMonthName = "Mies";
constexpr std::string_view kOfficerRule = "Strażak";
constexpr std::string_view kCivilSeniority = "Wysługa";

char32_t LowerCase(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 0x20;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    // Latin Extended-A pairs its letters upper, lower, with two stretches shifted by one.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c % 2 == 0 ? c + 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c % 2 == 1 ? c + 1 : c;
    return c;
}

}  // namespace

std::optional<TagSyntax> ParseTag(std::string_view text) {
    if (text.size() < 5 || text.substr(0, 2) != "<<" || text.substr(text.size() - 2) != ">>")
        return std::nullopt;
    std::string_view inner = text.substr(2, text.size() - 4);
    if (inner.find("<<") != std::string_view::npos || inner.find(">>") != std::string_view::npos)
        return std::nullopt;
    TagSyntax tag;
    size_t bar = inner.find('|');
    tag.family = std::string(inner.substr(0, bar));
    if (tag.family.empty())
        return std::nullopt;
    bool haveField = false;
    while (bar != std::string_view::npos) {
        inner.remove_prefix(bar + 1);
        bar = inner.find('|');
        const std::string_view word = inner.substr(0, bar);
        if (word == kFinal)
            tag.final = true;
        else if (word == kInWords)
            tag.inWords = true;
        else if (word == kMonthName)
            tag.monthName = true;
        else if (word == kOfficerRule)
            tag.officerRule = true;
        else if (word == kCivilSeniority && haveField)
            tag.civilSeniority = true;
        else if (!haveField) {
            tag.field = std::string(word);
            haveField = true;
        } else
            tag.unknownAttributes.emplace_back(word);
    }
    return tag;
}

std::string TagText(const TagSyntax& tag) {
    std::string text = "<<" + tag.family;
    auto add = [&](std::string_view word) {
        text += '|';
        text += word;
    };
    if (!tag.field.empty() || tag.family == "i")
        add(tag.field);
    for (const std::string& word : tag.unknownAttributes)
        add(word);
    if (tag.civilSeniority)
        add(kCivilSeniority);
    if (tag.officerRule)
        add(kOfficerRule);
    if (tag.monthName)
        add(kMonthName);
    if (tag.inWords)
        add(kInWords);
    if (tag.final)
        add(kFinal);
    return text + ">>";
}

std::vector<TextRange> FindTagCandidates(std::string_view text) {
    constexpr size_t kNone = std::string_view::npos;
    std::vector<TextRange> ranges;
    size_t open = kNone;
    for (size_t i = 0; i + 1 < text.size();) {
        if (text[i] == '\n') {
            open = kNone;
        } else if (text[i] == '<' && text[i + 1] == '<') {
            open = i;
        } else if (text[i] == '>' && text[i + 1] == '>' && open != kNone) {
            ranges.push_back({open, i + 2});
            open = kNone;
            i += 2;
            continue;
        }
        ++i;
    }
    return ranges;
}

std::string FoldCase(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            folded += static_cast<char>(LowerCase(byte));
            ++pos;
            continue;
        }
        const size_t start = pos;
        const char32_t c = engine::NextUtf8(text, pos);
        const char32_t lower = LowerCase(c);
        if (lower == c || c == 0xFFFD)
            folded.append(text.substr(start, pos - start));
        else
            engine::AppendUtf8(folded, lower);
    }
    return folded;
}

}  // namespace mirta::documents
