#include "store/statystyka_urlopow.h"

#include <map>

#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm1.h"
#include "store/urlop_nalezny.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {

std::vector<compute::StatystykaRodzajuUrlopu> StatystykaUrlopowPracownika(ZrodlaObliczen& zrodla,
                                                                          int32_t pracownik,
                                                                          compute::DataKal od,
                                                                          compute::DataKal doDnia) {
    std::vector<compute::StatystykaRodzajuUrlopu> wynik;
    std::map<int32_t, size_t> miejsce;  // type identifier -> its line
    engine::Table& rodzaje = zrodla.Tabela(zrodla.Tdm1().TRodzUrlop);
    const int id = PoleTabeli(rodzaje, "Identyfikator"), nazwa = PoleTabeli(rodzaje, "NazwaUrlopu");
    for (uint64_t r = 0; r < rodzaje.RowCount(); ++r) {
        miejsce[LiczbaCalkowita(rodzaje.ReadField(r, id))] = wynik.size();
        compute::StatystykaRodzajuUrlopu s;
        s.nazwa = TekstPola(rodzaje.ReadField(r, nazwa));
        wynik.push_back(std::move(s));
    }

    engine::Table& urlopy = zrodla.Tabela(zrodla.Tdm1().TUrlopy);
    const int rodzaj = PoleTabeli(urlopy, "RodzajUrlopu");
    // PozycjeUrlopow gives the rows in the file's order, as Wiersze does.
    const auto pozycje = PozycjeUrlopow(zrodla, urlopy, pracownik);
    const auto& wiersze = zrodla.Wiersze(urlopy, pracownik);
    for (size_t i = 0; i < pozycje.size() && i < wiersze.size(); ++i) {
        auto it = miejsce.find(LiczbaCalkowita(wiersze[i][rodzaj]));
        if (it == miejsce.end())
            continue;
        const auto w = compute::UrlopRekorduWOkresie(pozycje[i], od, doDnia, zrodla.Licznik());
        if (!w)
            continue;
        compute::StatystykaRodzajuUrlopu& s = wynik[it->second];
        s.kalendarzowe += w->kalendarzowe;
        s.robocze += w->robocze;
        s.urlop = s.urlop + w->urlop;
    }
    return wynik;
}

}  // namespace mirta::store
