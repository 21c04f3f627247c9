#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/value.h"

namespace mirta::store {

// The register of disclosures: one entry every time data about people leave the program (a
// package sent to the central system, a payroll export, a document produced, a report file
// written), with the employees it held. Two tables of our own in the data directory: the
// entries, and the employees of each entry.
inline constexpr const char* kPlikUdostepnien = "Udostepnienia.DB";
inline constexpr const char* kPlikOsobUdostepnien = "UdostepnieniaOsoby.DB";

// To whom.
inline constexpr const char* kOdbiorcaSPD = "system centralny SPD";
inline constexpr const char* kOdbiorcaPlac = "program płacowy";
inline constexpr const char* kOdbiorcaPlik = "plik";
// What.
inline constexpr const char* kRodzajPrzesylka = "przesyłka";
inline constexpr const char* kRodzajEksport = "eksport";
inline constexpr const char* kRodzajDokument = "dokument";
inline constexpr const char* kRodzajRaport = "raport";

struct Udostepnienie {
    int32_t numer = 0;  // given by the register
    double kiedy = 0;   // a Paradox timestamp; 0: now
    std::string uzytkownik;
    std::string odbiorca;
    std::string rodzaj;
    std::string opis;  // the package, the report's title, the template
    std::string cel;   // the file written, the send's identifier
    std::vector<int32_t> pracownicy;
};

std::vector<engine::FieldDef> PolaUdostepnien();
std::vector<engine::FieldDef> PolaOsobUdostepnien();

// Appends the entry and syncs, creating the tables when the directory has none; the entry's
// number. The employees go first, so that an entry cut short leaves no header without them.
int32_t ZapiszUdostepnienie(engine::FileSystem& fs, const std::string& katalog, Udostepnienie wpis);

// Where the disclosures of this run go: set by the login, so that each path that sends data
// out registers them with one call.
void UstawRejestrUdostepnien(engine::FileSystem& fs, std::string katalog, std::string uzytkownik,
                             const void* wlasciciel);
// Ends it when its owner (the data module that logged in) goes.
void ZakonczRejestrUdostepnien(const void* wlasciciel);
// The entry in the register of the run; nothing before a login. Throws std::runtime_error
// saying that the data did leave when the entry could not be written.
void Udostepniono(std::string odbiorca, std::string rodzaj, std::string opis, std::string cel,
                  std::vector<int32_t> pracownicy);

struct FiltrUdostepnien {
    std::optional<int32_t> pracownik = {};
    std::optional<engine::CivilDate> od = {};
    std::optional<engine::CivilDate> doDnia = {};  // inclusive
};
// The entries that pass the filter, oldest first; none when there is no register yet.
std::vector<Udostepnienie> CzytajUdostepnienia(engine::FileSystem& fs, const std::string& katalog,
                                               const FiltrUdostepnien& filtr = {});

// Rewrites the entries that held employee `pracownik` with `czysc` applied to their texts
// (what anonymisation leaves of a file name holding the person's name). The register is
// rebuilt under a temporary name and moved into place, so no old bytes stay behind.
void PrzepiszUdostepnieniaOsoby(engine::FileSystem& fs, const std::string& katalog,
                                int32_t pracownik,
                                const std::function<std::string(const std::string&)>& czysc);

}  // namespace mirta::store
