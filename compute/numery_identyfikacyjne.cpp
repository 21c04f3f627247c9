#include "compute/numery_identyfikacyjne.h"

#include <array>

namespace mirta::compute {
namespace {

bool SameCyfry(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int Cyfra(std::string_view s, size_t i) {
    return s[i] - '0';
}

}  // namespace

Pesel CzytajPesel(std::string_view numer) {
    Pesel wynik;
    if (numer.size() != 11 || !SameCyfry(numer))
        return wynik;
    constexpr std::array<int, 10> kWagi = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int suma = 0;
    for (size_t i = 0; i < kWagi.size(); ++i)
        suma += kWagi[i] * Cyfra(numer, i);
    if ((10 - suma % 10) % 10 != Cyfra(numer, 10))
        return wynik;
    // The century is coded in the month: +80 for the 1800s, +0, +20, +40, +60 from 1900 on.
    int miesiac = Cyfra(numer, 2) * 10 + Cyfra(numer, 3);
    const int przesuniecie = miesiac / 20;
    constexpr std::array<int, 5> kStulecia = {1900, 2000, 2100, 2200, 1800};
    miesiac -= przesuniecie * 20;
    const DataKal data{kStulecia[przesuniecie] + Cyfra(numer, 0) * 10 + Cyfra(numer, 1),
                       static_cast<uint8_t>(miesiac),
                       static_cast<uint8_t>(Cyfra(numer, 4) * 10 + Cyfra(numer, 5))};
    if (!data.Poprawna())
        return wynik;
    wynik.poprawny = true;
    wynik.dataUrodzenia = data;
    wynik.plec = Cyfra(numer, 9) % 2 == 1 ? 'M' : 'K';
    return wynik;
}

bool PoprawnyNip(std::string_view numer) {
    std::string cyfry;
    for (char c : numer) {
        if (c == '-' || c == ' ')
            continue;
        if (c < '0' || c > '9')
            return false;
        cyfry += c;
    }
    if (cyfry.size() != 10)
        return false;
    constexpr std::array<int, 9> kWagi = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int suma = 0;
    for (size_t i = 0; i < kWagi.size(); ++i)
        suma += kWagi[i] * Cyfra(cyfry, i);
    const int kontrolna = suma % 11;
    return kontrolna != 10 && kontrolna == Cyfra(cyfry, 9);
}

}  // namespace mirta::compute
