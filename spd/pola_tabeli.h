#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compute/data_kal.h"
#include "engine/engine_error.h"
#include "engine/table.h"

namespace mirta::spd {

// Field positions of one table by name; a missing field is an engine error naming the file.
class PolaTabeli {
public:
    explicit PolaTabeli(const engine::Table& t) : m_tabela(t) {}
    int operator()(std::string_view nazwa) const;
    // -1 when the table has no such field.
    int Opcjonalne(std::string_view nazwa) const;

private:
    const engine::Table& m_tabela;
};

// Readers of stored values as the extraction needs them: empty values read as "", 0 or the
// empty date.
std::string Tekst(const engine::Value& v);
std::string Przyciety(const engine::Value& v);
// Integers also from number and text fields ("0012" is 12); nothing when there is no number.
std::optional<int64_t> Calkowita(const engine::Value& v);
int64_t CalkowitaLubZero(const engine::Value& v);
double Liczba(const engine::Value& v);
compute::DataKal Data(const engine::Value& v);
// The date text of the package: "%04d-%02d-%02d", or the placeholder for an empty or invalid
// date.
std::string TekstDaty(compute::DataKal d);
inline constexpr std::string_view kPustaData = "____-__ - __";

}  // namespace mirta::spd
