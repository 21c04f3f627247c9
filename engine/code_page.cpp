#include "engine/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

constexpr int kMazoviaNumber = 620;

// Polish letters of Mazovia; every other byte is as in code page 437.
constexpr std::pair<uint8_t, char32_t> kMazoviaLetters[] = {
    {0x86, U'ą'}, {0x8D, U'ć'}, {0x8F, U'Ą'}, {0x90, U'Ę'}, {0x91, U'ę'}, {0x92, U'ł'},
    {0x95, U'Ć'}, {0x98, U'Ś'}, {0x9C, U'Ł'}, {0x9E, U'ś'}, {0xA0, U'Ź'}, {0xA1, U'Ż'},
    {0xA2, U'ó'}, {0xA3, U'Ó'}, {0xA4, U'ń'}, {0xA5, U'Ń'}, {0xA6, U'ź'}, {0xA7, U'ż'},
};

// Builds a byte table through glibc's iconv; done once per code page.
std::array<int32_t, 256> TableFromIconv(int number) {
    std::array<int32_t, 256> table{};
    std::string name = "CP" + std::to_string(number);
    iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw EngineError("Nieobsługiwana strona kodowa " + std::to_string(number), {}, "codepage");
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char32_t out = 0;
        char* inPtr = &in;
        size_t inLeft = 1;
        char* outPtr = reinterpret_cast<char*>(&out);
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) ||
            outLeft != 0)
            table[byte] = -1;
        else
            table[byte] = static_cast<int32_t>(out);
    }
    iconv_close(cd);
    return table;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t NextUtf8(std::string_view text, size_t& pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char first = byte(pos);
    int extra = first < 0x80             ? 0
                : (first & 0xE0) == 0xC0 ? 1
                : (first & 0xF0) == 0xE0 ? 2
                : (first & 0xF8) == 0xF0 ? 3
                                         : -1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= text.size() + (extra == 0)) {
        ++pos;
        return extra == 0 ? first : 0xFFFD;
    }
    char32_t cp = extra == 0 ? first : first & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    pos += static_cast<size_t>(extra) + 1;
    return cp;
}

CodePage::CodePage(int number, std::string name, const std::array<int32_t, 256>& toUnicode)
    : m_number(number), m_name(std::move(name)), m_toUnicode(toUnicode) {
    for (int b = 0; b < 256; ++b)
        AppendUtf8(m_utf8[b], m_toUnicode[b] < 0 ? 0xFFFD : static_cast<char32_t>(m_toUnicode[b]));
    for (int b = 0; b < 128; ++b)
        m_asciiSame[b] = m_toUnicode[b] == b;
    m_asciiIdentity =
        std::all_of(m_asciiSame.begin(), m_asciiSame.end(), [](bool same) { return same; });
    // The first byte for a code point wins, high bytes before low ones.
    for (int b : {1, 0}) {
        for (int i = b ? 0x80 : 0; i < (b ? 256 : 0x80); ++i) {
            if (m_toUnicode[i] < 0)
                continue;
            auto cp = static_cast<char32_t>(m_toUnicode[i]);
            auto it = std::lower_bound(m_fromUnicode.begin(), m_fromUnicode.end(),
                                       std::make_pair(cp, uint8_t{0}));
            if (it == m_fromUnicode.end() || it->first != cp)
                m_fromUnicode.insert(it, {cp, static_cast<uint8_t>(i)});
        }
    }
}

int CodePage::FromUnicode(char32_t codePoint) const {
    if (codePoint < 0x80 && m_asciiSame[codePoint])
        return static_cast<int>(codePoint);
    auto it = std::lower_bound(m_fromUnicode.begin(), m_fromUnicode.end(),
                               std::make_pair(codePoint, uint8_t{0}));
    if (it == m_fromUnicode.end() || it->first != codePoint)
        return -1;
    return it->second;
}

std::string CodePage::Decode(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (unsigned char b : bytes) {
        if (b < 0x80 && m_toUnicode[b] == b)
            out += static_cast<char>(b);
        else
            out += m_utf8[b];
    }
    return out;
}

size_t CodePage::EncodeInto(std::string_view utf8, uint8_t* dest, size_t capacity,
                            bool* lossless) const {
    bool ok = true;
    size_t pos = 0, n = 0;
    while (pos < utf8.size()) {
        if (n == capacity) {
            if (lossless)
                *lossless = ok;
            return kTooLong;
        }
        if (m_asciiIdentity) {
            // Copy a run of ASCII at once, eight bytes at a time.
            const size_t limit = std::min(utf8.size() - pos, capacity - n);
            size_t run = 0;
            uint64_t word;
            while (run + 8 <= limit) {
                std::memcpy(&word, utf8.data() + pos + run, 8);
                if (word & 0x8080808080808080ull)
                    break;
                run += 8;
            }
            while (run < limit && static_cast<unsigned char>(utf8[pos + run]) < 0x80)
                ++run;
            if (run > 0) {
                std::memcpy(dest + n, utf8.data() + pos, run);
                n += run;
                pos += run;
                continue;
            }
        }
        const auto first = static_cast<unsigned char>(utf8[pos]);
        if (first < 0x80 && m_asciiSame[first]) {
            dest[n++] = first;
            ++pos;
            continue;
        }
        int b = FromUnicode(NextUtf8(utf8, pos));
        if (b < 0) {
            ok = false;
            b = '?';
        }
        dest[n++] = static_cast<uint8_t>(b);
    }
    if (lossless)
        *lossless = ok;
    return n;
}

std::string CodePage::Encode(std::string_view utf8, bool* lossless) const {
    // Every character takes at least one UTF-8 byte and exactly one byte here.
    std::string out(utf8.size(), '\0');
    size_t n = EncodeInto(utf8, reinterpret_cast<uint8_t*>(out.data()), out.size(), lossless);
    out.resize(n);
    return out;
}

const CodePage& CodePage::ForNumber(int number) {
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<CodePage>> cache;
    std::lock_guard lock(mutex);
    auto& slot = cache[number];
    if (!slot) {
        std::array<int32_t, 256> table;
        if (number == kMazoviaNumber) {
            table = TableFromIconv(437);
            for (auto [byte, letter] : kMazoviaLetters)
                table[byte] = static_cast<int32_t>(letter);
            slot = std::make_unique<CodePage>(number, "Mazovia", table);
        } else {
            try {
                table = TableFromIconv(number);
            } catch (...) {
                cache.erase(number);
                throw;
            }
            slot = std::make_unique<CodePage>(number, "CP" + std::to_string(number), table);
        }
    }
    return *slot;
}

const CodePage& CodePage::Mazovia() {
    return ForNumber(kMazoviaNumber);
}

const CodePage& CodePage::ForName(std::string_view name) {
    std::string key = Lower(name);
    if (key == "mazovia" || key == "mazowia" || key == "maz" || key == "cp620" || key == "620")
        return Mazovia();
    if (key == "latin2" || key == "latin 2" || key == "ibm852")
        return ForNumber(852);
    for (std::string_view prefix : {"windows-", "cp", "ibm"}) {
        if (key.rfind(prefix, 0) == 0) {
            key = key.substr(prefix.size());
            break;
        }
    }
    if (!key.empty() && std::all_of(key.begin(), key.end(), ::isdigit) && key.size() <= 5)
        return ForNumber(std::stoi(key));
    throw EngineError("Nieznane kodowanie: " + std::string(name), {}, "codepage");
}

}  // namespace mirta::engine
