#pragma once

// Number texts of documents and statement pages, with the decimal comma.

#include <string>

namespace mirta::documents {

// "#0.0": "23,0", "12,5".
std::string ProcentJednoMiejsce(double x);
// The shortest decimal form that reads back as the same number: "10", "12,5".
std::string NajkrotszaLiczba(double x);

}  // namespace mirta::documents
