#include "store/obraz_pracownika.h"

#include "store/tdm.h"
#include "store/urlop_nalezny.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {

compute::DataKal DataPrzetwarzania(const TDM& tdm) {
    const engine::CivilDate d = tdm.Sesja().DataPrzetwarzania;
    return {d.year, static_cast<uint8_t>(d.month), static_cast<uint8_t>(d.day)};
}

compute::DataKal DataPrzetwarzania(const ZrodlaObliczen& zrodla) {
    return DataPrzetwarzania(zrodla.Tdm());
}

ObrazPracownika PoliczObrazPracownika(ZrodlaObliczen& zrodla, int32_t pracownik,
                                      compute::DataKal data, CzesciObrazu czesci) {
    ObrazPracownika o;
    o.dane = CzytajDaneKadrowe(zrodla, pracownik);
    o.staz = PoliczStaz(o.dane, data);
    if (!o.dane.znaleziony)
        return o;
    if (czesci.wynagrodzenie)
        o.wynagrodzenie = PoliczWynagrodzenie(zrodla, o.dane, o.staz, data);
    if (czesci.urlop)
        o.urlop = ZestawienieUrlopuPracownika(zrodla, o.dane, data, DataPrzetwarzania(zrodla).rok);
    return o;
}

}  // namespace mirta::store
