#include "tools/losowanie.h"

#include <cmath>

namespace mirta::tools {

int64_t Losowanie::Liczba(int64_t od, int64_t doWl) {
    if (doWl <= od)
        return od;
    const uint64_t zakres = static_cast<uint64_t>(doWl - od) + 1;
    if (zakres == 0)  // the whole 64-bit range
        return static_cast<int64_t>(m_silnik());
    // Rejection keeps every value equally likely.
    const uint64_t granica = UINT64_MAX - UINT64_MAX % zakres;
    uint64_t x;
    do {
        x = m_silnik();
    } while (x >= granica);
    return od + static_cast<int64_t>(x % zakres);
}

double Losowanie::Ulamek() {
    return static_cast<double>(m_silnik() >> 11) * 0x1.0p-53;
}

double Losowanie::Kwota(double od, double doWl) {
    const int64_t grosze = Liczba(std::llround(od * 100), std::llround(doWl * 100));
    return static_cast<double>(grosze) / 100.0;
}

size_t Losowanie::Waga(const std::vector<int>& wagi) {
    int64_t suma = 0;
    for (int w : wagi)
        suma += w;
    int64_t x = Liczba(0, suma - 1);
    for (size_t i = 0; i < wagi.size(); ++i) {
        if (x < wagi[i])
            return i;
        x -= wagi[i];
    }
    return wagi.size() - 1;
}

std::string Losowanie::Cyfry(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('0' + Liczba(0, 9));
    return s;
}

}  // namespace mirta::tools
