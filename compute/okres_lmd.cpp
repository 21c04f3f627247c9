#include "compute/okres_lmd.h"

namespace mirta::compute {

namespace {

OkresLMD Zloz(int64_t lata, int64_t miesiace, int64_t dni) {
    return OkresLMD{static_cast<int32_t>(lata), static_cast<int8_t>(miesiace),
                    static_cast<int8_t>(dni)};
}

}  // namespace

OkresLMD DlugoscOkresu(DataKal a, DataKal b) {
    if (!a.Poprawna() || !b.Poprawna())
        return {};
    const DataKal s = a < b ? a : b;
    const DataKal e = a < b ? b : a;
    const bool poczatekMiesiaca = s.dzien == 1;
    const int dlugoscE = DniMiesiaca(e.rok, e.miesiac);

    // w: the working date of the counting rule, kept as year and month plus a day.
    int64_t wRok = e.rok;
    int wMiesiac = e.miesiac;
    int wDzien = e.dzien;
    auto cofnijDoKoncaPoprzedniego = [&] {
        if (--wMiesiac == 0) {
            wMiesiac = 12;
            --wRok;
        }
        wDzien = DniMiesiaca(wRok, wMiesiac);
    };
    if (poczatekMiesiaca) {
        if (e.dzien != dlugoscE)
            cofnijDoKoncaPoprzedniego();
    } else if (e.dzien >= s.dzien - 1) {
        wDzien = s.dzien - 1;
    } else {
        cofnijDoKoncaPoprzedniego();
        if (s.dzien - 1 < wDzien)
            wDzien = s.dzien - 1;
    }

    int64_t lata = wRok - s.rok;
    int64_t miesiace = wMiesiac - s.miesiac;
    if (s.miesiac > wMiesiac) {
        lata -= 1;
        miesiace += 12;
    }
    if (poczatekMiesiaca) {
        if (miesiace < 11) {
            ++miesiace;
        } else {
            miesiace = 0;
            ++lata;
        }
    }
    // w lies in e's month or in the month before it.
    const int64_t dni =
        wMiesiac == e.miesiac ? e.dzien - wDzien : DniMiesiaca(wRok, wMiesiac) - wDzien + e.dzien;
    return Normalizuj(Zloz(lata, miesiace, dni));
}

OkresLMD DodajOkresy(OkresLMD x, OkresLMD y) {
    int64_t lata = int64_t{x.lata} + y.lata;
    int64_t miesiace = int64_t{x.miesiace} + y.miesiace;
    int64_t dni = int64_t{x.dni} + y.dni;
    if (dni > 30) {
        miesiace += dni / 31;
        dni %= 31;
    }
    if (miesiace >= 12) {
        lata += miesiace / 12;
        miesiace %= 12;
    }
    return Normalizuj(Zloz(lata, miesiace, dni));
}

OkresLMD OdejmijOkresy(OkresLMD x, OkresLMD y) {
    int64_t lata = int64_t{x.lata} - y.lata;
    int64_t miesiace = int64_t{x.miesiace} - y.miesiace;
    int64_t dni = int64_t{x.dni} - y.dni;
    if (dni < 0) {
        const int64_t pozyczone = (-dni + 30) / 31;
        miesiace -= pozyczone;
        dni += 31 * pozyczone;
    }
    if (miesiace < 0) {
        const int64_t pozyczone = (-miesiace + 11) / 12;
        lata -= pozyczone;
        miesiace += 12 * pozyczone;
    }
    return Normalizuj(Zloz(lata, miesiace, dni));
}

OkresLMD Normalizuj(OkresLMD x) {
    if (x.miesiace == 11 && x.dni == 31)
        return OkresLMD{x.lata + 1, 0, 0};
    return x;
}

std::string TekstOkresu(OkresLMD x, std::string_view separator) {
    std::string s = "Lat";
    s += separator;
    s += std::to_string(x.lata);
    s += " Miesięcy";
    s += separator;
    s += std::to_string(x.miesiace);
    s += " Dni";
    s += separator;
    s += std::to_string(x.dni);
    return s;
}

}  // namespace mirta::compute
