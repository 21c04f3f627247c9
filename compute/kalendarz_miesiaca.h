#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mirta::compute {

// Day number (as NumerDnia) of Easter Sunday of a Gregorian year.
int64_t Wielkanoc(int rok);

// The holidays a generated month marks: the fixed ones, 6 January from 2011, 24 December
// from 2025, Easter Monday and Corpus Christi. REQUIRES: a valid date.
bool SwietoKalendarza(int rok, int miesiac, int dzien);

// A month as the calendar stores it: letter d-1 is day d (R working, W free, S Sunday or
// holiday, Z no such day) and its hours.
struct MiesiacKalendarza {
    std::string przebieg = std::string(31, 'Z');
    std::array<double, 31> godziny{};
};

// Years a calendar month can be generated and stored for.
constexpr bool RokKalendarza(int rok) {
    return rok >= 1 && rok <= 9999;
}

// A month generated from the weekdays and the holidays; all 'Z' for an invalid month.
MiesiacKalendarza GenerujMiesiac(int rok, int miesiac);

// Short capitalised weekday name, 1 Monday .. 7 Sunday ("Pn" .. "Nd"); "" otherwise.
std::string_view SkrotDniaTygodnia(int dzienTygodnia);

}  // namespace mirta::compute
