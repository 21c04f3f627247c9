#pragma once

#include <string>

#include "engine/file_system.h"
#include "engine/value.h"

namespace mirta::store {

// Creates a complete, empty data directory in `katalog`: every table of the catalogue in its
// directory, the payroll program's dBase files, the parameter records, the leave pair of
// `dzis`'s year, the dictionary rows the rules rely on by identifier and the user ADMIN with
// every right and an empty password. Refuses (EngineError) a directory that already holds
// any of these files, so that nothing is overwritten.
void UtworzNowaBaze(engine::FileSystem& fs, const std::string& katalog, engine::CivilDate dzis);

}  // namespace mirta::store
