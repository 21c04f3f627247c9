#pragma once

// A prepared report as a display list: pages of positioned texts and lines in points
// (1/72 inch). The preview, the printer, the PDF writer, the prepared-report file and the
// exports all read this one form.

#include <cstdint>
#include <string>
#include <vector>

namespace mirta::reports {

enum class Wyrownanie : uint8_t { Lewo, Prawo, Srodek };

// What a text stands for, so that a spreadsheet gets numbers and dates as such.
enum class RodzajWartosci : uint8_t { Tekst, Liczba, Data };

struct Czcionka {
    double rozmiar = 9;  // points
    bool pogrubiona = false;
    // Documents printed as written (the personnel printout) keep their own fonts; the lists
    // print in the report font.
    std::string rodzina;  // empty: the report font
    bool kursywa = false;
    bool podkreslona = false;

    Czcionka() = default;
    Czcionka(double r, bool p = false) : rozmiar(r), pogrubiona(p) {}
    friend bool operator==(const Czcionka&, const Czcionka&) = default;
};

struct ElementTekstu {
    double x = 0, y = 0;  // top left of the box
    double szerokosc = 0, wysokosc = 0;
    std::string tekst;  // UTF-8
    Czcionka czcionka;
    Wyrownanie wyrownanie = Wyrownanie::Lewo;
    uint32_t kolor = 0;  // 0xRRGGBB
    RodzajWartosci rodzaj = RodzajWartosci::Tekst;
    double liczba = 0;  // RodzajWartosci::Liczba
    int32_t dzien = 0;  // RodzajWartosci::Data: days from 0001-01-01 = 1
    // The spreadsheet column of a table line (from 1); 0 for headings and decoration.
    int kolumna = 0;
    friend bool operator==(const ElementTekstu&, const ElementTekstu&) = default;
};

struct Linia {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double grubosc = 0.5;
    friend bool operator==(const Linia&, const Linia&) = default;
};

struct Strona {
    double szerokosc = 0, wysokosc = 0;
    std::vector<ElementTekstu> teksty;
    std::vector<Linia> linie;
    friend bool operator==(const Strona&, const Strona&) = default;
};

// One value of a spreadsheet row, with its type.
struct KomorkaArkusza {
    RodzajWartosci rodzaj = RodzajWartosci::Tekst;
    std::string tekst;  // Tekst (UTF-8)
    double liczba = 0;  // Liczba
    int32_t dzien = 0;  // Data: days from 0001-01-01 = 1
    friend bool operator==(const KomorkaArkusza&, const KomorkaArkusza&) = default;
};
using WierszArkusza = std::vector<KomorkaArkusza>;

// A whole prepared report. `kolumny` are the column titles a spreadsheet export puts in its
// header row (empty when the layout has none). A layout that lists records gives `arkusz`: a
// row per record, a value per column, which the spreadsheet takes instead of the printed lines.
struct Wydruk {
    std::string tytul;
    std::vector<std::string> kolumny;
    std::vector<Strona> strony;
    std::vector<WierszArkusza> arkusz;
    // The employees whose data it prints: a file written from it is a disclosure of them.
    std::vector<int32_t> pracownicy;
    friend bool operator==(const Wydruk&, const Wydruk&) = default;
};

}  // namespace mirta::reports
