#include <algorithm>

#include "tools/kariera.h"
#include "tools/slowniki_demo.h"

namespace mirta::tools {

namespace {

// Days of one year that already carry an absence.
class Zajetosc {
public:
    Zajetosc(int32_t od, int32_t doDnia)
        : m_od(od), m_dni(static_cast<size_t>(doDnia - od + 1), false) {}

    int32_t Od() const { return m_od; }
    int32_t Do() const { return m_od + static_cast<int32_t>(m_dni.size()) - 1; }
    bool Wolny(int32_t d) const {
        return d >= Od() && d <= Do() && !m_dni[static_cast<size_t>(d - m_od)];
    }
    bool Zajety(int32_t d) const {
        return d >= Od() && d <= Do() && m_dni[static_cast<size_t>(d - m_od)];
    }
    void Zajmij(int32_t od, int32_t doDnia) {
        for (int32_t d = od; d <= doDnia; ++d)
            if (d >= Od() && d <= Do())
                m_dni[static_cast<size_t>(d - m_od)] = true;
    }

    // The first free span from `start` on covering `ile` counted days (working days or
    // calendar days); false when the year has no room.
    bool Znajdz(int32_t start, int ile, bool robocze, int32_t& od, int32_t& doDnia) const {
        for (int32_t s = std::max(start, Od()); s <= Do(); ++s) {
            if (!Wolny(s) || (robocze && (DzienTygodnia(s) > 5 || Swieto(s))))
                continue;
            int licz = 0;
            int32_t d = s;
            for (; d <= Do() && Wolny(d); ++d) {
                if (!robocze || (DzienTygodnia(d) <= 5 && !Swieto(d)))
                    ++licz;
                if (licz == ile)
                    break;
            }
            if (licz == ile) {
                od = s;
                doDnia = d;
                return true;
            }
            s = d;  // skip the occupied stretch
        }
        return false;
    }

private:
    int32_t m_od;
    std::vector<bool> m_dni;
};

// Rest leave of officers is counted in working days from 2006 on, in calendar days before.
bool LiczoneRoboczo(int rodzaj, int rok) {
    const auto& r = SlownikRodzajowUrlopu()[static_cast<size_t>(rodzaj - 1)];
    if (r.rodzajDni == 'R')
        return true;
    if (r.rodzajDni == 'F')
        return rok >= 2006;
    return false;
}

bool Dodaj(Losowanie& los, Pracownik& p, Zajetosc& z, int rodzaj, int ile, int32_t poczatek) {
    const bool robocze = LiczoneRoboczo(rodzaj, Rok(z.Od()));
    int32_t od = 0, doDnia = 0;
    if (!z.Znajdz(poczatek, ile, robocze, od, doDnia) &&
        !z.Znajdz(z.Od() + static_cast<int32_t>(los.Liczba(0, 20)), ile, robocze, od, doDnia))
        return false;
    z.Zajmij(od, doDnia);
    p.urlopy.push_back({.od = od, .doDnia = doDnia, .rodzaj = rodzaj});
    return true;
}

int Staz(const Pracownik& p, int32_t dzien) {
    return (dzien - p.dataZatrudnienia) / 365;
}

// One leave year of the person: its days, what is carried over and what is due.
struct RokUrlopowy {
    Losowanie& los;
    Pracownik& p;
    const ParametryKariery& k;
    int rok;
    int32_t a, b;  // the days of the year the person was employed
    Zajetosc z;
    bool funkcjonariusz;
    int nalezny = 0, dodatkowy = 0;
};

// Entitlement of the year, in the units the leave type counts.
void Naleznosc(RokUrlopowy& r, int zaleglyWyp, int zaleglyDod) {
    const int32_t styczen = Dzien(r.rok, 1, 1);
    const double czesc = static_cast<double>(r.b - r.a + 1) /
                         static_cast<double>(Dzien(r.rok, 12, 31) - styczen + 1);
    const bool robocze = LiczoneRoboczo(id::kUrlopWypoczynkowy, r.rok);
    const Pracownik& p = r.p;
    int nalezny = r.funkcjonariusz ? 26 : (Staz(p, styczen) + 4 >= 10 ? 26 : 20);
    if (!robocze)
        nalezny = r.funkcjonariusz ? 36 : nalezny * 7 / 5;
    r.nalezny = static_cast<int>(nalezny * czesc * p.etat + 0.999);
    int dodatkowy = 0;
    if (p.systemSluzby == '2' || p.systemSluzby == '3')
        dodatkowy = std::min(13, 5 + Staz(p, styczen) / 3);
    else if (r.funkcjonariusz)
        dodatkowy = std::min(5, Staz(p, styczen) / 3);
    r.dodatkowy = static_cast<int>(dodatkowy * czesc + 0.999);
    r.p.urlopyNalezne.push_back({.rok = r.rok,
                                 .nalezny = r.nalezny,
                                 .dodatkowy = r.dodatkowy,
                                 .zaleglyPoprzedni = zaleglyWyp,
                                 .zaleglyDodatkowy = zaleglyDod,
                                 .przelicznik = p.etat,
                                 .systemSluzby = p.systemSluzby});
}

// Maternity and paternity leave around children born this year.
void UrlopyRodzicielskie(RokUrlopowy& r) {
    Pracownik& p = r.p;
    for (const auto& c : p.rodzina) {
        if (c.pokrewienstwo != id::kPokrewienstwoSyn && c.pokrewienstwo != id::kPokrewienstwoCorka)
            continue;
        if (p.osoba.plec == 'K' && c.urodzenie >= r.a - 140 && c.urodzenie <= r.b) {
            const int32_t od = std::max(c.urodzenie, r.a),
                          doDnia = std::min(c.urodzenie + 139, r.b);
            if (od <= doDnia) {
                r.z.Zajmij(od, doDnia);
                p.urlopy.push_back({.od = od, .doDnia = doDnia, .rodzaj = id::kUrlopMacierzynski});
            }
        } else if (p.osoba.plec == 'M' && Rok(c.urodzenie) == r.rok && c.urodzenie >= r.a) {
            Dodaj(r.los, p, r.z, id::kUrlopOjcowski, 14,
                  c.urodzenie + static_cast<int32_t>(r.los.Liczba(0, 60)));
        }
    }
}

// Sickness first: it happens when it happens, leave is planned around it. Now and then an
// absence.
void ChorobyINieobecnosci(RokUrlopowy& r) {
    Losowanie& los = r.los;
    const int32_t granica = std::min(r.b, r.k.dzis - 1);
    if (granica >= r.a && los.Szansa(0.45)) {
        const int ile = static_cast<int>(los.Liczba(1, 3));
        for (int i = 0; i < ile; ++i) {
            const int32_t start =
                r.a + static_cast<int32_t>(los.Liczba(0, std::max(0, granica - r.a)));
            const int dni = static_cast<int>(los.Liczba(3, 21));
            const int32_t doDnia = std::min(start + dni - 1, granica);
            bool wolne = true;
            for (int32_t d = start; d <= doDnia; ++d)
                wolne = wolne && r.z.Wolny(d);
            if (!wolne)
                continue;
            r.z.Zajmij(start, doDnia);
            const size_t rodzaj = los.Waga({80, 15, 5});
            r.p.choroby.push_back(
                {.od = start, .doDnia = doDnia, .rodzaj = static_cast<int>(rodzaj) + 1});
        }
    }
    if (granica >= r.a && los.Szansa(0.04)) {
        const int32_t d = r.a + static_cast<int32_t>(los.Liczba(0, std::max(0, granica - r.a)));
        if (r.z.Wolny(d) && DzienTygodnia(d) <= 5) {
            r.z.Zajmij(d, d);
            r.p.nieobecnosci.push_back({.od = d, .doDnia = d, .rodzaj = los.Szansa(0.8) ? 1 : 2});
        }
    }
}

// Rest leave: the carried-over days early in the year, two weeks in summer, the rest spread
// out; the current year is not used up yet. Then additional and occasional leave. Updates
// what is carried into the next year.
void UrlopyWypoczynkowe(RokUrlopowy& r, int& zaleglyWyp, int& zaleglyDod) {
    Losowanie& los = r.los;
    Pracownik& p = r.p;
    const int rokDzis = Rok(r.k.dzis);
    const bool robocze = LiczoneRoboczo(id::kUrlopWypoczynkowy, r.rok);
    const double uzycie = r.rok < rokDzis ? 0.8 + los.Ulamek() * 0.2 : 0.7 + los.Ulamek() * 0.2;
    const int doWykorzystania = static_cast<int>((r.nalezny + zaleglyWyp) * uzycie);
    int wykorzystany = 0;
    auto wez = [&](int dni, int32_t start) {
        dni = std::min(dni, doWykorzystania - wykorzystany);
        if (dni > 0 && Dodaj(los, p, r.z, id::kUrlopWypoczynkowy, dni, start))
            wykorzystany += dni;
    };
    if (zaleglyWyp > 0)
        wez(zaleglyWyp, Dzien(r.rok, 2, static_cast<int>(los.Liczba(1, 20))));
    wez(robocze ? 10 : 14,
        Dzien(r.rok, static_cast<int>(los.Liczba(6, 8)), static_cast<int>(los.Liczba(1, 25))));
    wez(static_cast<int>(los.Liczba(3, 6)),
        Dzien(r.rok, static_cast<int>(los.Liczba(4, 5)), static_cast<int>(los.Liczba(1, 25))));
    wez(static_cast<int>(los.Liczba(3, 5)), Dzien(r.rok, 10, static_cast<int>(los.Liczba(1, 25))));
    wez(doWykorzystania - wykorzystany, Dzien(r.rok, 12, static_cast<int>(los.Liczba(14, 22))));
    // Whatever could not be placed stays for next year.
    int wykorzystanyDod = 0;
    const int doDod = r.dodatkowy + zaleglyDod;
    if (doDod > 0) {
        const int dni = r.rok < rokDzis ? doDod : doDod * 2 / 3;
        if (dni > 0 && Dodaj(los, p, r.z, id::kUrlopDodatkowy, dni,
                             Dzien(r.rok, 9, static_cast<int>(los.Liczba(1, 20)))))
            wykorzystanyDod = dni;
    }
    auto dzienRoku = [&] {
        return Dzien(r.rok, static_cast<int>(los.Liczba(1, 11)),
                     static_cast<int>(los.Liczba(1, 28)));
    };
    if (los.Szansa(0.08))
        Dodaj(los, p, r.z, id::kUrlopOkolicznosciowy, static_cast<int>(los.Liczba(1, 2)),
              dzienRoku());
    if (los.Szansa(0.1) && Dodaj(los, p, r.z, id::kUrlopNaZadanie, 1, dzienRoku()))
        ++wykorzystany;
    if (los.Szansa(0.01))
        Dodaj(los, p, r.z, id::kUrlopBezplatny, static_cast<int>(los.Liczba(5, 20)),
              Dzien(r.rok, static_cast<int>(los.Liczba(1, 11)), 1));
    if (!r.funkcjonariusz && los.Szansa(0.03))
        Dodaj(los, p, r.z, id::kUrlopSzkoleniowy, static_cast<int>(los.Liczba(1, 3)),
              Dzien(r.rok, static_cast<int>(los.Liczba(3, 6)), 1));
    zaleglyWyp = std::max(0, r.nalezny + zaleglyWyp - wykorzystany);
    zaleglyDod = std::max(0, doDod - wykorzystanyDod);
    if (p.dataZwolnienia)  // leave left at dismissal is paid out, not carried
        zaleglyWyp = std::min(zaleglyWyp, 26);
}

// Monthly work-time cards of the finished months.
void KartyCzasuPracy(RokUrlopowy& r, int fazaZmiany) {
    if (r.rok < r.k.rokKart)
        return;
    const int rokDzis = Rok(r.k.dzis);
    const Pracownik& p = r.p;
    for (int m = 1; m <= 12; ++m) {
        const int32_t pierwszy = Dzien(r.rok, m, 1);
        const int32_t ostatni = PoMiesiacach(pierwszy, 1) - 1;
        if (ostatni >= Dzien(rokDzis, engine::CivilFromDayNumber(r.k.dzis).month, 1) &&
            r.rok == rokDzis)
            break;
        if (ostatni < r.a || pierwszy > r.b)
            continue;
        KartaCzasuPracy karta{.rok = r.rok, .miesiac = m};
        for (int32_t d = pierwszy; d <= ostatni; ++d) {
            const size_t i = static_cast<size_t>(d - pierwszy);
            if (d < r.a || d > r.b)
                continue;
            int plan = 0;
            if (p.systemSluzby == '2')
                plan = (d + fazaZmiany) % 3 == 0 ? 24 : 0;
            else if (DzienTygodnia(d) <= 5 && !Swieto(d))
                plan = static_cast<int>(8 * p.etat + 0.5);
            karta.plan[i] = plan;
            int wyk = r.z.Zajety(d) ? 0 : plan;
            if (wyk > 0 && wyk < 24 && r.los.Szansa(0.03))
                wyk = std::min(24, wyk + static_cast<int>(r.los.Liczba(1, 4)));
            karta.wykonanie[i] = wyk;
        }
        r.p.karty.push_back(karta);
    }
}

}  // namespace

void NieobecnosciIUrlopy(Losowanie& los, Pracownik& p, const ParametryKariery& k) {
    if (p.charakter == 'U')
        return;  // commissions carry no leave
    const int rokDzis = Rok(k.dzis);
    const int32_t koniec = p.dataZwolnienia ? p.dataZwolnienia : Dzien(rokDzis, 12, 31);
    const bool funkcjonariusz = p.podzial == '1' || p.podzial == '4';
    int zaleglyWyp = static_cast<int>(los.Liczba(0, 8)), zaleglyDod = 0;
    const int fazaZmiany = static_cast<int>(los.Liczba(0, 2));

    const int pierwszy = std::max(k.pierwszyRok, Rok(p.dataZatrudnienia));
    for (int rok = pierwszy; rok <= std::min(rokDzis, Rok(koniec)); ++rok) {
        const int32_t a = std::max(Dzien(rok, 1, 1), p.dataZatrudnienia);
        const int32_t b = std::min(Dzien(rok, 12, 31), koniec);
        if (a > b)
            continue;
        RokUrlopowy r{.los = los,
                      .p = p,
                      .k = k,
                      .rok = rok,
                      .a = a,
                      .b = b,
                      .z = Zajetosc(a, b),
                      .funkcjonariusz = funkcjonariusz};
        if (rok == pierwszy && Rok(p.dataZatrudnienia) == rok)
            zaleglyWyp = 0;
        Naleznosc(r, zaleglyWyp, zaleglyDod);
        UrlopyRodzicielskie(r);
        ChorobyINieobecnosci(r);
        UrlopyWypoczynkowe(r, zaleglyWyp, zaleglyDod);
        KartyCzasuPracy(r, fazaZmiany);
    }
}

}  // namespace mirta::tools
