#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::rodo {

// The change journal's operation of an anonymisation (the field holds ten letters).
inline constexpr const char* kOperacjaAnonimizacji = "zatarcie";

struct WynikAnonimizacji {
    std::vector<std::string> pliki;  // the files changed, relative to the data directory
    size_t wierszy = 0;              // rows rewritten
};

// What the question before the anonymisation names: "Nowak Jan (identyfikator 12)". Throws
// BladDanych when there is no such employee.
std::string OsobaDoAnonimizacji(store::TDM& tdm, int32_t pracownik);

// Checks what the anonymisation needs, each failure a BladDanych with its message: the
// administrator's right, an employee of that identifier not yet anonymised, the retention of
// their file over at the processing date, no table being edited.
void SprawdzAnonimizacje(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik);

// Replaces the person's personal data: names, PESEL, NIP, identity document, addresses,
// telephones, e-mail, place of birth, parents' names and the family members' data, in the
// master record, the family, every table of the data directory holding the person's rows
// (package copies and the payroll export's files included) and the register of disclosures.
// Names become "ANONIM", other texts empty, the family's dates of birth the first of January
// of their year; the records that feed statistics stay. The change journal keeps that it
// happened without the values, and its earlier entries about the person lose theirs. Tables
// are changed in place (freed space is zeroed by the engine) or rebuilt and renamed; the
// data modules' views are refreshed. Runs the checks first.
WynikAnonimizacji Anonimizuj(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik);

}  // namespace mirta::rodo
