#pragma once

#include <string>
#include <vector>

#include "engine/dataset.h"
#include "engine/table.h"

namespace mirta::engine {
class DbfTable;
}

namespace mirta::payroll {

class TlumaczLiter;

// Which personnel number the payroll program gets as the employee's number.
enum class ZrodloNumeru { Identyfikator, NumerPracownika };

// The MIRTA.DBF and PRACLIST.DBF rows of one employee.
struct ParaWierszy {
    engine::Record mirta;
    engine::Record praclist;
    bool zastapiono = false;  // some character had no place in the payroll standard
};

// Builds the payroll rows from employee rows of Mirta.DB. The columns are looked up by name
// in the files as they are (type and width from their descriptors), so a file the payroll
// program laid out differently is refused before anything is written.
class WierszePlacowe {
public:
    // Throws EngineError naming the first bound column a file lacks or has of another type.
    WierszePlacowe(const engine::DbfTable& mirta, const engine::DbfTable& praclist,
                   const engine::Dataset& pracownicy, const TlumaczLiter& tlumacz,
                   ZrodloNumeru numer);
    ~WierszePlacowe();

    ParaWierszy Zbuduj(const engine::RowView& pracownik) const;

    struct Przypisanie;  // one bound column and where its value comes from

private:
    std::vector<Przypisanie> m_mirta;
    std::vector<Przypisanie> m_praclist;
    size_t m_kolumnyMirta = 0;
    size_t m_kolumnyPraclist = 0;
    const TlumaczLiter& m_tlumacz;
};

}  // namespace mirta::payroll
