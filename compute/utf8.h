#pragma once

// Text in the program is UTF-8; these count and cut it by characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace mirta::compute::utf8 {

// Length in bytes of the character that starts with this byte (1 for a stray byte).
inline size_t DlugoscZnaku(unsigned char pierwszy) {
    if (pierwszy >= 0xF0 && pierwszy <= 0xF7)
        return 4;
    if (pierwszy >= 0xE0)
        return pierwszy <= 0xEF ? 3 : 1;
    if (pierwszy >= 0xC0)
        return 2;
    return 1;
}

// Byte offset of character number `znak` (the text's length when there are fewer).
inline size_t Przesuniecie(std::string_view t, size_t znak) {
    size_t pos = 0;
    for (; znak > 0 && pos < t.size(); --znak)
        pos += DlugoscZnaku(static_cast<unsigned char>(t[pos]));
    return pos < t.size() ? pos : t.size();
}

inline size_t LiczbaZnakow(std::string_view t) {
    size_t n = 0;
    for (size_t pos = 0; pos < t.size(); ++n)
        pos += DlugoscZnaku(static_cast<unsigned char>(t[pos]));
    return n;
}

// The character starting at pos, as bytes.
inline std::string_view Znak(std::string_view t, size_t pos) {
    const size_t n = DlugoscZnaku(static_cast<unsigned char>(t[pos]));
    return t.substr(pos, n);
}

}  // namespace mirta::compute::utf8
