#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "compute/data_kal.h"

namespace mirta::documents {
class TagValues;
}

namespace mirta::reports {

// What a choice checks before it runs.
enum class Sprawdzenie { Brak, Okres, DataPrzetwarzania, Oczka };
// Whom it lists.
enum class Zakres { Jednostka, Pracownik, Wzorzec };

// One of the launcher's nineteen printouts, numbered from 1 in the launcher's order.
struct Wybor {
    int numer = 0;
    std::string_view tekst;
    Sprawdzenie sprawdzenie = Sprawdzenie::Brak;
    Zakres zakres = Zakres::Jednostka;
};
inline constexpr int kLiczbaWyborow = 19;
const std::array<Wybor, kLiczbaWyborow>& Wybory();
inline constexpr int kWyborWzorca = 17;
inline constexpr int kWyborKonfigurowany = 18;

// A cell of the configurable printout: a title and a content with tags.
struct OczkoWyd {
    std::string tytul;
    std::string tresc;
    bool Uzyte() const { return !tytul.empty() || !tresc.empty(); }
};
inline constexpr int kWierszeDefinicji = 3;
inline constexpr int kKolumnyDefinicji = 10;
inline constexpr int kDomyslnaSzerokoscKolumny = 64;  // pixels of the launcher's grid

// The configurable printout's definition: 3 rows by 10 columns of cells and the widths of the
// launcher grid's columns in pixels.
struct DefinicjaWydruku {
    std::array<std::array<OczkoWyd, kKolumnyDefinicji>, kWierszeDefinicji> oczka;
    std::array<int, kKolumnyDefinicji> szerokosci;
    DefinicjaWydruku() { szerokosci.fill(kDomyslnaSzerokoscKolumny); }

    // Rows up to the lowest with a used cell and columns up to the rightmost; 0 when none.
    int UzyteWiersze() const;
    int UzyteKolumny() const;
};

// Tag values of one employee, for the configurable printout's cells.
using ZrodloZnacznikow = std::function<std::unique_ptr<documents::TagValues>(int32_t pracownik)>;

// Everything the launcher hands to a run.
struct ParametryWydruku {
    int numer = 1;
    compute::DataKal od, doDnia;
    bool drukujBezDanych = true;
    // A unit restriction; nothing lists every unit.
    std::optional<int32_t> komorka;
    std::string nazwaKomorki = "Wszystkie komórki organizacyjne.";
    int32_t biezacyPracownik = 0;  // for the single-employee choices
    DefinicjaWydruku definicja;
    ZrodloZnacznikow znaczniki;
    std::string czasDruku;  // "2026-12-10 12:00:00"; the current time when empty
};

// The launcher's checks for the choice: nothing, or the message to show.
std::optional<std::string> SprawdzParametry(const ParametryWydruku& p,
                                            compute::DataKal dataPrzetwarzania);

// "31-12-2007" and "2007-12-31"; empty for an empty date.
std::string DataDMY(compute::DataKal d);
std::string DataYMD(compute::DataKal d);

}  // namespace mirta::reports
