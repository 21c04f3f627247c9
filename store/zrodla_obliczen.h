#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compute/urlop.h"
#include "engine/table.h"
#include "store/komunikaty_obliczen.h"

namespace mirta::store {

class TDM;
class TDM1;
class TableComponent;

// The position of a field in a table's row; -1 when the table has no such field.
int PoleTabeli(const engine::Table& t, std::string_view nazwa);

// The rows of one employee in a table whose key starts with the employee's identifier (any
// other table is scanned), in the table's order, read without moving any cursor.
// With `pola`, only those fields are read (the others stay empty).
std::vector<engine::Record> WierszePracownika(engine::Table& t, int32_t pracownik,
                                              int polePracownika = 0,
                                              const std::vector<int>* pola = nullptr);

// A leave type as the computations see it (RodzUrlop.db).
struct RodzajUrlopuOpis {
    std::string nazwa;
    std::string symbol;
    compute::TypUrlopu typ;
};

// The tables the per-employee computations read, each opened once for one user operation:
// the components' own files when they are open (so the windows' unsaved state is never
// touched, only their files read), else a view of our own. Also the leave files of every
// year, the leave types and a calendar counter that reads months without moving the
// calendar's cursor. Messages go to Komunikaty().
class ZrodlaObliczen {
public:
    ZrodlaObliczen(TDM& tdm, TDM1& tdm1);
    ~ZrodlaObliczen();
    ZrodlaObliczen(const ZrodlaObliczen&) = delete;
    ZrodlaObliczen& operator=(const ZrodlaObliczen&) = delete;

    TDM& Tdm() const { return m_tdm; }
    TDM1& Tdm1() const { return m_tdm1; }
    KomunikatyObliczen& Komunikaty() { return m_komunikaty; }

    // WierszePracownika of a table, kept for the last employee asked about, as several parts
    // of one employee's picture read the same rows. (Reading whole tables once for work over
    // every employee measured slower than these keyed reads.)
    const std::vector<engine::Record>& Wiersze(engine::Table& t, int32_t pracownik);

    // The file the component views now (its per-year file for the leave tables).
    engine::Table& Tabela(TableComponent& c);
    // The base leave-taken file (years up to 2005) and every per-year one that exists from
    // 2006 to 2049, in year order; the files missing are skipped.
    const std::vector<engine::Table*>& PlikiUrlopowWszystkichLat();

    // nullptr for an identifier without a type.
    const RodzajUrlopuOpis* RodzajUrlopu(int32_t identyfikator);
    // Days of a calendar letter, or a code of 10000 or more (as LiczDniKalendarza).
    int32_t LiczDni(compute::DataKal od, compute::DataKal doDnia, char litera);
    compute::LicznikDni Licznik() {
        return [this](compute::DataKal a, compute::DataKal b, char l) { return LiczDni(a, b, l); };
    }

private:
    engine::Table& Otworz(const TableComponent& c, const std::string& plik);
    const std::string& Przebieg(int rok, int miesiac);

    TDM& m_tdm;
    TDM1& m_tdm1;
    KomunikatyObliczen m_komunikaty;
    std::map<std::string, std::unique_ptr<engine::Table>> m_wlasne;  // by path
    bool m_lataWczytane = false;
    std::vector<engine::Table*> m_plikiLat;
    bool m_rodzajeWczytane = false;
    std::map<int32_t, RodzajUrlopuOpis> m_rodzaje;
    std::map<int, std::string> m_miesiace;  // rok * 12 + miesiac - 1
    struct OstatniPracownik {
        int32_t pracownik = 0;
        std::vector<engine::Record> wiersze;
    };
    std::map<const engine::Table*, OstatniPracownik> m_ostatni;
};

}  // namespace mirta::store
