#include <algorithm>

#include "tools/kariera.h"
#include "tools/slowniki_demo.h"

namespace mirta::tools {

namespace {

const std::vector<int> kStanowiskaCywilne[] = {
    {19, 21},  // maintenance
    {20},      // cleaning
    {22},      // drivers
    {23, 24},  // clerks
    {25},      // IT
    {26, 27},  // accounts
};
const int kKomorkiCywilne[] = {12, 12, 13, 10, 7, 9};
const std::vector<int> kStanowiskaSC = {31, 28, 29, 30};

}  // namespace

void KarieraCywila(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    const bool sc = p.kategoria == Kategoria::SluzbaCywilna;
    const bool umowa = p.kategoria == Kategoria::Zleceniobiorca;
    p.podzial = sc ? '3' : '2';
    p.systemSluzby = '0';
    p.charakter = umowa ? 'U' : 'S';
    p.statusCywilny = sc ? static_cast<int>(los.Liczba(3, 4)) : static_cast<int>(los.Liczba(1, 2));
    p.etat = los.Szansa(0.12) ? 0.5 : (los.Szansa(0.05) ? 0.75 : 1.0);

    if (umowa) {
        // A commission for a few months; some finished already.
        const int32_t od = p.dataZatrudnienia;
        const int32_t doDnia = PoMiesiacach(od, static_cast<int>(los.Liczba(3, 12))) - 1;
        p.zatrudnienie.push_back(
            {od, doDnia, los.Szansa(0.7) ? id::kFormaZlecenie : id::kFormaDzielo, 5, 3});
        if (doDnia < k.dzis)
            p.dataZwolnienia = doDnia;
        p.komorka = los.Szansa(0.5) ? 12 : 8;
        p.etat = 1.0;
        return;
    }

    if (los.Szansa(0.08) && k.dzis - p.dataZatrudnienia > 2 * 365)
        p.dataZwolnienia =
            k.dzis - static_cast<int32_t>(los.Liczba(
                         1, std::min<int64_t>(4 * 365, k.dzis - p.dataZatrudnienia - 400)));
    const int32_t koniec = p.dataZwolnienia ? p.dataZwolnienia : k.dzis;

    // A year on a fixed-term contract first, then an open-ended one (or appointment in the
    // civil service).
    const int32_t stala = PoLatach(p.dataZatrudnienia, 1);
    p.zatrudnienie.push_back({p.dataZatrudnienia, stala - 1, id::kFormaCzasOkreslony, 5, 3});
    if (stala <= koniec) {
        const int forma =
            sc && los.Szansa(0.5) ? id::kFormaMianowanieSC : id::kFormaCzasNieokreslony;
        p.zatrudnienie.push_back({stala, 0, forma, 6, forma == id::kFormaMianowanieSC ? 5 : 4});
    }

    std::vector<int> sciezka;
    if (sc) {
        sciezka = kStanowiskaSC;
        p.komorka = los.Wybierz(std::vector<int>{9, 10, 5, 11});
        if (los.Szansa(0.1))
            sciezka = {32};  // legal counsel
    } else {
        const size_t rodzaj = los.Waga({20, 10, 10, 30, 8, 12});
        sciezka = kStanowiskaCywilne[rodzaj];
        p.komorka = kKomorkiCywilne[rodzaj];
    }
    const auto& slownik = SlownikStanowisk();
    const auto& grupy = SlownikGrup();
    int32_t data = p.dataZatrudnienia;
    for (size_t i = 0; i < sciezka.size() && data <= koniec; ++i) {
        const int st = sciezka[i];
        const auto& s = slownik[static_cast<size_t>(st - 1)];
        p.stanowiska.push_back({data, st, i == 0 ? 5 : 6});
        p.stanowiskaEtatowe.push_back({data, st, i == 0 ? 5 : 6});
        if (s.grupa > 0)
            p.grupy.push_back(
                {data, s.grupa, s.ubruttowienie, grupy[static_cast<size_t>(s.grupa - 1)].mnoznik});
        p.decyzje.push_back({data, "WK-C-" + std::to_string(los.Liczba(100, 999)) + "/" +
                                       std::to_string(Rok(data))});
        const auto d =
            engine::CivilFromDayNumber(PoLatach(data, static_cast<int>(los.Liczba(3, 8))));
        data = Dzien(d.year, d.month, 1);
    }
    // Without a pay group the basic pay is typed by hand.
    if (p.grupy.empty())
        p.grupy.push_back({p.dataZatrudnienia, 20, 'T', 1.0});
    p.szkodliwe.push_back({p.dataZatrudnienia, '0'});

    // Motivation allowance and the monthly bonus percentage of the last years.
    for (int rok = std::max(k.pierwszyRok, Rok(p.dataZatrudnienia)); rok <= Rok(koniec); ++rok) {
        if (los.Szansa(0.6)) {
            const int32_t od = std::max(Dzien(rok, 1, 1), p.dataZatrudnienia);
            int32_t doDnia = Dzien(rok, 12, 31);
            if (p.dataZwolnienia && p.dataZwolnienia < doDnia)
                doDnia = p.dataZwolnienia;
            if (od <= doDnia)
                p.dodInny.push_back({od, doDnia, los.Kwota(150, 700)});
        }
        if (los.Szansa(0.35)) {
            const int miesiac = static_cast<int>(los.Liczba(1, 12));
            if (Dzien(rok, miesiac, 1) <= koniec && Dzien(rok, miesiac, 28) >= p.dataZatrudnienia)
                p.premie.push_back(
                    {rok, miesiac, static_cast<double>(los.Liczba(10, 30)), "premia uznaniowa"});
        }
        const int32_t marzec = Dzien(rok, 3, static_cast<int>(los.Liczba(10, 31)));
        if (los.Szansa(0.4) && marzec <= koniec && marzec >= p.dataZatrudnienia)
            p.nagrody.push_back({'1', marzec, "nagroda z funduszu nagród", los.Kwota(400, 2000)});
    }
    for (int lata : {20, 25, 30, 35, 40}) {
        const int32_t d = PoLatach(p.dataZatrudnienia, lata);
        if (d <= koniec && Rok(d) >= k.pierwszyRok)
            p.nagrody.push_back({'4', d,
                                 "nagroda jubileuszowa za " + std::to_string(lata) + " lat pracy",
                                 los.Kwota(2500, 9000)});
    }

    if (p.dataZwolnienia) {
        // Notice first, ending on the last day of work.
        const int miesiace = p.dataZwolnienia - p.dataZatrudnienia > 3 * 365 ? 3 : 1;
        const int32_t od = PoMiesiacach(p.dataZwolnienia, -miesiace) + 1;
        const bool pracownik = los.Szansa(0.6);
        p.wypowiedzenia.push_back({od, p.dataZwolnienia, '1',
                                   pracownik ? "wypowiedzenie złożone przez pracownika"
                                             : "wypowiedzenie z przyczyn organizacyjnych"});
        p.zwolnienia.push_back(
            {p.dataZwolnienia,
             pracownik ? "za wypowiedzeniem przez pracownika"
                       : "za wypowiedzeniem przez pracodawcę",
             pracownik ? "podjęcie pracy u innego pracodawcy" : "likwidacja stanowiska pracy"});
    }
}

}  // namespace mirta::tools
