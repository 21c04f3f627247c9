#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "reports/strona.h"

namespace mirta::reports {

// A prepared-report file that cannot be read; what() is the Polish message for the user.
class BladPlikuWydruku : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Our own prepared-report file (the dialogs show it as ".QRP"): a versioned text file of
// tab-separated records, read back exactly. Reading treats the bytes as untrusted: anything
// malformed, out of range, truncated or of another version throws BladPlikuWydruku.
std::string ZapiszQrp(const Wydruk& w);
Wydruk CzytajQrp(std::string_view dane);

// Version 2 added the fonts, slant, underline and colour of documents' text; version 1
// files still open.
inline constexpr int kWersjaQrp = 3;

}  // namespace mirta::reports
