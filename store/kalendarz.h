#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "compute/data_kal.h"

namespace mirta::store {

class TDM;
class TableComponent;

// The one calendar of Kalendarz.DB this program reads and writes.
inline constexpr int kIdentyfikatorKalendarza = 20000;
// Years the day count accepts; months are generated for any year 1 to 9999.
inline constexpr int kPierwszyRokKalendarza = 1990;

// Codes LiczDniKalendarza returns in place of a count.
inline constexpr int32_t kDniPozaZakresemLat = 10000;
inline constexpr int32_t kDniZlaDataOd = 10001;
inline constexpr int32_t kDniZlaDataDo = 10002;
inline constexpr int32_t kDniDataDoPrzed1990 = 10003;

// Whether a result of LiczDniKalendarza is a count; callers use 0 for a code.
constexpr bool JestLiczbaDni(int32_t wynik) {
    return wynik < kDniPozaZakresemLat;
}
constexpr int32_t DniLubZero(int32_t wynik) {
    return JestLiczbaDni(wynik) ? wynik : 0;
}

// A month as the calendar stores it: letter d-1 is day d (R working, W free, S Sunday or
// holiday, Z no such day) and its hours.
struct MiesiacKalendarza {
    std::string przebieg = std::string(31, 'Z');
    std::array<double, 31> godziny{};
};

// The holidays a generated month marks: the fixed ones, 6 January from 2011, 24 December
// from 2025, Easter Monday and Corpus Christi. REQUIRES: a valid date.
bool SwietoKalendarza(int rok, int miesiac, int dzien);
// A month generated from the weekdays and the holidays; all 'Z' for an invalid month.
MiesiacKalendarza GenerujMiesiac(int rok, int miesiac);

// Makes the row (20000, rok, miesiac) of TKalendarz current, generating and storing it when
// it is missing. False, with nothing stored and no message, when it cannot be stored (no
// right to change data, a refused post) or the year cannot be held (outside 1 to 9999).
bool PrzygotujMiesiac(TDM& tdm, int rok, int miesiac);

// Days from `od` to `doDnia` inclusive whose letter is `litera`, or a code: 10001 `od`
// invalid, 10002 `doDnia` invalid, 10003 `doDnia` before 1990, 10000 a year after
// kOstatniRok or `od` before 1990 (checked in this order, before the dates are swapped).
// Months missing from the calendar are generated; a month that cannot be stored is counted
// as generated, so the result does not depend on the user's rights.
int32_t LiczDniKalendarza(TDM& tdm, compute::DataKal od, compute::DataKal doDnia, char litera);

// Short capitalised weekday name, 1 Monday .. 7 Sunday ("Pn" .. "Nd"); "" otherwise.
std::string_view SkrotDniaTygodnia(int dzienTygodnia);

// Kalendarz.DB's own rules: a new row's calendar identifier and the hour entry.
void PodlaczKalendarz(TDM& tdm, TableComponent& kalendarz);

}  // namespace mirta::store
