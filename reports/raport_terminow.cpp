#include "reports/raport_terminow.h"

#include <array>

#include "compute/teksty_dat.h"
#include "reports/raport.h"

namespace mirta::reports {

namespace {

constexpr std::array<const char*, 5> kKolumny = {"Data", "Identyfikator", "Nazwisko i imię",
                                                 "Co przypada", "Opis"};
// Left edges as shares of the working width.
constexpr std::array<double, 5> kX = {0, 0.09, 0.19, 0.43, 0.69};

class RaportTerminow : public Raport {
public:
    RaportTerminow(const ZestawienieTerminow& z, const MiaraTekstu& miara)
        : m_z(z), m_miara(miara) {
        ParametryWydruku p;
        p.czasDruku = z.czasDruku;
        m_czas = CzasDruku(p);
    }

    std::string Tytul() const override {
        return "Terminy od " + compute::TekstDaty(m_z.od) + " do " + compute::TekstDaty(m_z.doDnia);
    }
    // Landscape, so that every column's text fits on one line.
    GeometriaStrony GeometriaWlasna() const override { return GeometriaStrony().Pozioma(); }
    std::vector<std::string> Kolumny() const override { return {kKolumny.begin(), kKolumny.end()}; }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_miara, 0, w, Tytul(), {11, true});
        if (!m_z.jednostka.empty())
            DolaczPonizej(p, PasmoTekstu(m_miara, 0, w, m_z.jednostka));
        Pasmo druk;
        druk.wysokosc = kWierszTekstu;
        DodajCzasDruku(druk, 0, w, m_czas, "Strona nr: " + std::to_string(strona));
        DolaczPonizej(p, druk);
        Pasmo tytuly;
        tytuly.wysokosc = kWierszTekstu;
        for (size_t k = 0; k < kKolumny.size(); ++k)
            tytuly.teksty.push_back(Tekst(X(k), 0, Szer(k), kKolumny[k], kPogrubiona));
        p.wysokosc += 3;
        DolaczPonizej(p, tytuly);
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    size_t LiczbaPozycji() const override { return m_z.terminy.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        const store::Termin& t = m_z.terminy[i];
        const std::string teksty[] = {compute::TekstDaty(t.data), std::to_string(t.pracownik),
                                      t.nazwisko, store::NazwaTerminu(t.rodzaj), t.opis};
        // Columns side by side; the band is as tall as the longest of them.
        Pasmo p;
        for (size_t k = 0; k < kKolumny.size(); ++k) {
            Pasmo kol = PasmoTekstu(m_miara, X(k), Szer(k), teksty[k], kZwykla, int(k) + 1);
            p.teksty.insert(p.teksty.end(), kol.teksty.begin(), kol.teksty.end());
            p.wysokosc = std::max(p.wysokosc, kol.wysokosc);
        }
        p.wysokosc += 2;
        uklad.Dodaj(p);
    }

    Pasmo Zakonczenie(int) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.linie.push_back({0, 1, w, 1, 1});
        p.wysokosc = 3;
        DolaczPonizej(
            p, PasmoTekstu(m_miara, 0, w, "Razem terminów: " + std::to_string(m_z.terminy.size()),
                           kPogrubiona));
        return p;
    }

private:
    double X(size_t k) const { return Geometria().SzerokoscRobocza() * kX[k]; }
    double Szer(size_t k) const {
        const double w = Geometria().SzerokoscRobocza();
        return (k + 1 == kX.size() ? w : X(k + 1)) - X(k) - 4;
    }

    const ZestawienieTerminow& m_z;
    const MiaraTekstu& m_miara;
    std::string m_czas;
};

}  // namespace

Wydruk WydrukTerminow(const ZestawienieTerminow& z, const MiaraTekstu& miara) {
    Przygotowanie p(std::make_unique<RaportTerminow>(z, miara));
    std::vector<int32_t> pracownicy;
    for (const store::Termin& t : z.terminy)
        pracownicy.push_back(t.pracownik);
    p.UstawPracownikow(std::move(pracownicy));
    p.DoKonca();
    return p.Wynik();
}

}  // namespace mirta::reports
