#include "compute/teksty_dat.h"

#include <cstdio>

namespace mirta::compute {

namespace {

const char* const kMiesiaceDopelniacz[12] = {"stycznia", "lutego",       "marca",     "kwietnia",
                                             "maja",     "czerwca",      "lipca",     "sierpnia",
                                             "września", "października", "listopada", "grudnia"};
const char* const kMiesiaceMianownik[12] = {"styczeń",  "luty",        "marzec",   "kwiecień",
                                            "maj",      "czerwiec",    "lipiec",   "sierpień",
                                            "wrzesień", "październik", "listopad", "grudzień"};

const char* const kDniDlugieWielkie[7] = {"Poniedziałek", "Wtorek", "Środa",    "Czwartek",
                                          "Piątek",       "Sobota", "Niedziela"};
const char* const kDniDlugieMale[7] = {"poniedziałek", "wtorek", "środa",    "czwartek",
                                       "piątek",       "sobota", "niedziela"};
const char* const kDniKrotkieWielkie[7] = {"Pn", "Wt", "Śr", "Cz", "Pt", "So", "Nd"};
const char* const kDniKrotkieMale[7] = {"pn", "wt", "śr", "cz", "pt", "so", "nd"};

}  // namespace

std::string NazwaMiesiaca(int miesiac, Przypadek przypadek, bool wielka) {
    if (miesiac < 1 || miesiac > 12)
        return {};
    std::string s = przypadek == Przypadek::Dopelniacz ? kMiesiaceDopelniacz[miesiac - 1]
                                                       : kMiesiaceMianownik[miesiac - 1];
    // Every month name starts with an ASCII letter.
    if (wielka)
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

std::string NazwaDniaTygodnia(int dzien, bool wielka, bool krotka) {
    if (dzien < 1 || dzien > 7)
        return {};
    if (krotka)
        return wielka ? kDniKrotkieWielkie[dzien - 1] : kDniKrotkieMale[dzien - 1];
    return wielka ? kDniDlugieWielkie[dzien - 1] : kDniDlugieMale[dzien - 1];
}

std::string TekstDaty(DataKal d, char styl, bool slownie) {
    const bool dzienNajpierw = styl == 'U';
    if (!d.Poprawna())
        return dzienNajpierw ? "__-__ - ____" : "____-__ - __";
    char bufor[64];
    const int r = d.rok, m = d.miesiac, dz = d.dzien;
    if (slownie) {
        const std::string nazwa = NazwaMiesiaca(m, Przypadek::Dopelniacz);
        if (dzienNajpierw)
            std::snprintf(bufor, sizeof bufor, "%02d %s %04d", dz, nazwa.c_str(), r);
        else
            std::snprintf(bufor, sizeof bufor, "%04d %s %02d", r, nazwa.c_str(), dz);
    } else if (dzienNajpierw) {
        std::snprintf(bufor, sizeof bufor, "%02d-%02d-%04d", dz, m, r);
    } else {
        std::snprintf(bufor, sizeof bufor, "%04d-%02d-%02d", r, m, dz);
    }
    return bufor;
}

std::string TekstDniaIMiesiaca(DataKal d, bool liczbowo) {
    if (!d.Poprawna())
        return {};
    if (liczbowo)
        return std::to_string(d.dzien) + "." + std::to_string(d.miesiac);
    return std::to_string(d.dzien) + " " + NazwaMiesiaca(d.miesiac, Przypadek::Dopelniacz);
}

}  // namespace mirta::compute
