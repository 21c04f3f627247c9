#pragma once

// The syntax of template tags: "<<" + a family word + attribute words, each after a '|',
// + ">>". "<<Grupa|PlacaKon|Słow|Kon>>" is the family "Grupa", the field "PlacaKon", the
// amount in words, of the last record; "<<i| >>" is the family "i" with the field " ".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirta::documents {

inline constexpr std::string_view kRowNumberTag = "<<LP>>";

struct TagSyntax {
    std::string family;        // "NAZWISKO IMIE1", "Stopień", "Data", "i"
    std::string field;         // the first attribute that is no modifier: "Nazwa", "PlacaKon", "u"
    bool final = false;        // Kon: the last record of the history, not the selected one
    bool inWords = false;      // Słow: an amount in words
    bool monthName = false;    // Mies: a date with the month's name
    bool officerRule = false;  // Strażak
    bool civilSeniority = false;                 // Wysługa as an attribute (civil total)
    std::vector<std::string> unknownAttributes;  // words no tag of the language uses

    bool operator==(const TagSyntax&) const = default;
};

// The parts of a tag, or nothing when the text is not "<<...>>" with a family word.
std::optional<TagSyntax> ParseTag(std::string_view text);

// The tag's text in the order the language writes its attributes:
// family|field|Wysługa|Strażak|Mies|Słow|Kon.
std::string TagText(const TagSyntax& tag);

// Where tags may stand in a text: from the last "<<" before a ">>" to that ">>", within one
// line. Half-open byte ranges, in order.
struct TextRange {
    size_t begin = 0, end = 0;
    bool operator==(const TextRange&) const = default;
};
std::vector<TextRange> FindTagCandidates(std::string_view text);

// UTF-8 text with letters in lower case (ASCII, Polish and the rest of Latin-1 and Latin
// Extended-A); byte offsets stay the same, so a match in the folded text is a match here.
std::string FoldCase(std::string_view text);

}  // namespace mirta::documents
