#include "compute/numery_identyfikacyjne.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

TEST(NumeryIdentyfikacyjne, PeselDateSexAndCheckDigit) {
    struct Case {
        const char* numer;
        bool poprawny;
        DataKal data;
        char plec;
    };
    const Case cases[] = {
        {"44051401359", true, {1944, 5, 14}, 'M'},
        {"90830112345", true, {1890, 3, 1}, 'K'},  // 1800s: month + 80
        {"85123155570", true, {1985, 12, 31}, 'M'},
        {"04222900021", true, {2004, 2, 29}, 'K'},  // 2000s: month + 20, leap day
        {"00210199994", true, {2000, 1, 1}, 'M'},
        {"44051401358", false, {}, 0},  // check digit
        {"4405140135", false, {}, 0},   // ten digits
        {"4405140135X", false, {}, 0},
        {"", false, {}, 0},
        {"03223000006", false, {}, 0},  // 2003-02-30, check digit right
        {"44131401350", false, {}, 0},  // month 13
    };
    for (const auto& c : cases) {
        const Pesel p = CzytajPesel(c.numer);
        EXPECT_EQ(p.poprawny, c.poprawny) << c.numer;
        EXPECT_EQ(p.dataUrodzenia, c.data) << c.numer;
        EXPECT_EQ(p.plec, c.plec) << c.numer;
    }
}

TEST(NumeryIdentyfikacyjne, NipCheckDigit) {
    struct Case {
        const char* numer;
        bool poprawny;
    };
    const Case cases[] = {
        {"5260001252", true},   {"526-000-12-52", true}, {"526 000 12 52", true},
        {"1234563218", true},   {"5260001253", false},   {"526000125", false},
        {"52600012520", false}, {"526000125A", false},   {"", false},
        {"1000000160", false},  // the sum leaves 10 over 11: no NIP has it
    };
    for (const auto& c : cases)
        EXPECT_EQ(PoprawnyNip(c.numer), c.poprawny) << c.numer;
}

}  // namespace
}  // namespace mirta::compute
