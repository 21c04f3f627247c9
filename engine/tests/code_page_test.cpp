#include "engine/code_page.h"

#include <gtest/gtest.h>

#include "engine/engine_error.h"

namespace mirta::engine {
namespace {

const std::string kPolish = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";

struct PolishBytes {
    const char* codePage;
    std::string bytes;  // the 18 letters in the order of kPolish
};

TEST(CodePage, PolishLettersRoundTrip) {
    const PolishBytes cases[] = {
        {"cp1250", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"},
        {"latin2", "\xA5\x86\xA9\x88\xE4\xA2\x98\xAB\xBE\xA4\x8F\xA8\x9D\xE3\xE0\x97\x8D\xBD"},
        {"Mazovia", "\x86\x8D\x91\x92\xA4\xA2\x9E\xA6\xA7\x8F\x95\x90\x9C\xA5\xA3\x98\xA0\xA1"},
    };
    for (const auto& c : cases) {
        const CodePage& cp = CodePage::ForName(c.codePage);
        bool lossless = false;
        EXPECT_EQ(cp.Encode(kPolish, &lossless), c.bytes) << c.codePage;
        EXPECT_TRUE(lossless);
        EXPECT_EQ(cp.Decode(c.bytes), kPolish) << c.codePage;
    }
}

TEST(CodePage, UnmappableCharactersAreReported) {
    bool lossless = true;
    EXPECT_EQ(CodePage::ForNumber(1250).Encode("a€ж", &lossless), "a\x80?");
    EXPECT_FALSE(lossless);
}

TEST(CodePage, NamesAndErrors) {
    EXPECT_EQ(CodePage::ForName("windows-1250").Number(), 1250);
    EXPECT_EQ(CodePage::ForName("CP852").Number(), 852);
    EXPECT_EQ(CodePage::ForName("mazowia").Number(), CodePage::Mazovia().Number());
    EXPECT_THROW(CodePage::ForName("klingon"), EngineError);
    EXPECT_THROW(CodePage::ForNumber(4242), EngineError);
}

TEST(CodePage, BrokenUtf8BecomesReplacement) {
    size_t pos = 0;
    std::string bad = "\xC4";
    EXPECT_EQ(NextUtf8(bad, pos), U'\uFFFD');
    EXPECT_EQ(pos, 1u);
}

}  // namespace
}  // namespace mirta::engine
