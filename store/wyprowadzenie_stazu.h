#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compute/staz.h"
#include "store/staz_pracownika.h"

namespace mirta::store {

class ZrodlaObliczen;

// How one kind of an employee's seniority was counted: the trace the computation itself kept
// while counting, with the leave file of each unpaid leave, and its result.
struct WyprowadzenieStazu {
    bool znaleziony = false;
    int32_t pracownik = 0;
    std::string nazwa;  // "Kowalski Jan Maria", as the list shows the employee
    compute::RodzajStazu rodzaj = compute::RodzajStazu::Wysluga;
    compute::DataKal data;
    compute::SladSkladnikow slad;
    std::vector<std::string> plikiUrlopow;  // by the index of slad.urlopy
    StazRodzaju wynik;                      // as PoliczStaz gives it
};
WyprowadzenieStazu WyprowadzStaz(ZrodlaObliczen& zrodla, int32_t pracownik,
                                 compute::RodzajStazu rodzaj, compute::DataKal data);

// The derivation as lines of text, for the terminal, the window and the printout.
std::vector<std::string> TekstWyprowadzenia(const WyprowadzenieStazu& w);

// "Wysługa lat (dodatek stażowy)", ...
std::string NazwaRodzajuStazu(compute::RodzajStazu rodzaj);
// The kinds by their short names: wysluga, sluzba, nagroda, emerytura.
std::optional<compute::RodzajStazu> RodzajStazuZNazwy(std::string_view nazwa);

}  // namespace mirta::store
