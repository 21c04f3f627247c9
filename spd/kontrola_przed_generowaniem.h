#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "spd/harmonogram.h"

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::spd {

// What would make a package wrong.
enum class RodzajUsterki {
    NakladanieZatrudnienia,  // two employment records cover the same days
    PrzerwaWZatrudnieniu,    // days between two employment records belong to none
    RekordPoZwolnieniu,      // a record dated after the dismissal
    BrakWartosci,            // a value the package requires is empty
    BrakStatusuCywilnego,    // a civil employee without a status
    UrlopBezLiczbyDni,       // a leave row whose days cannot be counted
    BladDanych,              // the extraction itself stopped (a missing payroll file ...)
    PlikAktOsobowych,        // a document of the personnel file is missing or of another size
};

struct Usterka {
    int32_t pracownik = 0;  // 0: not about one employee
    std::string nazwisko;   // "Nowak Jan"
    RodzajUsterki rodzaj = RodzajUsterki::BrakWartosci;
    std::string opis;       // what is wrong, for the clerk
    std::string komponent;  // the table's component ("TUrlopy"); empty: no page holds it
    std::string tabela;     // its file ("Urlopy.db", "WykUrl2026.DB")
};

// Everything the package of `wpisy` with data date `dataDanych` would carry wrong, for the
// employees it would hold, in the employee list's order: employment records that overlap or
// leave a gap, records dated after the dismissal, leave rows the calendar cannot count, and
// what the extraction of every entry's kind would write empty where the catalogue requires a
// value (the trimmed value, as the file gets it) or leave a civil employee without a status.
// Nothing is written; table errors are thrown.
std::vector<Usterka> KontrolaPrzedGenerowaniem(store::TDM& tdm, store::TDM1& tdm1,
                                               const std::vector<WpisHarmonogramu>& wpisy,
                                               compute::DataKal dataDanych);

// Every active entry of the schedule, in its order: what the check looks at when no package
// is being generated.
std::vector<WpisHarmonogramu> AktywneWpisy(store::TDM& tdm);

// "nakładanie się okresów zatrudnienia", ...
std::string NazwaUsterki(RodzajUsterki rodzaj);

// One line per finding: "ID<tab>name<tab>what<tab>table<tab>description".
std::string TekstUsterek(const std::vector<Usterka>& usterki);

inline constexpr const char* kTytulKontroliPrzedGenerowaniem = "Kontrola danych przed eksportem";

}  // namespace mirta::spd
