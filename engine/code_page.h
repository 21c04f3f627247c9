#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirta::engine {

// A single-byte code page: translation between its bytes and UTF-8.
class CodePage {
public:
    // The code page of a Paradox header or a Windows/DOS number (437, 852, 1250, ...).
    // Throws EngineError for a number the system does not know.
    static const CodePage& ForNumber(int number);
    // By name, case-insensitive: "cp1250", "1250", "windows-1250", "latin2"/"852",
    // "mazovia"/"mazowia", "utf-8" is refused (not single-byte). Throws for unknown names.
    static const CodePage& ForName(std::string_view name);
    static const CodePage& Mazovia();

    int Number() const { return m_number; }
    const std::string& Name() const { return m_name; }

    // Code point of a byte, or -1 when the byte has no character in this code page.
    int32_t ToUnicode(uint8_t byte) const { return m_toUnicode[byte]; }
    // Byte for a code point, or -1 when the code page cannot hold it.
    int FromUnicode(char32_t codePoint) const;

    // Decodes bytes to UTF-8; undefined bytes come out as U+FFFD.
    std::string Decode(std::string_view bytes) const;
    // Encodes UTF-8 to bytes; characters the code page lacks become '?'.
    // Returns false through `lossless` when any character was replaced.
    std::string Encode(std::string_view utf8, bool* lossless = nullptr) const;
    // Encodes into `dest`; returns the bytes written, or kTooLong when more than `capacity`
    // would be needed.
    static constexpr size_t kTooLong = static_cast<size_t>(-1);
    size_t EncodeInto(std::string_view utf8, uint8_t* dest, size_t capacity,
                      bool* lossless = nullptr) const;

    CodePage(int number, std::string name, const std::array<int32_t, 256>& toUnicode);

private:
    int m_number;
    std::string m_name;
    std::array<int32_t, 256> m_toUnicode{};
    std::array<std::string, 256> m_utf8;  // each byte's UTF-8 form, for fast decoding
    std::array<bool, 128> m_asciiSame{};  // bytes below 0x80 that stand for themselves
    bool m_asciiIdentity = false;         // all of them do
    std::vector<std::pair<char32_t, uint8_t>> m_fromUnicode;  // sorted, for encoding
};

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);
// Reads one code point from UTF-8 at `pos`, advancing it; invalid bytes give U+FFFD.
char32_t NextUtf8(std::string_view text, size_t& pos);

}  // namespace mirta::engine
