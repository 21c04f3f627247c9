#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "engine/table.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {

class TDM;
class TableComponent;

// The current rank and position of every employee: the identifiers from the employee's last
// rows of PracStop.db and Stanowiska.db (highest date, then highest identifier, as the tables
// order them). Built by one pass over both files at first use; a post or delete there
// recomputes only that employee, and a file changed by anyone else is read again whole, so
// an answer is always that of the files as they are.
class BiezaceStopnieIStanowiska {
public:
    struct Wpis {
        int32_t stopien = 0;     // IdentyfikatorStopnia, 0: none
        int32_t stanowisko = 0;  // IdentyfikatorStanowiska, 0: none
    };

    // REQUIRES: both tables outlive this cache or are replaced through UstawTabele.
    void UstawTabele(engine::Table* pracStop, engine::Table* stanowiska);
    Wpis Dla(int32_t pracownik);
    // The employee's rows changed through one of our own datasets.
    void Uniewaznij(int32_t pracownik);

private:
    struct Zrodlo {
        engine::Table* tabela = nullptr;
        int pracownik = -1, data = -1, identyfikator = -1;
        engine::ChangeStamp stamp;
        uint64_t wiersze = 0;
    };
    void Zbuduj();
    void Przelicz(int32_t pracownik);
    bool Aktualne() const;
    static void Skanuj(Zrodlo& z, uint64_t od, uint64_t _do, int32_t tylkoPracownik,
                       bool zakresKlucza,
                       std::unordered_map<int32_t, std::pair<int32_t, int32_t>>& najpozniejsze);

    Zrodlo m_stopnie, m_stanowiska;
    bool m_zbudowane = false;
    std::unordered_map<int32_t, Wpis> m_wpisy;
    std::unordered_set<int32_t> m_nieaktualne;
};

// Wires Mirta.DB's own rules: defaults, field entry, before-post checks, the calculated
// current rank and position and the effects after post.
void PodlaczPracownikow(TDM& tdm, TableComponent& pracownicy);
// Keeps the cache of current ranks and positions exact after changes in PracStop.db and
// Stanowiska.db made through the component.
void PodlaczHistorieDoPracownikow(TDM& tdm, TableComponent& komponent);

}  // namespace mirta::store
