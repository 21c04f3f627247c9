#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compute/data_kal.h"

namespace mirta::store {

class ZrodlaObliczen;

// What falls due for an employee.
enum class RodzajTerminu {
    WzrostDodatkuStazowego,  // a whole year of Wysluga that changes the raise percentage
    NagrodaJubileuszowa,     // a jubilee award threshold of its seniority
    UrlopDodatkowy,          // the additional leave grows
    BadanieLekarskie,        // DataNastepnegoBadania of the latest examination
    DowodOsobisty,           // the identity card expires
    KoniecUmowy,             // a fixed-term contract ends without a record continuing it
    StazEmerytalny,          // an officer's retirement seniority threshold
    KoniecPrzechowywania,    // a former employee's file is kept no longer (listed once past)
};

struct Termin {
    compute::DataKal data;
    int32_t pracownik = 0;
    std::string nazwisko;  // "Nowak Jan"
    RodzajTerminu rodzaj = RodzajTerminu::BadanieLekarskie;
    std::string opis;  // "25 lat", "12% (było 11%)"
};

// Years of the jubilee award's seniority that bring one, and of an officer's retirement
// seniority that open a right to the pension.
inline constexpr int32_t kProgiJubileuszowe[] = {20, 25, 30, 35, 40, 45};
inline constexpr int32_t kProgiEmerytalne[] = {15, 25};

// Everything of the employees in service at `od` that falls due from `od` to `od` + `dni`
// (both included), by date, then name. Seniority dates come from the seniority computation
// itself: the first day on which it reaches the count.
std::vector<Termin> TerminyWOkresie(ZrodlaObliczen& zrodla, compute::DataKal od, int32_t dni);

// "wzrost dodatku stażowego", "nagroda jubileuszowa", ...
std::string NazwaTerminu(RodzajTerminu rodzaj);

}  // namespace mirta::store
