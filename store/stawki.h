#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "compute/stawki.h"

namespace mirta::store {

class TDM;

// The rates of every rank and pay group, read from the dictionaries and their rate tables.
// Marked as changed when made and after every change of those four tables; while marked,
// the calculated rates of the service history show 0.
class DaneStopniiGrup {
public:
    struct Stopien {
        int32_t IdentyfikatorStopnia = 0;
        std::string NazwaStopnia;
        std::vector<compute::WpisStawki> stawki;
    };
    struct Grupa {
        int32_t IdentyfikatorGrupy = 0;
        std::string NazwaGrupy;
        std::string KodGrupy;
        std::vector<compute::WpisStawki> stawki;
        // Counters and sums of the staff-by-pay-group statistics, zeroed before a report.
        std::array<int32_t, 5> liczniki{};
        std::array<double, 4> sumy{};
    };

    bool Zmienione() const { return m_zmienione; }
    void OznaczZmiane() { m_zmienione = true; }
    // When marked: rebuilds both lists (opening the rate tables for the time of reading when
    // their window has them closed), clears the mark and refreshes the rank and pay-group
    // views so their rates are computed again. Out of memory leaves both lists empty and
    // shows its message.
    void PrzeladujJesliZmienione(TDM& tdm);

    // With `najnowsza` the newest rate of the variant, else the one in force before `dzien`;
    // 0 for an identifier without an entry.
    double StawkaStopnia(int32_t stopien, char ubruttowienie, int32_t dzien, bool najnowsza) const;
    double StawkaGrupy(int32_t grupa, char ubruttowienie, int32_t dzien, bool najnowsza) const;
    // Empty for an identifier without an entry.
    std::string NazwaStopnia(int32_t stopien) const;

    const std::vector<Stopien>& Stopnie() const { return m_stopnie; }
    std::vector<Grupa>& Grupy() { return m_grupy; }
    Grupa* ZnajdzGrupe(int32_t grupa);
    void ZerujStatystyki();

private:
    void Zbuduj(TDM& tdm);

    bool m_zmienione = true;
    std::vector<Stopien> m_stopnie;
    std::vector<Grupa> m_grupy;
    std::unordered_map<int32_t, size_t> m_indeksStopni, m_indeksGrup;
};

// The salary bases of Podstawy.db in table order, read at first use and emptied when the
// salary-base window closes.
class PodstawyWynagrodzen {
public:
    std::optional<compute::PozPodstawWyn> NaDzien(TDM& tdm, int32_t dzien);
    const std::vector<compute::PozPodstawWyn>& Pozycje(TDM& tdm);
    void Oproznij() {
        m_wczytane = false;
        m_pozycje.clear();
    }

private:
    bool m_wczytane = false;
    std::vector<compute::PozPodstawWyn> m_pozycje;
};

}  // namespace mirta::store
