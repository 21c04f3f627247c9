#include <algorithm>

#include "tools/kariera.h"
#include "tools/slowniki_demo.h"

namespace mirta::tools {

namespace {

enum class Sciezka { Operacyjna, Sztabowa, Oficerska };

// Posts of each track, in order of advancement (position identifiers).
const std::vector<int> kStanowiskaOperacyjne = {2, 3, 4, 5, 6, 7, 8};
const std::vector<int> kStanowiskaSztabowe = {2, 9, 10, 11, 12, 13};
const std::vector<int> kStanowiskaOficerskie = {11, 12, 13, 14, 15, 16, 17, 18};

bool Kierownicze(int stanowisko) {
    return stanowisko >= 14 || stanowisko == 8;
}

int KomorkaStanowiska(Losowanie& los, int stanowisko, int komorkaJrg) {
    if (stanowisko >= 2 && stanowisko <= 8)
        return komorkaJrg;
    if (stanowisko == 14 || stanowisko == 15)
        return komorkaJrg;
    if (stanowisko >= 17)
        return 1;
    static const int kSztabowe[] = {5, 6, 7, 10, 11, 8, 2};
    return los.Wybierz(kSztabowe);
}

char SystemStanowiska(int stanowisko) {
    if (stanowisko >= 2 && stanowisko <= 8)
        return '2';  // shifts in the rescue units
    return stanowisko >= 14 ? '3' : '1';
}

char SzkodliwoscStanowiska(int stanowisko) {
    const char s = SystemStanowiska(stanowisko);
    return s == '2' ? '3' : s == '3' ? '2' : '1';
}

int Wydawca(int stopien) {
    return stopien <= 7 ? 1 : stopien <= 11 ? 2 : stopien <= 16 ? 3 : 4;
}

std::string NumerRozkazu(Losowanie& los, int32_t data) {
    return std::to_string(los.Liczba(1, 240)) + "/" + std::to_string(Rok(data));
}

// The next 4 May (the service's day, when ranks are given) at least `lat` years after `od`.
int32_t NastepnyTermin(Losowanie& los, int32_t od, int latOd, int latDo) {
    const int rok = Rok(od) + static_cast<int>(los.Liczba(latOd, latDo));
    if (los.Szansa(0.8))
        return Dzien(rok, 5, 4);
    return Dzien(rok, static_cast<int>(los.Liczba(1, 12)), 1);
}

struct Zmiana {
    int32_t data;
    int stanowisko;
};

// Service form: three years of preparatory service, then permanent.
void FormaSluzby(Pracownik& p, int32_t koniec) {
    const int32_t stala = PoLatach(p.dataZatrudnienia, 3);
    p.zatrudnienie.push_back({.od = p.dataZatrudnienia,
                              .doDnia = std::min(stala - 1, koniec),
                              .forma = id::kFormaSluzbaPrzygotowawcza,
                              .podstawa = 1,
                              .rodzaj = 1});
    if (stala <= koniec)
        p.zatrudnienie.push_back(
            {.od = stala, .forma = id::kFormaSluzbaStala, .podstawa = 2, .rodzaj = 2});
}

// Ranks and posts over the years; returns the posts in order, one per day.
std::vector<Zmiana> StopnieIStanowiska(Losowanie& los, Pracownik& p, Sciezka sciezka,
                                       int32_t koniec) {
    const int maxStopien = sciezka == Sciezka::Oficerska ? static_cast<int>(los.Liczba(14, 17))
                                                         : static_cast<int>(los.Liczba(6, 11));
    int stopien = 1;
    p.stopnie.push_back({.od = p.dataZatrudnienia,
                         .obowiazuje = p.dataZatrudnienia,
                         .stopien = 1,
                         .ktoWydal = 1,
                         .podstawa = 1,
                         .nrRozkazu = NumerRozkazu(los, p.dataZatrudnienia)});
    std::vector<Zmiana> stanowiska = {
        {.data = p.dataZatrudnienia, .stanowisko = 1}};  // trainee first
    const std::vector<int>& sciezkaStanowisk =
        sciezka == Sciezka::Operacyjna ? kStanowiskaOperacyjne
        : sciezka == Sciezka::Sztabowa ? kStanowiskaSztabowe
                                       : kStanowiskaOficerskie;
    size_t krok = 0;
    int32_t data = PoMiesiacach(p.dataZatrudnienia, static_cast<int>(los.Liczba(6, 12)));
    if (data <= koniec)
        stanowiska.push_back({.data = data, .stanowisko = sciezkaStanowisk[0]});
    int32_t terminStopnia = NastepnyTermin(los, p.dataZatrudnienia, 1, 2);
    int32_t terminStanowiska = PoLatach(data, static_cast<int>(los.Liczba(2, 5)));
    while (true) {
        const int32_t nastepny = std::min(terminStopnia, terminStanowiska);
        if (nastepny > koniec)
            break;
        if (terminStopnia <= terminStanowiska) {
            int nowy = stopien + 1;
            // Officers go to the academy and come back as junior captains.
            if (sciezka == Sciezka::Oficerska && stopien < 12 &&
                terminStopnia >= PoLatach(p.dataZatrudnienia, 3))
                nowy = 12;
            if (nowy <= maxStopien) {
                stopien = nowy;
                const int32_t obowiazuje =
                    los.Szansa(0.7) ? terminStopnia
                                    : terminStopnia + static_cast<int32_t>(los.Liczba(1, 30));
                p.stopnie.push_back({.od = terminStopnia,
                                     .obowiazuje = obowiazuje,
                                     .stopien = stopien,
                                     .ktoWydal = Wydawca(stopien),
                                     .podstawa = 4,
                                     .nrRozkazu = NumerRozkazu(los, terminStopnia)});
            }
            terminStopnia = nowy >= 12 ? NastepnyTermin(los, terminStopnia, 3, 5)
                                       : NastepnyTermin(los, terminStopnia, 2, 4);
            if (nowy > maxStopien)
                terminStopnia = PoLatach(koniec, 1);
        } else {
            if (krok + 1 < sciezkaStanowisk.size()) {
                ++krok;
                // Position changes start on the first of a month.
                const auto d = engine::CivilFromDayNumber(terminStanowiska);
                stanowiska.push_back(
                    {.data = Dzien(d.year, d.month, 1), .stanowisko = sciezkaStanowisk[krok]});
            }
            terminStanowiska = PoLatach(terminStanowiska, static_cast<int>(los.Liczba(3, 6)));
            if (krok + 1 >= sciezkaStanowisk.size())
                terminStanowiska = PoLatach(koniec, 1);
        }
    }
    // Two changes on one day: the later one wins.
    for (size_t i = 1; i < stanowiska.size();) {
        if (stanowiska[i].data <= stanowiska[i - 1].data)
            stanowiska.erase(stanowiska.begin() + static_cast<long>(i - 1));
        else
            ++i;
    }
    return stanowiska;
}

// Each post brings its pay group, harmfulness group, service allowance and decision.
void WpiszStanowiska(Losowanie& los, Pracownik& p, const std::vector<Zmiana>& stanowiska) {
    const auto& slownik = SlownikStanowisk();
    const auto& grupy = SlownikGrup();
    char poprzedniaSzkodliwosc = 0;
    for (size_t i = 0; i < stanowiska.size(); ++i) {
        const auto& z = stanowiska[i];
        const auto& s = slownik[static_cast<size_t>(z.stanowisko - 1)];
        const int podstawa = i == 0 ? 1 : (i == 1 ? 2 : 3);
        p.stanowiska.push_back({.od = z.data, .stanowisko = z.stanowisko, .podstawa = podstawa});
        p.stanowiskaEtatowe.push_back(
            {.od = z.data, .stanowisko = z.stanowisko, .podstawa = podstawa});
        // Entering a post with a pay group brings the pay-group row of the same day.
        if (s.grupa > 0)
            p.grupy.push_back({.od = z.data,
                               .grupa = s.grupa,
                               .ubruttowienie = s.ubruttowienie,
                               .mnoznik = grupy[static_cast<size_t>(s.grupa - 1)].mnoznik});
        const char szk = SzkodliwoscStanowiska(z.stanowisko);
        if (szk != poprzedniaSzkodliwosc) {
            p.szkodliwe.push_back({.od = z.data, .grupa = szk});
            poprzedniaSzkodliwosc = szk;
        }
        const int32_t doDnia = i + 1 < stanowiska.size()
                                   ? stanowiska[i + 1].data - 1
                                   : (p.dataZwolnienia ? p.dataZwolnienia : 0);
        if (Kierownicze(z.stanowisko) || z.stanowisko >= 11)
            p.dodSluzbowy.push_back(
                {.od = z.data, .doDnia = doDnia, .wartosc = los.Kwota(250, 1400)});
        p.decyzje.push_back({.data = z.data,
                             .numer = "WK-" + std::to_string(los.Liczba(100, 999)) + "/" +
                                      std::to_string(Rok(z.data))});
    }
}

// Motivation allowance for some, renewed each year.
void DodatekMotywacyjny(Losowanie& los, Pracownik& p, const ParametryKariery& k, int32_t koniec) {
    if (!los.Szansa(0.3))
        return;
    for (int rok = std::max(k.pierwszyRok, Rok(p.dataZatrudnienia) + 1); rok <= Rok(koniec);
         ++rok) {
        const int32_t od = Dzien(rok, 1, 1);
        int32_t doDnia = Dzien(rok, 12, 31);
        if (p.dataZwolnienia && p.dataZwolnienia < doDnia)
            doDnia = p.dataZwolnienia;
        if (doDnia < od)
            break;
        p.dodInny.push_back({.od = od, .doDnia = doDnia, .wartosc = los.Kwota(100, 600)});
    }
}

// Awards: the yearly one, some discretionary, the jubilee ones.
void NagrodyFunkcjonariusza(Losowanie& los, Pracownik& p, const ParametryKariery& k,
                            int32_t koniec) {
    for (int rok = std::max(k.pierwszyRok, Rok(p.dataZatrudnienia) + 1); rok <= Rok(koniec);
         ++rok) {
        const int32_t marzec = Dzien(rok, 3, static_cast<int>(los.Liczba(10, 31)));
        if (marzec <= koniec)
            p.nagrody.push_back({.rodzaj = '3',
                                 .data = marzec,
                                 .komentarz = "nagroda roczna za rok " + std::to_string(rok - 1),
                                 .kwota = los.Kwota(3500, 7800)});
        if (los.Szansa(0.2)) {
            const int32_t d = Dzien(rok, static_cast<int>(los.Liczba(4, 12)),
                                    static_cast<int>(los.Liczba(1, 28)));
            if (d <= koniec)
                p.nagrody.push_back({.rodzaj = '1',
                                     .data = d,
                                     .komentarz = "za zaangażowanie w działaniach ratowniczych",
                                     .kwota = los.Kwota(500, 2500)});
        }
    }
    NagrodyJubileuszowe(los, p, k, koniec, "służby", 6000, 16000);
}

// Leaving the service: the dismissal, its decision and, for a pensioner, the pension (with a
// disability group for some).
void KoniecSluzby(Losowanie& los, Pracownik& p, int32_t koniec) {
    if (!p.dataZwolnienia)
        return;
    const bool emerytura = p.kategoria == Kategoria::Emeryt || los.Szansa(0.5);
    p.zwolnienia.push_back({.data = p.dataZwolnienia,
                            .sposob = emerytura ? "zwolnienie ze służby" : "na własną prośbę",
                            .przyczyna = emerytura ? "nabycie prawa do emerytury"
                                                   : "pisemne zgłoszenie wystąpienia ze służby"});
    p.decyzje.push_back({.data = p.dataZwolnienia - static_cast<int32_t>(los.Liczba(14, 60)),
                         .numer = "WK-Z-" + std::to_string(los.Liczba(10, 99)) + "/" +
                                  std::to_string(Rok(p.dataZwolnienia))});
    if (p.kategoria != Kategoria::Emeryt)
        return;
    p.swiadczenia.push_back({.przyznano = p.dataZwolnienia + 1,
                             .rodzajSwiadczenia = 1,
                             .numer = "EM/" + std::to_string(los.Liczba(10000, 99999)),
                             .opis = "emerytura po " +
                                     std::to_string((koniec - p.dataZatrudnienia) / 365) +
                                     " latach służby"});
    if (los.Szansa(0.15))
        p.swiadczenia.push_back({.przyznano = p.dataZwolnienia + 1,
                                 .grupaInwalidzka = static_cast<int>(los.Liczba(1, 3)),
                                 .numer = "ZUS/" + std::to_string(los.Liczba(1000, 9999)),
                                 .opis = "orzeczenie komisji lekarskiej"});
    p.systemSluzby = '1';
}

}  // namespace

void KarieraFunkcjonariusza(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    p.podzial = p.kategoria == Kategoria::Emeryt ? '4' : '1';
    p.charakter = 'S';
    p.etat = 1.0;
    if (p.kategoria == Kategoria::Funkcjonariusz && los.Szansa(0.07) &&
        k.dzis - p.dataZatrudnienia > 2 * 365) {
        // Left the service recently: retired or at his own request.
        p.dataZwolnienia =
            k.dzis - static_cast<int32_t>(los.Liczba(
                         1, std::min<int64_t>(3 * 365, k.dzis - p.dataZatrudnienia - 400)));
    }
    const int32_t koniec = p.dataZwolnienia ? p.dataZwolnienia : k.dzis;

    const Sciezka sciezka = static_cast<Sciezka>(los.Waga({62, 26, 12}));
    const int komorkaJrg = los.Szansa(0.55) ? 3 : 4;
    FormaSluzby(p, koniec);
    const std::vector<Zmiana> stanowiska = StopnieIStanowiska(los, p, sciezka, koniec);
    WpiszStanowiska(los, p, stanowiska);
    const int ostatnie = stanowiska.back().stanowisko;
    p.systemSluzby = SystemStanowiska(ostatnie);
    p.komorka = KomorkaStanowiska(los, ostatnie, komorkaJrg);
    DodatekMotywacyjny(los, p, k, koniec);
    NagrodyFunkcjonariusza(los, p, k, koniec);
    KoniecSluzby(los, p, koniec);
}

}  // namespace mirta::tools
