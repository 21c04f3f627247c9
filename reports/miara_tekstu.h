#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/strona.h"

namespace mirta::reports {

// Measures texts as the output will print them. The Qt side measures with the real fonts;
// the core and its tests use the fixed-width estimate below.
class MiaraTekstu {
public:
    virtual ~MiaraTekstu() = default;
    // Width in points of a UTF-8 text in the font.
    virtual double Szerokosc(std::string_view tekst, const Czcionka& czcionka) const = 0;
};

// Every letter as wide as `wspolczynnik` times the font size: a safe estimate of DejaVu Sans.
class MiaraPrzyblizona : public MiaraTekstu {
public:
    explicit MiaraPrzyblizona(double wspolczynnik = 0.62) : m_wspolczynnik(wspolczynnik) {}
    double Szerokosc(std::string_view tekst, const Czcionka& czcionka) const override;

private:
    double m_wspolczynnik;
};

// Letters (code points) of a UTF-8 text.
size_t LiczbaZnakow(std::string_view tekst);

// The largest size from `najwiekszy` down to `najmniejszy` (whole points) at which the text
// is at most `szerokosc` - 2 wide; `najmniejszy` when none fits.
double DopasujRozmiar(const MiaraTekstu& miara, std::string_view tekst, Czcionka czcionka,
                      double szerokosc, double najwiekszy, double najmniejszy);

// The longest beginning of `tekst` (whole letters) no wider than `szerokosc`, in bytes; 0
// when not even the first letter fits.
size_t PoczatekMieszczacy(const MiaraTekstu& miara, std::string_view tekst,
                          const Czcionka& czcionka, double szerokosc);
// The bytes of the text's first letter (UTF-8).
size_t PierwszaLitera(std::string_view tekst);

// The text broken at spaces (or inside a word longer than the width) into lines no wider
// than `szerokosc`; at least one line.
std::vector<std::string> PodzielNaWiersze(const MiaraTekstu& miara, std::string_view tekst,
                                          const Czcionka& czcionka, double szerokosc);

}  // namespace mirta::reports
