#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "store/listy_kodow.h"

namespace mirta::store {

// The pages of an employee's file as data: which table each page edits, with which fields,
// labels and code lists. The window builds the pages from here; the change journal reads the
// same captions and labels, so that both speak of a field as the page shows it.

// How a field is shown on a page.
enum class RodzajKontrolki {
    Tekst,        // a line of text or a number
    Data,         // a date in the "yyyy-mm-dd" mask
    Kod,          // a fixed code list (Kody)
    Slownik,      // shows a dictionary's name, stores its identifier
    Znacznik,     // a logical field as a check box; the label is its caption
    Odczyt,       // shown only
    Podpowiedzi,  // free text with a drop-down of earlier texts
    Naglowek,     // not a field: starts a titled group of the fields that follow
};

// What a "Usuń" button next to a dictionary field does before clearing it.
enum class Usuwanie {
    Brak,
    // Puts the record into edit state first, whatever it holds.
    Zawsze,
    // Nothing on an empty table; edit state first when browsing.
    GdyJestRekord,
    // An empty table is reported; edit state first when browsing.
    ZKomunikatem,
};

struct OpisKontrolki {
    std::string_view pole = {};
    std::string_view etykieta = {};
    RodzajKontrolki rodzaj = RodzajKontrolki::Tekst;
    // Slownik with a key field: the dictionary component, its key and the fields listed. Empty
    // for a lookup field of the catalogue, which names them itself.
    std::string_view slownik = {};
    std::string_view kluczSlownika = {};
    std::string_view listaSlownika = {};  // "A;B"
    // The column grids show for it (a key field shows its looked-up name); empty: the field.
    std::string_view kolumna = {};
    // "..." button: the dictionary window that picks the value and its number.
    std::string_view oknoWyboru = {};
    int numerWyboru = 0;
    Usuwanie usuwanie = Usuwanie::Brak;
    // Placed on the row of the field before it.
    bool obok = false;
};

// Polish grammatical gender of a record's name, for the navigator's hints.
enum class Rodzaj { Meski, Zenski, Nijaki };

struct NazwaRekordu {
    Rodzaj rodzaj = Rodzaj::Meski;
    std::string_view mianownik = {};   // "urlop"
    std::string_view biernik = {};     // "urlop"
    std::string_view dopelniacz = {};  // "urlopu"
};

struct KolumnaDodatkowa {
    std::string_view pole = {};
    std::string_view tytul = {};
};

// One table edited on a page: a navigator, a grid and the fields.
struct OpisTabeliStrony {
    std::string_view komponent = {};  // "TUrlopy"
    std::string_view tytul = {};      // group title when the page holds several tables
    NazwaRekordu rekord = {};
    std::span<const OpisKontrolki> kontrolki = {};
    std::span<const KolumnaDodatkowa> kolumnyDodatkowe = {};
    bool siatka = true;
    bool siatkaTylkoDoOdczytu = false;
    // Bound from the start, never detached.
    bool siatkaStale = false;
    // Bound again every time the page is shown.
    bool siatkaOdnawiana = false;
    bool nawigator = true;
    std::string_view nazwaSiatki = {};  // object name, e.g. "DBGrid14"
};

enum class RodzajStrony {
    Pola,
    Kontener,
    // Formatted text rebuilt whenever the page is shown.
    InformacjaZbiorcza,
    Wynagrodzenia,
    // An empty frame the main window fills with a page of another module.
    Osadzona,
};

struct OpisStrony {
    std::string_view tytul = {};
    std::string_view rodzic = {};  // empty for an outer page
    RodzajStrony rodzaj = RodzajStrony::Pola;
    std::span<const OpisTabeliStrony> tabele = {};
    // Fields of one table flow into this many columns of groups.
    int kolumny = 1;
    // The page selected among its neighbours after a login.
    bool pierwsza = false;
    // Shows fields of the payroll identity, whose locks are applied again when it is shown.
    bool polaPlacowe = false;
    // Stays visible when the user may see the leave and absence pages only...
    bool wTrybieUrlopowym = false;
    // ...and this one is shown then.
    bool startTrybuUrlopowego = false;
    // Stays bound while a leave record is edited, even when its outer page goes.
    bool zUrlopem = false;
};

// Every page of the employee's file in tab order; an inner page follows its outer page.
std::span<const OpisStrony> OpisyStron();

// Tables whose pending changes hold the user on their outer page, in the order checked.
std::span<const std::string_view> KolejnoscStrazy();

// The twenty identity fields of Mirta.DB edited only with AktualizacjaDanychPlacowy.
std::span<const std::string_view> PolaPlacowe();

// The code list of a coded field (the field's name names the list). The harmfulness groups
// take the texts of the processing year `rok`.
const ListaKodow& ListaPola(std::string_view pole, int rok);

// The page of the personnel file, filled by the main window.
inline constexpr const char* kStronaAkt = "Akta osobowe";

inline constexpr const char* kBrakRent =
    "Brak danych o rentach/emeryturach/grupach inwalidzkich pracownika !!!";
inline constexpr const char* kPytanieOPodpowiedz =
    "Czy chcesz dopisać nowy sposób rozwiązania umowy o pracę ?\n";
inline constexpr const char* kTytulPodpowiedzi = "Kontrola podpowiedzi.";

}  // namespace mirta::store
