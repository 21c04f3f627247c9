#include "compute/urlop.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}
OkresLMD L(int32_t l, int m, int d) {
    return OkresLMD{l, static_cast<int8_t>(m), static_cast<int8_t>(d)};
}

// Weekdays work, Saturdays are free, Sundays are holidays; before 1990 a code.
int32_t Tydzien(DataKal a, DataKal b, char litera) {
    if (a.rok < 1990)
        return 10000;
    int32_t n = 0;
    for (DataKal d = a; d <= b; d = NastepnyDzien(d)) {
        const int t = DzienTygodnia(d);
        n += (t <= 5 ? 'R' : t == 6 ? 'W' : 'S') == litera;
    }
    return n;
}
const LicznikDni kTydzien = Tydzien;

TEST(Urlop, AnnualEntitlementAcrossTheScalesSteps) {
    struct Case {
        const char* nazwa;
        char podzial;
        OkresLMD wysluga, sluzba;
        bool poprzednie;
        DataKal data;
        double etat;
        int32_t dni;
    };
    const Case cases[] = {
        {"officer 2004, 11 months, no previous work",
         '1',
         {},
         L(0, 11, 0),
         false,
         D(2004, 6, 1),
         1,
         0},
        {"officer 2004, a whole year", '1', {}, L(1, 0, 0), false, D(2004, 6, 1), 1, 30},
        {"officer 2004, previous work counts", '1', {}, L(0, 3, 0), true, D(2004, 6, 1), 1, 30},
        {"officer 2008, 7 months: 15.17 up", '1', {}, L(0, 7, 0), false, D(2008, 6, 1), 1, 16},
        {"officer 2008, 6 months: exactly 13", '1', {}, L(0, 6, 0), false, D(2008, 6, 1), 1, 13},
        {"officer 2008", '1', {}, L(5, 0, 0), false, D(2008, 6, 1), 1, 26},
        {"officer 2008, half time", '1', {}, L(5, 0, 0), false, D(2008, 6, 1), 0.5, 13},
        {"civil 2010, 10 years", '2', L(10, 0, 0), {}, false, D(2010, 1, 1), 1, 26},
        {"civil 2010, 9 years 11 months", '2', L(9, 11, 30), {}, false, D(2010, 1, 1), 1, 20},
        {"civil 2010, one year", '3', L(1, 0, 0), {}, false, D(2010, 1, 1), 1, 20},
        {"civil 2010, 7 months: 11.67 up", '2', L(0, 7, 10), {}, false, D(2010, 1, 1), 1, 12},
        {"civil 2010, nothing yet", '2', {}, {}, false, D(2010, 1, 1), 1, 0},
        {"civil 2003, 6 months", '2', L(0, 6, 0), {}, false, D(2003, 1, 1), 1, 10},
        {"civil 2002, 10 years 11 months", '2', L(10, 11, 0), {}, false, D(2002, 1, 1), 1, 20},
        {"civil 2002, 11 years", '2', L(11, 0, 0), {}, false, D(2002, 1, 1), 1, 26},
        {"civil 2002, 6 years", '2', L(6, 11, 0), {}, false, D(2002, 1, 1), 1, 18},
        {"civil 2002, 11 months", '2', L(0, 11, 0), {}, false, D(2002, 1, 1), 1, 0},
        {"civil 2008, three quarters", '2', L(12, 0, 0), {}, false, D(2008, 1, 1), 0.75, 19},
        {"pensioner", '4', L(30, 0, 0), L(30, 0, 0), true, D(2008, 1, 1), 1, 0},
    };
    for (const auto& c : cases) {
        DaneUprawnienia d;
        d.podzial = c.podzial;
        d.wysluga = c.wysluga;
        d.sluzba = c.sluzba;
        d.maPoprzednieZatrudnienie = c.poprzednie;
        EXPECT_EQ(UrlopWypoczynkowy(d, c.data, c.etat), (DniGodziny{c.dni, 0})) << c.nazwa;
    }
}

TEST(Urlop, AdditionalLeaveByPeriod) {
    struct Case {
        const char* nazwa;
        char podzial;
        int32_t sluzba;
        DataKal urodzenie;
        char grupa;
        DataKal data;
        int32_t dni;
    };
    const Case cases[] = {
        {"2004: capped at 15", '1', 26, D(1948, 1, 1), '1', D(2004, 6, 1), 15},
        {"55 on the day before the birthday", '1', 1, D(1950, 3, 15), 0, D(2005, 3, 14), 15},
        {"still 54 two days before", '1', 1, D(1950, 3, 15), 0, D(2005, 3, 13), 10},
        {"2008: 5 + 5 + 18 capped at 18", '1', 16, D(1967, 1, 1), '3', D(2008, 6, 1), 18},
        {"2011: 5 + 5 + 13 capped at 13", '1', 16, D(1970, 1, 1), '3', D(2011, 6, 1), 13},
        {"2008: 9 for 20 years", '1', 20, D(1975, 1, 1), 0, D(2008, 6, 1), 9},
        {"2005: harm group 3", '1', 2, D(1975, 1, 1), '3', D(2005, 6, 1), 7},
        {"no whole year of service", '1', 0, D(1940, 1, 1), '1', D(2008, 6, 1), 0},
        {"civil staff get none", '2', 30, D(1940, 1, 1), '1', D(2008, 6, 1), 0},
    };
    for (const auto& c : cases) {
        DaneUprawnienia d;
        d.podzial = c.podzial;
        d.sluzba = L(c.sluzba, 0, 0);
        d.dataUrodzenia = c.urodzenie;
        d.grupaSzkodliwosci = c.grupa;
        EXPECT_EQ(UrlopDodatkowy(d, c.data), (DniGodziny{c.dni, 0})) << c.nazwa;
    }
}

