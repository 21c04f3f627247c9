// The day-number implementations against the literal day-by-day rules on random input.
#include "compute/testing/krokowo.h"

#include <gtest/gtest.h>

#include <random>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"
#include "compute/przedzial_dat.h"
#include "compute/staz.h"

namespace mirta::compute {
namespace {

std::string Tekst(DataKal d) {
    return std::to_string(d.rok) + "-" + std::to_string(d.miesiac) + "-" + std::to_string(d.dzien);
}

class LosoweDaty {
public:
    explicit LosoweDaty(uint32_t ziarno) : m_gen(ziarno) {}

    // Years around century leap rules, with month ends, month starts and leap days overrepresented.
    DataKal Data(int32_t rokOd = 5, int32_t rokDo = 2400) {
        static const int32_t kSzczegolne[] = {1900, 2000, 2100, 2400, 2004, 1999, 2001};
        int32_t rok = Los(0, 3) == 0 ? kSzczegolne[Los(0, 6)] : Los(rokOd, rokDo);
        if (rok < rokOd || rok > rokDo)
            rok = Los(rokOd, rokDo);
        const int miesiac = Los(0, 4) == 0 ? 2 : Los(1, 12);
        const int dlugosc = DniMiesiaca(rok, miesiac);
        int dzien;
        switch (Los(0, 5)) {
            case 0:
                dzien = dlugosc;
                break;
            case 1:
                dzien = 1;
                break;
            case 2:
                dzien = dlugosc - Los(0, 2);
                break;
            default:
                dzien = Los(1, dlugosc);
        }
        return DataKal{rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)};
    }

    // A second date at most `zasieg` days away.
    DataKal Blisko(DataKal d, int zasieg) { return krokowo::DodajDni(d, Los(-zasieg, zasieg)); }

    OkresLMD Okres() {
        return OkresLMD{Los(-3, 40), static_cast<int8_t>(Los(-14, 14)),
                        static_cast<int8_t>(Los(-40, 45))};
    }

