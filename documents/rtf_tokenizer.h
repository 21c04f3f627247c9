#pragma once

// Splits RTF bytes into groups, control words, control symbols, hex bytes and text. Never
// reads past the end, never loops without advancing, whatever the input.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mirta::documents {

enum class TokenKind { End, GroupOpen, GroupClose, Word, Symbol, Hex, Text };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view name;             // Word: the letters; Text: the bytes
    std::optional<int32_t> parameter;  // Word
    char symbol = 0;                   // Symbol: the character after the backslash
    uint8_t byte = 0;                  // Hex: the byte of \'xx
    size_t begin = 0, end = 0;         // the token's bytes in the source
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view source) : m_source(source) {}

    Token Next();
    Token Peek();
    size_t Position() const { return m_pos; }
    void Seek(size_t pos) { m_pos = pos < m_source.size() ? pos : m_source.size(); }
    // Jumps over the group that opens at `groupBegin` (a '{'); returns its end. A group the
    // file never closes ends with the file; `unclosed` tells how many of its braces stayed open.
    size_t SkipGroup(size_t groupBegin, int* unclosed);
    std::string_view Source() const { return m_source; }

    // Control words longer than this are cut (the format allows 32 letters).
    static constexpr size_t kMaxWordLength = 32;

private:
    Token ReadBackslash(size_t start);
    size_t SkipBinary(size_t from, int32_t count) const;

    std::string_view m_source;
    size_t m_pos = 0;
};

}  // namespace mirta::documents
