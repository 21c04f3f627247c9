#pragma once

#include <string>

#include "reports/format_wydruku.h"
#include "reports/strona.h"

namespace mirta::reports::ui {

// Writes a prepared report as our own file or an export through the atomic writer, so a
// failure leaves no half-written file. Throws std::runtime_error with a Polish message.
void ZapiszWydruk(const Wydruk& w, FormatWydruku format, const std::string& plik);

}  // namespace mirta::reports::ui
