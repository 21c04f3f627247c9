#include "store/engine/value.h"
#include "tools/kariera.h"

namespace mirta::tools {

namespace {

int32_t Wielkanoc(int rok) {
    // Anonymous Gregorian algorithm.
    const int a = rok % 19, b = rok / 100, c = rok % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int miesiac = (h + l - 7 * m + 114) / 31, dzien = (h + l - 7 * m + 114) % 31 + 1;
    return engine::DayNumberFromCivil(rok, miesiac, dzien);
}

}  // namespace

int Rok(int32_t dzien) {
    return engine::CivilFromDayNumber(dzien).year;
}

int32_t Dzien(int rok, int miesiac, int dzien) {
    return engine::DayNumberFromCivil(rok, miesiac, dzien);
}

int32_t PoLatach(int32_t dzien, int lat) {
    const auto d = engine::CivilFromDayNumber(dzien);
    return Dzien(d.year + lat, d.month, d.month == 2 && d.day == 29 ? 28 : d.day);
}

int32_t PoMiesiacach(int32_t dzien, int miesiecy) {
    const auto d = engine::CivilFromDayNumber(dzien);
    int m = d.year * 12 + (d.month - 1) + miesiecy;
    const int rok = m / 12, miesiac = m % 12 + 1;
    static const int kDni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int dni = kDni[miesiac - 1];
    if (miesiac == 2 && (rok % 4 == 0 && (rok % 100 != 0 || rok % 400 == 0)))
        dni = 29;
    return Dzien(rok, miesiac, d.day > dni ? dni : d.day);
}

int DzienTygodnia(int32_t dzien) {
    // Day 1 (0001-01-01) was a Monday.
    return static_cast<int>(((dzien - 1) % 7 + 7) % 7) + 1;
}

// The statutory holidays: the fixed ones the calendar generates itself and the movable ones
// a personnel office marks by hand every year.
bool Swieto(int32_t dzien) {
    const auto d = engine::CivilFromDayNumber(dzien);
    const int md = d.month * 100 + d.day;
    switch (md) {
        case 101:
        case 501:
        case 503:
        case 815:
        case 1101:
        case 1111:
        case 1225:
        case 1226:
            return true;
        case 106:
            return d.year >= 2011;
        case 1224:
            return d.year >= 2025;
        default:
            break;
    }
    const int32_t wielkanoc = Wielkanoc(d.year);
    return dzien == wielkanoc + 1 || dzien == wielkanoc + 60;
}

int DniRobocze(int32_t od, int32_t doDnia) {
    int n = 0;
    for (int32_t d = od; d <= doDnia; ++d)
        if (DzienTygodnia(d) <= 5 && !Swieto(d))
            ++n;
    return n;
}

}  // namespace mirta::tools
