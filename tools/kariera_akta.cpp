#include <algorithm>

#include "tools/kariera.h"
#include "tools/slowniki_demo.h"

namespace mirta::tools {

namespace {

// The male form behind a surname, for the husband and children of a married woman.
std::string MeskaForma(std::string nazwisko) {
    const size_t myslnik = nazwisko.rfind('-');
    if (myslnik != std::string::npos)
        nazwisko = nazwisko.substr(myslnik + 1);
    auto konczySie = [&](const std::string& k) {
        return nazwisko.size() > k.size() &&
               nazwisko.compare(nazwisko.size() - k.size(), k.size(), k) == 0;
    };
    if (konczySie("ska") || konczySie("cka"))
        return nazwisko.substr(0, nazwisko.size() - 1) + "i";
    if (konczySie("na") && nazwisko.size() > 4)
        return nazwisko.substr(0, nazwisko.size() - 1) + "y";
    return nazwisko;
}

const char* const kSzkolySrednie[] = {
    "I Liceum Ogólnokształcące im. T. Kościuszki w Łomży",
    "II Liceum Ogólnokształcące w Łomży",
    "Zespół Szkół Mechanicznych w Łomży",
    "Zespół Szkół Rolniczych w Marianowie",
    "Liceum Ogólnokształcące w Zambrowie",
    "Technikum Elektryczne w Białymstoku",
    "Zespół Szkół Zawodowych w Kolnie",
};

const char* const kZaklady[] = {
    "Zakład Usług Komunalnych w Łomży",
    "Spółdzielnia Mleczarska „Mlekpol”",
    "Przedsiębiorstwo Budowlane „Budomex” Sp. z o.o.",
    "Urząd Gminy Piątnica",
    "Browar Łomża Sp. z o.o.",
    "Szpital Wojewódzki w Łomży",
    "PKS Łomża S.A.",
    "Hurtownia Spożywcza „Żuraw”",
    "Ochotnicza Straż Pożarna w Śniadowie",
    "Zakład Energetyczny Białystok",
};

const char* const kAdresy[] = {
    "ul. Poznańska 141, 18-400 Łomża",    "ul. Nowogrodzka 23, 18-400 Łomża",
    "ul. Zjazd 2, 18-400 Łomża",          "Piątnica Poduchowna 12, 18-421 Piątnica",
    "ul. Akademicka 1, 15-267 Białystok", "ul. Kopernika 20, 18-300 Zambrów",
};

const char* const kStanowiskaWpr[] = {
    "robotnik", "magazynier", "sprzedawca",    "kierowca", "operator maszyn",
    "elektryk", "ślusarz",    "pomoc biurowa", "kelner",   "ratownik wodny",
};

// The parts of a personal file, each with what it needs of the person.
struct Akta {
    Losowanie& los;
    Pracownik& p;
    const ParametryKariery& k;
    bool funkcjonariusz;
    int32_t koniec;  // dismissal or today
};

// Education: secondary school, then for many a fire-service school or a university.
void Wyksztalcenie(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    const int rokMatury = Rok(p.osoba.dataUrodzenia) + 19;
    const bool zawodowa = los.Szansa(0.4);
    p.wyksztalcenie.push_back(
        {.rok = rokMatury,
         .uczelnia = los.Wybierz(kSzkolySrednie),
         .rodzaj = zawodowa ? 4 : 3,
         .tytulNaukowy = zawodowa ? 2 : 1,
         .kierunek = zawodowa ? 8 : 1,
         .dataUzyskania = Dzien(rokMatury, 6, static_cast<int>(los.Liczba(20, 28)))});
    if (funkcjonariusz) {
        if (los.Szansa(0.55)) {
            const int rok =
                std::min(Rok(p.dataZatrudnienia) + static_cast<int>(los.Liczba(2, 6)), Rok(koniec));
            p.wyksztalcenie.push_back(
                {.rok = rok,
                 .uczelnia = "Szkoła Aspirantów Państwowej Straży Pożarnej w Krakowie",
                 .rodzaj = 5,
                 .tytulNaukowy = 2,
                 .kierunek = 2,
                 .strazackie = true,
                 .dataUzyskania = Dzien(rok, 6, 30)});
        }
        if (los.Szansa(0.25)) {
            const int rok =
                std::min(Rok(p.dataZatrudnienia) + static_cast<int>(los.Liczba(4, 9)), Rok(koniec));
            const bool mgr = los.Szansa(0.5);
            p.wyksztalcenie.push_back(
                {.rok = rok,
                 .uczelnia = "Szkoła Główna Służby Pożarniczej w Warszawie",
                 .rodzaj = mgr ? 7 : 6,
                 .tytulNaukowy = mgr ? 6 : 4,
                 .kierunek = 3,
                 .strazackie = true,
                 .dataUzyskania = Dzien(rok, 7, static_cast<int>(los.Liczba(1, 15)))});
        }
    } else if (los.Szansa(0.45)) {
        const int rok = rokMatury + static_cast<int>(los.Liczba(3, 6));
        static const char* const kUczelnie[] = {
            "Uniwersytet w Białymstoku",
            "Politechnika Białostocka",
            "Państwowa Wyższa Szkoła Informatyki i Przedsiębiorczości w Łomży",
            "Wyższa Szkoła Agrobiznesu w Łomży",
        };
        static const int kKierunki[] = {4, 5, 6, 7};
        const bool mgr = los.Szansa(0.6);
        p.wyksztalcenie.push_back({.rok = rok,
                                   .uczelnia = los.Wybierz(kUczelnie),
                                   .rodzaj = mgr ? 7 : 6,
                                   .tytulNaukowy = mgr ? 5 : 3,
                                   .kierunek = los.Wybierz(kKierunki),
                                   .dataUzyskania = Dzien(rok, 7, 10)});
    }
    // A graduation after leaving stays on file; one beyond today would not.
    for (auto& w : p.wyksztalcenie) {
        w.rok = std::min(w.rok, Rok(k.dzis));
        if (w.dataUzyskania > k.dzis)
            w.dataUzyskania = 0;
    }
}

void Kursy(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    auto kurs = [&](int rodzaj, int32_t data, std::string nazwa, int latWaznosci) {
        if (data > koniec || data < p.dataZatrudnienia)
            return;
        p.kursy.push_back({.rodzaj = rodzaj,
                           .rok = Rok(data),
                           .nazwa = std::move(nazwa),
                           .nabycie = data,
                           .waznosc = latWaznosci ? PoLatach(data, latWaznosci) : 0});
    };
    if (funkcjonariusz) {
        kurs(1, PoMiesiacach(p.dataZatrudnienia, 4), "Szkolenie podstawowe w zawodzie strażak", 0);
        for (int32_t d = PoLatach(p.dataZatrudnienia, 1); d <= koniec; d = PoLatach(d, 3))
            kurs(2, d, "Kwalifikowana pierwsza pomoc (KPP)", 3);
        if (los.Szansa(0.4))
            kurs(2, PoLatach(p.dataZatrudnienia, 2), "Ratownictwo techniczne", 0);
        if (los.Szansa(0.3))
            kurs(6, PoLatach(p.dataZatrudnienia, 1), "Kierowca pojazdu uprzywilejowanego", 0);
        if (los.Szansa(0.15))
            kurs(4, PoLatach(p.dataZatrudnienia, 8), "Studia podyplomowe: zarządzanie kryzysowe",
                 0);
    } else {
        for (int32_t d = p.dataZatrudnienia + 10; d <= koniec; d = PoLatach(d, 5))
            kurs(5, d, "Szkolenie okresowe BHP", 5);
        if (los.Szansa(0.2))
            kurs(2, PoLatach(p.dataZatrudnienia, 2), "Obsługa programu kadrowo-płacowego", 0);
    }
}

// Family: spouse and children.
void Rodzina(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    const int32_t urodzenie = p.osoba.dataUrodzenia;
    const int32_t slub = PoLatach(urodzenie, static_cast<int>(los.Liczba(22, 32)));
    if (!los.Szansa(0.72) || slub >= k.dzis)
        return;
    const bool zona = p.osoba.plec == 'M';
    const std::string nazwiskoRodziny = zona ? p.osoba.nazwisko : MeskaForma(p.osoba.nazwisko);
    const char plecMalzonka = zona ? 'K' : 'M';
    p.rodzina.push_back({.pokrewienstwo = zona ? id::kPokrewienstwoZona : id::kPokrewienstwoMaz,
                         .urodzenie = PoLatach(urodzenie, static_cast<int>(los.Liczba(-4, 3))) +
                                      static_cast<int32_t>(los.Liczba(0, 300)),
                         .slub = slub,
                         .nazwisko = FormaNazwiska(nazwiskoRodziny, plecMalzonka),
                         .imie1 = LosujImie(los, plecMalzonka)});
    const int dzieci = static_cast<int>(los.Waga({15, 30, 35, 15, 5}));
    int32_t d = slub + static_cast<int32_t>(los.Liczba(200, 900));
    for (int i = 0; i < dzieci && d < k.dzis; ++i) {
        const bool syn = los.Szansa(0.5);
        const char plec = syn ? 'M' : 'K';
        std::string imie2 = los.Szansa(0.4) ? LosujImie(los, plec) : "";
        p.rodzina.push_back({.pokrewienstwo = syn ? id::kPokrewienstwoSyn : id::kPokrewienstwoCorka,
                             .urodzenie = d,
                             .nazwisko = FormaNazwiska(nazwiskoRodziny, plec),
                             .imie1 = LosujImie(los, plec),
                             .imie2 = imie2});
        d += static_cast<int32_t>(los.Liczba(500, 1800));
    }
}

// Previous employment, military service included for the older men.
void PoprzednieZatrudnienie(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    int32_t od = PoLatach(p.osoba.dataUrodzenia, static_cast<int>(los.Liczba(18, 20)));
    if (p.osoba.plec == 'M' && Rok(p.osoba.dataUrodzenia) < 1990 && los.Szansa(0.5) &&
        od < p.dataZatrudnienia - 400) {
        const int32_t doDnia = PoMiesiacach(od, 18) - 1;
        if (doDnia < p.dataZatrudnienia) {
            p.poprzednie.push_back(
                {.od = od,
                 .doDnia = doDnia,
                 .zaklad = "Jednostka Wojskowa nr " + std::to_string(los.Liczba(1000, 4999)),
                 .adres = "Wojsko Polskie",
                 .sposobRozwiazania = "zwolnienie z zasadniczej służby wojskowej",
                 .stanowiskoWpr = "szeregowy",
                 .wSluzbie = true});
            od = doDnia + static_cast<int32_t>(los.Liczba(10, 120));
        }
    }
    const int prac = static_cast<int>(los.Liczba(0, 2));
    for (int i = 0; i < prac && od < p.dataZatrudnienia - 90; ++i) {
        int32_t doDnia = od + static_cast<int32_t>(los.Liczba(180, 365 * 8));
        doDnia = std::min(doDnia, p.dataZatrudnienia - 1);
        const bool zeSlownika = los.Szansa(0.2);
        p.poprzednie.push_back(
            {.od = od,
             .doDnia = doDnia,
             .zaklad = los.Wybierz(kZaklady),
             .adres = los.Wybierz(kAdresy),
             .sposobRozwiazania = los.Wybierz(SposobyRozwiazaniaUmowy()),
             .stanowiskoWpr = zeSlownika ? "" : los.Wybierz(kStanowiskaWpr),
             .stanowisko = zeSlownika ? static_cast<int>(los.Liczba(19, 23)) : 0});
        od = doDnia + static_cast<int32_t>(los.Liczba(1, 200));
    }
}

// Additional employment with the commander's consent.
void DodatkoweZatrudnienie(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    if (p.charakter == 'U' || !los.Szansa(0.05))
        return;
    const int32_t start = std::max(p.dataZatrudnienia + 365, k.dzis - 365 * 3);
    if (start < koniec)
        p.dodatkowe.push_back(
            {.od = start,
             .doDnia = los.Szansa(0.5) ? 0 : std::min(koniec, PoLatach(start, 1)),
             .zaklad = "Ośrodek Szkolenia Kierowców „Auto-Łomża”",
             .zgodyUdzielil = funkcjonariusz ? "Komendant Miejski" : "Kierownik jednostki",
             .forma = id::kFormaZlecenie,
             .wymiar = 0.25});
}

// Medical examinations: on hiring, then periodic; the next one comes due after today.
void Badania(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    if (p.charakter == 'U')
        return;
    int32_t d = p.dataZatrudnienia - static_cast<int32_t>(los.Liczba(5, 30));
    char rodzaj = '1';
    while (d <= koniec) {
        const bool ograniczenie = los.Szansa(0.06);
        const int lat = funkcjonariusz ? static_cast<int>(los.Liczba(1, 2))
                                       : static_cast<int>(los.Liczba(2, 4));
        const int32_t nastepne = ograniczenie ? PoMiesiacach(d, 6) : PoLatach(d, lat);
        if (Rok(d) >= k.pierwszyRok - 2 || rodzaj == '1')
            p.badania.push_back({.rodzaj = rodzaj,
                                 .wynik = ograniczenie ? '2' : '1',
                                 .data = d,
                                 .nastepne = nastepne});
        rodzaj = '2';
        d = nastepne + static_cast<int32_t>(los.Liczba(-20, 10));
    }
}

// Orders, penalties and distinctions.
void Odznaczenia(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    if (funkcjonariusz) {
        // Long-service medals after 10, 20 and 30 years, given around 11 November.
        for (int i = 0; i < 3; ++i) {
            const int32_t prog = PoLatach(p.dataZatrudnienia, 10 * (i + 1));
            if (prog > koniec)
                break;
            const int32_t data = Dzien(Rok(prog) + 1, 11, static_cast<int>(los.Liczba(5, 10)));
            if (data <= koniec)
                p.ordery.push_back({.data = data,
                                    .rodzaj = i + 1,
                                    .organ = 1,
                                    .numer = "LEG/" + std::to_string(los.Liczba(1000, 99999)) +
                                             "/" + std::to_string(Rok(data))});
        }
        if (los.Szansa(0.15)) {
            const int32_t data =
                Dzien(Rok(p.dataZatrudnienia) + static_cast<int>(los.Liczba(5, 15)), 5, 4);
            if (data <= koniec)
                p.ordery.push_back(
                    {.data = data, .rodzaj = static_cast<int>(los.Liczba(7, 9)), .organ = 3});
        }
    }
    if (los.Szansa(0.05) && koniec - p.dataZatrudnienia > 400) {
        const int32_t data =
            p.dataZatrudnienia + static_cast<int32_t>(los.Liczba(200, koniec - p.dataZatrudnienia));
        p.kary.push_back({.data = data,
                          .rodzaj = static_cast<int>(los.Liczba(1, 3)),
                          .organ = los.Szansa(0.7) ? 5 : 0});
    }
    const int ileWyr = static_cast<int>(los.Waga({60, 25, 10, 5}));
    for (int i = 0; i < ileWyr && koniec - p.dataZatrudnienia > 200; ++i) {
        const int32_t data =
            p.dataZatrudnienia + static_cast<int32_t>(los.Liczba(100, koniec - p.dataZatrudnienia));
        const int rodzaj = static_cast<int>(los.Waga({40, 20, 20, 10, 3, 7})) + 1;
        p.wyroznienia.push_back(
            {.data = data,
             .rodzaj = rodzaj,
             .organ = los.Szansa(0.7) ? 5 : 4,
             .kwota = rodzaj == 3 ? los.Kwota(300, 1500) : 0.0,
             .dniUrlopu = rodzaj == 4 ? static_cast<int>(los.Liczba(1, 5)) : 0});
    }
}

// Child-care leave taken long ago, before the kept leave years.
void UrlopyWychowawcze(Akta& a) {
    auto& [los, p, k, funkcjonariusz, koniec] = a;
    if (p.osoba.plec != 'K')
        return;
    for (const auto& c : p.rodzina) {
        if ((c.pokrewienstwo == id::kPokrewienstwoSyn ||
             c.pokrewienstwo == id::kPokrewienstwoCorka) &&
            c.urodzenie > p.dataZatrudnienia && los.Szansa(0.3)) {
            const int32_t start = c.urodzenie + 140;
            const int32_t powrot = PoMiesiacach(start, static_cast<int>(los.Liczba(6, 12)));
            if (powrot < Dzien(k.pierwszyRok, 1, 1) && powrot < koniec)
                p.zawieszenia.push_back(
                    {.data = start, .powrot = powrot, .powod = '1', .klasyfikacja = '2'});
        }
    }
}

}  // namespace

void AktaOsobowe(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    Akta a{los, p, k, p.podzial == '1' || p.podzial == '4',
           p.dataZwolnienia ? p.dataZwolnienia : k.dzis};
    Wyksztalcenie(a);
    Kursy(a);
    Rodzina(a);
    PoprzednieZatrudnienie(a);
    DodatkoweZatrudnienie(a);
    Badania(a);
    Odznaczenia(a);
    UrlopyWychowawcze(a);
}

}  // namespace mirta::tools
