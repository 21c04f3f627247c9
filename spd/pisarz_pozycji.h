#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/table.h"
#include "spd/katalog_spd.h"

namespace mirta::spd {

// The employee a record is about, as every field row of the record names it.
struct PracownikPozycji {
    int32_t identyfikator = 0;
    std::string numerPracownika;
    std::string nazwisko;
    std::string imie1;
    engine::Value dataUrodzenia;
};

// Where the extractors hand their records: the package's field-row table, or the check before
// generation, which reads the values without writing anything.
class OdbiorcaRekordow {
public:
    virtual ~OdbiorcaRekordow() = default;
    // One record: `wartosci` holds a value for every column of the kind, in order.
    virtual void Rekord(PodrodzajSPD podrodzaj, const std::vector<std::string>& wartosci,
                        const PracownikPozycji& pracownik) = 0;
};

// Writes the field rows of one package header into PozPrzesylki.db: for every record one row
// per catalogue column with its attributes and value, numbered by the header's record counter.
// The rows are written in bulk (no sync per row); Zakoncz syncs once.
class PisarzPozycji final : public OdbiorcaRekordow {
public:
    // `placowy`: the header is of kind "G", whose rows name the payroll system.
    PisarzPozycji(engine::Table& pozycje, int32_t identyfikatorHarmonogramu, bool placowy);
    ~PisarzPozycji() override;
    PisarzPozycji(const PisarzPozycji&) = delete;
    PisarzPozycji& operator=(const PisarzPozycji&) = delete;

    // One record: `wartosci` holds a value for every column of the kind, in order. A date
    // column whose value is the empty-date placeholder is stored empty.
    void Rekord(PodrodzajSPD podrodzaj, const std::vector<std::string>& wartosci,
                const PracownikPozycji& pracownik) override;
    int32_t Rekordy() const { return m_licznik; }
    int64_t Wiersze() const { return m_wiersze; }
    void Zakoncz();

private:
    engine::Table& m_tabela;
    int32_t m_harmonogram;
    bool m_placowy;
    bool m_zakonczony = false;
    int32_t m_licznik = 0;
    int64_t m_wiersze = 0;
    struct Pola {
        int harmonogram, wiersz, pole, nazwa, slownik, dlugosc, opis, wiezy, typ, wymagalnosc,
            format, walidacje, zawartosc, poKropce, pracownik, system, kodSystemu, nazwaSystemu,
            numer, nazwisko, imie, dataUrodzenia;
    } m_p;
    engine::Record m_wzor;  // the parts every row of this header shares
    // Per kind, each column's row with the catalogue's parts filled in.
    std::vector<engine::Record>& Szablony(PodrodzajSPD podrodzaj);
    std::map<PodrodzajSPD, std::vector<engine::Record>> m_szablony;
};

// The text cut to the width of a text field in code page 1250 (characters it lacks become
// '?'), so that a long catalogue text or value never fails the row.
std::string DopasujDoPola(const std::string& tekst, int szerokosc);

}  // namespace mirta::spd
