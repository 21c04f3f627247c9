#pragma once

// The editor's pop-up menu of tags: eleven submenus and one item at the top level. Each item
// inserts a tag (normally the one its caption shows) and carries a short title, which the
// configurable printout uses as its column title.

#include <span>
#include <string_view>

namespace mirta::documents {

struct PozycjaMenuTagow {
    std::string_view podpis;  // the item's caption
    std::string_view tag;     // what it inserts
    std::string_view tytul;   // the column title; may be empty
};

struct PodmenuTagow {
    std::string_view podpis;
    std::span<const PozycjaMenuTagow> pozycje;
};

// The submenus in menu order.
std::span<const PodmenuTagow> PodmenuTagowEdytora();
// The item after them, at the top level ("<<LP>>").
const PozycjaMenuTagow& PozycjaLiczbyPorzadkowej();

}  // namespace mirta::documents
