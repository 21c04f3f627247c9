// The day-number implementations against the literal day-by-day rules on random input.
#include "compute/tests/krokowo.h"

#include <gtest/gtest.h>

#include <random>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"
#include "compute/przedzial_dat.h"

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
    for (int i = 0; i < 20000; ++i) {
        const DataKal p = los.Data(20, 2200);
        const DataKal q = los.Blisko(p, 4000);
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
        ASSERT_EQ(DlugoscOkresu(a, b), krokowo::DlugoscOkresu(a, b))
            << Tekst(a) << " .. " << Tekst(b) << ": " << TekstOkresu(DlugoscOkresu(a, b))
            << " instead of " << TekstOkresu(krokowo::DlugoscOkresu(a, b));
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

}  // namespace
}  // namespace mirta::compute
