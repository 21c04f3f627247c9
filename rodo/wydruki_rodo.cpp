#include "rodo/wydruki_rodo.h"

#include <algorithm>
#include <memory>

#include "engine/field_text.h"
#include "reports/raport.h"

namespace mirta::rodo {

namespace {

using reports::Pasmo;

std::string Czas(const std::string& czasDruku) {
    reports::ParametryWydruku p;
    p.czasDruku = czasDruku;
    return reports::CzasDruku(p);
}

Pasmo NaglowekStrony(const reports::MiaraTekstu& miara, double w, const std::string& tytul,
                     const std::string& podtytul, const std::string& czas, int strona) {
    Pasmo p = reports::PasmoTekstu(miara, 0, w, tytul, {11, true});
    if (!podtytul.empty())
        reports::DolaczPonizej(p, reports::PasmoTekstu(miara, 0, w, podtytul));
    Pasmo druk;
    druk.wysokosc = reports::kWierszTekstu;
    druk.teksty.push_back(reports::Tekst(0, 0, w / 2, "Data i czas druku: " + czas));
    druk.teksty.push_back(reports::Tekst(w / 2, 0, w / 2, "Strona nr: " + std::to_string(strona),
                                         reports::kZwykla, reports::Wyrownanie::Prawo));
    reports::DolaczPonizej(p, druk);
    return p;
}

class RaportZestawienia : public reports::Raport {
public:
    RaportZestawienia(const Zestawienie& z, const reports::MiaraTekstu& miara)
        : m_z(z), m_miara(miara), m_czas(Czas(z.czasDruku)) {}

    std::string Tytul() const override { return m_z.tytul; }
    std::vector<std::string> Kolumny() const override { return m_z.kolumny; }
    reports::GeometriaStrony GeometriaWlasna() const override {
        return m_z.pozioma ? reports::GeometriaStrony().Pozioma() : reports::GeometriaStrony();
    }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = NaglowekStrony(m_miara, w, m_z.tytul, m_z.podtytul, m_czas, strona);
        Pasmo tytuly;
        for (size_t k = 0; k < m_z.kolumny.size(); ++k) {
            Pasmo kol =
                reports::PasmoTekstu(m_miara, X(k), Szer(k), m_z.kolumny[k], reports::kPogrubiona);
            tytuly.teksty.insert(tytuly.teksty.end(), kol.teksty.begin(), kol.teksty.end());
            tytuly.wysokosc = std::max(tytuly.wysokosc, kol.wysokosc);
        }
        p.wysokosc += 3;
        reports::DolaczPonizej(p, tytuly);
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    size_t LiczbaPozycji() const override { return m_z.wiersze.size(); }

    void Pozycja(size_t i, reports::UkladStron& uklad) override {
        const auto& wiersz = m_z.wiersze[i];
        Pasmo p;
        for (size_t k = 0; k < m_z.kolumny.size() && k < wiersz.size(); ++k) {
            Pasmo kol = reports::PasmoTekstu(m_miara, X(k), Szer(k), wiersz[k], reports::kZwykla,
                                             int(k) + 1);
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
        reports::DolaczPonizej(
            p, reports::PasmoTekstu(m_miara, 0, w,
                                    m_z.podsumowanie + std::to_string(m_z.wiersze.size()),
                                    reports::kPogrubiona));
        return p;
    }

private:
    double X(size_t k) const {
        double udzial = 0;
        for (size_t i = 0; i < k && i < m_z.szerokosci.size(); ++i)
            udzial += m_z.szerokosci[i];
        return Geometria().SzerokoscRobocza() * udzial;
    }
    double Szer(size_t k) const {
        const double w = Geometria().SzerokoscRobocza();
        const double udzial = k < m_z.szerokosci.size() ? m_z.szerokosci[k] : 0.1;
        return std::max(10.0, w * udzial - 4);
    }

    const Zestawienie& m_z;
    const reports::MiaraTekstu& m_miara;
    std::string m_czas;
};

// One band per table heading and per row; a row's fields go two to a line.
class RaportDanychOsoby : public reports::Raport {
public:
    RaportDanychOsoby(const DaneOsoby& d, const reports::MiaraTekstu& miara,
                      const std::string& czas)
        : m_d(d), m_miara(miara), m_czas(Czas(czas)) {
        for (size_t t = 0; t < d.tabele.size(); ++t) {
            m_pozycje.push_back({t, -1});
            for (size_t r = 0; r < d.tabele[t].wiersze.size(); ++r)
                m_pozycje.push_back({t, static_cast<int>(r)});
        }
    }

