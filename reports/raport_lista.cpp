// The generic list report: one numbered block per employee (or pay group) with the choice's
// summary lines and detail records, and the choice's totals at the end.
#include "reports/raporty_wewn.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "compute/okres_lmd.h"
#include "compute/teksty.h"
#include "compute/urlop_statystyka.h"
#include "compute/zaokraglij.h"
#include "compute/zakres_lat.h"
#include "store/listy_kodow.h"
#include "store/obraz_pracownika.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/urlop_nalezny.h"
#include "store/zrodla_obliczen.h"

namespace mirta::reports {

namespace {

using compute::DataKal;

constexpr double kXNazwy = 32;

struct OpisListy {
    const char* naglowek;  // empty: the main heading
    const char* tytul;     // empty: the heading
    const char* kolumnaSzczegolow;
};

const OpisListy& Opis(int numer) {
    static const std::map<int, OpisListy> kOpisy = {
        {2,
         {"", "Wykształcenie pracowników.",
          "Rok ukończenia, strażackie, rodzaj, tytuł naukowy zawodowy, nazwa uczelni"}},
        {3,
         {"", "Wykształcenie uzupełniające pracowników.",
          "Rok ukończenia, data ważności, rodzaj i nazwa wykształcenia uzupełniajacego"}},
        {4,
         {"Nagrody wypłacone w okresie od:", "",
          "Data, kwota, rodzaj i komentarz nagrody pracownika"}},
        {5, {"Awanse w okresie od:", "", "Data od : obowiązywania stopnia nazwa stopnia"}},
        {6, {"Lista osób zwolnionych w okresie od:", "", "Data, sposób i przyczyna zwolnienia"}},
        {7,
         {"Wykaz osób z dodatkowym zatrudnieniem w okresie od:", "",
          "Do kiedy pracuje, wymiar pracy, kto udzielił zgody,  gdzie pracuje."}},
        {8,
         {"Zestawienie wykorzystania urlopu do dnia:", "",
          "W nawiasie podano do wykorzystania w danym roku, po średniku dni/godz wykorzystane "
          "urlopu."}},
        {9,
         {"Wykaz urlopów w okresie od:", "",
          "Data od : Data do  dni:kalendarzowych,roboczych,dni/godz Rodzaj urlopu."}},
        {10,
         {"Wykaz urlopów pracownika w okresie od:", "",
          "Data od : Data do  dni:kalendarzowych,roboczych,dni/godz Rodzaj urlopu."}},
        {11,
         {"Wykaz zwolnień chorobowych w okresie od:", "",
          "Data od : Data do  dni:kalendarzowych,roboczych      Rodzaj zwolnienia."}},
        {12,
         {"Wykaz zwolnień chorobowych pracownika w okresie od:", "",
          "Data od : Data do  dni:kalendarzowych,roboczych      Rodzaj zwolnienia."}},
        {13,
         {"Wykaz nieobecności w okresie od:", "",
          "Data od : Data do  dni:kalendarzowych,roboczych      Rodzaj nieobecności."}},
        {14,
         {"Zestawienie średnich w grupach płacowych na dzień:", "",
          "Ilość osób, średnie uposażenie, średni dodatek służbowy, funkcyjny"}},
        {15, {"Wykaz przebiegu pracy pracowników.", "", " Od  -  Do   Nazwa zakładu pracy"}},
        {16, {"Przebieg pracy pracownika.", "", " Od  -  Do   Nazwa zakładu pracy"}},
    };
    return kOpisy.at(numer);
}

bool WOkresie(DataKal d, DataKal od, DataKal doDnia) {
    return d.Poprawna() && !(d < od) && !(doDnia < d);
}
// [a, b] and [c, d] share a day; an empty end is open.
bool Nakladaja(DataKal a, DataKal b, DataKal c, DataKal d) {
    const bool bOtwarte = !b.Poprawna(), dOtwarte = !d.Poprawna();
    return (bOtwarte || !(b < c)) && (dOtwarte || !(d < a));
}

std::string Liczba(int64_t n) {
    return std::to_string(n);
}

// Calendar codes stand for "no count".
std::optional<int32_t> Dni(int32_t n) {
    return compute::JestKodemDni(n) ? std::nullopt : std::optional<int32_t>(n);
}
std::string TekstDni(std::optional<int32_t> n, int szerokosc = 0) {
    std::string t = n ? std::to_string(*n) : std::string();
    while (int(t.size()) < szerokosc)
        t.insert(t.begin(), ' ');
    return t;
}

// The values of a spreadsheet row.
KomorkaArkusza Tx(std::string t) {
    KomorkaArkusza k;
    k.tekst = std::move(t);
    return k;
}
KomorkaArkusza Lb(double x) {
    KomorkaArkusza k;
    k.rodzaj = RodzajWartosci::Liczba;
    k.liczba = x;
    return k;
}
KomorkaArkusza Lb(std::optional<int32_t> x) {
    return x ? Lb(double(*x)) : KomorkaArkusza{};
}
KomorkaArkusza Dt(DataKal d) {
    if (!d.Poprawna())
        return {};
    KomorkaArkusza k;
    k.rodzaj = RodzajWartosci::Data;
    k.dzien = int32_t(compute::NumerDnia(d));
    return k;
}
// A year typed as text ("1998") is a number; anything else stays text.
KomorkaArkusza Rok(const std::string& t) {
    const int r = std::atoi(t.c_str());
    return r > 0 && std::to_string(r) == t ? Lb(double(r)) : Tx(t);
}

// The spreadsheet's columns after "Lp." and the name.
std::vector<std::string> KolumnyArkusza(int numer) {
    switch (numer) {
        case 2:
            return {"Rok ukończenia", "Strażackie",     "Rodzaj wykształcenia",
                    "Tytuł naukowy",  "Tytuł zawodowy", "Nazwa uczelni"};
        case 3:
            return {"Rok ukończenia", "Data ważności", "Rodzaj wykształcenia uzupełniającego",
                    "Nazwa wykształcenia uzupełniającego"};
        case 4:
            return {"Data przyznania", "Kwota", "Rodzaj nagrody", "Komentarz"};
        case 5:
            return {"Data od", "Data obowiązywania stopnia", "Nazwa stopnia"};
        case 6:
            return {"Data zwolnienia", "Sposób zwolnienia", "Przyczyna zwolnienia"};
        case 7:
            return {"Do kiedy pracuje", "Wymiar pracy", "Kto udzielił zgody", "Gdzie pracuje"};
        case 8:
            return {"Wypoczynkowy do wykorzystania (dni)",
                    "Wypoczynkowy do wykorzystania (godz.)",
                    "Wypoczynkowy należny (dni)",
                    "Wypoczynkowy należny (godz.)",
                    "Dodatkowy do wykorzystania (dni)",
                    "Dodatkowy do wykorzystania (godz.)",
                    "Dodatkowy należny (dni)",
                    "Dodatkowy należny (godz.)",
                    "Zaległy do wykorzystania (dni)",
                    "Zaległy do wykorzystania (godz.)",
                    "Zaległy (dni)",
                    "Zaległy (godz.)",
                    "Wykorzystany wypoczynkowy (dni)",
                    "Wykorzystany wypoczynkowy (godz.)",
                    "Wykorzystany dodatkowy (dni)",
                    "Wykorzystany dodatkowy (godz.)",
                    "Dni kalendarzowe",
                    "Dni robocze"};
        case 9:
        case 10:
            return {"Data od",    "Data do",        "Dni kalendarzowe", "Dni robocze",
                    "Dni urlopu", "Godziny urlopu", "Rodzaj urlopu"};
        case 11:
        case 12:
            return {"Data od", "Data do", "Dni kalendarzowe", "Dni robocze", "Rodzaj zwolnienia"};
        case 13:
            return {"Data od", "Data do", "Dni kalendarzowe", "Dni robocze", "Rodzaj nieobecności"};
        case 14:
            return {"Ilość pracowników",
                    "Ilość uposażonych",
                    "Średnie uposażenie",
                    "Ilość dodatków służbowych",
                    "Średni dodatek służbowy",
                    "Ilość dodatków za mianowanie",
                    "Średni dodatek za mianowanie",
                    "Ilość dodatków innych",
                    "Średni dodatek inny"};
        case 15:
        case 16:
            return {"Od",
                    "Do",
                    "Nazwa zakładu pracy",
                    "Lata",
                    "Miesiące",
                    "Dni",
                    "Lata pracy w służbie",
                    "Lata pracy do wysługi",
                    "Lata pracy do nagr. jub.",
                    "Lata pracy do emerytury"};
    }
    return {};
}

struct StatystykaGrupy {
    int32_t id = 0;
    std::string nazwa;
    int pracownicy = 0;
    int uposazeni = 0;
    double sumaUposazen = 0;
    int sluzbowe = 0;
    double sumaSluzbowych = 0;
    int zaMianowanie = 0;
    double sumaZaMianowanie = 0;
    int inne = 0;
    double sumaInnych = 0;
};

class RaportListy : public Raport {
public:
    explicit RaportListy(KontekstWydruku& k) : m_k(k), m_numer(k.parametry.numer) {
        const OpisListy& o = Opis(m_numer);
        const ParametryWydruku& p = k.parametry;
        const Wybor& w = Wybory()[m_numer - 1];
        if (*o.naglowek == 0) {
            m_naglowek = "Zestawienie pracowników zatrudnionych w:";
        } else {
            m_naglowek = o.naglowek;
            if (w.sprawdzenie == Sprawdzenie::Okres)
                m_naglowek += DataDMY(p.od) + " do:" + DataDMY(p.doDnia);
            else if (w.sprawdzenie == Sprawdzenie::DataPrzetwarzania)
                m_naglowek += DataDMY(k.dataPrzetwarzania);
        }
        m_tytul = *o.tytul ? std::string(o.tytul) : m_naglowek;
        m_jednostka = k.dane.NazwaJednostki();
        m_czas = CzasDruku(p);
        if (w.zakres == Zakres::Jednostka)
            m_liniaKomorki = "Komórka organizacyjna: " +
                             (p.komorka ? p.nazwaKomorki : "Wszystkie komórki organizacyjne.");
        if (m_numer == 14)
            PoliczGrupy();
    }

