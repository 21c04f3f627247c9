#include "compute/kalendarz_miesiaca.h"

#include "compute/data_kal.h"

namespace mirta::compute {

// The anonymous Gregorian algorithm.
int64_t Wielkanoc(int rok) {
    const int a = rok % 19, b = rok / 100, c = rok % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int miesiac = (h + l - 7 * m + 114) / 31, dzien = (h + l - 7 * m + 114) % 31 + 1;
    return NumerDnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)});
}

bool SwietoKalendarza(int rok, int miesiac, int dzien) {
    switch (miesiac * 100 + dzien) {
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
            return rok >= 2011;
        case 1224:
            return rok >= 2025;
        default:
            break;
    }
    const int64_t wielkanoc = Wielkanoc(rok);
    const int64_t n = NumerDnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)});
    return n == wielkanoc + 1 || n == wielkanoc + 60;
}

MiesiacKalendarza GenerujMiesiac(int rok, int miesiac) {
    MiesiacKalendarza m;
    if (!RokKalendarza(rok))
        return m;
    const int dni = DniMiesiaca(rok, miesiac);
    for (int d = 1; d <= dni; ++d) {
        const size_t i = static_cast<size_t>(d - 1);
        const int tydzien =
            DzienTygodnia({rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(d)});
        if (SwietoKalendarza(rok, miesiac, d) || tydzien == 7) {
            m.przebieg[i] = 'S';
        } else if (tydzien == 6) {
            m.przebieg[i] = 'W';
        } else {
            m.przebieg[i] = 'R';
            m.godziny[i] = 8.0;
        }
    }
    return m;
}

std::string_view SkrotDniaTygodnia(int dzienTygodnia) {
    static constexpr std::string_view kSkroty[] = {"Pn", "Wt", "Śr", "Cz", "Pt", "So", "Nd"};
    if (dzienTygodnia < 1 || dzienTygodnia > 7)
        return {};
    return kSkroty[dzienTygodnia - 1];
}

}  // namespace mirta::compute
