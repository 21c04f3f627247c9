#include "engine/collation.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "engine/code_page.h"

namespace mirta::engine {

namespace {

// Primary weight bytes. Zero is left free so keys can terminate a text with it.
constexpr uint8_t kWhitespace = 0x02;
constexpr uint8_t kFirstPunctuation = 0x03;  // the 32 ASCII punctuation marks, in ASCII order
constexpr uint8_t kSymbolEscape = 0x23;      // other symbols: escape + code point
constexpr uint8_t kFirstDigit = 0x30;
constexpr uint8_t kFirstLetter = 0x40;  // + position in the Polish alphabet
constexpr uint8_t kOtherEscape = 0x70;  // any other character: escape + code point

// Secondary weights: 1 for the plain form, a distinct value for every variant.
constexpr uint8_t kPlain = 0x01;
constexpr uint8_t kFoldedLetterBase = 0x02;  // + (lower-case code point - U+00C0)
constexpr uint8_t kTypographicBase = 0xC2;
constexpr uint8_t kControlBase = 0xE0;  // + control code

// Tertiary weights.
constexpr uint8_t kLower = 0x01;
constexpr uint8_t kUpper = 0x02;

constexpr int LetterPosition(char ascii) {
    constexpr std::string_view kAsciiInOrder = "abcdefghijklmnopqrstuvwxyz";
    // Each Polish letter sits right after its base letter.
    int pos = 0;
    for (char c : kAsciiInOrder) {
        if (c == ascii)
            return pos;
        pos += (c == 'a' || c == 'c' || c == 'e' || c == 'l' || c == 'n' || c == 'o' || c == 's')
                   ? 2
                   : (c == 'z' ? 3 : 1);
    }
    return -1;
}
static_assert(LetterPosition('z') == 32 && LetterPosition('b') == 2 && LetterPosition('t') == 26);

// Positions of ą ć ę ł ń ó ś ź ż, coded '1'..'9' in the fold tables below.
constexpr int kPolishPositions[] = {1, 4, 7, 15, 18, 20, 25, 33, 34};

// Base letters of U+00C0..U+017F: a-z fold to that letter, '1'-'9' are the Polish letters,
// upper-case codes expand (A = ae, T = th, S = ss, J = ij, O = oe), '*' is a symbol.
constexpr std::string_view kLatin1Fold =
    "aaaaaaAceeeeiiiidno6ooo*ouuuuyTSaaaaaaAceeeeiiiidno6ooo*ouuuuyTy";
constexpr std::string_view kLatinAFold =
    "aaaa1122ccccccddddeeeeee33eegggggggghhhhiiiiiiiiiiJJjjkkklllllll"
    "l4455nnnnnnnooooooOOrrrrrr77ssssssttttttuuuuuuuuuuuuwwyyy8899zzs";
static_assert(kLatin1Fold.size() == 64 && kLatinAFold.size() == 128);

bool IsUpperLatin(char32_t cp) {
    if (cp < 0xC0)
        return false;
    if (cp < 0x100)
        return cp <= 0xDE && cp != 0xD7;
    if (cp < 0x138)
        return cp % 2 == 0;
    if (cp == 0x138 || cp == 0x149 || cp == 0x17F)
        return false;
    if (cp < 0x149)
        return cp % 2 == 1;
    if (cp < 0x178)
        return cp % 2 == 0;
    if (cp == 0x178)
        return true;
    return cp % 2 == 1;
}

char32_t LowerLatin(char32_t cp) {
    if (!IsUpperLatin(cp))
        return cp;
    if (cp < 0x100)
        return cp + 0x20;
    if (cp == 0x178)
        return 0xFF;
    return cp + 1;
}

void AppendCodePoint(std::string& out, uint8_t escape, char32_t cp) {
    out.push_back(static_cast<char>(escape));
    out.push_back(static_cast<char>(0x80 | ((cp >> 14) & 0x7F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 7) & 0x7F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x7F)));
}

struct Sink {
    std::string* primary;
    std::string* secondary;
    std::string* tertiary;

