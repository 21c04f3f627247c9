#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mirta::store {

// One code of a coded field: the stored value and the text shown for it.
struct PozycjaKodu {
    std::string_view kod = {};
    std::string_view tekst = {};
};

// A fixed list of codes of one-character fields. The record rules show the field through it,
// the choice lists offer its texts in this order, grids and pages read the same texts.
struct ListaKodow {
    std::string_view nazwa = {};  // the field's name, or a name of its own for a variant
    std::span<const PozycjaKodu> pozycje = {};
    // Shown for a code the list does not know ("???" or "XXXXXX")...
    std::string_view nieznany = "???";
    // ...and for an empty field too, unless an empty field shows empty.
    bool pustyJakNieznany = true;

    // The text shown for a stored value.
    std::string Tekst(std::string_view kod) const;
    // Whether the code is on the list (an empty value is not).
    bool Zawiera(std::string_view kod) const;
};

// The list of that name; a name nobody defined is a programming error (std::logic_error).
const ListaKodow& Lista(std::string_view nazwa);
// nullptr for a name nobody defined.
const ListaKodow* ZnajdzListe(std::string_view nazwa);

// The harmfulness groups read differently from 2007 on.
const ListaKodow& ListaGrupSzkodliwosci(int rokPrzetwarzania);

// Every list, for the tests that hold them to their rules.
std::span<const ListaKodow> WszystkieListy();

}  // namespace mirta::store
