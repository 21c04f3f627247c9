#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "compute/staz.h"
#include "engine/value.h"

namespace mirta::store {

class ZrodlaObliczen;

// What the computations need of one employee, read from the stored tables by identifier.
struct DaneKadrowePracownika {
    int32_t identyfikator = 0;
    bool znaleziony = false;
    char podzial = 0;
    double etat = 0;
    bool etatPusty = true;
    std::string systemSluzby;
    compute::DataKal dataUrodzenia;
    compute::DataKal dataZatrudnienia;
    compute::DataKal dataZwolnienia;
    // Override dates, employment, previous employment and the unpaid leave of every year's
    // leave file (a row copied into a year file counted once).
    compute::DaneStazu staz;
    std::vector<std::string> plikiUrlopow;  // the leave file of each of staz.urlopy
    char grupaSzkodliwosci = 0;             // of the last harm record; 0: none
};
DaneKadrowePracownika CzytajDaneKadrowe(ZrodlaObliczen& zrodla, int32_t pracownik);

// A date of a table field: the empty date for an empty field.
compute::DataKal DataPola(const engine::Value& v);

struct StazRodzaju {
    compute::OkresLMD staz;
    compute::SkladnikiStazu skladniki;
    compute::DataKal dataUmowna;  // the override date of the master record; empty: none
};

// The seniority picture at a date.
struct StazPracownika {
    compute::DataKal data;
    std::array<StazRodzaju, 4> rodzaje;  // in the order of RodzajStazu
    int procentCywila = 0;
    double procentFunkcjonariusza = 0;
    compute::DataKal dataNastepnegoWzrostu;
    // Base dates of Wysluga, Sluzba and NagrodaJubileuszowa for the year of `data`.
    std::array<compute::DataKal, 3> dataBazowa;

    const StazRodzaju& Rodzaj(compute::RodzajStazu r) const {
        return rodzaje[static_cast<size_t>(r)];
    }
};
StazPracownika PoliczStaz(const DaneKadrowePracownika& dane, compute::DataKal data);
// One kind of it; with `slad`, the records and periods counted are written down on the way.
StazRodzaju PoliczStazRodzaju(const DaneKadrowePracownika& dane, compute::RodzajStazu rodzaj,
                              compute::DataKal data, compute::SladSkladnikow* slad = nullptr);

}  // namespace mirta::store
