#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compute/data_kal.h"
#include "engine/dataset.h"
#include "engine/table.h"

namespace mirta::store {
class ZrodlaObliczen;
class TableComponent;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::reports {

struct ParametryWydruku;

// Reads what the reports print, by employee identifier and without moving any cursor: detail
// rows of a component's file, stored fields as text, and lookup fields through their
// dictionaries (each dictionary read once per run).
class DaneRaportu {
public:
    explicit DaneRaportu(store::ZrodlaObliczen& zrodla) : m_zrodla(zrodla) {}

    store::ZrodlaObliczen& Zrodla() const { return m_zrodla; }
    // The component's rows of the employee, in the table's order.
    const std::vector<engine::Record>& Wiersze(store::TableComponent& c, int32_t pracownik);
    // A stored or lookup field's text: texts trimmed, dates "yyyy-mm-dd", numbers as the field
    // shows them; empty for an empty field.
    std::string Tekst(store::TableComponent& c, const engine::Record& r, std::string_view pole);
    compute::DataKal Data(store::TableComponent& c, const engine::Record& r, std::string_view pole);
    const engine::Value& Wartosc(store::TableComponent& c, const engine::Record& r,
                                 std::string_view pole);
    // NazwaPelna of the unit's parameters (Parametry.DB).
    std::string NazwaJednostki();
    // MinimalnyLewyMargines of the payroll program's print settings (ParDruk.DB); nothing when
    // the table has no row or the field is empty.
    std::optional<int> MinimalnyLewyMargines();

private:
    int Pole(store::TableComponent& c, std::string_view pole);
    const std::map<std::string, std::string>& Slownik(store::TableComponent& c,
                                                      std::string_view pole);

    store::ZrodlaObliczen& m_zrodla;
    std::map<std::string, std::map<std::string, std::string>> m_slowniki;
    std::map<const engine::Table*, std::map<int32_t, std::vector<engine::Record>>> m_pogrupowane;
};

// The employees a choice runs over, as rows of the main window's list (its filter and order),
// restricted to the unit or to the current employee as the choice says. The list's filter
// is put back as it was before this returns.
std::vector<engine::RowView> PracownicyWydruku(store::TDM& tdm, const ParametryWydruku& p);

}  // namespace mirta::reports
