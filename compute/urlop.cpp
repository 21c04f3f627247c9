#include "compute/urlop.h"

#include <algorithm>
#include <cmath>

#include "compute/teksty_dat.h"
#include "compute/zakres_lat.h"

namespace mirta::compute {

namespace {

int32_t Licz(const LicznikDni& liczDni, DataKal a, DataKal b, char litera) {
    const int32_t n = liczDni(a, b, litera);
    return JestKodemDni(n) || n < 0 ? 0 : n;
}

// m months of a year's `dni` days, a fraction above 0.001 counting as a whole day.
int32_t CzescRoku(int32_t miesiace, int32_t dni) {
    const double x = miesiace * static_cast<double>(dni) / 12.0;
    const double calosc = std::floor(x);
    return static_cast<int32_t>(x - calosc > 0.001 ? calosc + 1 : calosc);
}

int32_t WypoczynkowyFunkcjonariusza(const DaneUprawnienia& d, int32_t rok) {
    const bool bezPoprzedniego = !d.maPoprzednieZatrudnienie;
    if (rok < kPierwszyRokGodzinUrlopu)
        return bezPoprzedniego && d.sluzba.lata < 1 ? 0 : 30;
    if (bezPoprzedniego && d.sluzba.lata < 1)
        return CzescRoku(d.sluzba.miesiace, 26);
    return 26;
}

int32_t WypoczynkowyCywila(const DaneUprawnienia& d, int32_t rok) {
    const int32_t lata = d.wysluga.lata;
    if (rok >= kPierwszyRokKodeksowegoUrlopuCywila) {
        if (lata >= 10)
            return 26;
        if (lata >= 1)
            return 20;
        return CzescRoku(std::max<int32_t>(d.wysluga.miesiace, 0), 20);
    }
    if (lata > 10)
        return 26;
    if (lata > 6)
        return 20;
    return lata > 0 ? 18 : 0;
}

struct Progi {
    int32_t staz[3];   // 25+, 20-24, 15-19 years of service
    int32_t wiek[3];   // 55+, 45-54, 40-44 years of age
    int32_t grupa[4];  // harm groups "1" .. "4"
    int32_t najwyzej;
};
constexpr Progi kDo2005{{15, 10, 5}, {15, 10, 5}, {15, 10, 7, 5}, 15};
constexpr Progi kDo2010{{13, 9, 5}, {13, 9, 5}, {5, 9, 18, 18}, 18};
constexpr Progi kOd2011{{13, 9, 5}, {13, 9, 5}, {5, 9, 13, 13}, 13};

int32_t Prog(int32_t wartosc, const int32_t (&czesci)[3], int32_t a, int32_t b, int32_t c) {
    if (wartosc >= a)
        return czesci[0];
    if (wartosc >= b)
        return czesci[1];
    return wartosc >= c ? czesci[2] : 0;
}

struct StanUrlopu {
    int32_t biezacyWypoczynkowy = 0;
    int32_t biezacyDodatkowy = 0;
    int32_t poprzedni = 0;
    int32_t dwaLata = 0;
    int32_t trzyLata = 0;
    int32_t kalendarzowe = 0;
    int32_t robocze = 0;
    int32_t rzeczywiste = 0;

