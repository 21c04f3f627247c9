#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mirta::rodo {

struct TytulStrony {
    std::string_view komponent;  // "TRodzina"
    std::string_view tytul;      // "Rodzina pracownika"
};

struct PodpisNaStronie {
    std::string_view komponent;
    std::string_view pole;
    std::string_view podpis;  // the label without its colon
};

std::span<const TytulStrony> TytulyTabel();
std::span<const PodpisNaStronie> PodpisyPol();

// The first page title of the component's table; empty for a table no page shows.
std::string TytulTabeli(std::string_view komponent);
// The label a page gives the field, or the field's own name where no page shows it.
std::string PodpisPola(std::string_view komponent, std::string_view pole);

}  // namespace mirta::rodo
