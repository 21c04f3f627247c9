#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "payroll/wiersze_placowe.h"

namespace mirta::engine {
class Dataset;
class DbfTable;
class FileSystem;
class RowView;
}  // namespace mirta::engine

namespace mirta::payroll {

// The employees whose rows wait in MIRTA.DBF for the payroll program (it takes them away when
// it reads them). An employee is known there by the number the export writes in K_NRP; one
// written without a number (0) is known by the PESEL as well, so that the unnumbered are not
// all taken for one person.
class WierszeWPlacach {
public:
    explicit WierszeWPlacach(engine::DbfTable& mirta);

    bool Jest(const engine::RowView& pracownik, ZrodloNumeru numer) const;

private:
    std::set<int64_t> m_numery;
    std::set<std::string> m_peseleBezNumeru;
};

// How many employees of `pracownicy` already have rows in the MIRTA.DBF at `sciezkaMirty`;
// the file is only read.
int64_t PoliczPowtorzonych(engine::FileSystem& fs, const std::string& sciezkaMirty,
                           const engine::Dataset& pracownicy, ZrodloNumeru numer);

// "W plikach płacowych są już dane N pracowników z tej listy. Dopisać je ponownie?"
std::string PytanieOPowtorzenie(int64_t powtorzonych);

}  // namespace mirta::payroll
