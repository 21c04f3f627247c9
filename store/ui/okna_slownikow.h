#pragma once

#include <optional>
#include <span>
#include <string_view>

class QWidget;

namespace mirta::kit {
struct Uslugi;
}

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::store::ui {

// The dictionary windows, in the order of the main window's menu "Słowniki".
enum class OknoSlownika {
    Stopnie,
    Grupy,
    Stanowiska,
    FormyZatrudnienia,
    GrupyInwalidzkie,
    Swiadczenia,
    StatusyCywili,
    Wydawcy,
    RodzajeWyksztalcenia,
    StopnieNaukowe,
    TytulyZawodowe,
    RodzajeKursow,
    Pokrewienstwa,
    RodzajeUrlopow,
    PodstawyWynagrodzen,
    PremieCywili,
    Ordery,
    OrganyNadajace,
    Kary,
    Wyroznienia,
    PodstawyZdarzen,
    RodzajeZdarzen,
};

// A dictionary item of the menu "Słowniki".
struct PozycjaMenuSlownika {
    OknoSlownika okno;
    std::string_view nazwaOkna;  // "TFSlownikStanowisk"
    std::string_view tekstMenu;  // "Słownik stanowisk"
};

// Every dictionary window in menu order (the organisational division, which sits among them
// in the menu, is not a dictionary window).
std::span<const PozycjaMenuSlownika> MenuSlownikow();
std::string_view NazwaOkna(OknoSlownika okno);
std::optional<OknoSlownika> OknoONazwie(std::string_view nazwa);

// Opens the window modally. `numer` 0: maintenance from the menu ("&Użyj" disabled); k > 0:
// choice for the k-th target field (a "..." button of the employee's pages), positioned on
// the row the field refers to. True when "&Użyj" filled the target and closed the window.
bool OtworzSlownik(OknoSlownika okno, int numer, const kit::Uslugi& uslugi,
                   QWidget* parent = nullptr);

}  // namespace mirta::store::ui
