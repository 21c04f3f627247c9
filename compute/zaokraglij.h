#pragma once

namespace mirta::compute {

// Rounds x to n decimal places, halves away from zero (n < 0 rounds to tens, hundreds...).
// A scaled fraction above 0.499999999 counts as a half, so binary representation errors
// (1.005 is stored as 1.00499999...) still round up. Values that cannot be rounded at this
// precision (|x * 10^n| of 10^15 or more, or not finite) are returned unchanged.
double Zaokraglij(double x, int n);

}  // namespace mirta::compute
