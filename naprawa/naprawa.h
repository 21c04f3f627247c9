#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "store/katalog.h"

namespace mirta::store {
class Dialogi;
}

// Checks the tables of a data directory against their own blocks, their indexes and the table
// catalogue, and repairs what can be repaired: indexes are rebuilt from the data, a table whose
// header or block chain is damaged is written anew from every record that still reads, and the
// damaged original stays beside it under a new name.
namespace mirta::naprawa {

// A check or repair that cannot start; the text is the Polish message for the user.
class BladNaprawy : public std::runtime_error {
public:
    explicit BladNaprawy(const std::string& tekst) : std::runtime_error(tekst) {}
};

struct TabelaDoSprawdzenia {
    std::string nazwa;    // as the report shows it: "Mirta.DB", "SPD/Harmonogram.DB"
    std::string sciezka;  // the file
    const store::OpisTabeli* opis = nullptr;
};

enum class StanTabeli { Zdrowa, DoNaprawy, Nienaprawialna };

struct WynikTabeli {
    std::string nazwa;
    StanTabeli stan = StanTabeli::Zdrowa;
    std::vector<std::string> ustalenia;  // what is wrong, one sentence each
    // Filled by the repair.
    bool naprawiona = false;
    std::vector<std::string> utracone;  // records and blocks the repair could not keep
    std::string kopiaUszkodzonej;       // the damaged original's new file name
    uint64_t rekordow = 0;              // rows of the repaired table
};

// The tables to check in `katalogDanych`: every table of the catalogue found there (the four
// shared ones in the payroll directory, the SPD and payroll-export ones in their folders, every
// year's leave files), or only those `nazwy` names. A name that is no table of the catalogue
// throws BladNaprawy; a start table that is missing is reported as a finding.
std::vector<TabelaDoSprawdzenia> TabeleDoSprawdzenia(engine::FileSystem& fs,
                                                     const std::string& katalogDanych,
                                                     const std::vector<std::string>& nazwy = {});

// The directory of the four tables shared with the payroll program, as ParametryKadr.db names
// it; the data directory when that table does not read.
std::string KatalogPlacDanych(engine::FileSystem& fs, const std::string& katalogDanych);

// Reads the table and its index files without changing a byte.
WynikTabeli SprawdzTabele(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela);

// Repairs what `wynik` (the check's result) found and records the repair in the change journal
// of `katalogDanych` as `uzytkownik`. A table that cannot be repaired is left as it is.
void NaprawTabele(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela, WynikTabeli& wynik,
                  const std::string& katalogDanych, const std::string& uzytkownik);

// 0 when every table is sound, 1 when something was repaired or would be, 2 when something
// cannot be repaired.
int KodWyniku(const std::vector<WynikTabeli>& wyniki);

// The report, table by table: what was found and, after a repair, what was done and lost.
std::string TekstRaportu(const std::vector<WynikTabeli>& wyniki, bool poNaprawie);

// Whether `nazwa` with `haslo` is an administrator of the data directory, read from Hasla.DB
// alone (a repair must be possible while other tables do not open). Throws BladNaprawy with
// the login's message when the user or password is wrong or the user is no administrator.
void SprawdzAdministratora(engine::FileSystem& fs, const std::string& katalogDanych,
                           const std::string& nazwa, const std::string& haslo);

// What is being done and how much of it is done (0 to 1).
using Postep = std::function<void(const std::string& etap, double czesc)>;

struct PrzebiegNaprawy {
    bool naProbe = false;
    std::string uzytkownik;
    // Makes a backup of the data directory before the first repair; false stops the repair.
    std::function<bool()> kopia;
    Postep postep;
};

// The whole job as the window and the command run it: checks every table, asks before
// repairing (unless on trial), offers the backup, repairs with progress. The results in the
// order of `tabele`.
std::vector<WynikTabeli> SprawdzINapraw(engine::FileSystem& fs, const std::string& katalogDanych,
                                        const std::vector<TabelaDoSprawdzenia>& tabele,
                                        store::Dialogi& dialogi, const PrzebiegNaprawy& przebieg);

inline constexpr const char* kTytulNaprawy = "Naprawa tabel";

}  // namespace mirta::naprawa