TEST(Urlop, DeductionTakesHoursThenDaysAndOnlyTheEntitlementGoesNegative) {
    struct Case {
        const char* nazwa;
        DniGodziny saldo, uzyty;
        int32_t h;
        bool biezacy;
        DniGodziny poOdliczeniu, reszta;
    };
    const Case cases[] = {
        {"used beyond the year's entitlement", {2, 0}, {3, 4}, 8, true, {-1, -4}, {0, 0}},
        {"carry-over stops at zero", {2, 0}, {3, 4}, 8, false, {0, 0}, {1, 4}},
        {"half time: four hours a day", {13, 0}, {0, 6}, 4, true, {11, 2}, {0, 0}},
        {"days from spare hours", {0, 16}, {1, 0}, 8, true, {0, 8}, {0, 0}},
        {"no hours a day counts eight", {1, 0}, {0, 3}, 0, true, {0, 5}, {0, 0}},
        {"negative amounts count nothing", {5, 0}, {-2, -3}, 8, true, {5, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        DniGodziny saldo = c.saldo;
        EXPECT_EQ(OdliczUrlop(saldo, c.uzyty, c.h, c.biezacy), c.reszta) << c.nazwa;
        EXPECT_EQ(saldo, c.poOdliczeniu) << c.nazwa;
    }
}

TEST(Urlop, AmountOfALeaveRow) {
    const TypUrlopu robocze{'R', 'W'}, kalendarzowe{'K', 'W'}, funkcjonariusza{'F', 'W'};
    // 2007-01-01 (Monday) .. 2007-01-14: 10 working days, 14 calendar days.
    auto ilosc = [](TypUrlopu t, DataKal od, DataKal doDnia) {
        return PoliczIloscUrlopu(od, doDnia, t, false, 0, false, 0, kTydzien).rzeczywista;
    };
    EXPECT_EQ(ilosc(robocze, D(2007, 1, 1), D(2007, 1, 14)), (DniGodziny{10, 0}));
    EXPECT_EQ(ilosc(kalendarzowe, D(2007, 1, 1), D(2007, 1, 14)), (DniGodziny{14, 0}));
    EXPECT_EQ(ilosc(funkcjonariusza, D(2007, 1, 1), D(2007, 1, 14)), (DniGodziny{10, 0}));
    EXPECT_EQ(ilosc(funkcjonariusza, D(2005, 1, 3), D(2005, 1, 16)), (DniGodziny{14, 0}));
    // No count from the calendar is no count at all, not 10000 days.
    EXPECT_EQ(ilosc(robocze, D(1980, 1, 1), D(1980, 1, 14)), (DniGodziny{0, 0}));
    EXPECT_EQ(ilosc(robocze, D(2007, 1, 1), DataKal{}), (DniGodziny{0, 0}));
    // Typed days or hours win.
    EXPECT_EQ(PoliczIloscUrlopu(D(2007, 1, 1), D(2007, 1, 14), robocze, false, 0, true, 5, kTydzien)
                  .rzeczywista,
              (DniGodziny{0, 5}));
}

TEST(Urlop, BalanceFrom2006CutsRowsAtTheDateAndUsesTheCarryOverFirst) {
    const TypUrlopu wyp{'R', 'W'}, dod{'K', 'D'}, inny{'K', 'I'};
    const PozycjaUrlopu urlopy[] = {
        {D(2006, 3, 6), D(2006, 3, 10), wyp, {5, 0}},
        {D(2006, 7, 1), D(2006, 7, 3), dod, {3, 0}},
        {D(2006, 8, 1), D(2006, 8, 31), inny, {31, 0}},
        // Crosses the year's end: only 20..31 December counts (8 working days).
        {D(2006, 12, 20), D(2007, 1, 10), wyp, {15, 0}},
    };
    const ZestawienieUrlopu z = ZestawienieOdRoku2006({{26, 0}, {9, 0}}, {{6, 0}, {0, 0}}, urlopy,
                                                      D(2006, 12, 31), 2006, 1.0, kTydzien);
    EXPECT_EQ(z.wykorzystany, (ParaUrlopow{{13, 0}, {3, 0}}));
    EXPECT_EQ(z.pozostalyZalegly, (ParaUrlopow{{0, 0}, {0, 0}}));
    EXPECT_EQ(z.pozostalyBiezacy, (ParaUrlopow{{19, 0}, {6, 0}}));
    EXPECT_EQ(z.razemNalezny, (ParaUrlopow{{32, 0}, {9, 0}}));
    EXPECT_EQ(z.razemPozostaly, (ParaUrlopow{{19, 0}, {6, 0}}));
    EXPECT_EQ(z.wypoczynkowy.kalendarzowe, 5 + 12);
    EXPECT_EQ(z.wypoczynkowy.robocze, 5 + 8);
    EXPECT_EQ(z.wypoczynkowy.swietaWUrlopie, 2);

    // The same row seen on 2007-01-10 in the next year's file counts whole.
    const PozycjaUrlopu nowyRok[] = {{D(2006, 12, 20), D(2007, 1, 10), wyp, {15, 0}}};
    const ZestawienieUrlopu n =
        ZestawienieOdRoku2006({{26, 0}, {}}, {}, nowyRok, D(2007, 1, 10), 2007, 1.0, kTydzien);
    EXPECT_EQ(n.pozostalyBiezacy.wypoczynkowy, (DniGodziny{11, 0}));
}

TEST(Urlop, OfficersGetSundaysBeyondFourBackBefore2007) {
    const TypUrlopu f{'F', 'W'};
    // Five Sundays in 2006-01-01 .. 2006-01-29.
    const PozycjaUrlopu urlopy[] = {{D(2006, 1, 1), D(2006, 1, 29), f, {20, 0}}};
    const ZestawienieUrlopu z =
        ZestawienieOdRoku2006({{26, 0}, {}}, {}, urlopy, D(2006, 6, 1), 2006, 1.0, kTydzien);
    EXPECT_EQ(z.wypoczynkowy.swietaWUrlopie, 5);
    EXPECT_EQ(z.pozostalyBiezacy.wypoczynkowy.dni, 26 - 20 + 1);
}

TEST(Urlop, BalanceUpTo2005CarriesOverByAge) {
    const TypUrlopu wyp{'K', 'W'};
    const WierszUrlopuNaleznego nalezne[] = {{2004, 5, 0, 0}};
    const PozycjaUrlopu urlopy[] = {{D(2005, 2, 1), D(2005, 2, 10), wyp, {10, 0}},
                                    {D(2005, 9, 1), D(2005, 9, 5), wyp, {5, 0}}};
    auto uprawnienie = [](DataKal) { return ParaUrlopow{{26, 0}, {0, 0}}; };
    const ZestawienieUrlopu z =
        ZestawienieDoRoku2005(nalezne, urlopy, D(2005, 6, 30), 2005, uprawnienie, kTydzien);
    EXPECT_EQ(z.zalegly.wypoczynkowy.dni, 26 + 5);
    // Ten days: five two years back, five of last year's 26.
    EXPECT_EQ(z.pozostalyZalegly.wypoczynkowy.dni, 21);
    EXPECT_EQ(z.pozostalyBiezacy.wypoczynkowy.dni, 26);
    EXPECT_EQ(z.wykorzystany.wypoczynkowy.dni, 10);
    EXPECT_EQ(z.wypoczynkowy.kalendarzowe, 10);
    EXPECT_EQ(z.razemPozostaly.wypoczynkowy.dni, 47);
}

TEST(Urlop, LeaveDueText) {
    ZestawienieUrlopu z;
    z.nalezny = {{26, 0}, {9, 0}};
    z.pozostalyBiezacy = {{20, 4}, {9, 0}};
    z.razemNalezny = z.nalezny;
    z.razemPozostaly = z.pozostalyBiezacy;
    z.wykorzystany = {{5, 4}, {0, 0}};
    z.wypoczynkowy = {8, 6, 1, 1, 1};
    EXPECT_EQ(TekstUrlopowNaleznych(z, D(2026, 12, 10)),
              "Obliczenie urlopu na dzień: 10 grudnia 2026.\n"
              "\n"
              "Urlop roku bieżącego:\n"
              "Urlop wypoczynkowy: 26/0, dodatkowy: 9/0, razem: 35/0. Pozostało: urlop "
              "wypoczynkowy: 20/4, dodatkowy: 9/0, razem: 29/4\n"
              "Urlop zaległy:\n"
              "Urlop wypoczynkowy: 0/0, dodatkowy: 0/0, razem: 0/0. Pozostało: urlop "
              "wypoczynkowy: 0/0, dodatkowy: 0/0, razem: 0/0\n"
              "Razem urlopy:\n"
              "Urlop wypoczynkowy: 26/0, dodatkowy: 9/0, razem: 35/0. Pozostało: urlop "
              "wypoczynkowy: 20/4, dodatkowy: 9/0, razem: 29/4\n"
              "Dni wykorzystane: urlop wypoczynkowy: 5/4, dodatkowy: 0/0, razem: 5/4, "
              "kalendarzowe:8, robocze: 6, świąteczne funk.:1.\n");
}

}  // namespace
}  // namespace mirta::compute
