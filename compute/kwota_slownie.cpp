#include "compute/kwota_slownie.h"

#include <charconv>
#include <cmath>

#include "compute/zaokraglij.h"

namespace mirta::compute {

namespace {

const char* const kJednosci[10] = {"",      " jeden", " dwa",    " trzy",  " cztery",
                                   " pięć", " sześć", " siedem", " osiem", " dziewięć"};
const char* const kNastki[10] = {" dziesięć",    " jedenaście",    " dwanaście",  " trzynaście",
                                 " czternaście", " piętnaście",    " szesnaście", " siedemnaście",
                                 " osiemnaście", " dziewiętnaście"};
const char* const kDziesiatki[10] = {"",
                                     "",
                                     " dwadzieścia",
                                     " trzydzieści",
                                     " czterdzieści",
                                     " pięćdziesiąt",
                                     " sześćdziesiąt",
                                     " siedemdziesiąt",
                                     " osiemdziesiąt",
                                     " dziewięćdziesiąt"};
const char* const kSetki[10] = {"",         " sto",      " dwieście",  " trzysta",  " czterysta",
                                " pięćset", " sześćset", " siedemset", " osiemset", " dziewięćset"};

// Group names by grammatical form: 1 plural genitive, 2 singular, 3 plural nominative;
// form 0 writes no name.
struct NazwyGrupy {
    const char* formy[4];
};
const NazwyGrupy kMiliardy{{"", " miliardów", " miliard", " miliardy"}};
const NazwyGrupy kMiliony{{"", " milionów", " milion", " miliony"}};
const NazwyGrupy kTysiace{{"", " tysięcy", " tysiąc", " tysiące"}};
const NazwyGrupy kZlote{{"", " złotych", " złoty", " złote"}};
const NazwyGrupy kGrosze{{"", " groszy", " grosz", " grosze"}};

constexpr double kGornaGranica = 999999999999.991;

// Appends the words of a units digit after tens/hundreds; returns the new form.
int DopiszJednosci(std::string& s, int jednosci, int forma) {
    s += kJednosci[jednosci];
    if (jednosci == 1)
        return forma == 0 ? 2 : forma;
    if (jednosci >= 2 && jednosci <= 4)
        return 3;
    return 1;
}

}  // namespace

std::string KwotaSlownie(double kwota) {
    std::string s;
    if (!std::isfinite(kwota))
        return " przekroczony zakres.";
    double x = Zaokraglij(kwota, 2);
    if (x < -0.001) {
        s += " minus";
        x = -x;
    }
    if (x < 0.001)
        return s + " zero złotych.";
    if (x > kGornaGranica)
        return s + " przekroczony zakres.";

    // Twelve integer digits, the point and two decimals.
    char cyfry[32];
    const auto wynik = std::to_chars(cyfry, cyfry + sizeof cyfry, x, std::chars_format::fixed, 2);
    std::string tekst(cyfry, wynik.ptr);
    if (tekst.size() > 15)
        return s + " przekroczony zakres.";
    tekst.insert(0, 15 - tekst.size(), '0');

    const NazwyGrupy* const grupy[4] = {&kMiliardy, &kMiliony, &kTysiace, &kZlote};
    bool wyzszeGrupy = false;
    for (int g = 0; g < 4; ++g) {
        const int setki = tekst[g * 3] - '0';
        const int dziesiatki = tekst[g * 3 + 1] - '0';
        const int jednosci = tekst[g * 3 + 2] - '0';
        int forma = 0;
        if (setki != 0) {
            s += kSetki[setki];
            forma = 1;
        }
        if (dziesiatki != 0) {
            s += dziesiatki == 1 ? kNastki[jednosci] : kDziesiatki[dziesiatki];
            forma = 1;
        }
        if (jednosci != 0 && dziesiatki != 1)
            forma = DopiszJednosci(s, jednosci, forma);
        if (g == 3) {
            if (forma == 0 && x > 1.001)
                forma = 1;
            // "tysiąc jeden złotych", as after tens and hundreds.
            if (forma == 2 && wyzszeGrupy)
                forma = 1;
        }
        s += grupy[g]->formy[forma];
        if (setki != 0 || dziesiatki != 0 || jednosci != 0)
            wyzszeGrupy = true;
    }

    const int g1 = tekst[13] - '0';
    const int g2 = tekst[14] - '0';
    if (g1 != 0 || g2 != 0) {
        int forma = 0;
        if (g1 != 0) {
            s += g1 == 1 ? kNastki[g2] : kDziesiatki[g1];
            forma = 1;
        }
        if (g2 != 0 && g1 != 1)
            forma = DopiszJednosci(s, g2, forma);
        s += kGrosze.formy[forma];
    }
    return s + ".";
}

}  // namespace mirta::compute
