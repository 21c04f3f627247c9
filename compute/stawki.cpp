#include "compute/stawki.h"

#include "compute/zaokraglij.h"

namespace mirta::compute {
namespace {

constexpr double kBrakPlacy = 0.0001;

}  // namespace

double StawkaNaDzien(std::span<const WpisStawki> stawki, char ubruttowienie, int32_t dzien,
                     bool najnowsza) {
    double wynik = 0;
    for (const auto& s : stawki) {
        if (s.ubruttowienie != ubruttowienie)
            continue;
        if (najnowsza || s.dzien < dzien)
            wynik = s.wartosc;
    }
    return wynik;
}

std::optional<PozPodstawWyn> PodstawaNaDzien(std::span<const PozPodstawWyn> podstawy,
                                             int32_t dzien) {
    std::optional<PozPodstawWyn> wynik;
    for (const auto& p : podstawy)
        if (p.dataOd <= dzien)
            wynik = p;
    return wynik;
}

PlacaGrupy PlacaZPodstawy(const PozPodstawWyn& podstawa, bool funkcjonariusz, double mnoznik,
                          double placaZasadnicza) {
    PlacaGrupy p;
    p.stawka = funkcjonariusz ? podstawa.PodstawaFunkcjonariusze : podstawa.PodstawaCywile;
    const int miejsca =
        funkcjonariusz ? podstawa.ZaokraglenieFunkcjonarius : podstawa.ZaokraglenieCywil;
    p.placaKoncowa =
        placaZasadnicza > kBrakPlacy ? placaZasadnicza : Zaokraglij(p.stawka * mnoznik, miejsca);
    return p;
}

PlacaGrupy PlacaZeStawki(double stawka, bool funkcjonariusz, double mnoznik,
                         double placaZasadnicza) {
    PlacaGrupy p;
    p.stawka = stawka;
    if (placaZasadnicza > kBrakPlacy)
        p.placaKoncowa = placaZasadnicza;
    else if (stawka == -1)
        p.placaKoncowa = 0;
    else
        p.placaKoncowa = Zaokraglij(stawka * mnoznik, funkcjonariusz ? -1 : 2);
    return p;
}

}  // namespace mirta::compute
