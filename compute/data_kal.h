#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace mirta::compute {

// A calendar date without time. All fields zero is the empty date; the empty date sorts
// before every real date.
struct DataKal {
    int32_t rok = 0;
    uint8_t miesiac = 0;
    uint8_t dzien = 0;

    bool Pusta() const { return rok == 0 && miesiac == 0 && dzien == 0; }
    inline bool Poprawna() const;

    friend bool operator==(const DataKal&, const DataKal&) = default;
    friend std::strong_ordering operator<=>(const DataKal&, const DataKal&) = default;
};

// Divisible by 4 and not by 100 unless by 400; with 4 | rok, 100 | rok is 25 | rok and
// 400 | rok is 16 | rok, which is cheaper to test.
constexpr bool RokPrzestepny(int64_t rok) {
    return (rok & 3) == 0 && (rok % 25 != 0 || (rok & 15) == 0);
}

// 0 for a month outside 1..12.
constexpr int DniMiesiaca(int64_t rok, int miesiac) {
    constexpr int8_t kDni[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (miesiac < 1 || miesiac > 12)
        return 0;
    return miesiac == 2 && RokPrzestepny(rok) ? 29 : kDni[miesiac];
}

bool DataKal::Poprawna() const {
    return rok > 0 && miesiac >= 1 && miesiac <= 12 && dzien >= 1 &&
           dzien <= DniMiesiaca(rok, miesiac);
}

// Days counted from 0001-01-01 = 1 (the numbering of Paradox date fields), proleptic
// Gregorian in both directions. Defined for dates with a month 1..12 and any day value.
int64_t NumerDnia(DataKal d);
DataKal DataZNumeruDnia(int64_t numer);

// Day stepping, also across year 0 and before. A date without a real month and day is
// returned unchanged.
DataKal NastepnyDzien(DataKal d);
DataKal PoprzedniDzien(DataKal d);
DataKal DodajDni(DataKal d, int64_t n);
inline DataKal OdejmijDni(DataKal d, int64_t n) {
    return DodajDni(d, -n);
}

// Month and year stepping; the day is cut to the length of the target month.
DataKal DodajMiesiace(DataKal d, int32_t n);
inline DataKal PlusMiesiac(DataKal d) {
    return DodajMiesiace(d, 1);
}
inline DataKal MinusMiesiac(DataKal d) {
    return DodajMiesiace(d, -1);
}
inline DataKal PlusRok(DataKal d) {
    return DodajMiesiace(d, 12);
}
inline DataKal MinusRok(DataKal d) {
    return DodajMiesiace(d, -12);
}

// Sorting order: invalid dates first (all equal to each other), then valid dates by value.
int PorownajDaty(DataKal a, DataKal b);

// p - q in days. Sentinels: 100000 when p is not valid, -100000 when q is not valid.
inline constexpr int64_t kRoznicaBezP = 100000;
inline constexpr int64_t kRoznicaBezQ = -100000;
int64_t RoznicaDni(DataKal p, DataKal q);

// Days from a to b counting both ends (1 for a single day, negative when b is before a).
int64_t DniWlacznie(DataKal a, DataKal b);

// 1 Monday .. 7 Sunday; 0 for an invalid date.
int DzienTygodnia(DataKal d);

// The one reader of typed dates (fields, command line): "yyyy-mm-dd" as typed through the
// year-first mask ('-', '/' or '.' between the parts, the year in four digits), or
// "dd.mm.yyyy" as typed through the day-first mask. Anything else, or a day the calendar does
// not have, gives the empty date.
DataKal DataZTekstu(std::string_view tekst);
bool PoprawnyTekstDaty(std::string_view tekst);

// Platform date-time values: days since 1899-12-30, the fraction being the time of day.
// 0 is the empty date both ways.
DataKal DataZDateTime(double wartosc);
double DataNaDateTime(DataKal d);
// Inclusive day count of two platform values; 0 when either is not a valid date.
int64_t DniWlacznieDateTime(double a, double b);

}  // namespace mirta::compute
