#pragma once

#include <cstdint>
#include <string_view>

namespace mirta::compute {

// Error codes of the formula evaluator; 0 is no error.
enum BladWyrazenia : int32_t {
    kBladZnaku = 2,                // a single character that is neither a number nor an operator
    kBladNawiasuZamykajacego = 3,  // ")" without "("
    kBladNawiasow = 4,             // parentheses not balanced at the end
    kBladKoncaNawiasu = 5,         // "(" ... not ending with ")"
    kBladZaMaloPrzecinkow = 6,
    kBladZaDuzoPrzecinkow = 7,
    kBladFunkcji = 8,  // unknown name
    kBladDzieleniaPrzezZero = 9,
    kBladZaglebienia = 10,  // nested deeper than the evaluator recurses
};

// What the evaluator answers with an error set, and when called with one already set.
inline constexpr long double kWynikBledu = 1.657L;
inline constexpr long double kWynikPoBledzie = 1.232323232343L;

// Evaluates an arithmetic and logical expression without spaces: numbers, + - * /,
// comparisons = # < > <= >=, & and |, parentheses, IF(c,a,b) and the functions max, min,
// round, cosh, sinh, tanh, sin, cos, tan, log10, log, exp, abs, ctan, acos, asin, atan,
// ceil, floor, sqrt, pow and mod. Truth is 1, falsehood 0. The caller passes blad = 0 and
// must test it afterwards: with an error the result is kWynikBledu.
long double ObliczWyrazenie(std::string_view tekst, int32_t& blad);

}  // namespace mirta::compute
