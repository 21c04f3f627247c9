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

// A commission for a few months; some finished already.
void Zlecenie(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    const int32_t od = p.dataZatrudnienia;
    const int32_t doDnia = PoMiesiacach(od, static_cast<int>(los.Liczba(3, 12))) - 1;
    p.zatrudnienie.push_back({.od = od,
                              .doDnia = doDnia,
                              .forma = los.Szansa(0.7) ? id::kFormaZlecenie : id::kFormaDzielo,
                              .podstawa = 5,
                              .rodzaj = 3});
    if (doDnia < k.dzis)
        p.dataZwolnienia = doDnia;
    p.komorka = los.Szansa(0.5) ? 12 : 8;
    p.etat = 1.0;
}

// A year on a fixed-term contract first, then an open-ended one (or appointment in the civil
// service).
void FormaZatrudnienia(Losowanie& los, Pracownik& p, bool sc, int32_t koniec) {
    const int32_t stala = PoLatach(p.dataZatrudnienia, 1);
    p.zatrudnienie.push_back({.od = p.dataZatrudnienia,
                              .doDnia = stala - 1,
                              .forma = id::kFormaCzasOkreslony,
                              .podstawa = 5,
                              .rodzaj = 3});
    if (stala <= koniec) {
        const int forma =
            sc && los.Szansa(0.5) ? id::kFormaMianowanieSC : id::kFormaCzasNieokreslony;
        p.zatrudnienie.push_back({.od = stala,
                                  .forma = forma,
                                  .podstawa = 6,
                                  .rodzaj = forma == id::kFormaMianowanieSC ? 5 : 4});
    }
}

// Posts along the track of the job, each with its pay group and decision.
void Stanowiska(Losowanie& los, Pracownik& p, bool sc, int32_t koniec) {
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
        const int podstawa = i == 0 ? 5 : 6;
        p.stanowiska.push_back({.od = data, .stanowisko = st, .podstawa = podstawa});
        p.stanowiskaEtatowe.push_back({.od = data, .stanowisko = st, .podstawa = podstawa});
        if (s.grupa > 0)
            p.grupy.push_back({.od = data,
                               .grupa = s.grupa,
                               .ubruttowienie = s.ubruttowienie,
                               .mnoznik = grupy[static_cast<size_t>(s.grupa - 1)].mnoznik});
        p.decyzje.push_back({.data = data,
                             .numer = "WK-C-" + std::to_string(los.Liczba(100, 999)) + "/" +
                                      std::to_string(Rok(data))});
        const auto d =
            engine::CivilFromDayNumber(PoLatach(data, static_cast<int>(los.Liczba(3, 8))));
        data = Dzien(d.year, d.month, 1);
    }
    // Without a pay group the basic pay is typed by hand.
    if (p.grupy.empty())
        p.grupy.push_back(
            {.od = p.dataZatrudnienia, .grupa = 20, .ubruttowienie = 'T', .mnoznik = 1.0});
    p.szkodliwe.push_back({.od = p.dataZatrudnienia, .grupa = '0'});
}

// Motivation allowance, the monthly bonus percentage and the awards of the last years.
void DodatkiINagrody(Losowanie& los, Pracownik& p, const ParametryKariery& k, int32_t koniec) {
    for (int rok = std::max(k.pierwszyRok, Rok(p.dataZatrudnienia)); rok <= Rok(koniec); ++rok) {
        if (los.Szansa(0.6)) {
            const int32_t od = std::max(Dzien(rok, 1, 1), p.dataZatrudnienia);
            int32_t doDnia = Dzien(rok, 12, 31);
            if (p.dataZwolnienia && p.dataZwolnienia < doDnia)
                doDnia = p.dataZwolnienia;
            if (od <= doDnia)
                p.dodInny.push_back({.od = od, .doDnia = doDnia, .wartosc = los.Kwota(150, 700)});
        }
        if (los.Szansa(0.35)) {
            const int miesiac = static_cast<int>(los.Liczba(1, 12));
            if (Dzien(rok, miesiac, 1) <= koniec && Dzien(rok, miesiac, 28) >= p.dataZatrudnienia)
                p.premie.push_back({.rok = rok,
                                    .miesiac = miesiac,
                                    .procent = static_cast<double>(los.Liczba(10, 30)),
                                    .uwagi = "premia uznaniowa"});
        }
        const int32_t marzec = Dzien(rok, 3, static_cast<int>(los.Liczba(10, 31)));
        if (los.Szansa(0.4) && marzec <= koniec && marzec >= p.dataZatrudnienia)
            p.nagrody.push_back({.rodzaj = '1',
                                 .data = marzec,
                                 .komentarz = "nagroda z funduszu nagród",
                                 .kwota = los.Kwota(400, 2000)});
    }
    NagrodyJubileuszowe(los, p, k, koniec, "pracy", 2500, 9000);
}

// Notice first, ending on the last day of work, then the dismissal.
void KoniecPracy(Losowanie& los, Pracownik& p) {
    if (!p.dataZwolnienia)
        return;
    const int miesiace = p.dataZwolnienia - p.dataZatrudnienia > 3 * 365 ? 3 : 1;
    const int32_t od = PoMiesiacach(p.dataZwolnienia, -miesiace) + 1;
    const bool pracownik = los.Szansa(0.6);
    p.wypowiedzenia.push_back({.od = od,
                               .doDnia = p.dataZwolnienia,
                               .typ = '1',
                               .opis = pracownik ? "wypowiedzenie złożone przez pracownika"
                                                 : "wypowiedzenie z przyczyn organizacyjnych"});
    p.zwolnienia.push_back({.data = p.dataZwolnienia,
                            .sposob = pracownik ? "za wypowiedzeniem przez pracownika"
                                                : "za wypowiedzeniem przez pracodawcę",
                            .przyczyna = pracownik ? "podjęcie pracy u innego pracodawcy"
                                                   : "likwidacja stanowiska pracy"});
}

}  // namespace

void KarieraCywila(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    const bool sc = p.kategoria == Kategoria::SluzbaCywilna;
    p.podzial = sc ? '3' : '2';
    p.systemSluzby = '0';
    p.charakter = p.kategoria == Kategoria::Zleceniobiorca ? 'U' : 'S';
    p.statusCywilny = sc ? static_cast<int>(los.Liczba(3, 4)) : static_cast<int>(los.Liczba(1, 2));
    p.etat = los.Szansa(0.12) ? 0.5 : (los.Szansa(0.05) ? 0.75 : 1.0);
    if (p.charakter == 'U') {
        Zlecenie(los, p, k);
        return;
    }
    if (los.Szansa(0.08) && k.dzis - p.dataZatrudnienia > 2 * 365)
        p.dataZwolnienia =
            k.dzis - static_cast<int32_t>(los.Liczba(
                         1, std::min<int64_t>(4 * 365, k.dzis - p.dataZatrudnienia - 400)));
    const int32_t koniec = p.dataZwolnienia ? p.dataZwolnienia : k.dzis;
    FormaZatrudnienia(los, p, sc, koniec);
    Stanowiska(los, p, sc, koniec);
    DodatkiINagrody(los, p, k, koniec);
    KoniecPracy(los, p);
}

}  // namespace mirta::tools
