#include "compute/staz.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

DataKal D(int32_t r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}
OkresLMD L(int32_t l, int m, int d) {
    return OkresLMD{l, static_cast<int8_t>(m), static_cast<int8_t>(d)};
}
const DataKal kBrak{};
const DataKal kR = D(2010, 12, 31);

TEST(Staz, MergedEmployment) {
    struct Case {
        const char* nazwa;
        std::vector<RekordZatrudnienia> rekordy;
        OkresLMD suma;
    };
    const Case cases[] = {
        {"contiguous records make one period",
         {{D(2000, 1, 15), D(2000, 6, 30), 1}, {D(2000, 7, 1), D(2001, 1, 14), 1}},
         L(1, 0, 0)},
        {"a one-day gap makes two periods",
         {{D(2000, 1, 15), D(2000, 6, 30), 1}, {D(2000, 7, 2), D(2001, 1, 14), 1}},
         L(0, 5, 16) + L(0, 6, 13)},
        {"overlapping days count twice",
         {{D(2000, 1, 1), D(2000, 12, 31), 1}, {D(2000, 12, 1), D(2001, 1, 31), 1}},
         L(1, 2, 0)},
        {"an open record runs to the reference date", {{D(2000, 1, 1), kBrak, 1}}, L(11, 0, 0)},
        {"an end after the reference date is cut",
         {{D(2000, 1, 1), D(2015, 5, 5), 1}},
         L(11, 0, 0)},
        {"a record starting after the reference date is ignored",
         {{D(2010, 1, 1), D(2010, 12, 31), 1}, {D(2011, 1, 1), kBrak, 1}},
         L(1, 0, 0)},
        {"an open period is closed by the next record's end",
         {{D(2000, 1, 1), kBrak, 1}, {D(2005, 1, 1), D(2005, 12, 31), 1}},
         L(6, 0, 0)},
        {"a continuation without an end leaves the period open",
         {{D(2000, 1, 1), D(2004, 12, 31), 1}, {D(2005, 1, 1), kBrak, 1}},
         L(11, 0, 0)},
        {"no records", {}, L(0, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaloneZatrudnienie(c.rekordy, RodzajStazu::Wysluga, kR), c.suma)
            << c.nazwa << ": "
            << TekstOkresu(ScaloneZatrudnienie(c.rekordy, RodzajStazu::Wysluga, kR));
}

TEST(Staz, KindsFilterRecords) {
    DaneStazu d;
    d.zatrudnienie = {{D(2000, 1, 1), D(2004, 12, 31), 1},   // service
                      {D(2005, 1, 1), D(2009, 12, 31), 3}};  // not service
    d.poprzednieZatrudnienie = {{D(1990, 1, 1), D(1990, 12, 31), true, false, false, false},
                                {D(1992, 1, 1), D(1993, 12, 31), false, true, true, true}};
    EXPECT_EQ(Staz(d, RodzajStazu::Wysluga, kR), L(11, 0, 0));
    EXPECT_EQ(Staz(d, RodzajStazu::Sluzba, kR), L(7, 0, 0));
    EXPECT_EQ(Staz(d, RodzajStazu::NagrodaJubileuszowa, kR), L(12, 0, 0));
    EXPECT_EQ(ScalonePoprzednieZatrudnienie(d.poprzednieZatrudnienie, std::nullopt, kR),
              L(3, 0, 0));

    // Unpaid leave (type 9 only) is deducted; an open or long leave counts to the date.
    d.urlopy = {{D(2003, 1, 1), D(2003, 1, 10), 9},
                {D(2003, 2, 1), D(2003, 2, 20), 3},
                {D(2010, 12, 1), kBrak, 9},
                {D(2011, 1, 1), D(2011, 1, 5), 9}};
    const SkladnikiStazu s = Skladniki(d, RodzajStazu::Wysluga, kR);
    EXPECT_EQ(s.zatrudnienie, L(10, 0, 0));
    EXPECT_EQ(s.poprzednie, L(1, 0, 0));
    EXPECT_EQ(s.urlopBezplatny, L(0, 1, 10));
    EXPECT_EQ(Staz(d, RodzajStazu::Wysluga, kR), L(10, 10, 21));

    // An override date ignores the records and the leave.
    d.dataDoWyslugi = D(1980, 1, 1);
    EXPECT_EQ(Staz(d, RodzajStazu::Wysluga, kR), L(31, 0, 0));
    EXPECT_EQ(Staz(d, RodzajStazu::Sluzba, kR), L(6, 10, 21));
}

TEST(Staz, RaisePercentages) {
    struct Case {
        int32_t lata;
        int cywil;
        double funkcjonariusz;
    };
    const Case cases[] = {
        {0, 0, 0},      {1, 0, 0},    {2, 0, 2},      {4, 0, 4},    {5, 5, 5},    {20, 20, 20},
        {21, 20, 20.5}, {22, 20, 21}, {25, 20, 22.5}, {30, 20, 25}, {35, 20, 25}, {-1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProcentWyslugiCywila(c.lata), c.cywil) << c.lata;
        EXPECT_EQ(ProcentWyslugiFunkcjonariusza(c.lata), c.funkcjonariusz) << c.lata;
    }
}

TEST(Staz, NextIncreaseAndBaseDate) {
    struct Case {
        const char* nazwa;
        DataKal od;  // one open employment record
        int32_t rok;
        DataKal wzrost;
        DataKal baza;
    };
    const Case cases[] = {
        // At 31.12.2010: 5 years 11 months 30 days; the sixth year completes on 1.1.2011.
        {"almost a full year", D(2005, 1, 2), 2010, D(2011, 1, 2), D(2005, 1, 2)},
        {"started on 1 January", D(2005, 1, 1), 2010, D(2012, 1, 1), D(2005, 1, 1)},
        {"mid-year start", D(2005, 7, 15), 2010, D(2011, 7, 15), D(2005, 7, 15)},
        {"start at a month's end", D(2005, 3, 31), 2010, D(2011, 3, 31), D(2005, 3, 31)},
        {"leap day start", D(2004, 2, 29), 2010, D(2011, 3, 1), D(2004, 3, 1)},
        {"a year ending with February", D(2003, 3, 1), 2011, D(2012, 3, 1), D(2003, 3, 1)},
    };
    for (const auto& c : cases) {
        DaneStazu d;
        d.zatrudnienie = {{c.od, kBrak, 1}};
        EXPECT_EQ(DataNastepnegoWzrostu(d, c.rok), c.wzrost) << c.nazwa;
        EXPECT_EQ(DataBazowaStazu(d, RodzajStazu::Wysluga, c.rok), c.baza) << c.nazwa;
    }
    // Three more days of previous employment: at 31.12.2011 the count is 8 years 10 months
    // 3 days, the ninth year completes on 28.02.2012, and the base date would be 29.02.2003.
    DaneStazu d;
    d.zatrudnienie = {{D(2003, 3, 1), kBrak, 1}};
    d.poprzednieZatrudnienie = {{D(1999, 5, 1), D(1999, 5, 3), true, true, true, true}};
    EXPECT_EQ(DataNastepnegoWzrostu(d, 2011), D(2012, 2, 29));
    EXPECT_EQ(DataBazowaStazu(d, RodzajStazu::Wysluga, 2011), D(2003, 2, 28));
}

}  // namespace
}  // namespace mirta::compute
