#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "engine/table.h"

namespace mirta::spd {

// One entry of the schedule as read from Harmonogram.DB.
struct WpisHarmonogramu {
    int32_t identyfikator = 0;
    std::string nazwa;
    std::string rodzaj;
    std::string sposobPrzesylania;
    std::string nazwaPliku;
    std::string identyfikatorSystemuDzied;
    std::optional<int> rok, miesiac, dzien, dzienOkresu;
    std::optional<int32_t> godzina;  // milliseconds since midnight
    std::optional<int> lp;
    std::string katalogPlac;
    std::string katalogPit;
    bool aktywny = false;
    engine::Record wiersz;  // the stored row, copied into the package header
};

// The entries in the schedule's order (LP, then name).
std::vector<WpisHarmonogramu> CzytajHarmonogram(engine::Table& harmonogram);

// The frequency text: "Codziennie do godziny:12:00", "3 dnia tygodnia", "5 dnia miesiąca",
// "10 dnia 1 miesiąca kwartału", ...; empty for an unknown code.
std::string OpisWykonania(const std::string& sposob, std::optional<int32_t> godzina,
                          std::optional<int> dzien, std::optional<int> miesiac,
                          std::optional<int> dzienOkresu);
std::string OpisWykonania(const WpisHarmonogramu& w);

// The date of the latest shipment-log row of every schedule entry.
std::map<int32_t, compute::DataKal> OstatnieWysylki(engine::Table& przesylki);

// Whether an entry is due on `dzis`, given the date of its latest log row (none: never
// generated). Daily entries always; monthly and weekly ones by their day; quarterly,
// half-yearly and yearly ones are marked by hand only.
bool WpisNalezny(const WpisHarmonogramu& w, compute::DataKal dzis,
                 std::optional<compute::DataKal> ostatnia);

// The marked entries, in the order they were marked. No fixed limit on their number.
class Zaznaczenia {
public:
    bool Zaznaczony(int32_t identyfikator) const;
    void Zaznacz(int32_t identyfikator);
    void Odznacz(int32_t identyfikator);
    void Wyczysc() { m_lista.clear(); }
    const std::vector<int32_t>& Lista() const { return m_lista; }
    // The marked entries of `harmonogram`, in schedule order.
    std::vector<WpisHarmonogramu> Wybrane(const std::vector<WpisHarmonogramu>& harmonogram) const;

    // The due entries of the schedule on `dzis`, in schedule order.
    static Zaznaczenia Nalezne(const std::vector<WpisHarmonogramu>& harmonogram,
                               const std::map<int32_t, compute::DataKal>& ostatnie,
                               compute::DataKal dzis);
    // Every active entry.
    static Zaznaczenia Wszystkie(const std::vector<WpisHarmonogramu>& harmonogram);

private:
    std::vector<int32_t> m_lista;
};

inline constexpr const char* kPozycjaNieaktywna = "Pozycja nieaktywna !!!";

}  // namespace mirta::spd
