#pragma once

// The tag vocabulary: every tag a template may hold, what it reads and how it is written,
// computed for one employee from the master record, the history tables and the employee's
// computed picture at the processing date.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compute/data_kal.h"
#include "documents/tag_values.h"

namespace mirta::store {
class TDM;
class TDM1;
class ZrodlaObliczen;
}  // namespace mirta::store

namespace mirta::documents {

struct DaneTagow;

// A tag and one Polish line on what it gives, for template authors.
struct OpisTagu {
    std::string_view tag;
    std::string_view opis;
};
// Every tag in the order of the reference ("<<LP>>" last: lists only).
std::span<const OpisTagu> OpisyTagow();
// The tags of documents ("<<LP>>" excluded), as TagValues::Tags() gives them.
const std::vector<std::string>& TagiDokumentow();

// Which row of each history is the current one (the grid row the user is on), as an index
// among the employee's rows in table order. Unset, or past the end: the last row, as a
// command without a window has no grid to ask.
struct WybraneWiersze {
    std::optional<size_t> stanowisko, stopien, grupa, decyzja, dodatekSluzbowy;
};

// The rows the history grids are on now: each table component's position among the current
// employee's rows (the components follow the employee list). Closed or empty ones: unset.
WybraneWiersze WybraneZSiatek(store::TDM& tdm, store::TDM1& tdm1);

// The vocabulary's values for one employee. Missing records and empty fields give the
// documented empty forms, never an error; an identifier without an employee gives them all.
class TagiPracownika : public TagValues {
public:
    // `dzis` is the computer's date of "<<DataBiez>>"; unset: read from the clock.
    // REQUIRES: someone is logged in; `zrodla` outlives this object.
    TagiPracownika(store::ZrodlaObliczen& zrodla, int32_t pracownik, WybraneWiersze wybrane = {},
                   std::optional<compute::DataKal> dzis = std::nullopt);
    ~TagiPracownika() override;

    const std::vector<std::string>& Tags() const override { return TagiDokumentow(); }
    std::optional<std::string> Value(std::string_view tag) override;

    bool Znaleziony() const;
    const DaneTagow& Dane() const;

    struct Kontekst;

private:
    std::unique_ptr<Kontekst> m_kontekst;
};

// The computer's date.
compute::DataKal DzisiejszaData();

}  // namespace mirta::documents