    std::string Tytul() const override {
        return "Dane osobowe pracownika: " + m_d.nazwisko + " (identyfikator " +
               std::to_string(m_d.pracownik) + ")";
    }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = NaglowekStrony(m_miara, w, Tytul(), {}, m_czas, strona);
        p.linie.push_back({0, p.wysokosc + 2, w, p.wysokosc + 2, 1});
        p.wysokosc += 6;
        return p;
    }

    size_t LiczbaPozycji() const override { return m_pozycje.size(); }

    void Pozycja(size_t i, reports::UkladStron& uklad) override {
        const double w = Geometria().SzerokoscRobocza();
        const auto [t, r] = m_pozycje[i];
        const TabelaOsoby& tab = m_d.tabele[t];
        if (r < 0) {
            Pasmo p;
            p.wysokosc = 6;
            reports::DolaczPonizej(p, reports::PasmoTekstu(m_miara, 0, w,
                                                           tab.tytul + " - wierszy: " +
                                                               std::to_string(tab.wiersze.size()),
                                                           {10, true}));
            p.wysokosc += 2;
            uklad.Dodaj(p);
            return;
        }
        const engine::Record& wiersz = tab.wiersze[static_cast<size_t>(r)];
        Pasmo p;
        const double pol = w / 2;
        double y = 0, wysokoscWiersza = 0;
        int kolumna = 0;
        for (size_t k = 0; k < tab.pola.size() && k < wiersz.size(); ++k) {
            if (wiersz[k].IsNull())
                continue;
            const std::string wartosc = engine::FormatFieldValue(tab.pola[k], wiersz[k]);
            if (wartosc.empty())
                continue;
            Pasmo pole = reports::PasmoTekstu(m_miara, kolumna * pol + 8, pol - 8,
                                              tab.podpisy[k] + ": " + wartosc);
            for (auto e : pole.teksty) {
                e.y += y;
                p.teksty.push_back(e);
            }
            wysokoscWiersza = std::max(wysokoscWiersza, pole.wysokosc);
            if (++kolumna == 2) {
                kolumna = 0;
                y += wysokoscWiersza;
                wysokoscWiersza = 0;
            }
        }
        p.wysokosc = y + wysokoscWiersza + 2;
        p.linie.push_back({8, p.wysokosc, w, p.wysokosc, 0.3});
        p.wysokosc += 2;
        uklad.Dodaj(p);
    }

    Pasmo Zakonczenie(int) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.linie.push_back({0, 1, w, 1, 1});
        p.wysokosc = 3;
        size_t wierszy = 0;
        for (const TabelaOsoby& t : m_d.tabele)
            wierszy += t.wiersze.size();
        reports::DolaczPonizej(
            p, reports::PasmoTekstu(m_miara, 0, w, "Razem wierszy: " + std::to_string(wierszy),
                                    reports::kPogrubiona));
        return p;
    }

private:
    const DaneOsoby& m_d;
    const reports::MiaraTekstu& m_miara;
    std::string m_czas;
    std::vector<std::pair<size_t, int>> m_pozycje;  // table, row (-1: the table's heading)
};

}  // namespace

reports::Wydruk WydrukZestawienia(const Zestawienie& z, const reports::MiaraTekstu& miara) {
    reports::Przygotowanie p(std::make_unique<RaportZestawienia>(z, miara));
    p.UstawPracownikow(z.pracownicy);
    p.DoKonca();
    return p.Wynik();
}

reports::Wydruk WydrukDanychOsoby(const DaneOsoby& d, const reports::MiaraTekstu& miara,
                                  const std::string& czasDruku) {
    reports::Przygotowanie p(std::make_unique<RaportDanychOsoby>(d, miara, czasDruku));
    p.UstawPracownikow({d.pracownik});
    p.DoKonca();
    return p.Wynik();
}

}  // namespace mirta::rodo
