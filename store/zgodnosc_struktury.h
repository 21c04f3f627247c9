#pragma once

#include <string>
#include <vector>

#include "engine/table.h"
#include "store/katalog.h"

namespace mirta::store {

// How an existing file differs from its catalogue entry. Nothing is ever rewritten: a file
// of another structure belongs to someone (the payroll program, an older version) and its
// data must stay as they are.
struct ZgodnoscStruktury {
    // Fields missing, extra, renamed, or of another type or size: working on such a file
    // would put values in the wrong places, so the table must not be used.
    std::vector<std::string> bledy;
    // A different primary key: the rows read and write correctly, only uniqueness and
    // stored order differ.
    std::vector<std::string> uwagi;

    bool Zgodna() const { return bledy.empty() && uwagi.empty(); }
};

// Compares `tabela` (opened from `plik`) with `opis`; every message names the file.
ZgodnoscStruktury SprawdzStrukture(const engine::Table& tabela, const OpisTabeli& opis,
                                   const std::string& plik);

}  // namespace mirta::store
