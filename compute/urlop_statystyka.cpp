#include "compute/urlop_statystyka.h"

#include <algorithm>

#include "compute/przedzial_dat.h"
#include "compute/zakres_lat.h"

namespace mirta::compute {

namespace {

int32_t Licz(const LicznikDni& liczDni, DataKal a, DataKal b, char litera) {
    const int32_t n = liczDni(a, b, litera);
    return JestKodemDni(n) || n < 0 ? 0 : n;
}

// Sundays and holidays of an officer's leave beyond these are not leave days.
constexpr int32_t kSwiatWUrlopieFunkcjonariusza = 4;

std::string Linia(const std::string& poczatek, int32_t kalendarzowe, int32_t robocze,
                  DniGodziny urlop) {
    return poczatek + " Dni kalendarzowych: " + std::to_string(kalendarzowe) +
           " Dni roboczych: " + std::to_string(robocze) +
           " Dni/godz urlopu: " + TekstDniGodzin(urlop) + "\n";
}

}  // namespace

std::optional<UrlopWOkresie> UrlopRekorduWOkresie(const PozycjaUrlopu& u, DataKal p1, DataKal p2,
                                                  const LicznikDni& liczDni) {
    const PrzedzialDat rekord{u.dataOd, u.dataDo}, okres{p1, p2};
    const auto wspolna = CzescWspolna(rekord, okres);
    if (!wspolna)
        return std::nullopt;
    UrlopWOkresie w;
    w.kalendarzowe = static_cast<int32_t>(DniWlacznie(wspolna->od, wspolna->do_));
    w.robocze = Licz(liczDni, wspolna->od, wspolna->do_, 'R');
    if (Zawiera(okres, rekord)) {
        w.urlop = u.ilosc;
    } else if (u.typ.rodzajDni == 'R' ||
               (u.typ.rodzajDni == 'F' && wspolna->od.rok >= kPierwszyRokGodzinUrlopu)) {
        w.urlop = {w.robocze, 0};
    } else {
        w.urlop = {w.kalendarzowe, 0};
        if (u.typ.rodzajDni == 'F')
            w.urlop.dni -= std::max(
                0, Licz(liczDni, wspolna->od, wspolna->do_, 'S') - kSwiatWUrlopieFunkcjonariusza);
    }
    return w;
}

std::string TekstStatystykiUrlopow(std::span<const StatystykaRodzajuUrlopu> rodzaje,
                                   bool zRodzajami) {
    std::string t;
    int32_t kalendarzowe = 0, robocze = 0;
    DniGodziny urlop;
    for (const auto& r : rodzaje) {
        kalendarzowe += r.kalendarzowe;
        robocze += r.robocze;
        urlop = urlop + r.urlop;
        const bool cokolwiek = r.kalendarzowe || r.robocze || r.urlop.dni || r.urlop.godziny;
        if (zRodzajami && cokolwiek)
            t += Linia(r.nazwa, r.kalendarzowe, r.robocze, r.urlop);
    }
    if (zRodzajami)
        t += std::string(67, '-') + "\n";
    t += Linia("Razem zestawienie ", kalendarzowe, robocze, urlop);
    t += " Godziny urlopu = Dni*8+godz.\n";
    return t;
}

}  // namespace mirta::compute
