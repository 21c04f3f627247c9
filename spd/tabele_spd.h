#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "spd/wysylka.h"
#include "engine/file_system.h"
#include "engine/table.h"

namespace mirta::spd {

// SPD\ below the data directory.
std::string KatalogSPD(const std::string& katalogDanych);
// A folder as the register stores it ("SPD\R20080317T140509025"), below the data directory.
std::string SciezkaWKatalogu(const std::string& katalogDanych, const std::string& zapisana);

// The SPD table of a TDM1 component (THarmonogramPrzesylek, TRejPrzesylek, TPrzesylki,
// TSPDWynagrodzenia, TSPDParametry, and the templates TGlowkiPlikow and TPozPlikow) from
// SPD\; with `folder`, the package pair from that folder. Throws EngineError.
std::unique_ptr<engine::Table> OtworzTabeleSPD(engine::FileSystem& fs,
                                               const std::string& katalogDanych,
                                               std::string_view komponent);
std::unique_ptr<engine::Table> OtworzTabelePaczki(engine::FileSystem& fs, const std::string& folder,
                                                  std::string_view komponent);

// The parameters record (the first row; an empty one when there is none) and the default
// cell name of kind "A".
struct ParametryRekordu {
    ParametrySPD wysylka;
    std::string nazwaKomorkiOrganizacyjnej;
};
ParametryRekordu CzytajParametrySPD(engine::Table& parametry);

}  // namespace mirta::spd
