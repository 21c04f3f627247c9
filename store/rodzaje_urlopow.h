#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/data_module.h"

namespace mirta::store {

class TDM1;

// One leave type of RodzUrlop.db, with the statistics the leave computations gather.
struct RekordRodzajuUrlopu {
    std::string NazwaUrlopu;
    std::string Symbol;
    int32_t Identyfikator = 0;
    char RodzajDni = 0;       // R, K, F; 0 when empty
    char RodzajUrlopu = 'I';  // W, D, I; 'I' when empty
    int32_t dniKalendarzowe = 0;
    int32_t dniRobocze = 0;
    int32_t dni = 0;
    int32_t godziny = 0;
};

// The leave types in memory, in the table's order: read at the first look-up after the table
// opened or changed.
class RodzajeUrlopow {
public:
    explicit RodzajeUrlopow(TableComponent& tabela) : m_tabela(tabela) {}

    // The type of the identifier; read again once when it is missing. nullptr when none.
    const RekordRodzajuUrlopu* Znajdz(int64_t identyfikator);
    // 0 when no type has the identifier.
    char RodzajDni(int64_t identyfikator);
    // 'I' when no type has the identifier.
    char RodzajUrlopu(int64_t identyfikator);

    // Forgets the types; the next look-up reads the table.
    void Oproznij();
    bool Zaladowane() const { return m_zaladowane; }
    std::vector<RekordRodzajuUrlopu>& Rodzaje();
    void ZerujStatystyki();

private:
    void Zaladuj();

    TableComponent& m_tabela;
    std::vector<RekordRodzajuUrlopu> m_rodzaje;
    bool m_zaladowane = false;
};

// While one lives the calculated fields of the leave rows are not computed (the leave-type
// window is open, or the unpaid-leave scan reads the rows); ending restores the earlier mark.
class ZawieszenieObliczenUrlopow {
public:
    explicit ZawieszenieObliczenUrlopow(TDM1& tdm1);
    ~ZawieszenieObliczenUrlopow();
    ZawieszenieObliczenUrlopow(const ZawieszenieObliczenUrlopow&) = delete;
    ZawieszenieObliczenUrlopow& operator=(const ZawieszenieObliczenUrlopow&) = delete;

private:
    TDM1& m_tdm1;
    bool m_poprzednio;
};

// Closing the leave types' window: the leave rows are read again with their new types (a row
// being edited is computed again when its next field changes).
void PoZamknieciuOknaRodzajowUrlopow(TDM1& tdm1);

inline constexpr const char* kBladRodzajowUrlopow = "Bląd obsługi rodzajów urlopów !!!";

// RodzUrlop.db: defaults, code entry, the name check and the reload of the list.
void PodlaczRodzajeUrlopow(TDM1& tdm1, TableComponent& komponent);

}  // namespace mirta::store
