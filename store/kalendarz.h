#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "compute/data_kal.h"
#include "compute/kalendarz_miesiaca.h"
#include "compute/zakres_lat.h"

namespace mirta::store {

class TDM;
class TableComponent;

// The calendar's pure rules live in compute/; the store's callers name them here too.
using compute::GenerujMiesiac;
using compute::MiesiacKalendarza;
using compute::SkrotDniaTygodnia;
using compute::SwietoKalendarza;

// The one calendar of Kalendarz.DB this program reads and writes.
inline constexpr int kIdentyfikatorKalendarza = 20000;
// Years the day count accepts; months are generated for any year 1 to 9999.
inline constexpr int kPierwszyRokKalendarza = 1990;

// Codes LiczDniKalendarza returns in place of a count.
using compute::kDniDataDoPrzed1990;
using compute::kDniPozaZakresemLat;
using compute::kDniZlaDataDo;
using compute::kDniZlaDataOd;

// Whether a result of LiczDniKalendarza is a count; callers use 0 for a code.
constexpr bool JestLiczbaDni(int32_t wynik) {
    return !compute::JestKodemDni(wynik);
}
constexpr int32_t DniLubZero(int32_t wynik) {
    return JestLiczbaDni(wynik) ? wynik : 0;
}

// Makes the row (20000, rok, miesiac) of TKalendarz current, generating and storing it when
// it is missing. False, with nothing stored, when it cannot be stored (no right to change
// data, a refused post, a file error: its message goes to `blad`) or the year cannot be held
// (outside 1 to 9999).
bool PrzygotujMiesiac(TDM& tdm, int rok, int miesiac, std::string* blad = nullptr);

// The code a day count gives instead of counting from `od` to `doDnia`: 10001 `od` invalid,
// 10002 `doDnia` invalid, 10003 `doDnia` before 1990, 10000 a year after kOstatniRok or `od`
// before 1990 (checked in this order, before the dates are swapped); 0 when they can be
// counted.
int32_t KodZakresuDni(compute::DataKal od, compute::DataKal doDnia);

// Days from `od` to `doDnia` inclusive whose letter is `litera`, or the code of
// KodZakresuDni.
// Months missing from the calendar are generated; a month that cannot be stored is counted
// as generated, so the result does not depend on the user's rights; why it could not be
// stored (the first such month's message) goes to `ostrzezenie`.
int32_t LiczDniKalendarza(TDM& tdm, compute::DataKal od, compute::DataKal doDnia, char litera,
                          std::string* ostrzezenie = nullptr);

// Kalendarz.DB's own rules: a new row's calendar identifier and the hour entry.
void PodlaczKalendarz(TDM& tdm, TableComponent& kalendarz);

}  // namespace mirta::store
