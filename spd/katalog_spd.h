#pragma once

#include <span>
#include <string_view>

namespace mirta::spd {

// How the receiving side describes one column; every field row carries these attributes.
struct KolumnaSPD {
    std::string_view nazwaPola;
    std::string_view typ;  // "S", "N", "C", "D"
    int dlugosc = 0;
    int poKropce = 0;
    std::string_view opisDodatkowy;
    std::string_view nazwaSlownika;
    bool wymagalnosc = false;
    std::string_view format;
    std::string_view walidacje;
    std::string_view wiezy;
};

// A kind of record; some data kinds produce several, told apart by their identifier's tag.
enum class PodrodzajSPD {
    Pracownik,
    Urlop,
    Choroba,
    Nieobecnosc,
    Zawieszenie,
    BadanieLekarskie,
    PrzebiegPracy,
    Stanowisko,
    Stopien,
    PrzypisanieOrganizacyjne,
    Wyksztalcenie,
    Kurs,
    SkladnikWynagrodzenia,
    Order,
    CzasPracy,
    Kara,
    UrlopNagrodowy,
    Wyroznienie,
    StanowiskoEtatowe,
};

struct RodzajDanychSPD {
    char litera;
    std::string_view nazwa;   // shown for Rodzaj in the grids
    std::string_view podpis;  // progress line while the kind is extracted
};

// The fourteen data kinds in the order of the catalogue.
std::span<const RodzajDanychSPD> RodzajeDanychSPD();
// nullptr for any other letter (also a lower-case one).
const RodzajDanychSPD* ZnajdzRodzajDanych(std::string_view rodzaj);
// The name of a kind, "??????" for an empty or unknown one.
std::string_view NazwaRodzajuDanych(std::string_view rodzaj);

// The ordered columns of a record kind; the position + 1 is IdentyfikatorPola.
std::span<const KolumnaSPD> KolumnySPD(PodrodzajSPD podrodzaj);

}  // namespace mirta::spd
