#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirta::compute {

// The Polish letters in the order the payroll export translates them.
inline constexpr std::string_view kPolskieLitery = "ążśźćęółńĄŻŚŹĆĘÓŁŃ";

// An amount in the picture "# ### ##0.00": groups of three digits parted by spaces, two
// decimals, no padding before the first digit ("0,00", "1 234,50", "-12 345 678,00").
std::string TekstKwoty(double kwota, char separatorDziesietny = ',');

// A number typed with spaces between thousands ("1 234,50" or "1 234.50"). The first form
// gives nothing for a text that is not a number; the second gives 0, as number fields do.
std::optional<double> CzytajLiczbe(std::string_view tekst);
double LiczbaZTekstu(std::string_view tekst);

// Every character of tekst found in z (first occurrence, position k) becomes the character
// at position k of na; only the first min(len(z), len(na)) positions take part.
std::string PrzetlumaczZnaki(std::string_view tekst, std::string_view z, std::string_view na);

// Replaces the first occurrence of wzor again and again until none is left, so that
// "aaaa" with "aa" -> "a" gives "a". A replacement that contains the pattern would never
// finish that way; it is applied in one pass from the left instead.
std::string ZamienWszystko(std::string_view tekst, std::string_view wzor, std::string_view zamiana);

// The last n characters; the whole text when it is not longer, empty when n <= 0.
std::string PrawaCzesc(std::string_view tekst, int n);

// Cuts spaces and control characters from both ends.
std::string_view Przytnij(std::string_view tekst);

}  // namespace mirta::compute
