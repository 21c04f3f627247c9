// The configurable printout: the launcher's cells, titles above, values per employee.
#include <algorithm>

#include "documents/substitution.h"
#include "documents/tag_values.h"
#include "reports/raporty_wewn.h"
#include "store/pola_rekordu.h"

namespace mirta::reports {

namespace {

constexpr double kWysokoscWiersza = 16.5;  // 22 units of the launcher's screen
constexpr double kPunktyNaPiksel = 0.75;
constexpr double kOdstep = 2;  // text starts this far right of its column's line

class WydrukKonfigurowany : public Raport {
public:
    explicit WydrukKonfigurowany(KontekstWydruku& k)
        : m_k(k),
          m_def(k.parametry.definicja),
          m_wiersze(m_def.UzyteWiersze()),
          m_kolumny(m_def.UzyteKolumny()),
          m_czas(CzasDruku(k.parametry)) {
        double suma = 0;
        for (int i = 0; i < m_kolumny; ++i)
            suma += std::max(m_def.szerokosci[i], 8) * kPunktyNaPiksel;
        m_geometria = GeometriaStrony{};
        if (suma > m_geometria.SzerokoscRobocza())
            m_geometria = m_geometria.Pozioma();
        // Wider than a landscape page: every column narrowed alike, text shrinks to fit.
        const double skala = std::min(1.0, m_geometria.SzerokoscRobocza() / std::max(suma, 1.0));
        double x = 0;
        for (int i = 0; i < m_kolumny; ++i) {
            m_x.push_back(x);
            x += std::max(m_def.szerokosci[i], 8) * kPunktyNaPiksel * skala;
        }
        m_x.push_back(x);
    }

    std::string Tytul() const override { return "Wydruk wybranych elementów kadrowych."; }
    GeometriaStrony GeometriaWlasna() const override { return m_geometria; }
    std::vector<std::string> Kolumny() const override {
        std::vector<std::string> k;
        for (int c = 0; c < m_kolumny; ++c) {
            std::string t;
            for (int w = 0; w < m_wiersze; ++w)
                if (!m_def.oczka[w][c].tytul.empty())
                    t += (t.empty() ? "" : " / ") + m_def.oczka[w][c].tytul;
            k.push_back(t);
        }
        return k;
    }

    Pasmo Naglowek(int) override {
        Pasmo p = PasmoTekstu(m_k.miara, 0, m_geometria.SzerokoscRobocza(),
                              "Wydruk wybranych elementów kadrowych", {12, true});
        p.wysokosc += 4;
        std::array<std::array<std::string, kKolumnyDefinicji>, kWierszeDefinicji> tytuly;
        for (int w = 0; w < m_wiersze; ++w)
            for (int c = 0; c < m_kolumny; ++c)
                tytuly[w][c] = m_def.oczka[w][c].tytul;
        DolaczPonizej(p, Blok(tytuly, true));
        return p;
    }

    Pasmo Stopka(int strona) override {
        const double w = m_geometria.SzerokoscRobocza();
        Pasmo p;
        p.wysokosc = kWierszTekstu + 4;
        DodajCzasDruku(p, 4, w, m_czas, "Strona: " + std::to_string(strona));
        return p;
    }
    bool StopkaNaOstatniejStronie() const override { return true; }

    size_t LiczbaPozycji() const override { return m_k.pracownicy.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        ++m_lp;
        const int32_t id = store::LiczbaCalkowita(m_k.pracownicy[i]["Identyfikator"]);
        std::unique_ptr<documents::TagValues> wartosci;
        if (m_k.parametry.znaczniki)
            wartosci = m_k.parametry.znaczniki(id);
        if (!wartosci)
            wartosci = std::make_unique<documents::FixedTagValues>(
                std::vector<std::pair<std::string, std::string>>{});
        std::array<std::array<std::string, kKolumnyDefinicji>, kWierszeDefinicji> teksty;
        for (int w = 0; w < m_wiersze; ++w)
            for (int c = 0; c < m_kolumny; ++c)
                teksty[w][c] =
                    documents::SubstituteInText(m_def.oczka[w][c].tresc, *wartosci, m_lp);
        uklad.Dodaj(Blok(teksty, false));
    }

    Pasmo Zakonczenie(int) override { return {}; }

private:
    // One block of the used rows: a row is as tall as its tallest cell (a text that does not
    // fit even at size 5 goes on more lines); lines between rows and columns, the last one
    // twice as thick.
    Pasmo Blok(
        const std::array<std::array<std::string, kKolumnyDefinicji>, kWierszeDefinicji>& teksty,
        bool tytuly) {
        Pasmo p;
        const double prawa = m_x[m_kolumny];
        p.linie.push_back({0, 0, prawa, 0, 0.5});
        for (int w = 0; w < m_wiersze; ++w) {
            double wysokosc = kWysokoscWiersza;
            std::vector<Pasmo> komorki;
            for (int c = 0; c < m_kolumny; ++c) {
                const double szer = m_x[c + 1] - m_x[c] - kOdstep;
                Czcionka f{9, tytuly};
                f.rozmiar = DopasujRozmiar(m_k.miara, teksty[w][c], f, szer, 9, 5);
                Pasmo k = PasmoTekstu(m_k.miara, m_x[c] + kOdstep, szer, teksty[w][c], f,
                                      tytuly ? 0 : c + 1);
                wysokosc = std::max(wysokosc, k.wysokosc + 4);
                komorki.push_back(std::move(k));
            }
            for (Pasmo& k : komorki) {
                const double y0 = p.wysokosc + (wysokosc - k.wysokosc) / 2;
                for (ElementTekstu t : k.teksty) {
                    t.y += y0;
                    p.teksty.push_back(std::move(t));
                }
            }
            for (int c = 0; c <= m_kolumny; ++c)
                p.linie.push_back({m_x[c], p.wysokosc, m_x[c], p.wysokosc + wysokosc, 0.5});
            p.wysokosc += wysokosc;
            const bool ostatni = w == m_wiersze - 1;
            p.linie.push_back({0, p.wysokosc, prawa, p.wysokosc, ostatni ? 1.0 : 0.5});
        }
        return p;
    }

    KontekstWydruku& m_k;
    const DefinicjaWydruku& m_def;
    int m_wiersze, m_kolumny;
    std::string m_czas;
    GeometriaStrony m_geometria;
    std::vector<double> m_x;
    int m_lp = 0;
};

}  // namespace

std::unique_ptr<Raport> UtworzWydrukKonfigurowany(KontekstWydruku& k) {
    return std::make_unique<WydrukKonfigurowany>(k);
}

}  // namespace mirta::reports
