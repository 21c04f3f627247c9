#pragma once

#include <string>
#include <vector>

#include "rodo/upowaznienia.h"
#include "rodo/wydruki_rodo.h"
#include "store/okresy_przechowywania.h"
#include "store/udostepnienia.h"

namespace mirta::rodo {

// The employees of a disclosure as the lists show them: "12, 15, 40", the first twenty and
// the count when there are more.
std::string TekstOsob(const std::vector<int32_t>& pracownicy);

// The printable lists, one row per entry, in the columns the windows show.
Zestawienie ZestawienieUdostepnien(const std::vector<store::Udostepnienie>& wpisy,
                                   std::string filtr);
Zestawienie ZestawienieUpowaznien(const std::vector<Upowaznienie>& upowaznienia);
Zestawienie ZestawienieAktDoZniszczenia(const std::vector<store::OkresAktPracownika>& osoby);

}  // namespace mirta::rodo
