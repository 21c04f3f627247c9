#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "compute/urlop.h"
#include "engine/table.h"
#include "store/urlopy.h"

namespace mirta::store {

class TDM1;
class ZrodlaObliczen;
struct DaneKadrowePracownika;

// A leave-due row (UrlNalez.db or UrN<year>.DB) as stored; nullopt for an empty field.
struct WierszUrlopuNaleznegoZapisany {
    int32_t rok = 0;
    std::optional<int32_t> naleznyDni, naleznyGodz, dodatkowyDni, dodatkowyGodz;
    int32_t zaleglyPoprzedni = 0, zalegly2 = 0, zalegly3 = 0, godzZalegly = 0;
    int32_t dniZalegleDodatkowy = 0, godzinyZalegleDodatkowy = 0;
};

// The leave rows of an employee in one leave-taken file, with their types and amounts
// (a type not in the dictionary counts as other leave and adds its message).
std::vector<compute::PozycjaUrlopu> PozycjeUrlopow(ZrodlaObliczen& zrodla, engine::Table& plik,
                                                   int32_t pracownik);

// Entitlement at a date. With `zZapisanych` the hand-entered values of the employee's first
// leave-due row win over the computation.
compute::ParaUrlopow UprawnienieUrlopowe(const DaneKadrowePracownika& dane,
                                         const WierszUrlopuNaleznegoZapisany* pierwszy,
                                         compute::DataKal data, bool zZapisanych,
                                         int32_t rokPrzetwarzania);

// The leave balance at `data` from the leave files of the processing year.
compute::ZestawienieUrlopu ZestawienieUrlopuPracownika(ZrodlaObliczen& zrodla,
                                                       const DaneKadrowePracownika& dane,
                                                       compute::DataKal data,
                                                       int32_t rokPrzetwarzania);

// The employee's rows of the leave-due file the processing year views, in index order.
std::vector<WierszUrlopuNaleznegoZapisany> WierszeUrlopuNaleznego(ZrodlaObliczen& zrodla,
                                                                  int32_t pracownik);

// What a new or posted leave-due row stores as its entitlement: computed from the employee's
// records by identifier; messages are collected in the data module.
ObliczenieUrlopuNaleznego ObliczenieNaleznegoZDanych(TDM1& tdm1);

}  // namespace mirta::store
