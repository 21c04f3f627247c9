#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/file_system.h"
#include "engine/value.h"

namespace mirta::tools {

struct OpcjeDemo {
    int pracownicy = 300;
    int lata = 10;  // years of leave, sickness and rate history kept
    uint64_t ziarno = 20261210;
    // The unit's "today". Fixed rather than read from the clock, so that a seed always
    // gives the same files.
    engine::CivilDate dzis{2026, 12, 10};
};

// Row counts per file, in the order written.
using LicznikiDemo = std::vector<std::pair<std::string, uint64_t>>;

// Creates a new data directory (as `mirta nowa-baza` does) and fills it with a whole unit.
LicznikiDemo UtworzDemo(engine::FileSystem& fs, const std::string& katalog, const OpcjeDemo& opcje);

}  // namespace mirta::tools
