#pragma once

#include <cstdint>
#include <string>

#include "engine/value.h"

namespace mirta::store {

class TDM;
class TableComponent;

// An organisational cell of Komorki.db as the SPD export and the employee page read it. The
// empty record is 0, 0, "", "".
struct KomorkaPodrzedna {
    int32_t identyfikator = 0;
    int32_t komNadrzedna = 0;
    std::string nazwa;
    std::string symbol;

    // Fills the record from the cell `id`: nothing happens when it already holds it; 0 or a
    // cell that is not found (after the positioning's "Błąd danych." message) gives the empty
    // record. Moves Komorki.db.
    void Wypelnij(TDM& tdm, int32_t id);
    // The cell of an int16 field holding a cell identifier (Mirta.DB.KomorkaOrganizacyjna).
    static KomorkaPodrzedna ZPola(TDM& tdm, const engine::Value& pole);
};

// The name of an employee's cell: empty when the employee has none, "???" when the employee
// is not found. Moves Mirta.DB and Komorki.db.
std::string NazwaKomorkiPracownika(TDM& tdm, int32_t pracownik);
std::string NazwaKomorkiBiezacegoPracownika(TDM& tdm);

// KomNad.db and Komorki.db's before-post checks.
void PodlaczKomorki(TDM& tdm, TableComponent& komorki);

// The closing questions, asked by the window through ZapytajOZapis for KomNad.db and, unless
// that cancelled, for Komorki.db.
inline constexpr const char* kTytulPodzialu = " Kontrola danych o podziale organizacyjnym firmy.";
inline constexpr const char* kPytanieZapisuKomorkiNad = " Czy zapisać zmiany komórki nadrzędnej ?";
inline constexpr const char* kPytanieDopisuKomorkiNad = "Czy dopisać nową komórkę nadrzędną ?";
inline constexpr const char* kPytanieZapisuKomorki = " Czy zapisać zmiany komórki organizacyjnej ?";
inline constexpr const char* kPytanieDopisuKomorki = "Czy dopisać nową komórkę organizacyjną ?";

// What the organisational division window (TFPoidzialOrganizacyjny) does, without the window.
// Construction preselects the cell of the mode and links Komorki.db to KomNad.db;
// destruction unlinks it again and reads it anew, so every cell is visible to lookups.
class PodzialOrganizacyjny {
public:
    enum class Tryb {
        Utrzymanie = 0,         // main menu: maintenance only
        KomorkaPracownika = 1,  // the employee page's "..."
        FiltrRaportu = 2,       // the report launcher's "..."
    };

    PodzialOrganizacyjny(TDM& tdm, Tryb tryb);
    ~PodzialOrganizacyjny();
    PodzialOrganizacyjny(const PodzialOrganizacyjny&) = delete;
    PodzialOrganizacyjny& operator=(const PodzialOrganizacyjny&) = delete;

    bool UzyjDostepne() const { return m_tryb != Tryb::Utrzymanie; }
    // "&Użyj": hands the current cell to the employee record (left in edit state) or to the
    // filter. True when the window closes; a refusal throws BladDanych.
    bool Uzyj();

private:
    TDM& m_tdm;
    Tryb m_tryb;
};

}  // namespace mirta::store
