#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reports/wybory.h"

namespace mirta::store {
class TDM1;
}

namespace mirta::reports {

// Saved definitions of the configurable printout: names in NazwWyd.db, the 30 cells of each
// in PozWyd.db. The window opens both tables and keeps them open while it is shown; these
// functions open them when they are closed and leave them open.

struct NazwaDefinicji {
    int32_t id = 0;
    std::string nazwa;
};
// In the order of the names.
std::vector<NazwaDefinicji> SpisDefinicji(store::TDM1& tdm1);
std::optional<NazwaDefinicji> ZnajdzDefinicje(store::TDM1& tdm1, const std::string& nazwa);
// A new name record (Portret set); its identifier.
int32_t DodajDefinicje(store::TDM1& tdm1, const std::string& nazwa);

// Every cell of the definition into `def`, with the widths of its columns; records outside
// 3 by 10 are skipped and cells without a record keep their texts.
void OdczytajDefinicje(store::TDM1& tdm1, int32_t id, DefinicjaWydruku& def);

// Writes all 30 cells, empty ones included, editing the definition's record of each cell or
// adding it. A record that turns out to sit on another row or column is left as it was and
// the cell is reported with "Błąd zapisu pola !!!"; the answer lists those cells as
// "wiersz R, kolumna K" (empty: all written). Engine errors are thrown.
std::vector<std::string> ZapiszDefinicje(store::TDM1& tdm1, int32_t id,
                                         const DefinicjaWydruku& def);

inline constexpr const char* kBladZapisuPola = "Błąd zapisu pola !!!";

}  // namespace mirta::reports
