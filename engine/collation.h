#pragma once

#include <string>
#include <string_view>

namespace mirta::engine {

// Polish collation of UTF-8 text, in three levels:
//   1. primary: whitespace < ASCII punctuation < other symbols < digits < letters in the
//      Polish alphabet (a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z ź ż)
//      < any other character (by code point). Case is ignored; a letter with a non-Polish
//      accent (é, ä, š) counts as its base letter, ß as "ss", æ as "ae".
//   2. secondary: the accent of a non-Polish letter, the typographic form of a dash or quote.
//   3. tertiary: case, lower before upper ("kowal" < "Kowal"), as clerks know it from
//      spreadsheets and Windows sorting.
// A later level only breaks ties of the earlier ones, so "Kowal" < "kowalski".

// Appends the weights of `text` at the chosen levels (any pointer may be null). Primary weights
// never contain a zero byte, so a zero may terminate them; byte-wise comparison of the appended
// strings orders texts at that level. Texts equal at the primary level give primary strings of
// equal length and equal-length secondary and tertiary strings.
void AppendCollationWeights(std::string_view text, std::string* primary, std::string* secondary,
                            std::string* tertiary);

// A sort key: primary, 0, secondary, 0, tertiary. memcmp order of two keys is the collation
// order; equal keys mean texts that differ only in ways no level sees (none for valid UTF-8).
std::string CollationKey(std::string_view text);

// Three-way comparison (<0, 0, >0) in collation order; ties at every level are broken by the
// raw bytes, so 0 means identical texts.
int CollateCompare(std::string_view a, std::string_view b);

// Whether the texts are equal at the primary level (case and foreign accents ignored).
bool CollateEqualPrimary(std::string_view a, std::string_view b);

}  // namespace mirta::engine
