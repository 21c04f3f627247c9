#include "compute/zaokraglij.h"

#include <cmath>

namespace mirta::compute {

namespace {

constexpr double kGranicaSkali = 1e15;
constexpr double kProgPolowy = 0.499999999;
constexpr double kProgPolowyWDol = 0.500000001;

}  // namespace

double Zaokraglij(double x, int n) {
    const double znak = x < 0 ? -1.0 : 1.0;
    const double modul = std::fabs(x);
    // Scaling by an exact power of ten in the right direction keeps 3085 / 10 exact.
    const double potega = std::pow(10.0, std::abs(n));
    const double b = n >= 0 ? modul * potega : modul / potega;
    if (!std::isfinite(b) || b >= kGranicaSkali)
        return x;
    double c = std::nearbyint(b);
    if (b - c > kProgPolowy)
        c += 1;
    else if (c - b >= kProgPolowyWDol)
        c -= 1;
    if (c == 0)
        return 0.0;
    return znak * (n >= 0 ? c / potega : c * potega);
}

}  // namespace mirta::compute
