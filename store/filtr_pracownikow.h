#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/dataset.h"

namespace mirta::store {

// Which employees the list shows. Held by TDM for the run, never saved.
struct FiltrPracownikow {
    bool PokazUmowy = false;
    bool PokazZwolnionych = false;
    bool PokazFunkcjonariuszy = true;
    bool PokazCywilow = true;
    bool PokazSluzbeCywilna = true;
    bool PokazEmerytow = false;
    bool FiltrKomorki = false;
    int32_t KomorkaFiltru = -1;  // -1: every unit
    std::string NazwaKomorkiFiltru = "Wszystkie komórki organizacyjne.";
    bool TylkoAktywni = false;
    bool BezFiltru = false;
    bool FiltrWlaczony = true;
};

// The employee fields the filter reads, by their position in Mirta.DB's dataset.
struct PolaFiltru {
    int charakter = -1, dataZwolnienia = -1, podzial = -1, komorka = -1;
    explicit PolaFiltru(const engine::Dataset& pracownicy);
    std::vector<int> Wszystkie() const { return {charakter, dataZwolnienia, podzial, komorka}; }
};

// Not a contract worker, not dismissed before the processing date, not a pensioner.
bool PracownikAktywny(const engine::RowView& pracownik, const PolaFiltru& pola,
                      int32_t dataPrzetwarzania);
bool PokazPracownika(const FiltrPracownikow& filtr, const engine::RowView& pracownik,
                     const PolaFiltru& pola, int32_t dataPrzetwarzania);

}  // namespace mirta::store
