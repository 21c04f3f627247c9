#pragma once

#include <span>

#include "kit/db_navigator.h"
#include "store/ui/okna_slownikow.h"

namespace mirta::store::ui {

// The grammatical gender of a dictionary's entity, for the navigator's hints.
enum class Rodzaj { Meski, Zenski, Nijaki };

// What one row of a dictionary is called: "Pierwszy rodzaj urlopu", "Dodaj grupę",
// "Edytuj dane grupy". Without a name the navigator shows the plain hints.
struct Encja {
    Rodzaj rodzaj = Rodzaj::Meski;
    const char* mianownik = nullptr;
    const char* biernik = nullptr;
    const char* dopelniacz = nullptr;
};

struct KolumnaSlownika {
    const char* pole = nullptr;
    const char* tytul = nullptr;
    int szerokosc = 0;
    bool liczba = false;  // right-aligned
    // A code shown through its text: edited by its own list under the grid, not in a cell.
    bool kod = false;
};

// The window families: a plain dictionary, one with a rate table under it, and the ones with
// fields of their own.
enum class Uklad { Prosty, ZeStawkami, Stanowiska, Urlopy, Podstawy, Premie };

struct OpisOknaSlownika {
    OknoSlownika okno = {};
    const char* nazwa = nullptr;      // "TFSlownikStanowisk"
    const char* tekstMenu = nullptr;  // the item of the menu "Słowniki"
    const char* komponent =
        nullptr;  // the dictionary's table component (its texts live in the store)
    Uklad uklad = Uklad::Prosty;
    Encja encja = {};
    std::span<const KolumnaSlownika> kolumny = {};
    int szerokosc = 0, wysokosc = 0;  // the window's size at opening
};

// In menu order.
std::span<const OpisOknaSlownika> OpisyOkienSlownikow();
const OpisOknaSlownika& OpisOkna(OknoSlownika okno);

// The rate rows of the rank and group windows.
inline constexpr Encja kEncjaStawki{
    .rodzaj = Rodzaj::Zenski, .mianownik = "stawka", .biernik = "stawkę", .dopelniacz = "stawki"};
std::span<const KolumnaSlownika> KolumnyStawek();

kit::NavigatorHints PodpowiedziNawigatora(const Encja& encja);

}  // namespace mirta::store::ui
