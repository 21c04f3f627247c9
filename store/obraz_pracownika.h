#pragma once

#include <cstdint>

#include "compute/urlop.h"
#include "store/staz_pracownika.h"
#include "store/wynagrodzenie.h"

namespace mirta::store {

class TDM;
class ZrodlaObliczen;

// Which parts of the picture a caller needs; seniority is always computed, the rest build on
// it.
struct CzesciObrazu {
    bool wynagrodzenie = true;
    bool urlop = true;
};

// An employee's whole pay and leave picture at a date: the one place the windows, document
// tags, reports and package extraction take these values from.
struct ObrazPracownika {
    DaneKadrowePracownika dane;
    StazPracownika staz;
    WynagrodzeniePracownika wynagrodzenie;
    compute::ZestawienieUrlopu urlop;
};

// Computes the picture at `data` (normally the processing date) from the stored tables, by
// identifier, without moving any cursor. Messages raised on the way are collected in the
// sources, to be shown once the user operation ends. REQUIRES: someone is logged in.
ObrazPracownika PoliczObrazPracownika(ZrodlaObliczen& zrodla, int32_t pracownik,
                                      compute::DataKal data, CzesciObrazu czesci = {});

// The processing date of the session as a calendar date.
compute::DataKal DataPrzetwarzania(const TDM& tdm);
compute::DataKal DataPrzetwarzania(const ZrodlaObliczen& zrodla);

}  // namespace mirta::store
