#include "spd/harmonogram.h"

#include <gtest/gtest.h>

namespace mirta::spd {
namespace {

using compute::DataKal;

DataKal K(int r, int m, int d) {
    return {r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}

WpisHarmonogramu Wpis(const char* sposob, int dzienOkresu, bool aktywny = true) {
    WpisHarmonogramu w;
    w.sposobPrzesylania = sposob;
    w.dzienOkresu = dzienOkresu;
    w.aktywny = aktywny;
    return w;
}

struct Przypadek {
    const char* opis;
    WpisHarmonogramu wpis;
    DataKal dzis;
    std::optional<DataKal> ostatnia;
    bool nalezny;
};

TEST(Harmonogram, ZnacznikiNaleznosci) {
    // 2008-03-12 is a Wednesday.
    const Przypadek przypadki[] = {
        {"codzienny zawsze", Wpis("D", 0), K(2008, 3, 12), K(2008, 3, 12), true},
        {"nieaktywny nigdy", Wpis("D", 0, false), K(2008, 3, 12), std::nullopt, false},
        {"miesięczny przed dniem", Wpis("M", 10), K(2008, 3, 9), std::nullopt, false},
        {"miesięczny w dniu", Wpis("M", 10), K(2008, 3, 10), std::nullopt, true},
        {"miesięczny w tym samym miesiącu", Wpis("M", 10), K(2008, 3, 31), K(2008, 3, 10), false},
        {"miesięczny od nowego miesiąca", Wpis("M", 10), K(2008, 4, 1), K(2008, 3, 10), true},
        {"tygodniowy przed dniem", Wpis("T", 3), K(2008, 3, 11), std::nullopt, false},
        {"tygodniowy w dniu", Wpis("T", 3), K(2008, 3, 12), std::nullopt, true},
        {"tygodniowy w czwartek po środzie", Wpis("T", 3), K(2008, 3, 13), K(2008, 3, 12), false},
        {"tygodniowy w piątek po środzie", Wpis("T", 3), K(2008, 3, 14), K(2008, 3, 12), false},
        {"tygodniowy w następną środę", Wpis("T", 3), K(2008, 3, 19), K(2008, 3, 12), true},
        {"tygodniowy przed ostatnią", Wpis("T", 3), K(2008, 3, 19), K(2008, 3, 20), false},
        {"kwartalny tylko ręcznie", Wpis("K", 1), K(2008, 4, 1), std::nullopt, false},
        {"półroczny tylko ręcznie", Wpis("P", 1), K(2008, 7, 1), std::nullopt, false},
        {"roczny tylko ręcznie", Wpis("R", 1), K(2009, 1, 1), std::nullopt, false},
        {"nieznany kod", Wpis("X", 1), K(2009, 1, 1), std::nullopt, false},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(WpisNalezny(p.wpis, p.dzis, p.ostatnia), p.nalezny) << p.opis;
}

TEST(Harmonogram, OpisWykonania) {
    EXPECT_EQ(OpisWykonania("D", 14 * 3600000 + 5 * 60000, {}, {}, {}),
              "Codziennie do godziny:14:05");
    EXPECT_EQ(OpisWykonania("T", {}, {}, {}, 3), "3 dnia tygodnia");
    EXPECT_EQ(OpisWykonania("M", {}, 5, {}, 10), "5 dnia miesiąca");
    EXPECT_EQ(OpisWykonania("K", {}, 10, 1, {}), "10 dnia 1 miesiąca kwartału");
    EXPECT_EQ(OpisWykonania("P", {}, 15, 2, {}), "15 dnia 2 miesiąca pólrocza");
    EXPECT_EQ(OpisWykonania("R", {}, 20, 12, {}), "20 dnia 12 miesiąca roku");
    EXPECT_EQ(OpisWykonania("X", {}, 20, 12, {}), "");
}

TEST(Harmonogram, ZaznaczeniaBezLimitu) {
    std::vector<WpisHarmonogramu> wpisy;
    for (int i = 1; i <= 121; ++i) {
        WpisHarmonogramu w = Wpis("D", 0, i != 121);
        w.identyfikator = i;
        wpisy.push_back(w);
    }
    EXPECT_EQ(Zaznaczenia::Wszystkie(wpisy).Lista().size(), 120u);
    EXPECT_EQ(Zaznaczenia::Nalezne(wpisy, {}, K(2008, 3, 12)).Lista().size(), 120u);
    Zaznaczenia z;
    z.Zaznacz(5);
    z.Zaznacz(7);
    z.Zaznacz(5);
    z.Odznacz(7);
    EXPECT_EQ(z.Lista(), std::vector<int32_t>{5});
}

}  // namespace
}  // namespace mirta::spd
