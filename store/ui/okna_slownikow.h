#pragma once

#include <optional>
#include <string_view>

namespace mirta::store::ui {

// The dictionary windows, in the order of the main window's menus.
enum class OknoSlownika {
    RodzajeWyksztalcenia,
    StopnieNaukowe,
    TytulyZawodowe,
    RodzajeKursow,
    Pokrewienstwa,
    Stopnie,
    Grupy,
    Stanowiska,
    FormyZatrudnienia,
    Wydawcy,
    GrupyInwalidzkie,
    Swiadczenia,
    RodzajeUrlopow,
    Ordery,
    OrganyNadajace,
    Kary,
    Wyroznienia,
    StatusyCywili,
    PodstawyZdarzen,
    RodzajeZdarzen,
    PodstawyWynagrodzen,
    PremieCywili,
};

// The window's class name, e.g. "TFSlownikStanowisk".
std::string_view NazwaOkna(OknoSlownika okno);
std::optional<OknoSlownika> OknoONazwie(std::string_view nazwa);

}  // namespace mirta::store::ui