    void Weight(uint8_t p, uint8_t s, uint8_t t) const {
        if (primary)
            primary->push_back(static_cast<char>(p));
        if (secondary)
            secondary->push_back(static_cast<char>(s));
        if (tertiary)
            tertiary->push_back(static_cast<char>(t));
    }
    // Escaped weights take four primary bytes but still one secondary and tertiary byte each,
    // so texts equal at the primary level keep equal-length tie-break strings.
    void Escaped(uint8_t escape, char32_t cp) const {
        if (primary)
            AppendCodePoint(*primary, escape, cp);
        if (secondary)
            secondary->push_back(static_cast<char>(kPlain));
        if (tertiary)
            tertiary->push_back(static_cast<char>(kLower));
    }
};

uint8_t PunctuationWeight(char c) {
    static const std::array<uint8_t, 128> kTable = [] {
        std::array<uint8_t, 128> t{};
        uint8_t next = kFirstPunctuation;
        for (int ch = 0x21; ch < 0x7F; ++ch) {
            bool alnum =
                (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
            if (!alnum)
                t[ch] = next++;
        }
        return t;
    }();
    return kTable[static_cast<uint8_t>(c)];
}

void AppendAscii(const Sink& sink, char32_t cp) {
    if (cp < 0x20 || cp == 0x7F) {
        sink.Weight(kWhitespace, static_cast<uint8_t>(kControlBase + (cp == 0x7F ? 0x1F : cp)),
                    kLower);
    } else if (cp == ' ') {
        sink.Weight(kWhitespace, kPlain, kLower);
    } else if (cp >= '0' && cp <= '9') {
        sink.Weight(static_cast<uint8_t>(kFirstDigit + (cp - '0')), kPlain, kLower);
    } else if (cp >= 'a' && cp <= 'z') {
        sink.Weight(static_cast<uint8_t>(kFirstLetter + LetterPosition(static_cast<char>(cp))),
                    kPlain, kLower);
    } else if (cp >= 'A' && cp <= 'Z') {
        sink.Weight(
            static_cast<uint8_t>(kFirstLetter + LetterPosition(static_cast<char>(cp - 'A' + 'a'))),
            kPlain, kUpper);
    } else {
        sink.Weight(PunctuationWeight(static_cast<char>(cp)), kPlain, kLower);
    }
}

void AppendLatin(const Sink& sink, char32_t cp, char code) {
    const uint8_t tertiary = IsUpperLatin(cp) ? kUpper : kLower;
    if (code >= '1' && code <= '9') {
        sink.Weight(static_cast<uint8_t>(kFirstLetter + kPolishPositions[code - '1']), kPlain,
                    tertiary);
        return;
    }
    const auto secondary = static_cast<uint8_t>(kFoldedLetterBase + (LowerLatin(cp) - 0xC0));
    auto letter = [&](char base) {
        sink.Weight(static_cast<uint8_t>(kFirstLetter + LetterPosition(base)), secondary, tertiary);
    };
    switch (code) {
        case 'A':
            letter('a'), letter('e');
            break;
        case 'T':
            letter('t'), letter('h');
            break;
        case 'S':
            letter('s'), letter('s');
            break;
        case 'J':
            letter('i'), letter('j');
            break;
        case 'O':
            letter('o'), letter('e');
            break;
        default:
            letter(code);
    }
}

// Typographic variants of ASCII marks, folded onto the mark at the primary level.
bool AppendTypographic(const Sink& sink, char32_t cp) {
    char mark = 0;
    uint8_t variant = 0;
    if (cp == 0xA0) {
        mark = ' ', variant = 0;
    } else if (cp == 0xAD) {
        mark = '-', variant = 1;
    } else if (cp >= 0x2010 && cp <= 0x2015) {
        mark = '-', variant = static_cast<uint8_t>(2 + (cp - 0x2010));
    } else if (cp >= 0x2018 && cp <= 0x201B) {
        mark = '\'', variant = static_cast<uint8_t>(8 + (cp - 0x2018));
    } else if (cp >= 0x201C && cp <= 0x201F) {
        mark = '"', variant = static_cast<uint8_t>(12 + (cp - 0x201C));
    } else if (cp == 0xAB || cp == 0xBB) {
        mark = '"', variant = cp == 0xAB ? 16 : 17;
    } else {
        return false;
    }
    const uint8_t primary = mark == ' ' ? kWhitespace : PunctuationWeight(mark);
    sink.Weight(primary, static_cast<uint8_t>(kTypographicBase + variant), kLower);
    return true;
}

bool IsSymbol(char32_t cp) {
    return (cp >= 0xA0 && cp < 0xC0) || cp == 0xD7 || cp == 0xF7 ||
           (cp >= 0x2B0 && cp < 0x370) ||    // spacing modifiers and combining marks
           (cp >= 0x2000 && cp < 0x2C00) ||  // punctuation, currency, arrows, math, boxes
           (cp >= 0x3000 && cp < 0x3040) || (cp >= 0xFE30 && cp < 0xFE70) || cp == 0xFFFD;
}

void AppendCodePointWeights(const Sink& sink, char32_t cp) {
    if (cp < 0x80) {
        AppendAscii(sink, cp);
    } else if (AppendTypographic(sink, cp)) {
    } else if (cp >= 0xC0 && cp < 0x100 && kLatin1Fold[cp - 0xC0] != '*') {
        AppendLatin(sink, cp, kLatin1Fold[cp - 0xC0]);
    } else if (cp >= 0x100 && cp < 0x180) {
        AppendLatin(sink, cp, kLatinAFold[cp - 0x100]);
    } else if (IsSymbol(cp)) {
        sink.Escaped(kSymbolEscape, cp);
    } else {
        sink.Escaped(kOtherEscape, cp);
    }
}

int CompareBytes(std::string_view a, std::string_view b) {
    int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

void AppendCollationWeights(std::string_view text, std::string* primary, std::string* secondary,
                            std::string* tertiary) {
    const Sink sink{primary, secondary, tertiary};
    size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<uint8_t>(text[pos]);
        if (byte < 0x80) {
            AppendAscii(sink, byte);
            ++pos;
        } else {
            AppendCodePointWeights(sink, NextUtf8(text, pos));
        }
    }
}

std::string CollationKey(std::string_view text) {
    std::string key, secondary, tertiary;
    key.reserve(text.size() * 3 + 2);
    AppendCollationWeights(text, &key, &secondary, &tertiary);
    key.push_back('\0');
    key += secondary;
    key.push_back('\0');
    key += tertiary;
    return key;
}

int CollateCompare(std::string_view a, std::string_view b) {
    if (a == b)
        return 0;
    int c = CompareBytes(CollationKey(a), CollationKey(b));
    return c != 0 ? c : CompareBytes(a, b);
}

bool CollateEqualPrimary(std::string_view a, std::string_view b) {
    if (a == b)
        return true;
    std::string pa, pb;
    AppendCollationWeights(a, &pa, nullptr, nullptr);
    AppendCollationWeights(b, &pb, nullptr, nullptr);
    return pa == pb;
}

}  // namespace mirta::engine
