// The leave usage table at the processing date: per employee employed on that day his name
// over the eight amounts of his leave balance.
#include <algorithm>

#include "compute/urlop.h"
#include "reports/raporty_wewn.h"
#include "store/obraz_pracownika.h"
#include "store/pola_rekordu.h"
#include "store/staz_pracownika.h"

namespace mirta::reports {

namespace {

constexpr const char* kTytulyKolumn[] = {"Urlop należny", "Urlop zaległy",   "Wykorzystano",
                                         "Pozostało",     "Urlop dodatkowy", "zaległy",
                                         "Wykorzystano",  "Pozostało"};

class WykorzystanieUrlopu : public Raport {
public:
    explicit WykorzystanieUrlopu(KontekstWydruku& k)
        : m_k(k),
          m_tytul("Zestawienie wykorzystania urlopu do dnia:" + DataDMY(k.dataPrzetwarzania)),
          m_czas(CzasDruku(k.parametry)) {}

    std::string Tytul() const override { return m_tytul; }
    // Landscape, so that eight amount columns keep their titles at a readable size.
    GeometriaStrony GeometriaWlasna() const override { return GeometriaStrony{}.Pozioma(); }
    std::vector<std::string> Kolumny() const override {
        std::vector<std::string> k = {"Nazwisko i imiona"};
        k.insert(k.end(), std::begin(kTytulyKolumn), std::end(kTytulyKolumn));
        return k;
    }

    Pasmo Naglowek(int) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_k.miara, 0, w, m_tytul, {11, true});
        p.wysokosc += 3;
        DolaczPonizej(p, PasmoTekstu(m_k.miara, 0, w, "Nazwisko i imiona", kPogrubiona));
        // One size for all eight titles: the largest at which the longest fits.
        Czcionka f = kPogrubiona;
        for (const char* t : kTytulyKolumn)
            f.rozmiar = std::min(f.rozmiar, DopasujRozmiar(m_k.miara, t, f, Szer(), 9, 5));
        Pasmo tytuly;
        for (int i = 0; i < 8; ++i)
            tytuly.teksty.push_back(Tekst(X(i), 0, Szer(), kTytulyKolumn[i], f, Wyrownanie::Prawo));
        tytuly.wysokosc = kWierszTekstu;
        // The additional leave's four columns under one bracket line.
        tytuly.linie.push_back({X(4) + 4, -1, w, -1, 0.5});
        DolaczPonizej(p, tytuly);
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    Pasmo Stopka(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.wysokosc = kWierszTekstu + 4;
        p.linie.push_back({0, 2, w, 2, 0.5});
        DodajCzasDruku(p, 4, w, m_czas, "Strona: " + std::to_string(strona));
        return p;
    }
    bool StopkaNaOstatniejStronie() const override { return true; }

    size_t LiczbaPozycji() const override { return m_k.pracownicy.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        const engine::RowView& r = m_k.pracownicy[i];
        const compute::DataKal data = m_k.dataPrzetwarzania;
        const compute::DataKal od = store::DataPola(r["DataZatrudnienia"]);
        const compute::DataKal doDnia = store::DataPola(r["DataZwolnienia"]);
        if (!od.Poprawna() || data < od || (doDnia.Poprawna() && doDnia < data))
            return;
        const double w = Geometria().SzerokoscRobocza();
        auto t = [&](const char* pole) { return store::Przyciety(r[pole]); };
        Pasmo p =
            PasmoTekstu(m_k.miara, 0, w,
                        Polacz({t("Nazwisko"), t("Imie1"), t("Imie2")}) + " PESEL: " + t("PESEL"),
                        kPogrubiona, 1);
        const int32_t id = store::LiczbaCalkowita(r["Identyfikator"]);
        const compute::ZestawienieUrlopu z =
            store::PoliczObrazPracownika(m_k.dane.Zrodla(), id, data,
                                         {.wynagrodzenie = false, .urlop = true})
                .urlop;
        const compute::DniGodziny kwoty[] = {
            z.nalezny.wypoczynkowy,      z.zalegly.wypoczynkowy + z.zalegly.dodatkowy,
            z.wykorzystany.wypoczynkowy, z.razemPozostaly.wypoczynkowy,
            z.nalezny.dodatkowy,         z.zalegly.dodatkowy,
            z.wykorzystany.dodatkowy,    z.razemPozostaly.dodatkowy};
        Pasmo liczby;
        liczby.wysokosc = kWierszTekstu + 2;
        for (int k = 0; k < 8; ++k) {
            ElementTekstu e = Tekst(X(k), 0, Szer(), compute::TekstDniGodzin(kwoty[k]), kZwykla,
                                    Wyrownanie::Prawo);
            e.kolumna = k + 2;
            liczby.teksty.push_back(std::move(e));
        }
        liczby.linie.push_back({0, liczby.wysokosc - 1, w, liczby.wysokosc - 1, 0.25});
        DolaczPonizej(p, liczby);
        uklad.Dodaj(p);
    }

    Pasmo Zakonczenie(int) override { return {}; }

private:
    double Szer() const { return Geometria().SzerokoscRobocza() / 8 - 4; }
    double X(int k) const { return k * Geometria().SzerokoscRobocza() / 8; }

    KontekstWydruku& m_k;
    std::string m_tytul, m_czas;
};

}  // namespace

std::unique_ptr<Raport> UtworzWykorzystanieUrlopu(KontekstWydruku& k) {
    return std::make_unique<WykorzystanieUrlopu>(k);
}

std::unique_ptr<Raport> UtworzRaport(KontekstWydruku& k) {
    std::unique_ptr<Raport> r;
    switch (k.parametry.numer) {
        case 1:
            r = UtworzListeAdresow(k);
            break;
        case kWyborKonfigurowany:
            r = UtworzWydrukKonfigurowany(k);
            break;
        case 19:
            r = UtworzWykorzystanieUrlopu(k);
            break;
        default:
            r = UtworzRaportListy(k);
            break;
    }
    // The payroll program keeps its minimum margin in millimetres.
    constexpr double kPunktowNaMilimetr = 72.0 / 25.4;
    if (const auto minimalny = k.dane.MinimalnyLewyMargines(); minimalny && *minimalny > 0)
        r->UstawMinimalnyMargines(*minimalny * kPunktowNaMilimetr);
    return r;
}

}  // namespace mirta::reports
