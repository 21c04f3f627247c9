#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "engine/file_system.h"
#include "engine/table.h"
#include "engine/value.h"
#include "store/sesja.h"

namespace mirta::store {

// How long the file of a former employee is kept, per kind of employee (Podzial of
// Mirta.DB), in a settings table of our own the administrator may change.
inline constexpr const char* kPlikOkresowPrzechowywania = "OkresyPrzechowywania.DB";

enum class SposobPrzechowywania {
    // The labour code: 10 years from the end of the calendar year of dismissal for those
    // employed after 2018-12-31, otherwise 50 years from the date of employment.
    KodeksPracy,
    // A fixed number of years from the end of the calendar year of dismissal.
    LataOdKoncaRoku,
};

struct ZasadaPrzechowywania {
    std::string kod;  // Podzial: "1" officer, "2" civil, "3" civil-service, "4" pensioner
    SposobPrzechowywania sposob = SposobPrzechowywania::LataOdKoncaRoku;
    int lata = 50;
    friend bool operator==(const ZasadaPrzechowywania&, const ZasadaPrzechowywania&) = default;
};

std::vector<engine::FieldDef> PolaOkresowPrzechowywania();

// The defaults: officers and pensioners 50 years, civil and civil-service employees by the
// labour code.
std::vector<ZasadaPrzechowywania> DomyslneZasadyPrzechowywania();
// The rules in force: the stored ones over the defaults, by code.
std::vector<ZasadaPrzechowywania> CzytajZasadyPrzechowywania(engine::FileSystem& fs,
                                                             const std::string& katalog);
// Replaces the stored rules; the table is written under a temporary name and moved in place.
// The administrator's: BladDanych for anybody else.
void ZapiszZasadyPrzechowywania(const SesjaUzytkownika& sesja, engine::FileSystem& fs,
                                const std::string& katalog,
                                const std::vector<ZasadaPrzechowywania>& zasady);
// "50 lat od końca roku zwolnienia", "Kodeks pracy: ..."
std::string OpisZasady(const ZasadaPrzechowywania& z);
// The rule of a kind; the officers' 50 years for a code no rule names.
ZasadaPrzechowywania ZasadaDla(const std::vector<ZasadaPrzechowywania>& zasady,
                               const std::string& kod);

// The last day the file is kept; none without a date of dismissal, or under the labour code
// for an employee hired before 2019 without a date of employment.
std::optional<compute::DataKal> KoniecPrzechowywania(const ZasadaPrzechowywania& z,
                                                     compute::DataKal zatrudnienie,
                                                     compute::DataKal zwolnienie);

struct OkresAktPracownika {
    int32_t pracownik = 0;
    std::string nazwisko;  // "Nowak Jan"
    std::string podzial;
    compute::DataKal zatrudnienie;
    compute::DataKal zwolnienie;
    compute::DataKal koniec;  // the last day the file is kept
};
// Text of the name fields left by the anonymisation.
inline constexpr const char* kAnonim = "ANONIM";

// Every former employee (dismissed on or before `dzis`) whose file may be destroyed on or
// before `doDnia` (the day after the end of retention), by end of retention, then name; anonymised
// persons are left out. `mirta` is the employee master table.
std::vector<OkresAktPracownika> AktaDoZniszczenia(engine::Table& mirta,
                                                  const std::vector<ZasadaPrzechowywania>& zasady,
                                                  compute::DataKal dzis, compute::DataKal doDnia);

}  // namespace mirta::store
