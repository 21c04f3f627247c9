#include "reports/wybory.h"

#include <cstdio>

namespace mirta::reports {

const std::array<Wybor, kLiczbaWyborow>& Wybory() {
    using S = Sprawdzenie;
    using Z = Zakres;
    static const std::array<Wybor, kLiczbaWyborow> kWybory = {{
        {1, "Dane adresowe pracownika.", S::Brak, Z::Jednostka},
        {2, "Dane pracownika i wykształcenie.", S::Brak, Z::Jednostka},
        {3, "Dane pracownika i wykształcenie uzupełniające.", S::Brak, Z::Jednostka},
        {4, "Lista osób z nagrodami w zadanym okresie.", S::Okres, Z::Jednostka},
        {5, "Lista osób z awansem w zadanym okresie.", S::Okres, Z::Jednostka},
        {6, "Lista osób zwolnionych w danym okresie", S::Okres, Z::Jednostka},
        {7, "Wykaz osób z dodatkowym zatrudnieniem", S::Okres, Z::Jednostka},
        {8, "Wykaz wykorzystania urlopów na dzień bieżący", S::DataPrzetwarzania, Z::Jednostka},
        {9, "Lista osób z ewidencją urlopów w danym okresie", S::Okres, Z::Jednostka},
        {10, "Ewidencja urlopu pracownika", S::Okres, Z::Pracownik},
        {11, "Lista zwolnień chorobowych w danym okresie", S::Okres, Z::Jednostka},
        {12, "Zwolnienia chorobowe pracownika w okresie", S::Okres, Z::Pracownik},
        {13, "Ewidencja nieobecności", S::Okres, Z::Jednostka},
        {14, "Dane z grup płacowych.", S::DataPrzetwarzania, Z::Jednostka},
        {15, "Lista osób z przebiegiem pracy.", S::Brak, Z::Jednostka},
        {16, "Przebieg pracy pracownika.", S::Brak, Z::Pracownik},
        {17, "Wydruk według wzorca.", S::Brak, Z::Wzorzec},
        {18, "Zestawienie wybranych elementów pracownika", S::Oczka, Z::Jednostka},
        {19, "Tabela wykorzystania urlopu na bieżący dzień", S::DataPrzetwarzania, Z::Jednostka},
    }};
    return kWybory;
}

int DefinicjaWydruku::UzyteWiersze() const {
    int n = 0;
    for (int w = 0; w < kWierszeDefinicji; ++w)
        for (int k = 0; k < kKolumnyDefinicji; ++k)
            if (oczka[w][k].Uzyte())
                n = w + 1;
    return n;
}

int DefinicjaWydruku::UzyteKolumny() const {
    int n = 0;
    for (int w = 0; w < kWierszeDefinicji; ++w)
        for (int k = 0; k < kKolumnyDefinicji; ++k)
            if (oczka[w][k].Uzyte() && k + 1 > n)
                n = k + 1;
    return n;
}

std::optional<std::string> SprawdzParametry(const ParametryWydruku& p,
                                            compute::DataKal dataPrzetwarzania) {
    if (p.numer < 1 || p.numer > kLiczbaWyborow)
        return "Nie ma wydruku o numerze " + std::to_string(p.numer) + " !!!";
    switch (Wybory()[p.numer - 1].sprawdzenie) {
        case Sprawdzenie::Okres:
            if (!p.od.Poprawna())
                return "Data od okresu musi być dobrze określona !!!";
            if (!p.doDnia.Poprawna())
                return "Data do okresu musi być dobrze określona !!!";
            if (p.doDnia < p.od)
                return "Data do nie może być mniejsza od daty od !!!";
            break;
        case Sprawdzenie::DataPrzetwarzania:
            if (!dataPrzetwarzania.Poprawna())
                return "Data do okresu musi być dobrze określona !!!";
            break;
        case Sprawdzenie::Oczka:
            if (p.definicja.UzyteWiersze() == 0)
                return "Nie wybrano danych do wydruku !!!";
            break;
        case Sprawdzenie::Brak:
            break;
    }
    return std::nullopt;
}

std::string DataDMY(compute::DataKal d) {
    if (d.Pusta())
        return {};
    char b[16];
    std::snprintf(b, sizeof b, "%02d-%02d-%04d", d.dzien, d.miesiac, d.rok);
    return b;
}

std::string DataYMD(compute::DataKal d) {
    if (d.Pusta())
        return {};
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.rok, d.miesiac, d.dzien);
    return b;
}

}  // namespace mirta::reports
