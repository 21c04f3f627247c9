#include "documents/formaty_wartosci.h"

#include <charconv>
#include <cstdio>

#include "compute/zaokraglij.h"

namespace mirta::documents {

namespace {

std::string ZPrzecinkiem(std::string s) {
    if (const size_t kropka = s.find('.'); kropka != std::string::npos)
        s[kropka] = ',';
    return s;
}

}  // namespace

std::string ProcentJednoMiejsce(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", compute::Zaokraglij(x, 1));
    return ZPrzecinkiem(b);
}

std::string NajkrotszaLiczba(double x) {
    char b[64];
    auto [p, ec] = std::to_chars(b, b + sizeof b, x);
    return ZPrzecinkiem(ec == std::errc() ? std::string(b, p) : std::to_string(x));
}

}  // namespace mirta::documents
