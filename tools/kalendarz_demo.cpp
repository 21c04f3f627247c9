#include "engine/value.h"
#include "store/kalendarz.h"
#include "tools/kariera.h"

namespace mirta::tools {

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

// The holidays the program's calendar generates.
bool Swieto(int32_t dzien) {
    const auto d = engine::CivilFromDayNumber(dzien);
    return store::SwietoKalendarza(d.year, d.month, d.day);
}

int DniRobocze(int32_t od, int32_t doDnia) {
    int n = 0;
    for (int32_t d = od; d <= doDnia; ++d)
        if (DzienTygodnia(d) <= 5 && !Swieto(d))
            ++n;
    return n;
}

}  // namespace mirta::tools
