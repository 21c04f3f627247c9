#pragma once

#include <string>
#include <vector>

#include "reports/miara_tekstu.h"
#include "reports/strona.h"
#include "rodo/dane_osoby.h"

namespace mirta::rodo {

// A list printed as columns: the title, the time of printing and the page number on every
// page, the column titles, a line per row, the count at the end.
struct Zestawienie {
    std::string tytul;
    std::string podtytul;   // the filter, the unit; may be empty
    std::string czasDruku;  // "2026-12-10 12:00:00"; now when empty
    std::vector<std::string> kolumny;
    std::vector<double> szerokosci;  // shares of the working width, one per column
    std::vector<std::vector<std::string>> wiersze;
    std::string podsumowanie;  // "Razem wpisów: "
    bool pozioma = true;
    std::vector<int32_t> pracownicy;  // whose data the list prints
};
reports::Wydruk WydrukZestawienia(const Zestawienie& z, const reports::MiaraTekstu& miara);

// The report of one person's data: each table under its page title, each row as its fields'
// captions and values; the empty values left out.
reports::Wydruk WydrukDanychOsoby(const DaneOsoby& d, const reports::MiaraTekstu& miara,
                                  const std::string& czasDruku = {});

}  // namespace mirta::rodo
