#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_system.h"
#include "engine/table.h"
#include "store/katalog.h"

namespace mirta::store {

// Opens the table of `opis` found in `katalog` under any letter case (`plik` in place of the
// catalogue's name for the per-year leave files). A missing file or one whose fields differ
// from the catalogue throws EngineError naming the file; a different key, or a header naming
// a code page the system lacks (the table reads, its letters perhaps wrong, and the engine
// refuses to write it), only adds a message to `uwagi`. The file's structure is never changed.
std::unique_ptr<engine::Table> OtworzTabele(engine::FileSystem& fs, const OpisTabeli& opis,
                                            const std::string& katalog,
                                            std::vector<std::string>& uwagi,
                                            std::string_view plik = {});

struct OtwartaTabela {
    const OpisTabeli* opis = nullptr;
    std::unique_ptr<engine::Table> tabela;
};

struct TabeleStartowe {
    std::vector<OtwartaTabela> tabele;  // in opening order
    std::vector<std::string> uwagi;     // to be shown once the start is done

    engine::Table* Tabela(std::string_view komponent) const;
};

// Opens every table the data modules open at start, in catalogue order, each file once;
// the payroll directory is read from ParametryKadr.db before each of the four shared
// tables. The first table that cannot be opened stops the start with its error.
// The messages of `uwagi` about tables in an unknown code page, which the user must see.
std::vector<std::string> UwagiOStronieKodowej(const std::vector<std::string>& uwagi);

TabeleStartowe OtworzTabeleStartowe(engine::FileSystem& fs, const std::string& katalogDanych);

}  // namespace mirta::store