    std::string Tytul() const override { return m_tytul; }
    std::vector<std::string> Kolumny() const override {
        std::vector<std::string> k = {"Lp.", m_numer == 14 ? "Grupa" : "Nazwisko i imiona"};
        for (std::string& t : KolumnyArkusza(m_numer))
            k.push_back(std::move(t));
        return k;
    }
    std::vector<WierszArkusza> Arkusz() override { return std::move(m_arkusz); }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_k.miara, 0, w, m_naglowek + " " + m_jednostka, {10, true});
        Pasmo druk;
        druk.wysokosc = kWierszTekstu;
        DodajCzasDruku(druk, 0, w, m_czas, "Strona nr: " + Liczba(strona));
        DolaczPonizej(p, druk);
        if (!m_liniaKomorki.empty())
            DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w, m_liniaKomorki));
        const std::string kolumnaPracownika =
            m_numer == 14 ? std::string() : std::string("Lp.     Nazwisko i imiona");
        DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w, kolumnaPracownika, kPogrubiona));
        DolaczPonizej(p, PasmoTekstu(m_k.miara, kXNazwy, w - kXNazwy,
                                     Opis(m_numer).kolumnaSzczegolow, kPogrubiona));
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    Pasmo Stopka(int) override {
        Pasmo p;
        p.wysokosc = 6;
        p.linie.push_back({0, 3, Geometria().SzerokoscRobocza(), 3, 1});
        return p;
    }

    size_t LiczbaPozycji() const override {
        return m_numer == 14 ? m_grupy.size() : m_k.pracownicy.size();
    }

    void Pozycja(size_t i, UkladStron& uklad) override {
        if (m_numer == 14)
            return DrukujGrupe(m_grupy[i], uklad);
        const engine::RowView& r = m_k.pracownicy[i];
        if (!Zatrudniony(r))
            return;
        const int32_t id = store::LiczbaCalkowita(r["Identyfikator"]);
        m_linie.clear();
        m_pierwsza.clear();
        m_druga.clear();
        m_wiersze.clear();
        const bool maDane = ZbierzSzczegoly(id, r);
        if (!m_k.parametry.drukujBezDanych && !maDane)
            return;
        ++m_lp;
        const std::string nazwa =
            Polacz({store::Przyciety(r["Nazwisko"]), store::Przyciety(r["Imie1"]),
                    store::Przyciety(r["Imie2"])});
        uklad.Dodaj(LiniaPracownika(nazwa));
        if (m_wiersze.empty())
            m_wiersze.emplace_back();
        for (WierszArkusza& w : m_wiersze) {
            w.insert(w.begin(), {Lb(double(m_lp)), Tx(nazwa)});
            m_arkusz.push_back(std::move(w));
        }
        const double w = Geometria().SzerokoscRobocza() - kXNazwy;
        for (const std::string& t : m_pierwsza)
            uklad.Dodaj(PasmoDopasowane(m_k.miara, kXNazwy, w, t, 3));
        for (const std::string& t : m_druga)
            uklad.Dodaj(PasmoTekstu(m_k.miara, kXNazwy, w, t, kZwykla, 3));
        for (const std::string& t : m_linie)
            uklad.Dodaj(PasmoTekstu(m_k.miara, kXNazwy + 12, w - 12, t, kZwykla, 3));
    }

    Pasmo Zakonczenie(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.wysokosc = 4;
        std::string podsumowanie;
        if (m_numer == 9 || m_numer == 10) {
            std::vector<compute::StatystykaRodzajuUrlopu> rodzaje;
            for (auto& [id, s] : m_rodzajeUrlopow)
                rodzaje.push_back(s);
            podsumowanie = compute::TekstStatystykiUrlopow(rodzaje, true);
        } else if (m_numer == 11 || m_numer == 13) {
            podsumowanie = "Razem zestawienie dni kalendarzowych: " + Liczba(m_sumaKalendarzowych) +
                           ", dni roboczych: " + Liczba(m_sumaRoboczych);
        }
        size_t a = 0;
        while (a < podsumowanie.size()) {
            size_t b = podsumowanie.find('\n', a);
            if (b == std::string::npos)
                b = podsumowanie.size();
            DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w, podsumowanie.substr(a, b - a)));
            a = b + 1;
        }
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 3;
        DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w,
                                     "Koniec wydruku na stronie: " + Liczba(strona), kPogrubiona));
        return p;
    }

