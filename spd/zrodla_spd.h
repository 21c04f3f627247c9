#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "compute/data_kal.h"
#include "spd/pisarz_pozycji.h"
#include "spd/pola_tabeli.h"
#include "engine/table.h"
#include "store/katalog.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::spd {

// An employee the package is about, with the stored master row.
struct PracownikSPD {
    int32_t identyfikator = 0;
    engine::Record wiersz;
    PracownikPozycji pozycja;
};

// What the extractors read: the personnel tables by component name, each opened once for
// the generation (the components' own files when they are open), the rows of one employee
// read by key, the dictionary names the tables' lookups show, and the employees chosen for
// the package. No cursor of the windows moves.
class ZrodlaSPD {
public:
    ZrodlaSPD(store::TDM& tdm, store::TDM1& tdm1);
    ~ZrodlaSPD();

    store::ZrodlaObliczen& Obliczenia() { return m_obliczenia; }
    store::TDM& Tdm() const { return m_tdm; }
    store::TDM1& Tdm1() const { return m_tdm1; }

    engine::Table& Tabela(std::string_view komponent);
    // The employee's rows of a detail table keyed by the employee, in its order.
    const std::vector<engine::Record>& Wiersze(std::string_view komponent, int32_t pracownik);
    // The text of a lookup field of `komponent` for one of its rows, as its dataset shows it;
    // nothing found gives "".
    std::string Slownik(std::string_view komponent, std::string_view poleLookup,
                        const engine::Record& wiersz);
    // Whether the lookup of a row finds its dictionary entry.
    bool WSlowniku(std::string_view komponent, std::string_view poleLookup,
                   const engine::Record& wiersz);
    // Every row of a component's table in its index order.
    std::vector<engine::Record> WierszeWPorzadku(std::string_view komponent);
    // A field's position in a component's table.
    int Pole(std::string_view komponent, std::string_view pole);

    // Active employees at the processing date that are chosen for the data date, in the
    // employee list's order (surname, first names).
    const std::vector<PracownikSPD>& Wybrani(compute::DataKal dataDanych);
    int PoleMirty(std::string_view pole) { return Pole("TPracownicy", pole); }

private:
    struct Slowo {
        std::map<std::string, std::string> nazwy;  // key text -> result text
        int poleKlucza = -1;
    };
    const Slowo& Slowo_(std::string_view komponent, std::string_view poleLookup);

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::ZrodlaObliczen m_obliczenia;
    std::map<std::string, Slowo, std::less<>> m_slowniki;
    struct WierszeOstatniego {
        int32_t pracownik = 0;
        std::vector<engine::Record> wiersze;
    };
    std::map<std::string, WierszeOstatniego, std::less<>> m_wiersze;
    std::vector<PracownikSPD> m_wybrani;
    compute::DataKal m_dataWybranych;
    bool m_wybraniGotowi = false;
};

// Sorts rows by the index fields of a catalogue entry (nothing to do when its key is the
// index).
void SortujWgPorzadku(std::vector<engine::Record>& wiersze, const engine::Table& t,
                      const store::OpisTabeli& opis);

// Order of two stored values as an index sorts them: empty first, texts in Polish collation.
int PorownajWartosci(const engine::Value& a, const engine::Value& b);

// Whether an employee takes part in a package of data date `data`: not a contract worker,
// not a pensioner, hired on or before the date and not dismissed before it.
bool WybranyDoSPD(char charakter, char podzial, compute::DataKal zatrudniony,
                  compute::DataKal zwolniony, compute::DataKal data);

}  // namespace mirta::spd
