#include "engine/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace mirta::engine {
namespace {

constexpr const char* kLower[] = {"a", "ą", "b", "c", "ć", "d", "e", "ę", "f", "g", "h", "i",
                                  "j", "k", "l", "ł", "m", "n", "ń", "o", "ó", "p", "q", "r",
                                  "s", "ś", "t", "u", "v", "w", "x", "y", "z", "ź", "ż"};
constexpr const char* kUpper[] = {"A", "Ą", "B", "C", "Ć", "D", "E", "Ę", "F", "G", "H", "I",
                                  "J", "K", "L", "Ł", "M", "N", "Ń", "O", "Ó", "P", "Q", "R",
                                  "S", "Ś", "T", "U", "V", "W", "X", "Y", "Z", "Ź", "Ż"};

TEST(Collation, AlphabetInBothCasesIsInPolishOrder) {
    constexpr size_t n = std::size(kLower);
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(std::string(kLower[i]) + " " + kUpper[i]);
        // Case is only a tie-break, lower before upper.
        EXPECT_TRUE(CollateEqualPrimary(kLower[i], kUpper[i]));
        EXPECT_LT(CollateCompare(kLower[i], kUpper[i]), 0);
        EXPECT_GT(CollateCompare(kUpper[i], kLower[i]), 0);
        for (size_t j = i + 1; j < n; ++j) {
            SCOPED_TRACE(kLower[j]);
            for (const char* a : {kLower[i], kUpper[i]}) {
                for (const char* b : {kLower[j], kUpper[j]}) {
                    EXPECT_LT(CollateCompare(a, b), 0);
                    EXPECT_GT(CollateCompare(b, a), 0);
                    EXPECT_LT(CollationKey(a), CollationKey(b));
                }
            }
        }
    }
}

TEST(Collation, SortsTextsAsAClerkExpects) {
    // Each line sorts before the next.
    const std::vector<std::string> ordered = {
        "",
        " Nowak",   // whitespace first
        "„Nowak”",  // then punctuation: the low quote counts as '"'
        "-Nowak",
        "€uro",  // other symbols after the ASCII marks
        "007",   // digits before letters
        "1 maja",    "9",   "Adamczyk", "Ąbecki", "Cebula", "Ćwik",
        "Kowal",      // a prefix first
        "kowalczyk",  // case does not decide before the letters run out
        "Kowalski",  "Lis", "Łukasik",  "Órski",  "Żak",
        "Ωmega",  // letters outside the Polish alphabet last
    };
    std::vector<std::string> sorted(ordered.rbegin(), ordered.rend());
    std::sort(sorted.begin(), sorted.end(),
              [](const std::string& a, const std::string& b) { return CollateCompare(a, b) < 0; });
    EXPECT_EQ(sorted, ordered);
}

TEST(Collation, TieBreaksAndFolding) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"kowal", "Kowal", -1},   // lower before upper
        {"Kowal", "kowala", -1},  // case never beats a longer primary
        {"KOWAL", "kowalski", -1},
        {"Müller", "Muller", 1},    // accent is a secondary difference
        {"Müller", "Mullera", -1},  // and only a tie-break
        {"Straße", "Strasse", 1},   // ß expands to ss
        {"Strasse", "Straßer", -1},
        {"Šimek", "Simek", 1},
        {"Šimek", "Śmiały", -1},  // š folds to s, which precedes ś
        {"Nowak-Kowalska", "Nowakowska", -1},
        {"Nowak–Kowalska", "Nowak-Kowalska", 1},  // en dash folds to hyphen
        {"Nowak–Kowalska", "Nowak-Kowalskb", -1},
        {"abc", "abc", 0},
        {"Zażółć", "ZAŻÓŁĆ", -1},
        {"zażółć gęślą", "ZAŻÓŁĆ GĘŚLĄ", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        int got = CollateCompare(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign);
        EXPECT_EQ(-CollateCompare(c.b, c.a), got);
        std::string ka = CollationKey(c.a), kb = CollationKey(c.b);
        EXPECT_EQ((ka > kb) - (ka < kb), c.sign);
    }
    EXPECT_TRUE(CollateEqualPrimary("Zażółć", "ZAŻÓŁĆ"));
    EXPECT_TRUE(CollateEqualPrimary("Müller", "MULLER"));
    EXPECT_FALSE(CollateEqualPrimary("Łoś", "Los"));
}

TEST(Collation, PrimaryWeightsOfAPrefixArePrefixOfTheWhole) {
    // Nearest search on the first letters of a surname relies on this.
    std::string prefix, whole;
    AppendCollationWeights("Żółt", &prefix, nullptr, nullptr);
    AppendCollationWeights("żółtkowski", &whole, nullptr, nullptr);
    EXPECT_EQ(whole.compare(0, prefix.size(), prefix), 0);
    EXPECT_EQ(prefix.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace mirta::engine