private:
    Pasmo LiniaPracownika(const std::string& tekst) {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_k.miara, kXNazwy, w - kXNazwy, tekst, kPogrubiona, 2);
        ElementTekstu lp = Tekst(0, 0, kXNazwy - 6, Liczba(m_lp), kPogrubiona, Wyrownanie::Prawo);
        lp.kolumna = 1;
        lp.rodzaj = RodzajWartosci::Liczba;
        lp.liczba = m_lp;
        p.teksty.insert(p.teksty.begin(), lp);
        p.wysokosc += 1;
        return p;
    }

    bool Zatrudniony(const engine::RowView& r) {
        const DataKal od = store::DataPola(r["DataZatrudnienia"]);
        const DataKal doDnia = store::DataPola(r["DataZwolnienia"]);
        const ParametryWydruku& p = m_k.parametry;
        switch (m_numer) {
            case 2:
            case 3:
            case 8:
                return Nakladaja(od, doDnia, m_k.dataPrzetwarzania, m_k.dataPrzetwarzania);
            case 4:
            case 5:
            case 7:
            case 9:
            case 11:
                return Nakladaja(od, doDnia, p.od, p.doDnia);
            default:
                return true;
        }
    }

    // Fills the summary and detail lines of the employee; whether he has any record the
    // choice lists.
    bool ZbierzSzczegoly(int32_t id, const engine::RowView&) {
        store::TDM& tdm = m_k.dane.Zrodla().Tdm();
        store::TDM1& tdm1 = m_k.dane.Zrodla().Tdm1();
        const ParametryWydruku& p = m_k.parametry;
        DaneRaportu& d = m_k.dane;
        switch (m_numer) {
            case 2: {
                auto& c = tdm.TWyksztalcenie;
                for (const auto& w : d.Wiersze(c, id)) {
                    const engine::Value& s = d.Wartosc(c, w, "Strazackie");
                    m_wiersze.push_back({Rok(d.Tekst(c, w, "RokUkonczenia")),
                                         Tx(!s.IsNull() && s.AsLogical() ? "Tak" : "Nie"),
                                         Tx(d.Tekst(c, w, "NazwaRodzajuWyksztalcenia")),
                                         Tx(d.Tekst(c, w, "NazwaTytuluNaukowego")),
                                         Tx(d.Tekst(c, w, "NazwaTytuluZawodowego")),
                                         Tx(d.Tekst(c, w, "NazwaUczelni"))});
                    m_linie.push_back(d.Tekst(c, w, "RokUkonczenia") + ", " +
                                      (!s.IsNull() && s.AsLogical() ? "Tak" : "Nie") + ", " +
                                      d.Tekst(c, w, "NazwaRodzajuWyksztalcenia") + ", " +
                                      d.Tekst(c, w, "NazwaTytuluNaukowego") + " " +
                                      d.Tekst(c, w, "NazwaTytuluZawodowego") + ", " +
                                      d.Tekst(c, w, "NazwaUczelni"));
                }
                return !m_linie.empty();
            }
            case 3: {
                auto& c = tdm.TKursy;
                for (const auto& w : d.Wiersze(c, id)) {
                    m_wiersze.push_back(
                        {Rok(d.Tekst(c, w, "RokUkonczenia")), Dt(d.Data(c, w, "DataWaznosci")),
                         Tx(d.Tekst(c, w, "NazwaRodzajuKursu")), Tx(d.Tekst(c, w, "NazwaKursu"))});
                    m_linie.push_back(d.Tekst(c, w, "RokUkonczenia") + ", " +
                                      DataYMD(d.Data(c, w, "DataWaznosci")) + ", " +
                                      d.Tekst(c, w, "NazwaRodzajuKursu") + ", " +
                                      d.Tekst(c, w, "NazwaKursu"));
                }
                return !m_linie.empty();
            }
            case 4: {
                auto& c = tdm.TNagrody;
                for (const auto& w : d.Wiersze(c, id)) {
                    const DataKal data = d.Data(c, w, "DataPrzyznania");
                    if (!WOkresie(data, p.od, p.doDnia))
                        continue;
                    const engine::Value& kwota = d.Wartosc(c, w, "Kwota");
                    m_wiersze.push_back(
                        {Dt(data), kwota.IsNull() ? KomorkaArkusza{} : Lb(kwota.AsNumber()),
                         Tx(store::Lista("RodzajNagrody").Tekst(d.Tekst(c, w, "RodzajNagrody"))),
                         Tx(d.Tekst(c, w, "Komentarz"))});
                    m_linie.push_back(
                        DataDMY(data) + " " +
                        (kwota.IsNull() ? std::string() : compute::TekstKwoty(kwota.AsNumber())) +
                        " " + store::Lista("RodzajNagrody").Tekst(d.Tekst(c, w, "RodzajNagrody")) +
                        " " + d.Tekst(c, w, "Komentarz"));
                }
                return !m_linie.empty();
            }
            case 5: {
                auto& c = tdm.TPracStop;
                for (const auto& w : d.Wiersze(c, id)) {
                    const DataKal data = d.Data(c, w, "DataObowiazywaniaStopnia");
                    if (!WOkresie(data, p.od, p.doDnia))
                        continue;
                    m_wiersze.push_back({Dt(d.Data(c, w, "DataOdKiedy")), Dt(data),
                                         Tx(d.Tekst(c, w, "NazwaStopnia"))});
                    m_linie.push_back(DataDMY(d.Data(c, w, "DataOdKiedy")) + " : " + DataDMY(data) +
                                      " " + d.Tekst(c, w, "NazwaStopnia"));
                }
                return !m_linie.empty();
            }
            case 6: {
                auto& c = tdm1.TZwolnienia;
                for (const auto& w : d.Wiersze(c, id)) {
                    const DataKal data = d.Data(c, w, "DataZwolnienia");
                    if (!WOkresie(data, p.od, p.doDnia))
                        continue;
                    m_wiersze.push_back({Dt(data), Tx(d.Tekst(c, w, "SposobZwolnienia")),
                                         Tx(d.Tekst(c, w, "PrzyczynaZwolnienia"))});
                    m_linie.push_back(DataDMY(data) + " " + d.Tekst(c, w, "SposobZwolnienia") +
                                      " " + d.Tekst(c, w, "PrzyczynaZwolnienia"));
                }
                return !m_linie.empty();
            }
            case 7: {
                auto& c = tdm1.TDodZatrudnienie;
                for (const auto& w : d.Wiersze(c, id)) {
                    const DataKal od = d.Data(c, w, "DataOd"), doDnia = d.Data(c, w, "DataDo");
                    if (!Nakladaja(od, doDnia, p.od, p.doDnia))
                        continue;
                    const std::string wymiar = d.Tekst(c, w, "WymiarCzasuPracy");
                    m_wiersze.push_back(
                        {doDnia.Poprawna() ? Dt(doDnia) : Tx("na czas nieokreślony"), Rok(wymiar),
                         Tx(d.Tekst(c, w, "ZgodyUdzielil")), Tx(d.Tekst(c, w, "NazwaZakladu"))});
                    m_linie.push_back((doDnia.Poprawna() ? DataDMY(doDnia)
                                                         : std::string("na czas nieokreślony")) +
                                      " wymiar:" + d.Tekst(c, w, "WymiarCzasuPracy") + " " +
                                      d.Tekst(c, w, "ZgodyUdzielil") + " " +
                                      d.Tekst(c, w, "NazwaZakladu"));
                }
                return !m_linie.empty();
            }
            case 8:
                m_pierwsza.push_back(LiniaUrlopu(id));
                return true;
            case 9:
            case 10:
                return Urlopy(id);
            case 11:
            case 12:
                return Nieobecnosci(tdm1.TChoroby, "RodzajChoroby", id, true);
            case 13:
                return Nieobecnosci(tdm1.TNieobecnosci, "RodzajNieobecnosci", id, false);
            case 15:
            case 16:
                return PrzebiegPracy(id);
        }
        return true;
    }

    std::string LiniaUrlopu(int32_t id) {
        using compute::TekstDniGodzin;
        const compute::ZestawienieUrlopu z =
            store::PoliczObrazPracownika(m_k.dane.Zrodla(), id, m_k.dataPrzetwarzania,
                                         {.wynagrodzenie = false, .urlop = true})
                .urlop;
        WierszArkusza wiersz;
        for (compute::DniGodziny x :
             {z.pozostalyBiezacy.wypoczynkowy, z.nalezny.wypoczynkowy, z.pozostalyBiezacy.dodatkowy,
              z.nalezny.dodatkowy, z.pozostalyZalegly.wypoczynkowy + z.pozostalyZalegly.dodatkowy,
              z.zalegly.wypoczynkowy + z.zalegly.dodatkowy, z.wykorzystany.wypoczynkowy,
              z.wykorzystany.dodatkowy}) {
            wiersz.push_back(Lb(double(x.dni)));
            wiersz.push_back(Lb(double(x.godziny)));
        }
        wiersz.push_back(Lb(double(z.wypoczynkowy.kalendarzowe + z.dodatkowy.kalendarzowe)));
        wiersz.push_back(Lb(double(z.wypoczynkowy.robocze + z.dodatkowy.robocze)));
        m_wiersze.push_back(std::move(wiersz));
        return "Urlop należny: " + TekstDniGodzin(z.pozostalyBiezacy.wypoczynkowy) + "(" +
               TekstDniGodzin(z.nalezny.wypoczynkowy) + ")" +
               ", dodatkowy: " + TekstDniGodzin(z.pozostalyBiezacy.dodatkowy) + "(" +
               TekstDniGodzin(z.nalezny.dodatkowy) + ")" + ", zaległy: " +
               TekstDniGodzin(z.pozostalyZalegly.wypoczynkowy + z.pozostalyZalegly.dodatkowy) +
               "(" + TekstDniGodzin(z.zalegly.wypoczynkowy + z.zalegly.dodatkowy) + "); " +
               compute::TekstParyUrlopow(z.wykorzystany, true) +
               ", kalendarzowe:" + Liczba(z.wypoczynkowy.kalendarzowe + z.dodatkowy.kalendarzowe) +
               ", robocze: " + Liczba(z.wypoczynkowy.robocze + z.dodatkowy.robocze);
    }

    bool Urlopy(int32_t id) {
        store::ZrodlaObliczen& zr = m_k.dane.Zrodla();
        store::TableComponent& c = zr.Tdm1().TUrlopy;
        engine::Table& plik = zr.Tabela(c);
        const std::vector<compute::PozycjaUrlopu> pozycje = store::PozycjeUrlopow(zr, plik, id);
        const std::vector<engine::Record>& wiersze = m_k.dane.Wiersze(c, id);
        const int rodzaj = store::PoleTabeli(plik, "RodzajUrlopu");
        for (size_t i = 0; i < pozycje.size() && i < wiersze.size(); ++i) {
            const auto& u = pozycje[i];
            auto czesc = compute::UrlopRekorduWOkresie(u, m_k.parametry.od, m_k.parametry.doDnia,
                                                       zr.Licznik());
            if (!czesc)
                continue;
            const int32_t typ = rodzaj >= 0 ? store::LiczbaCalkowita(wiersze[i][rodzaj]) : 0;
            const store::RodzajUrlopuOpis* opis = zr.RodzajUrlopu(typ);
            const std::string nazwa = opis ? opis->nazwa : std::string();
            const auto kal = Dni(czesc->kalendarzowe), rob = Dni(czesc->robocze);
            m_wiersze.push_back({Dt(u.dataOd), Dt(u.dataDo), Lb(kal), Lb(rob),
                                 Lb(double(czesc->urlop.dni)), Lb(double(czesc->urlop.godziny)),
                                 Tx(nazwa)});
            m_linie.push_back(DataDMY(u.dataOd) + " : " + DataDMY(u.dataDo) + "   " +
                              TekstDni(kal) + "," + TekstDni(rob) + "," +
                              compute::TekstDniGodzin(czesc->urlop) + " " + nazwa);
            auto& s = m_rodzajeUrlopow[typ];
            s.nazwa = nazwa;
            s.kalendarzowe += kal.value_or(0);
            s.robocze += rob.value_or(0);
            s.urlop = s.urlop + czesc->urlop;
        }
        return !m_linie.empty();
    }

    bool Nieobecnosci(store::TableComponent& c, const char* poleRodzaju, int32_t id,
                      bool wyrownajDni) {
        const ParametryWydruku& p = m_k.parametry;
        DaneRaportu& d = m_k.dane;
        int64_t kalendarzowe = 0, robocze = 0;
        bool sa = false;
        for (const auto& w : d.Wiersze(c, id)) {
            const DataKal od = d.Data(c, w, "DataOd"), doDnia = d.Data(c, w, "DataDo");
            if (!od.Poprawna() || !Nakladaja(od, doDnia, p.od, p.doDnia))
                continue;
            sa = true;
            std::string linia = DataDMY(od) + " : " + DataDMY(doDnia) + "   ";
            WierszArkusza wiersz = {Dt(od), Dt(doDnia), {}, {}};
            const DataKal a = std::max(od, p.od);
            const DataKal b = doDnia.Poprawna() ? std::min(doDnia, p.doDnia) : p.doDnia;
            if (!(b < a)) {
                const int32_t kal = int32_t(compute::NumerDnia(b) - compute::NumerDnia(a) + 1);
                const auto rob = Dni(d.Zrodla().LiczDni(a, b, 'R'));
                linia += TekstDni(kal, wyrownajDni ? 4 : 0) + " , " + TekstDni(rob);
                wiersz[2] = Lb(double(kal));
                wiersz[3] = Lb(rob);
                kalendarzowe += kal;
                robocze += rob.value_or(0);
            }
            const std::string rodzaj = store::Lista(poleRodzaju).Tekst(d.Tekst(c, w, poleRodzaju));
            linia += " Rodzaj:" + rodzaj;
            m_linie.push_back(linia);
            wiersz.push_back(Tx(rodzaj));
            m_wiersze.push_back(std::move(wiersz));
        }
        if (kalendarzowe > 0) {
            m_pierwsza.push_back("Razem pracownik dni kalendarzowych:" + Liczba(kalendarzowe) +
                                 ", dni roboczych:" + Liczba(robocze));
            m_sumaKalendarzowych += kalendarzowe;
            m_sumaRoboczych += robocze;
        }
        return sa;
    }

    bool PrzebiegPracy(int32_t id) {
        DaneRaportu& d = m_k.dane;
        auto& c = d.Zrodla().Tdm1().TPopZatrudnienie;
        for (const auto& w : d.Wiersze(c, id)) {
            const DataKal od = d.Data(c, w, "DataOd"), doDnia = d.Data(c, w, "DataDo");
            std::string dlugosc;
            WierszArkusza wiersz = {Dt(od), Dt(doDnia), Tx(d.Tekst(c, w, "NazwaZakładuPracy")),
                                    {},     {},         {}};
            if (od.Poprawna() && doDnia.Poprawna()) {
                const compute::OkresLMD okres = compute::DlugoscOkresu(od, doDnia);
                dlugosc = compute::TekstOkresu(okres);
                wiersz[3] = Lb(double(okres.lata));
                wiersz[4] = Lb(double(okres.miesiace));
                wiersz[5] = Lb(double(okres.dni));
            }
            m_wiersze.push_back(std::move(wiersz));
            m_linie.push_back(DataYMD(od) + " - " + DataYMD(doDnia) + " " +
                              d.Tekst(c, w, "NazwaZakładuPracy") + " " + dlugosc);
        }
        if (m_linie.empty())
            return false;
        using R = compute::RodzajStazu;
        const store::StazPracownika s =
            store::PoliczObrazPracownika(d.Zrodla(), id, m_k.dataPrzetwarzania,
                                         {.wynagrodzenie = false, .urlop = false})
                .staz;
        auto t = [&](R r) { return compute::TekstOkresu(s.Rodzaj(r).staz); };
        m_druga.push_back("Lata pracy w służbie: " + t(R::Sluzba) +
                          "   do wysługi: " + t(R::Wysluga));
        m_druga.push_back("Lata pracy do nagr. jub.: " + t(R::NagrodaJubileuszowa) +
                          "   do emerytuey: " + t(R::Emerytura));
        for (WierszArkusza& w : m_wiersze)
            for (R r : {R::Sluzba, R::Wysluga, R::NagrodaJubileuszowa, R::Emerytura})
                w.push_back(Tx(t(r)));
        return true;
    }

    // ---- Choice 14: pay groups ----

    void PoliczGrupy() {
        store::ZrodlaObliczen& zr = m_k.dane.Zrodla();
        store::TDM& tdm = zr.Tdm();
        engine::Table& slGrup = zr.Tabela(tdm.TSlowGrup);
        const int pid = store::PoleTabeli(slGrup, "IdentyfikatorGrupy"),
                  pnazwa = store::PoleTabeli(slGrup, "NazwaGrupy");
        std::map<int32_t, size_t> indeks;
        for (uint64_t i = 0; i < slGrup.RowCount(); ++i) {
            StatystykaGrupy g;
            g.id = store::LiczbaCalkowita(slGrup.ReadField(i, pid));
            g.nazwa = store::Przyciety(slGrup.ReadField(i, pnazwa));
            indeks[g.id] = m_grupy.size();
            m_grupy.push_back(g);
        }
        const DataKal d1 = m_k.dataPrzetwarzania;
        DaneRaportu& d = m_k.dane;
        for (const engine::RowView& r : m_k.pracownicy) {
            const DataKal zatr = store::DataPola(r["DataZatrudnienia"]);
            const DataKal zwol = store::DataPola(r["DataZwolnienia"]);
            if (!Nakladaja(zatr, zwol, d1, d1))
                continue;
            const int32_t id = store::LiczbaCalkowita(r["Identyfikator"]);
            const store::ObrazPracownika o =
                store::PoliczObrazPracownika(zr, id, d1, {.wynagrodzenie = true, .urlop = false});
            const store::WierszGrupy* grupa = nullptr;
            for (const auto& g : o.wynagrodzenie.grupy)
                if (!(d1 < g.dataOdKiedy))
                    grupa = &g;
            if (!grupa)
                continue;
            auto it = indeks.find(grupa->identyfikator);
            if (it == indeks.end()) {
                zr.Komunikaty().Dodaj(
                    store::KomunikatyObliczen::Rodzaj::Blad,
                    " Niewłaściwy numer grupy: " + std::to_string(grupa->identyfikator), "Błąd");
                continue;
            }
            StatystykaGrupy& s = m_grupy[it->second];
            ++s.pracownicy;
            if (grupa->placaKoncowa > 0.005) {
                ++s.uposazeni;
                s.sumaUposazen += grupa->placaKoncowa;
            }
            auto ostatni = [&](store::TableComponent& c, int& licznik, double& suma) {
                double wartosc = 0;
                for (const auto& w : d.Wiersze(c, id))
                    if (Nakladaja(d.Data(c, w, "DataOd"), d.Data(c, w, "DataDo"), zatr, zwol))
                        wartosc = store::LiczbaRzeczywista(d.Wartosc(c, w, "Wartosc"));
                if (wartosc > 0.005) {
                    ++licznik;
                    suma += wartosc;
                }
            };
            ostatni(tdm.TDodSluzbowy, s.sluzbowe, s.sumaSluzbowych);
            ostatni(tdm.TDodInny, s.inne, s.sumaInnych);
            // The rank of the last period that overlaps the employment, as the allowances
            // above; a rate that could not be located (-1) counts as none.
            double stawka = 0;
            for (const store::WierszStopnia& st : o.wynagrodzenie.stopnie)
                if (Nakladaja(st.dataOdKiedy, st.dataObowiazywania, zatr, zwol))
                    stawka = st.stawka;
            if (stawka > 0.005) {
                ++s.zaMianowanie;
                s.sumaZaMianowanie += stawka;
            }
        }
    }

    static std::string Srednia(double suma, int n) { return compute::TekstKwoty(suma / n); }

    void DrukujGrupe(const StatystykaGrupy& g, UkladStron& uklad) {
        ++m_lp;
        auto srednia = [](double suma, int n) {
            return n ? Lb(compute::Zaokraglij(suma / n, 2)) : KomorkaArkusza{};
        };
        m_arkusz.push_back({Lb(double(m_lp)), Tx(g.nazwa), Lb(double(g.pracownicy)),
                            Lb(double(g.uposazeni)), srednia(g.sumaUposazen, g.uposazeni),
                            Lb(double(g.sluzbowe)), srednia(g.sumaSluzbowych, g.sluzbowe),
                            Lb(double(g.zaMianowanie)), srednia(g.sumaZaMianowanie, g.zaMianowanie),
                            Lb(double(g.inne)), srednia(g.sumaInnych, g.inne)});
        uklad.Dodaj(LiniaPracownika("Grupa: " + g.nazwa));
        const double w = Geometria().SzerokoscRobocza() - kXNazwy;
        auto n = [](int x) { return std::to_string(x); };
        const std::string linie[] = {
            "Ilość pracowników: " + n(g.pracownicy),
            g.uposazeni ? "  Ilość uposażonych: " + n(g.uposazeni) +
                              " średnie uposażenie: " + Srednia(g.sumaUposazen, g.uposazeni)
                        : "  Ilość uposażonych: 0  średnie uposażenie: brak",
            g.sluzbowe ? "  Ilość dodatków służbowych: " + n(g.sluzbowe) +
                             " średni dodatek służbowy: " + Srednia(g.sumaSluzbowych, g.sluzbowe)
                       : "  Ilość dodatków słuzbowych: 0 średni dodatek służbowy: brak",
            g.zaMianowanie ? "  Ilość dodatków za mianowanie: " + n(g.zaMianowanie) +
                                 " średni dodatek za mianowanie: " +
                                 Srednia(g.sumaZaMianowanie, g.zaMianowanie)
                           : "  Ilość dodatków za mianowanie: 0 średni dodatek za mianowanie: brak",
            g.inne ? "  Ilość dodatków innych: " + n(g.inne) +
                         " średni dodatek inny: " + Srednia(g.sumaInnych, g.inne)
                   : "  Ilość dodatków innych: 0 średni dodatek inny: brak",
        };
        for (const std::string& l : linie)
            uklad.Dodaj(PasmoDopasowane(m_k.miara, kXNazwy, w, l, 3));
    }

    KontekstWydruku& m_k;
    int m_numer;
    std::string m_naglowek, m_tytul, m_jednostka, m_czas, m_liniaKomorki;
    int m_lp = 0;
    int64_t m_sumaKalendarzowych = 0, m_sumaRoboczych = 0;
    std::map<int32_t, compute::StatystykaRodzajuUrlopu> m_rodzajeUrlopow;
    std::vector<std::string> m_linie, m_pierwsza, m_druga;
    std::vector<WierszArkusza> m_wiersze;  // the current employee's records
    std::vector<WierszArkusza> m_arkusz;
    std::vector<StatystykaGrupy> m_grupy;
};

}  // namespace

std::unique_ptr<Raport> UtworzRaportListy(KontekstWydruku& k) {
    return std::make_unique<RaportListy>(k);
}

}  // namespace mirta::reports
