#include "reports/wydruk_kadrowy.h"

#include <algorithm>

#include "reports/sklad_dokumentu.h"

namespace mirta::reports {

namespace {

constexpr double kTwipyNaPunkt = 20;
constexpr double kOdstepKopii = 28.35;  // 1 cm between the two copies
constexpr double kLewyPrawy = 56.7, kGornyDolny = 42.5;

double Margines(const std::optional<int>& twipy, double domyslny, double najwiekszy) {
    if (!twipy)
        return domyslny;
    return std::clamp(*twipy / kTwipyNaPunkt, 14.0, najwiekszy);
}

class WydrukKadrowyRaport : public Raport {
public:
    WydrukKadrowyRaport(const documents::Document& d, const MiaraTekstu& miara,
                        const UstawieniaWydrukuKadrowego& u, std::string tytul)
        : m_geometria(GeometriaWydrukuKadrowego(d, u)),
          m_kopie(std::clamp(u.kopie, 1, 2)),
          m_kolumna((m_geometria.SzerokoscRobocza() - (m_kopie - 1) * kOdstepKopii) / m_kopie),
          m_wiersze(SkladDokumentu(d, miara, m_kolumna)),
          m_tytul(std::move(tytul)) {}

    std::string Tytul() const override { return m_tytul; }
    GeometriaStrony GeometriaWlasna() const override { return m_geometria; }
    Pasmo Naglowek(int) override { return {}; }
    size_t LiczbaPozycji() const override { return m_wiersze.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        const WierszDokumentu& w = m_wiersze[i];
        if (w.nowaStrona)
            return uklad.PodzialStrony();
        if (m_kopie == 1)
            return uklad.Dodaj(w.pasmo);
        Pasmo p = w.pasmo;
        const double dx = m_kolumna + kOdstepKopii;
        for (ElementTekstu t : w.pasmo.teksty) {
            t.x += dx;
            p.teksty.push_back(std::move(t));
        }
        for (Linia l : w.pasmo.linie) {
            l.x1 += dx;
            l.x2 += dx;
            p.linie.push_back(l);
        }
        uklad.Dodaj(p);
    }

    Pasmo Zakonczenie(int) override { return {}; }

private:
    GeometriaStrony m_geometria;
    int m_kopie;
    double m_kolumna;
    std::vector<WierszDokumentu> m_wiersze;
    std::string m_tytul;
};

}  // namespace

void TQRWydrukKadrowy::Ustaw(int kopie, bool portret) {
    m_ustawienia = {std::clamp(kopie, 1, 2), portret};
}

GeometriaStrony GeometriaWydrukuKadrowego(const documents::Document& d,
                                          const UstawieniaWydrukuKadrowego& u) {
    GeometriaStrony g;
    const auto& s = d.page;
    if (s.width && s.height) {
        const double a = *s.width / kTwipyNaPunkt, b = *s.height / kTwipyNaPunkt;
        if (std::min(a, b) >= 200 && std::max(a, b) <= 2000) {
            g.szerokosc = std::min(a, b);
            g.wysokosc = std::max(a, b);
        }
    }
    if (!u.portret)
        std::swap(g.szerokosc, g.wysokosc);
    const double najwiekszy = std::min(g.szerokosc, g.wysokosc) / 4;
    g.lewy = Margines(s.marginLeft, kLewyPrawy, najwiekszy);
    g.prawy = Margines(s.marginRight, kLewyPrawy, najwiekszy);
    g.gorny = Margines(s.marginTop, kGornyDolny, najwiekszy);
    g.dolny = Margines(s.marginBottom, kGornyDolny, najwiekszy);
    return g;
}

std::unique_ptr<Raport> UtworzWydrukKadrowy(const documents::Document& dokument,
                                            const MiaraTekstu& miara,
                                            const UstawieniaWydrukuKadrowego& u,
                                            std::string tytul) {
    return std::make_unique<WydrukKadrowyRaport>(dokument, miara, u, std::move(tytul));
}

Wydruk WydrukKadrowy(const documents::Document& dokument, const MiaraTekstu& miara,
                     const UstawieniaWydrukuKadrowego& u, std::string tytul) {
    Przygotowanie p(UtworzWydrukKadrowy(dokument, miara, u, std::move(tytul)));
    p.DoKonca();
    return p.Wynik();
}

}  // namespace mirta::reports
