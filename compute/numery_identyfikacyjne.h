#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "compute/data_kal.h"

namespace mirta::compute {

// What a PESEL number says about its holder. Only a number of eleven digits with a correct
// check digit and a real date of birth is `poprawny`; the date and sex are given then.
struct Pesel {
    bool poprawny = false;
    DataKal dataUrodzenia;
    char plec = 0;  // 'K' or 'M'
};

Pesel CzytajPesel(std::string_view numer);

// A NIP of ten digits, optionally written with dashes or spaces, whose check digit is right.
bool PoprawnyNip(std::string_view numer);

}  // namespace mirta::compute
