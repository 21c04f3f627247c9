#pragma once

#include <string>

#include "compute/data_kal.h"

namespace mirta::compute {

enum class Przypadek { Mianownik, Dopelniacz };  // "styczeń" / "stycznia"

// Names are lower case unless wielka; outside 1..12 / 1..7 the name is empty.
std::string NazwaMiesiaca(int miesiac, Przypadek przypadek, bool wielka = false);
std::string NazwaDniaTygodnia(int dzien, bool wielka = false, bool krotka = false);

// Date layouts: styl 'U' puts the day first ("05-03-2004", "05 marca 2004"), any other
// style the year ("2004-03-05", "2004 marca 05"). An invalid date gives the placeholder
// "__-__ - ____" or "____-__ - __".
std::string TekstDaty(DataKal d, char styl = ' ', bool slownie = false);

// "2.1" or "2 stycznia"; empty for an invalid date.
std::string TekstDniaIMiesiaca(DataKal d, bool liczbowo);

}  // namespace mirta::compute
