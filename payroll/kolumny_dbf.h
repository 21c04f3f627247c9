#pragma once

#include <string_view>

namespace mirta::engine {
class DbfTable;
}

namespace mirta::payroll {

// Index of the column named `nazwa` (ASCII case ignored), or -1.
int ZnajdzKolumne(const engine::DbfTable& tabela, std::string_view nazwa);

// Index of the column named `nazwa` whose dBase type is one of `typy` ("C", "NF", "D");
// throws EngineError naming the file and the column otherwise.
int WymaganaKolumna(const engine::DbfTable& tabela, std::string_view nazwa, std::string_view typy);

}  // namespace mirta::payroll