    void Przesun() {
        trzyLata += dwaLata;
        dwaLata = poprzedni;
        poprzedni = biezacyWypoczynkowy + biezacyDodatkowy;
    }
    void Zuzyj(int32_t dni) {
        for (int32_t* licznik : {&trzyLata, &dwaLata, &poprzedni, &biezacyDodatkowy}) {
            const int32_t wziete = std::clamp(*licznik, 0, std::max(dni, 0));
            *licznik -= wziete;
            dni -= wziete;
        }
        biezacyWypoczynkowy -= dni;
    }
};

StanUrlopu Stan(std::span<const WierszUrlopuNaleznego> nalezne,
                std::span<const PozycjaUrlopu> urlopy, DataKal r, int32_t rokPrzetwarzania,
                const std::function<ParaUrlopow(DataKal)>& uprawnienie, const LicznikDni& liczDni) {
    StanUrlopu s;
    auto liczony = [&](const PozycjaUrlopu& u) {
        return u.dataOd.Poprawna() && LiczySieDoWypoczynkowego(u.typ, rokPrzetwarzania);
    };
    int32_t rok0 = 0;
    for (const auto& w : nalezne) {
        if (w.rok <= r.rok && w.rok >= rok0) {
            rok0 = w.rok;
            s.poprzedni = w.zaleglyPoprzedni;
            s.dwaLata = w.zalegly2;
            s.trzyLata = w.zalegly3;
        }
    }
    if (rok0 < 1990) {
        rok0 = r.rok;
        for (const auto& u : urlopy) {
            if (liczony(u) && u.dataOd.rok <= r.rok) {
                rok0 = u.dataOd.rok;
                break;
            }
        }
    }
    auto ustawUprawnienie = [&](DataKal d) {
        const ParaUrlopow p = uprawnienie(d);
        s.biezacyWypoczynkowy = p.wypoczynkowy.dni;
        s.biezacyDodatkowy = p.dodatkowy.dni;
    };
    for (int32_t i = rok0; i < r.rok; ++i) {
        if (i != rok0)
            s.Przesun();
        ustawUprawnienie(DataKal{i, 12, 31});
        for (const auto& u : urlopy)
            if (liczony(u) && u.dataOd.rok == i)
                s.Zuzyj(u.ilosc.dni);
    }
    if (rok0 != r.rok)
        s.Przesun();
    ustawUprawnienie(r);
    for (const auto& u : urlopy) {
        if (!liczony(u) || u.dataOd.rok != r.rok || r < u.dataOd)
            continue;
        s.Zuzyj(u.ilosc.dni);
        const DataKal koniec = u.dataDo.Poprawna() && u.dataDo < r ? u.dataDo : r;
        s.kalendarzowe += static_cast<int32_t>(DniWlacznie(u.dataOd, koniec));
        s.robocze += Licz(liczDni, u.dataOd, koniec, 'R');
        s.rzeczywiste += u.ilosc.dni;
    }
    return s;
}

void Razem(ZestawienieUrlopu& z) {
    z.razemNalezny = z.nalezny + z.zalegly;
    z.razemPozostaly = z.pozostalyBiezacy + z.pozostalyZalegly;
}

}  // namespace

std::string TekstDniGodzin(DniGodziny x) {
    return std::to_string(x.dni) + "/" + std::to_string(x.godziny);
}

std::string TekstParyUrlopow(const ParaUrlopow& p, bool wTekscie) {
    return std::string(wTekscie ? "urlop" : "Urlop") +
           " wypoczynkowy: " + TekstDniGodzin(p.wypoczynkowy) +
           ", dodatkowy: " + TekstDniGodzin(p.dodatkowy) +
           ", razem: " + TekstDniGodzin(p.wypoczynkowy + p.dodatkowy);
}

std::string TekstUrlopowNaleznych(const ZestawienieUrlopu& z, DataKal data) {
    auto para = [](const ParaUrlopow& a, const ParaUrlopow& b) {
        return TekstParyUrlopow(a) + ". Pozostało: " + TekstParyUrlopow(b, true) + "\n";
    };
    std::string t = "Obliczenie urlopu na dzień: " + TekstDaty(data, 'U', true) + ".\n\n";
    t += "Urlop roku bieżącego:\n" + para(z.nalezny, z.pozostalyBiezacy);
    t += "Urlop zaległy:\n" + para(z.zalegly, z.pozostalyZalegly);
    t += "Razem urlopy:\n" + para(z.razemNalezny, z.razemPozostaly);
    t += "Dni wykorzystane: " + TekstParyUrlopow(z.wykorzystany, true) + ", kalendarzowe:" +
         std::to_string(z.wypoczynkowy.kalendarzowe + z.dodatkowy.kalendarzowe) +
         ", robocze: " + std::to_string(z.wypoczynkowy.robocze + z.dodatkowy.robocze) +
         ", świąteczne funk.:" + std::to_string(z.wypoczynkowy.swietaWUrlopie) + ".\n";
    return t;
}

double CzynnikEtatu(int32_t rokPrzetwarzania, double etat, bool etatPusty) {
    if (rokPrzetwarzania < kPierwszyRokGodzinUrlopu || etatPusty)
        return 1.0;
    return etat;
}

DniGodziny UrlopWypoczynkowy(const DaneUprawnienia& d, DataKal data, double czynnikEtatu) {
    int32_t dni = 0;
    if (d.podzial == '1')
        dni = WypoczynkowyFunkcjonariusza(d, data.rok);
    else if (d.podzial == '2' || d.podzial == '3')
        dni = WypoczynkowyCywila(d, data.rok);
    return {static_cast<int32_t>(std::trunc(dni * czynnikEtatu)), 0};
}

DniGodziny UrlopDodatkowy(const DaneUprawnienia& d, DataKal data) {
    if (d.podzial != '1' || d.sluzba.lata < 1)
        return {};
    const Progi& p = data.rok <= 2005 ? kDo2005 : data.rok <= 2010 ? kDo2010 : kOd2011;
    const int32_t wiek = DlugoscOkresu(d.dataUrodzenia, data).lata;
    int32_t dni = Prog(d.sluzba.lata, p.staz, 25, 20, 15) + Prog(wiek, p.wiek, 55, 45, 40);
    if (d.grupaSzkodliwosci >= '1' && d.grupaSzkodliwosci <= '4')
        dni += p.grupa[d.grupaSzkodliwosci - '1'];
    return {std::min(dni, p.najwyzej), 0};
}

DniGodziny OdliczUrlop(DniGodziny& saldo, DniGodziny uzyty, int32_t godzinyDnia,
                       bool zRokuBiezacego) {
    const int32_t h = godzinyDnia > 0 ? godzinyDnia : 8;
    int32_t &d = saldo.dni, &e = saldo.godziny;
    int32_t u = std::max(uzyty.dni, 0), v = std::max(uzyty.godziny, 0);
    while (v > 0) {
        if (e > 0) {
            const int32_t w = std::min(v, e);
            v -= w;
            e -= w;
        } else if (d > 0) {
            --d;
            e += h;
        } else {
            break;
        }
    }
    while (u > 0) {
        if (d > 0) {
            const int32_t w = std::min(u, d);
            u -= w;
            d -= w;
        } else if (e > h) {
            e -= h;
            ++d;
        } else {
            break;
        }
    }
    while (e > 0) {
        if (v < e) {
            e -= v;
            v = 0;
            if (u <= 0)
                break;
            --u;
            v += h;
        } else {
            v -= e;
            e = 0;
        }
    }
    if (zRokuBiezacego) {
        e -= v;
        d -= u;
        return {};
    }
    return {u, v};
}

IloscUrlopu PoliczIloscUrlopu(DataKal od, DataKal doDnia, TypUrlopu typ, bool iloscPodana,
                              int32_t ilosc, bool godzinyPodane, int32_t godziny,
                              const LicznikDni& liczDni) {
    IloscUrlopu wynik;
    auto liczony = [](DataKal d) {
        return d.Poprawna() && d.rok >= kPierwszyRokLiczeniaDni && d.rok <= kOstatniRok;
    };
    if (!liczony(od) || !liczony(doDnia))
        return wynik;
    const bool robocze =
        typ.rodzajDni == 'R' || (typ.rodzajDni == 'F' && od.rok >= kPierwszyRokGodzinUrlopu);
    wynik.wyliczona =
        robocze ? Licz(liczDni, od, doDnia, 'R') : static_cast<int32_t>(DniWlacznie(od, doDnia));
    if (iloscPodana || godzinyPodane)
        wynik.rzeczywista = {iloscPodana ? ilosc : 0, godzinyPodane ? godziny : 0};
    else
        wynik.rzeczywista = {wynik.wyliczona, 0};
    return wynik;
}

bool LiczySieDoWypoczynkowego(TypUrlopu t, int32_t rokPrzetwarzania) {
    if (rokPrzetwarzania >= kPierwszyRokGodzinUrlopu)
        return t.rodzajUrlopu == 'W';
    return t.rodzajUrlopu == 'W' || t.rodzajUrlopu == 'D';
}

bool LiczySieDoDodatkowego(TypUrlopu t, int32_t rokPrzetwarzania) {
    return rokPrzetwarzania >= kPierwszyRokGodzinUrlopu && t.rodzajUrlopu == 'D';
}

ZestawienieUrlopu ZestawienieOdRoku2006(ParaUrlopow nalezny, ParaUrlopow zalegly,
                                        std::span<const PozycjaUrlopu> urlopy, DataKal r,
                                        int32_t rokPrzetwarzania, double czynnikEtatu,
                                        const LicznikDni& liczDni) {
    ZestawienieUrlopu z;
    const int32_t h = static_cast<int32_t>(std::trunc(czynnikEtatu * 8));
    z.nalezny = nalezny;
    z.zalegly = zalegly;
    z.pozostalyBiezacy = nalezny;
    z.pozostalyZalegly = zalegly;
    for (const auto& u : urlopy) {
        if (!u.dataOd.Poprawna() || r < u.dataOd)
            continue;
        const bool wypoczynkowy = LiczySieDoWypoczynkowego(u.typ, rokPrzetwarzania);
        const bool dodatkowy = LiczySieDoDodatkowego(u.typ, rokPrzetwarzania);
        if (!wypoczynkowy && !dodatkowy)
            continue;
        const bool obciety = !u.dataDo.Poprawna() || r < u.dataDo;
        const DataKal koniec = obciety ? r : u.dataDo;
        DniGodziny ilosc = u.ilosc;
        if (obciety)
            ilosc = {u.typ.rodzajDni == 'R' ? Licz(liczDni, u.dataOd, r, 'R')
                                            : static_cast<int32_t>(DniWlacznie(u.dataOd, r)),
                     0};
        StatystykaUrlopu& s = wypoczynkowy ? z.wypoczynkowy : z.dodatkowy;
        DniGodziny& wykorzystany =
            wypoczynkowy ? z.wykorzystany.wypoczynkowy : z.wykorzystany.dodatkowy;
        DniGodziny& zaleglyPozostaly =
            wypoczynkowy ? z.pozostalyZalegly.wypoczynkowy : z.pozostalyZalegly.dodatkowy;
        DniGodziny& biezacyPozostaly =
            wypoczynkowy ? z.pozostalyBiezacy.wypoczynkowy : z.pozostalyBiezacy.dodatkowy;
        wykorzystany = wykorzystany + ilosc;
        s.kalendarzowe += static_cast<int32_t>(DniWlacznie(u.dataOd, koniec));
        s.robocze += Licz(liczDni, u.dataOd, koniec, 'R');
        s.wolneSoboty += Licz(liczDni, u.dataOd, koniec, 'W');
        const int32_t swieta = Licz(liczDni, u.dataOd, koniec, 'S');
        s.swieta += swieta;
        if (u.typ.rodzajDni != 0)
            s.swietaWUrlopie += swieta;
        const DniGodziny reszta = OdliczUrlop(zaleglyPozostaly, ilosc, h, false);
        OdliczUrlop(biezacyPozostaly, reszta, h, true);
    }
    if (z.wypoczynkowy.swietaWUrlopie > 4 && r.rok < 2007)
        z.pozostalyBiezacy.wypoczynkowy.dni += z.wypoczynkowy.swietaWUrlopie - 4;
    Razem(z);
    return z;
}

ZestawienieUrlopu ZestawienieDoRoku2005(std::span<const WierszUrlopuNaleznego> nalezne,
                                        std::span<const PozycjaUrlopu> urlopy, DataKal r,
                                        int32_t rokPrzetwarzania,
                                        const std::function<ParaUrlopow(DataKal)>& uprawnienie,
                                        const LicznikDni& liczDni) {
    const StanUrlopu naDzien = Stan(nalezne, urlopy, r, rokPrzetwarzania, uprawnienie, liczDni);
    const StanUrlopu naPoczatek =
        Stan(nalezne, urlopy, DataKal{r.rok, 1, 1}, rokPrzetwarzania, uprawnienie, liczDni);
    ZestawienieUrlopu z;
    z.nalezny = uprawnienie(r);
    z.zalegly.wypoczynkowy.dni = naPoczatek.poprzedni + naPoczatek.dwaLata + naPoczatek.trzyLata;
    z.pozostalyBiezacy.wypoczynkowy.dni = naDzien.biezacyWypoczynkowy;
    z.pozostalyBiezacy.dodatkowy.dni = naDzien.biezacyDodatkowy;
    z.pozostalyZalegly.wypoczynkowy.dni = naDzien.poprzedni + naDzien.dwaLata + naDzien.trzyLata;
    z.wypoczynkowy.kalendarzowe = naDzien.kalendarzowe;
    z.wypoczynkowy.robocze = naDzien.robocze;
    z.wykorzystany.wypoczynkowy.dni = naDzien.rzeczywiste;
    Razem(z);
    return z;
}

}  // namespace mirta::compute
