#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirta::engine {
class CodePage;
class DbfTable;
}  // namespace mirta::engine

namespace mirta::payroll {

// The payroll program keeps its Polish letters in one of two DOS standards.
enum class StandardLiter { Mazowia, Latin2 };

// The letter KODPOL.DBF marks the standard with in STANDART: "M" or "L".
char LiteraStandardu(StandardLiter standard);

// The trimmed KODY bytes of the first live KODPOL.DBF row whose STANDART is the standard's
// letter; nothing when no row has it or its KODY is empty. Throws EngineError when the file
// lacks those columns.
std::optional<std::string> KodyStandardu(engine::DbfTable& kodpol, StandardLiter standard);

// Text of the personnel tables turned into the payroll program's bytes. The Polish letters
// take the bytes KODPOL.DBF gives for them (position k of the letter table, as far as the
// targets reach); ASCII stays; any other character takes the standard's own byte when the
// standard has one, else '?', and the caller learns of it so the user can be told.
class TlumaczLiter {
public:
    TlumaczLiter(std::string_view kody, StandardLiter standard);

    // REQUIRES: `tekst` is UTF-8. Sets `zastapiono` when some character became '?'.
    std::string Przetlumacz(std::string_view tekst, bool& zastapiono) const;

private:
    std::vector<std::pair<char32_t, char>> m_litery;  // the letters that have a target
    std::vector<char32_t> m_bezCelu;                  // letters past the end of the targets
    const engine::CodePage& m_strona;
};

}  // namespace mirta::payroll
