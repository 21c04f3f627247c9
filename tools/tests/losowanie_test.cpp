#include "tools/losowanie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/value.h"
#include "tools/kariera.h"
#include "tools/nazwiska.h"

namespace mirta::tools {
namespace {

TEST(Losowanie, TheSameSeedGivesTheSameSequence) {
    Losowanie a(42), b(42), c(43);
    bool rozne = false;
    for (int i = 0; i < 100; ++i) {
        const int64_t x = a.Liczba(-5, 1000);
        EXPECT_EQ(x, b.Liczba(-5, 1000));
        rozne = rozne || x != c.Liczba(-5, 1000);
    }
    EXPECT_TRUE(rozne);
}

// Pinned values: a change here changes every generated data directory.
TEST(Losowanie, SequenceIsFixedAcrossLibraries) {
    Losowanie los(20261210);
    std::vector<int64_t> liczby;
    for (int i = 0; i < 8; ++i)
        liczby.push_back(los.Liczba(1, 1000));
    EXPECT_EQ(liczby, (std::vector<int64_t>{98, 750, 143, 92, 921, 332, 797, 291}));
}

TEST(Losowanie, RangesAreInclusiveAndCovered) {
    Losowanie los(7);
    bool widziane[5] = {};
    for (int i = 0; i < 500; ++i) {
        const int64_t x = los.Liczba(10, 14);
        ASSERT_GE(x, 10);
        ASSERT_LE(x, 14);
        widziane[x - 10] = true;
        const double u = los.Ulamek();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    for (bool w : widziane)
        EXPECT_TRUE(w);
    EXPECT_EQ(los.Liczba(3, 3), 3);
    EXPECT_EQ(los.Liczba(3, 1), 3);
}

TEST(Nazwiska, FemaleFormsOfSurnames) {
    const struct {
        const char* meskie;
        const char* zenskie;
    } kPrzypadki[] = {
        {"Kowalski", "Kowalska"},   {"Zawadzki", "Zawadzka"}, {"Czarnecki", "Czarnecka"},
        {"Konieczny", "Konieczna"}, {"Nowak", "Nowak"},       {"Żak", "Żak"},
    };
    for (const auto& p : kPrzypadki) {
        EXPECT_EQ(FormaNazwiska(p.meskie, 'K'), p.zenskie);
        EXPECT_EQ(FormaNazwiska(p.meskie, 'M'), p.meskie);
    }
}

TEST(Nazwiska, IdentityNumbersCarryValidCheckDigits) {
    Losowanie los(1);
    const int32_t urodzony = engine::DayNumberFromCivil(2003, 4, 9);
    for (int i = 0; i < 50; ++i) {
        const char plec = i % 2 ? 'K' : 'M';
        const std::string pesel = Pesel(los, urodzony, plec);
        ASSERT_EQ(pesel.size(), 11u);
        EXPECT_EQ(pesel.substr(0, 6), "032409");  // months of the 2000s get 20 added
        static const int kWagi[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
        int suma = 0;
        for (int j = 0; j < 10; ++j)
            suma += (pesel[j] - '0') * kWagi[j];
        EXPECT_EQ((10 - suma % 10) % 10, pesel[10] - '0');
        EXPECT_EQ((pesel[9] - '0') % 2, plec == 'K' ? 0 : 1);

        std::string nip = Nip(los);
        nip.erase(std::remove(nip.begin(), nip.end(), '-'), nip.end());
        static const int kWagiNip[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
        suma = 0;
        for (int j = 0; j < 9; ++j)
            suma += (nip[j] - '0') * kWagiNip[j];
        EXPECT_EQ(suma % 11, nip[9] - '0');

        // An account number is valid when the number with "PL" moved to the end is 1 mod 97.
        std::string konto = NumerKonta(los);
        konto.erase(std::remove(konto.begin(), konto.end(), ' '), konto.end());
        ASSERT_EQ(konto.size(), 26u);
        const std::string test = konto.substr(2) + "2521" + konto.substr(0, 2);
        int reszta = 0;
        for (char c : test)
            reszta = (reszta * 10 + (c - '0')) % 97;
        EXPECT_EQ(reszta, 1);
    }
}

TEST(Kalendarz, MovableHolidaysAndWorkingDays) {
    // Easter Monday 2026 is 6 April, Corpus Christi 4 June.
    EXPECT_TRUE(Swieto(Dzien(2026, 4, 6)));
    EXPECT_TRUE(Swieto(Dzien(2026, 6, 4)));
    EXPECT_FALSE(Swieto(Dzien(2026, 4, 7)));
    EXPECT_TRUE(Swieto(Dzien(2026, 12, 24)));
    EXPECT_FALSE(Swieto(Dzien(2020, 12, 24)));
    EXPECT_EQ(DzienTygodnia(Dzien(2026, 12, 10)), 4);  // a Thursday
    // A week without holidays, Monday to Sunday.
    EXPECT_EQ(DniRobocze(Dzien(2026, 3, 9), Dzien(2026, 3, 15)), 5);
    EXPECT_EQ(PoLatach(Dzien(2024, 2, 29), 1), Dzien(2025, 2, 28));
    EXPECT_EQ(PoMiesiacach(Dzien(2026, 1, 31), 1), Dzien(2026, 2, 28));
}

}  // namespace
}  // namespace mirta::tools
