#pragma once

// Literal day-by-day versions of the date rules, kept as the reference that the day-number
// implementations must match exactly (used by the tests and the benchmarks).

#include <cstdint>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"
#include "compute/staz.h"

namespace mirta::compute::krokowo {

inline int Dlugosc(int64_t rok, int miesiac) {
    static const int kDni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool przestepny = rok % 4 == 0 && (rok % 100 != 0 || rok % 400 == 0);
    return miesiac == 2 && przestepny ? 29 : kDni[miesiac - 1];
}

inline DataKal Nastepny(DataKal d) {
    if (++d.dzien > Dlugosc(d.rok, d.miesiac)) {
        d.dzien = 1;
        if (++d.miesiac > 12) {
            d.miesiac = 1;
            ++d.rok;
        }
    }
    return d;
}

inline DataKal Poprzedni(DataKal d) {
    if (--d.dzien < 1) {
        if (--d.miesiac < 1) {
            d.miesiac = 12;
            --d.rok;
        }
        d.dzien = static_cast<uint8_t>(Dlugosc(d.rok, d.miesiac));
    }
    return d;
}

inline DataKal DodajDni(DataKal d, int64_t n) {
    for (; n > 0; --n)
        d = Nastepny(d);
    for (; n < 0; ++n)
        d = Poprzedni(d);
    return d;
}

inline int64_t Roznica(DataKal p, DataKal q) {
    if (!p.Poprawna())
        return 100000;
    if (!q.Poprawna())
        return -100000;
    int64_t n = 0;
    while (q < p) {
        q = Nastepny(q);
        ++n;
    }
    while (p < q) {
        q = Poprzedni(q);
        --n;
    }
    return n;
}

inline OkresLMD Normalizuj(OkresLMD x) {
    if (x.miesiace == 11 && x.dni == 31)
        return OkresLMD{x.lata + 1, 0, 0};
    return x;
}

inline OkresLMD Okres(DataKal a, DataKal b) {
    const DataKal s = a < b ? a : b;
    const DataKal e = a < b ? b : a;
    DataKal w = e;
    const bool poczatek = s.dzien == 1;
    if (poczatek) {
        if (e.dzien != Dlugosc(e.rok, e.miesiac)) {
            w.dzien = 1;
            w = Poprzedni(w);
        }
    } else if (e.dzien >= s.dzien - 1) {
        w.dzien = static_cast<uint8_t>(s.dzien - 1);
    } else {
        w.dzien = 1;
        w = Poprzedni(w);
        w.dzien = static_cast<uint8_t>(s.dzien - 1);
        if (w.dzien > Dlugosc(w.rok, w.miesiac))
            w.dzien = static_cast<uint8_t>(Dlugosc(w.rok, w.miesiac));
    }
    int lata, miesiace;
    if (s.miesiac <= w.miesiac) {
        lata = w.rok - s.rok;
        miesiace = w.miesiac - s.miesiac;
    } else {
        lata = w.rok - s.rok - 1;
        miesiace = w.miesiac - s.miesiac + 12;
    }
    if (poczatek) {
        if (miesiace < 11) {
            ++miesiace;
        } else {
            miesiace = 0;
            ++lata;
        }
    }
    int dni = 0;
    while (!(w == e)) {
        w = Nastepny(w);
        ++dni;
    }
    return krokowo::Normalizuj(
        OkresLMD{lata, static_cast<int8_t>(miesiace), static_cast<int8_t>(dni)});
}

inline OkresLMD Dodaj(OkresLMD x, OkresLMD y) {
    int lata = x.lata + y.lata, miesiace = x.miesiace + y.miesiace, dni = x.dni + y.dni;
    for (;;) {
        if (miesiace >= 12) {
            ++lata;
            miesiace -= 12;
        } else if (dni > 30) {
            ++miesiace;
            dni -= 31;
        } else {
            break;
        }
    }
    return krokowo::Normalizuj(
        OkresLMD{lata, static_cast<int8_t>(miesiace), static_cast<int8_t>(dni)});
}

inline OkresLMD Odejmij(OkresLMD x, OkresLMD y) {
    int lata = x.lata - y.lata, miesiace = x.miesiace - y.miesiace, dni = x.dni - y.dni;
    for (;;) {
        if (miesiace < 0) {
            --lata;
            miesiace += 12;
        } else if (dni < 0) {
            --miesiace;
            dni += 31;
        } else {
            break;
        }
    }
    return krokowo::Normalizuj(
        OkresLMD{lata, static_cast<int8_t>(miesiace), static_cast<int8_t>(dni)});
}

// Merged employment over (od, do) pairs already filtered by kind, in start order.
template <typename Rekordy, typename Filtr>
OkresLMD Scalone(const Rekordy& rekordy, Filtr filtr, DataKal r) {
    OkresLMD suma;
    DataKal s, e;
    auto obetnij = [&](DataKal d) { return r < d ? r : d; };
    for (const auto& z : rekordy) {
        const DataKal d = z.dataOd;
        if (!(d <= r) || !filtr(z))
            continue;
        if (s.Pusta()) {
            s = d;
            if (!z.dataDo.Pusta())
                e = obetnij(z.dataDo);
        } else if (e.Pusta()) {
            if (!z.dataDo.Pusta())
                e = obetnij(z.dataDo);
        } else if (Poprzedni(d) == e) {
            e = obetnij(z.dataDo);
        } else {
            if (e.Pusta())
                e = r;
            suma = Dodaj(suma, Okres(s, e));
            s = d;
            e = obetnij(z.dataDo);
        }
    }
    if (!s.Pusta()) {
        if (e.Pusta())
            e = r;
        suma = Dodaj(suma, Okres(s, e));
    }
    return suma;
}

inline OkresLMD Staz(const DaneStazu& dane, RodzajStazu rodzaj, DataKal r) {
    const DataKal nadpisana = rodzaj == RodzajStazu::Wysluga  ? dane.dataDoWyslugi
                              : rodzaj == RodzajStazu::Sluzba ? dane.dataDoSluzby
                              : rodzaj == RodzajStazu::NagrodaJubileuszowa
                                  ? dane.dataDoNagrodyJubileuszowe
                                  : dane.dataDoEmerytury;
    if (!nadpisana.Pusta())
        return Okres(nadpisana, r);
    const OkresLMD zatrudnienie = Scalone(
        dane.zatrudnienie,
        [&](const RekordZatrudnienia& z) {
            return rodzaj != RodzajStazu::Sluzba || z.identyfikatorFormyZatrudn < 3;
        },
        r);
    const OkresLMD poprzednie = Scalone(
        dane.poprzednieZatrudnienie,
        [&](const RekordPoprzedniegoZatrudnienia& p) {
            return rodzaj == RodzajStazu::Wysluga               ? p.doWyslugi
                   : rodzaj == RodzajStazu::Sluzba              ? p.wSluzbie
                   : rodzaj == RodzajStazu::NagrodaJubileuszowa ? p.doNagrodyJubileuszowej
                                                                : p.doEmerytury;
        },
        r);
    OkresLMD urlop;
    for (const auto& u : dane.urlopy) {
        if (u.rodzajUrlopu != 9 || u.dataOd.Pusta() || r < u.dataOd)
            continue;
        const DataKal koniec = u.dataDo.Pusta() || !(u.dataDo < r) ? r : u.dataDo;
        urlop = Dodaj(urlop, Okres(u.dataOd, koniec));
    }
    return Odejmij(Dodaj(zatrudnienie, poprzednie), urlop);
}

// The day loop of the next increase: returns C and the years of the last T.
inline WzrostStazu NastepnyWzrost(OkresLMD p, int32_t rok) {
    const DataKal start{rok + 1, 1, 1};
    DataKal c = start;
    OkresLMD t;
    do {
        t = Dodaj(p, Okres(start, c));
        c = Nastepny(c);
    } while (t.lata == p.lata);
    return WzrostStazu{c, t.lata};
}

}  // namespace mirta::compute::krokowo
