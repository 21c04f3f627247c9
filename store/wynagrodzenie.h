#pragma once

#include <cstdint>
#include <vector>

#include "compute/data_kal.h"

namespace mirta::store {

class KomunikatyObliczen;
class ZrodlaObliczen;
struct DaneKadrowePracownika;
struct StazPracownika;

// A rank row with its rate over the row's period.
struct WierszStopnia {
    compute::DataKal dataOdKiedy;
    int32_t identyfikator = 0;
    char ubruttowienie = 'T';
    double stawka = 0;
    compute::DataKal dataObowiazywania;  // the period's end as entered; empty: open
};
// A pay-group row with its rate and final pay.
struct WierszGrupy {
    compute::DataKal dataOdKiedy;
    int32_t identyfikator = 0;
    char ubruttowienie = 'T';
    double stawka = 0;
    double placaKoncowa = 0;
};

// The monthly pay of an employee at the processing date.
struct WynagrodzeniePracownika {
    bool funkcjonariusz = false;
    std::vector<WierszStopnia> stopnie;  // in table order
    std::vector<WierszGrupy> grupy;
    double placaZasadnicza = 0;     // final pay of the last group row
    double dodatekZaStopien = 0;    // rate of the last rank row
    double dodatekSluzbowy = 0;     // last service allowance
    double dodatekMotywacyjny = 0;  // in force at the date
    double procentFunkcjonariusza = 0;
    double dodatekStazowyFunkcjonariusza = 0;
    int procentCywila = 0;
    double dodatekStazowyCywila = 0;
    double procentPremii = 0;
    double premia = 0;
    double razemFunkcjonariusz = 0;
    double razemCywil = 0;
    // The year whose bonus rate is missing (0: found); told only where a bonus value is used.
    int brakStawkiPremii = 0;
    // The officer total for officers, the civil one for everyone else.
    double Razem() const { return funkcjonariusz ? razemFunkcjonariusz : razemCywil; }
};

// Pay values from the rank, group, allowance and bonus tables, with the seniority picture at
// the same date (its raise percentages). A missing yearly bonus rate counts as 0 and is only
// noted: whoever uses a bonus value tells it with ZglosBrakPremii.
WynagrodzeniePracownika PoliczWynagrodzenie(ZrodlaObliczen& zrodla,
                                            const DaneKadrowePracownika& dane,
                                            const StazPracownika& staz, compute::DataKal data);

// "Brak wprowadzonej stawki premii pracowników cywilnej na rok: ..." for a bonus value used
// without its rate, of any kind of employee; the messages show it once per operation.
void ZglosBrakPremii(KomunikatyObliczen& komunikaty, const WynagrodzeniePracownika& w);

// The monthly totals; a rate of -1 (a row that could not be located) counts as 0.
double RazemFunkcjonariusz(double placa, double procentStazowy, double stopien, double sluzbowy,
                           double motywacyjny);
double RazemCywil(double placa, int procentStazowy, double procentPremii);

}  // namespace mirta::store
