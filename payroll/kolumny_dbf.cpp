#include "payroll/kolumny_dbf.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/dbf_table.h"
#include "engine/engine_error.h"

namespace mirta::payroll {

int ZnajdzKolumne(const engine::DbfTable& tabela, std::string_view nazwa) {
    const auto& kolumny = tabela.Columns();
    for (size_t i = 0; i < kolumny.size(); ++i) {
        const std::string& n = kolumny[i].rawName;
        if (std::equal(n.begin(), n.end(), nazwa.begin(), nazwa.end(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) ==
                       std::toupper(static_cast<unsigned char>(b));
            }))
            return static_cast<int>(i);
    }
    return -1;
}

int WymaganaKolumna(const engine::DbfTable& tabela, std::string_view nazwa, std::string_view typy) {
    const int i = ZnajdzKolumne(tabela, nazwa);
    if (i < 0)
        throw engine::EngineError("Plik " + tabela.Path() + " nie ma pola " + std::string(nazwa),
                                  tabela.Path(), "open");
    const char typ = tabela.Columns()[size_t(i)].type;
    if (typy.find(typ) == std::string_view::npos)
        throw engine::EngineError("Pole " + std::string(nazwa) + " pliku " + tabela.Path() +
                                      " ma typ " + std::string(1, typ) + " zamiast " +
                                      std::string(typy.substr(0, 1)),
                                  tabela.Path(), "open");
    return i;
}

}  // namespace mirta::payroll
