#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "engine/table.h"

namespace mirta::spd {

// One package of the register RejPrzes.db.
struct WpisRejestru {
    int32_t identyfikator = 0;
    std::string ktoUtworzyl;
    std::string nazwaPlikuZarzadzajacego;
    compute::DataKal dataTworzenia;
    int32_t czasTworzenia = 0;  // milliseconds since midnight
    std::string katalog;        // as stored: "SPD\R20080317T140509025"
};

// The register in its order (date, then time of generation).
std::vector<WpisRejestru> CzytajRejestr(engine::Table& rejestr);

// "hh:mm:ss"
std::string TekstCzasu(int32_t milisekundy);

}  // namespace mirta::spd
