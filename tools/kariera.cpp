#include "tools/kariera.h"

#include <algorithm>
#include <tuple>

#include "tools/slowniki_demo.h"

namespace mirta::tools {

namespace {

// Age at hiring and length of service by category.
struct ZakresKategorii {
    int wiekOd, wiekDo;
    int stazOd, stazDo;  // years of service before today (or before leaving)
};

ZakresKategorii Zakres(Kategoria k) {
    switch (k) {
        case Kategoria::Funkcjonariusz:
            return {.wiekOd = 20, .wiekDo = 29, .stazOd = 0, .stazDo = 33};
        case Kategoria::Cywil:
            return {.wiekOd = 19, .wiekDo = 50, .stazOd = 0, .stazDo = 30};
        case Kategoria::SluzbaCywilna:
            return {.wiekOd = 23, .wiekDo = 45, .stazOd = 0, .stazDo = 25};
        case Kategoria::Emeryt:
            return {.wiekOd = 20, .wiekDo = 25, .stazOd = 26, .stazDo = 45};
        case Kategoria::Zleceniobiorca:
            return {.wiekOd = 20, .wiekDo = 60, .stazOd = 0, .stazDo = 2};
    }
    return {.wiekOd = 20, .wiekDo = 30, .stazOd = 0, .stazDo = 30};
}

// Rows of one employee that a table keys alike: the later ones go, the file would refuse them.
template <class T, class Klucz>
void Unikalne(std::vector<T>& wiersze, Klucz klucz) {
    std::stable_sort(wiersze.begin(), wiersze.end(),
                     [&](const T& a, const T& b) { return klucz(a) < klucz(b); });
    wiersze.erase(std::unique(wiersze.begin(), wiersze.end(),
                              [&](const T& a, const T& b) { return klucz(a) == klucz(b); }),
                  wiersze.end());
}

}  // namespace

Pracownik LosujPracownika(Losowanie& los, Kategoria kategoria, int numer,
                          const ParametryKariery& k) {
    Pracownik p;
    p.kategoria = kategoria;
    p.numer = numer;
    const auto zakres = Zakres(kategoria);

    // Officers are mostly men; the civil staff mostly women.
    double szansaKobiety = 0.12;
    if (kategoria == Kategoria::Cywil || kategoria == Kategoria::SluzbaCywilna)
        szansaKobiety = 0.7;
    else if (kategoria == Kategoria::Zleceniobiorca)
        szansaKobiety = 0.4;
    const char plec = los.Szansa(szansaKobiety) ? 'K' : 'M';

    // A pensioner left the service some years ago after a full career.
    int32_t koniecSluzby = k.dzis;
    if (kategoria == Kategoria::Emeryt)
        koniecSluzby = k.dzis - static_cast<int32_t>(los.Liczba(200, 365 * 15));
    const int lataSluzby = static_cast<int>(los.Liczba(zakres.stazOd, zakres.stazDo));
    p.dataZatrudnienia =
        PoLatach(koniecSluzby, -lataSluzby) - static_cast<int32_t>(los.Liczba(0, 364));
    if (p.dataZatrudnienia > k.dzis - 20)
        p.dataZatrudnienia = k.dzis - 20;
    // Hiring happens on the first of a month more often than not.
    if (los.Szansa(0.7)) {
        const auto d = engine::CivilFromDayNumber(p.dataZatrudnienia);
        p.dataZatrudnienia = Dzien(d.year, d.month, 1);
    }
    const int wiek = static_cast<int>(los.Liczba(zakres.wiekOd, zakres.wiekDo));
    const int32_t urodzenie =
        PoLatach(p.dataZatrudnienia, -wiek) - static_cast<int32_t>(los.Liczba(0, 364));
    p.osoba = LosujOsobe(los, plec, urodzenie, k.dzis);
    p.nrEwidencyjny =
        std::to_string(1000 + numer) + "/" + std::to_string(Rok(p.dataZatrudnienia) % 100);
    p.kontoKosztow = "401-" + std::to_string(static_cast<int>(kategoria) + 1) + "-" +
                     std::to_string(los.Liczba(10, 99));
    if (kategoria == Kategoria::Emeryt)
        p.dataZwolnienia = koniecSluzby;

    switch (kategoria) {
        case Kategoria::Funkcjonariusz:
        case Kategoria::Emeryt:
            KarieraFunkcjonariusza(los, p, k);
            break;
        default:
            KarieraCywila(los, p, k);
            break;
    }
    AktaOsobowe(los, p, k);
    NieobecnosciIUrlopy(los, p, k);

    Unikalne(p.decyzje, [](const WpisDecyzji& x) { return x.data; });
    Unikalne(p.nagrody,
             [](const WpisNagrody& x) { return std::tie(x.rodzaj, x.data, x.komentarz); });
    Unikalne(p.ordery, [](const WpisOdznaczenia& x) { return std::tie(x.data, x.rodzaj); });
    Unikalne(p.kary, [](const WpisOdznaczenia& x) { return std::tie(x.data, x.rodzaj); });
    Unikalne(p.wyroznienia, [](const WpisOdznaczenia& x) { return std::tie(x.data, x.rodzaj); });
    Unikalne(p.badania, [](const WpisBadania& x) { return std::tie(x.data, x.rodzaj); });
    Unikalne(p.kursy, [](const WpisKursu& x) { return std::tie(x.rodzaj, x.rok, x.nazwa); });
    return p;
}

void NagrodyJubileuszowe(Losowanie& los, Pracownik& p, const ParametryKariery& k, int32_t koniec,
                         const std::string& czego, double kwotaOd, double kwotaDo) {
    for (int lata : {20, 25, 30, 35, 40}) {
        const int32_t d = PoLatach(p.dataZatrudnienia, lata);
        if (d <= koniec && Rok(d) >= k.pierwszyRok)
            p.nagrody.push_back(
                {.rodzaj = '4',
                 .data = d,
                 .komentarz = "nagroda jubileuszowa za " + std::to_string(lata) + " lat " + czego,
                 .kwota = los.Kwota(kwotaOd, kwotaDo)});
    }
}

}  // namespace mirta::tools
