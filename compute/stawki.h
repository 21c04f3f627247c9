#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mirta::compute {

// One rate of a rank or a pay group: from `dzien` (day number, 1 = 0001-01-01) on.
struct WpisStawki {
    int32_t dzien = 0;
    double wartosc = 0;
    char ubruttowienie = 'T';
};

// The rate for one gross-up variant: with `najnowsza` the last such entry, otherwise the last
// one that applies strictly before `dzien`; 0 when there is none. Entries of one variant are in
// ascending date order.
double StawkaNaDzien(std::span<const WpisStawki> stawki, char ubruttowienie, int32_t dzien,
                     bool najnowsza);

// A salary base in force from `dataOd`.
struct PozPodstawWyn {
    int32_t dataOd = 0;
    double PodstawaFunkcjonariusze = 0;
    double PodstawaCywile = 0;
    double Rezerwa1 = 0;
    double Rezerwa2 = 0;
    int32_t ZaokraglenieFunkcjonarius = 0;
    int32_t ZaokraglenieCywil = 0;
    int32_t Zaokraglenie1 = 0;
    int32_t Zaokraglenie2 = 0;
};

// The last base in table order whose dataOd is not after `dzien`.
std::optional<PozPodstawWyn> PodstawaNaDzien(std::span<const PozPodstawWyn> podstawy,
                                             int32_t dzien);

// Rate and final pay of one pay-group row.
struct PlacaGrupy {
    double stawka = 0;
    double placaKoncowa = 0;
};

// The pay-group row's amounts from a salary base valid on its date.
PlacaGrupy PlacaZPodstawy(const PozPodstawWyn& podstawa, bool funkcjonariusz, double mnoznik,
                          double placaZasadnicza);
// From the group rate (-1: the row was not found); officers' pay is rounded to tens.
PlacaGrupy PlacaZeStawki(double stawka, bool funkcjonariusz, double mnoznik,
                         double placaZasadnicza);

// A rate of -1 marks a row that could not be located: shown, but worth nothing in a sum.
inline double StawkaDoSumy(double stawka) {
    return stawka < 0 ? 0 : stawka;
}

}  // namespace mirta::compute