    int Los(int od, int doWlacznie) {
        return std::uniform_int_distribution<int>(od, doWlacznie)(m_gen);
    }

private:
    std::mt19937 m_gen;
};

TEST(Krokowo, DayStepsAndDayAddition) {
    LosoweDaty los(1);
    for (int i = 0; i < 20000; ++i) {
        const DataKal d = los.Data();
        ASSERT_EQ(NastepnyDzien(d), krokowo::Nastepny(d)) << Tekst(d);
        ASSERT_EQ(PoprzedniDzien(d), krokowo::Poprzedni(d)) << Tekst(d);
        const int n = los.Los(-1500, 1500);
        ASSERT_EQ(DodajDni(d, n), krokowo::DodajDni(d, n)) << Tekst(d) << " + " << n;
        ASSERT_EQ(DzienTygodnia(NastepnyDzien(d)), DzienTygodnia(d) % 7 + 1) << Tekst(d);
    }
}

TEST(Krokowo, DayDifferencesAndRangeCounts) {
    LosoweDaty los(2);
    for (int i = 0; i < 10000; ++i) {
        const DataKal p = los.Data(20, 2200);
        const DataKal q = los.Blisko(p, 3000);
        ASSERT_EQ(RoznicaDni(p, q), krokowo::Roznica(p, q)) << Tekst(p) << " - " << Tekst(q);
        const int64_t r = krokowo::Roznica(q, p);
        ASSERT_EQ(DniPrzedzialu({p, q}), r >= 0 ? r + 1 : r - 1) << Tekst(p) << " .. " << Tekst(q);
    }
}

TEST(Krokowo, PeriodLengths) {
    LosoweDaty los(3);
    for (int i = 0; i < 50000; ++i) {
        const DataKal a = los.Data();
        const DataKal b = los.Los(0, 1) ? los.Data() : los.Blisko(a, 800);
        ASSERT_EQ(DlugoscOkresu(a, b), krokowo::Okres(a, b))
            << Tekst(a) << " .. " << Tekst(b) << ": " << TekstOkresu(DlugoscOkresu(a, b))
            << " instead of " << TekstOkresu(krokowo::Okres(a, b));
    }
}

TEST(Krokowo, LengthArithmetic) {
    LosoweDaty los(4);
    for (int i = 0; i < 50000; ++i) {
        const OkresLMD x = los.Okres();
        const OkresLMD y = los.Okres();
        ASSERT_EQ(x + y, krokowo::Dodaj(x, y)) << TekstOkresu(x) << " + " << TekstOkresu(y);
        ASSERT_EQ(x - y, krokowo::Odejmij(x, y)) << TekstOkresu(x) << " - " << TekstOkresu(y);
    }
}

// A working life: records mostly one after another, with gaps, overlaps, open ends and
// records reaching past the reference date.
DaneStazu LosowyPracownik(LosoweDaty& los) {
    DaneStazu d;
    DataKal od = los.Data(1960, 2010);
    for (int i = 0, n = los.Los(0, 12); i < n; ++i) {
        DataKal doDnia = krokowo::DodajDni(od, los.Los(0, 2500));
        if (los.Los(0, 9) == 0)
            doDnia = DataKal{};
        d.zatrudnienie.push_back({od, doDnia, los.Los(1, 4)});
        const int krok = los.Los(0, 3);
        const DataKal koniec = doDnia.Pusta() ? krokowo::DodajDni(od, 300) : doDnia;
        od = krok == 0   ? krokowo::Nastepny(koniec)
             : krok == 1 ? krokowo::DodajDni(koniec, los.Los(2, 400))
             : krok == 2 ? krokowo::DodajDni(koniec, -los.Los(0, 100))
                         : krokowo::Nastepny(koniec);
    }
    DataKal pop = los.Data(1950, 1990);
    for (int i = 0, n = los.Los(0, 5); i < n; ++i) {
        const DataKal doDnia = krokowo::DodajDni(pop, los.Los(0, 2000));
        d.poprzednieZatrudnienie.push_back({pop, doDnia, los.Los(0, 1) == 1, los.Los(0, 1) == 1,
                                            los.Los(0, 1) == 1, los.Los(0, 1) == 1});
        pop = los.Los(0, 1) ? krokowo::Nastepny(doDnia) : krokowo::DodajDni(doDnia, los.Los(1, 50));
    }
    for (int i = 0, n = los.Los(0, 3); i < n; ++i) {
        const DataKal od = los.Data(1990, 2030);
        d.urlopy.push_back({od, los.Los(0, 5) ? krokowo::DodajDni(od, los.Los(0, 400)) : DataKal{},
                            los.Los(0, 1) ? 9 : 3});
    }
    if (los.Los(0, 7) == 0)
        d.dataDoWyslugi = los.Data(1970, 2020);
    if (los.Los(0, 7) == 0)
        d.dataDoSluzby = los.Data(1970, 2020);
    return d;
}

TEST(Krokowo, SeniorityOfEveryKind) {
    LosoweDaty los(5);
    const RodzajStazu rodzaje[] = {RodzajStazu::Wysluga, RodzajStazu::Sluzba,
                                   RodzajStazu::NagrodaJubileuszowa, RodzajStazu::Emerytura};
    for (int i = 0; i < 3000; ++i) {
        const DaneStazu d = LosowyPracownik(los);
        const DataKal r = los.Data(1990, 2040);
        for (const RodzajStazu rodzaj : rodzaje)
            ASSERT_EQ(Staz(d, rodzaj, r), krokowo::Staz(d, rodzaj, r))
                << "employee " << i << " kind " << int(rodzaj) << " at " << Tekst(r);
    }
}

TEST(Krokowo, NextIncreaseForEveryCount) {
    // Every normalised count of months and days, in leap and common years.
    for (const int32_t rok : {1999, 2003, 2007, 2099, 2100}) {
        for (int m = 0; m <= 11; ++m) {
            for (int dni = 0; dni <= 30; ++dni) {
                const OkresLMD p{7, static_cast<int8_t>(m), static_cast<int8_t>(dni)};
                const WzrostStazu w = NastepnyWzrost(p, rok);
                const WzrostStazu k = krokowo::NastepnyWzrost(p, rok);
                ASSERT_EQ(w.data, k.data) << TekstOkresu(p) << " in " << rok;
                ASSERT_EQ(w.lata, k.lata) << TekstOkresu(p) << " in " << rok;
            }
        }
    }
    // Counts no seniority computation produces still follow the loop.
    LosoweDaty los(6);
    for (int i = 0; i < 5000; ++i) {
        const OkresLMD p = los.Okres();
        const int32_t rok = los.Los(1990, 2100);
        const WzrostStazu w = NastepnyWzrost(p, rok);
        const WzrostStazu k = krokowo::NastepnyWzrost(p, rok);
        ASSERT_EQ(w.data, k.data) << TekstOkresu(p) << " in " << rok;
        ASSERT_EQ(w.lata, k.lata) << TekstOkresu(p) << " in " << rok;
    }
}

TEST(Krokowo, NextIncreaseOfEmployees) {
    LosoweDaty los(7);
    for (int i = 0; i < 2000; ++i) {
        const DaneStazu d = LosowyPracownik(los);
        const int32_t rok = los.Los(1995, 2030);
        const OkresLMD p = krokowo::Staz(d, RodzajStazu::Wysluga, DataKal{rok, 12, 31});
        ASSERT_EQ(DataNastepnegoWzrostu(d, rok), krokowo::NastepnyWzrost(p, rok).data)
            << "employee " << i << " in " << rok;
    }
}

}  // namespace
}  // namespace mirta::compute
