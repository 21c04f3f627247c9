#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/dataset.h"
#include "engine/file_system.h"
#include "engine/value.h"

namespace mirta::store {

// The change journal of the data directory: who changed which field of which record, when,
// from what to what. Rows are only ever appended by the program; the administrator may move
// old ones into a file of their own.
inline constexpr const char* kPlikDziennika = "Dziennik.DB";

struct WpisDziennika {
    double kiedy = 0;  // a Paradox timestamp: milliseconds, day 1 = 0001-01-01
    std::string uzytkownik;
    std::string operacja;   // "dopisanie", "zmiana", "usunięcie"
    std::string tabela;     // the file: "Mirta.DB", "WykUrl2026.DB"
    std::string klucz;      // the record's key fields, "; " between them
    int32_t pracownik = 0;  // 0: not a record of one employee
    std::string pole;
    std::string stara;
    std::string nowa;
};

// The journal table's fields.
std::vector<engine::FieldDef> PolaDziennika();

// Now, as the journal keeps it.
double Teraz();
std::string TekstChwili(double kiedy);  // "2026-12-10 14:03:07"

// Appends the entries and syncs, creating the journal when the directory has none.
void DopiszDoDziennika(engine::FileSystem& fs, const std::string& katalog,
                       const std::vector<WpisDziennika>& wpisy);

struct FiltrDziennika {
    std::optional<int32_t> pracownik = {};
    std::optional<engine::CivilDate> od = {};
    std::optional<engine::CivilDate> doDnia = {};  // inclusive
    std::string uzytkownik = {};                   // empty: any; case ignored
    std::string tabela = {};                       // empty: any; case ignored
};
// The entries that pass the filter, oldest first; none when there is no journal yet.
std::vector<WpisDziennika> CzytajDziennik(engine::FileSystem& fs, const std::string& katalog,
                                          const FiltrDziennika& filtr = {});

// Moves the entries made before `przed` into `plikArchiwum` (created, or appended to) and
// leaves the rest in the journal, in order. The journal is rebuilt under a temporary name and
// moved into place only when complete. Returns the number moved.
// The archive's file name for entries before `przed`: "DziennikDo20260101.DB".
std::string PlikArchiwumDziennika(engine::CivilDate przed);
size_t ArchiwizujDziennik(engine::FileSystem& fs, const std::string& katalog,
                          engine::CivilDate przed, const std::string& plikArchiwum);

// Records every post and delete of `ds` in the journal of `katalog`, as `uzytkownik` returns
// the user at that moment. Fields named like a password are never written. Installed once per
// dataset, after its rules: the buffer their before-post handlers leave is what is written.
void PodlaczDziennik(engine::Dataset& ds, engine::FileSystem& fs, std::string katalog,
                     std::function<std::string()> uzytkownik);

}  // namespace mirta::store
