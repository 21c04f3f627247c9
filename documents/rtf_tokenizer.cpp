#include "documents/rtf_tokenizer.h"

#include <algorithm>
#include <limits>

namespace mirta::documents {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool EndsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

}  // namespace

Token RtfTokenizer::Peek() {
    const size_t saved = m_pos;
    Token token = Next();
    m_pos = saved;
    return token;
}

Token RtfTokenizer::Next() {
    while (m_pos < m_source.size() && (m_source[m_pos] == '\r' || m_source[m_pos] == '\n'))
        ++m_pos;
    Token token;
    token.begin = m_pos;
    if (m_pos >= m_source.size()) {
        token.end = m_pos;
        return token;
    }
    const char c = m_source[m_pos];
    if (c == '{' || c == '}') {
        token.kind = c == '{' ? TokenKind::GroupOpen : TokenKind::GroupClose;
        token.end = ++m_pos;
        return token;
    }
    if (c == '\\')
        return ReadBackslash(m_pos);
    size_t end = m_pos;
    while (end < m_source.size() && !EndsText(m_source[end]))
        ++end;
    token.kind = TokenKind::Text;
    token.name = m_source.substr(m_pos, end - m_pos);
    token.end = m_pos = end;
    return token;
}

Token RtfTokenizer::ReadBackslash(size_t start) {
    Token token;
    token.begin = start;
    size_t pos = start + 1;
    if (pos >= m_source.size()) {
        // A lone backslash at the very end: nothing to read.
        token.end = m_pos = m_source.size();
        return token;
    }
    const char c = m_source[pos];
    if (IsLetter(c)) {
        size_t nameEnd = pos;
        while (nameEnd < m_source.size() && IsLetter(m_source[nameEnd]))
            ++nameEnd;
        token.kind = TokenKind::Word;
        token.name = m_source.substr(pos, std::min(nameEnd - pos, kMaxWordLength));
        pos = nameEnd;
        const bool negative =
            pos + 1 < m_source.size() && m_source[pos] == '-' && IsDigit(m_source[pos + 1]);
        if (negative)
            ++pos;
        if (pos < m_source.size() && IsDigit(m_source[pos])) {
            int64_t value = 0;
            while (pos < m_source.size() && IsDigit(m_source[pos])) {
                value = std::min<int64_t>(value * 10 + (m_source[pos] - '0'),
                                          std::numeric_limits<int32_t>::max());
                ++pos;
            }
            token.parameter = static_cast<int32_t>(negative ? -value : value);
        }
        if (pos < m_source.size() && m_source[pos] == ' ')
            ++pos;
        if (token.name == "bin" && token.parameter && *token.parameter > 0)
            pos = SkipBinary(pos, *token.parameter);
        token.end = m_pos = pos;
        return token;
    }
    if (c == '\'') {
        const int high = pos + 1 < m_source.size() ? HexValue(m_source[pos + 1]) : -1;
        const int low = pos + 2 < m_source.size() ? HexValue(m_source[pos + 2]) : -1;
        if (high >= 0 && low >= 0) {
            token.kind = TokenKind::Hex;
            token.byte = static_cast<uint8_t>(high * 16 + low);
            token.end = m_pos = pos + 3;
            return token;
        }
        // A broken escape is dropped with its quote.
        token.kind = TokenKind::Symbol;
        token.symbol = '\'';
        token.end = m_pos = pos + 1;
        return token;
    }
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is a paragraph mark.
        token.kind = TokenKind::Word;
        token.name = "par";
        token.end = m_pos = pos + 1;
        return token;
    }
    token.kind = TokenKind::Symbol;
    token.symbol = c;
    token.end = m_pos = pos + 1;
    return token;
}

size_t RtfTokenizer::SkipBinary(size_t from, int32_t count) const {
    const size_t left = m_source.size() - from;
    return from + std::min(left, static_cast<size_t>(count));
}

size_t RtfTokenizer::SkipGroup(size_t groupBegin, int* unclosed) {
    int depth = 0;
    size_t pos = groupBegin;
    while (pos < m_source.size()) {
        const char c = m_source[pos];
        if (c == '{') {
            ++depth;
            ++pos;
        } else if (c == '}') {
            ++pos;
            if (--depth == 0)
                break;
        } else if (c == '\\') {
            const size_t save = m_pos;
            ReadBackslash(pos);
            pos = std::max(m_pos, pos + 1);
            m_pos = save;
        } else {
            ++pos;
        }
    }
    if (unclosed)
        *unclosed = depth;
    m_pos = pos;
    return pos;
}

}  // namespace mirta::documents
