#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/value.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::bench {

inline constexpr engine::CivilDate kDzisDuzejJednostki{2026, 12, 10};
inline constexpr int kPracownicyDemo = 2000;

// A large unit for the benchmarks, made afresh in `katalog`: `pracownicy` employees with five
// ranks and two positions each; the division code runs through 1..`podzialow` (4 includes
// pensioners). Returns `katalog`.
std::string ZbudujDuzaJednostke(const std::string& katalog, int pracownicy, int podzialow,
                                engine::CivilDate dzis = kDzisDuzejJednostki);

// The demo's large unit, as `mirta demo --pracownicy 2000 --lata 20` makes it, in a fresh
// folder `nazwa` of the temporary directory; its path.
std::string UtworzDuzaJednostkeDemo(const std::string& nazwa);

// A unit opened as the program opens it: both data modules, ADMIN logged in and the tables
// opened after the login.
struct OtwartaJednostka {
    explicit OtwartaJednostka(std::string katalogDanych);

    // Reads every row of the files whole, as a plain scan would.
    size_t Przeczytaj(const std::vector<std::string>& pliki);

    std::string katalog;
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
};

// `pliki` and every year's file of leave taken, as the walk over the years reads them.
std::vector<std::string> ZPlikamiLat(std::vector<std::string> pliki);

}  // namespace mirta::bench
