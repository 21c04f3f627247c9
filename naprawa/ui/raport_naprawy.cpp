#include "naprawa/ui/raport_naprawy.h"

#include <algorithm>
#include <array>

#include "reports/raport.h"

namespace mirta::naprawa::ui {

namespace {

constexpr std::array<const char*, 3> kKolumny = {"Tabela", "Stan", "Ustalenia"};
constexpr std::array<double, 3> kX = {0, 0.22, 0.36};

std::string Stan(const WynikTabeli& w, bool poNaprawie) {
    if (w.stan == StanTabeli::Nienaprawialna)
        return "nie można naprawić";
    if (w.naprawiona)
        return "naprawiona";
    if (w.stan == StanTabeli::Zdrowa)
        return "sprawna";
    return poNaprawie ? "nie naprawiona" : "do naprawy";
}

std::string Opis(const WynikTabeli& w) {
    std::string t;
    for (const auto& u : w.ustalenia)
        t += (t.empty() ? "" : "\n") + u;
    if (w.naprawiona) {
        t += "\nRekordów po naprawie: " + std::to_string(w.rekordow);
        if (!w.kopiaUszkodzonej.empty())
            t += "\nUszkodzona tabela zachowana jako " + w.kopiaUszkodzonej;
        for (const auto& u : w.utracone)
            t += "\nUtracono: " + u;
    }
    return t;
}

class RaportNaprawy : public reports::Raport {
public:
    RaportNaprawy(const std::vector<WynikTabeli>& wyniki, bool poNaprawie, std::string katalog,
                  const reports::MiaraTekstu& miara)
        : m_poNaprawie(poNaprawie), m_katalog(std::move(katalog)), m_miara(miara) {
        for (const auto& w : wyniki)
            if (w.stan != StanTabeli::Zdrowa || w.naprawiona)
                m_pozycje.push_back(&w);
        m_sprawdzonych = wyniki.size();
        reports::ParametryWydruku p;
        m_czas = reports::CzasDruku(p);
    }

    std::string Tytul() const override {
        return m_poNaprawie ? "Naprawa tabel" : "Sprawdzenie tabel";
    }
    std::vector<std::string> Kolumny() const override { return {kKolumny.begin(), kKolumny.end()}; }

    reports::Pasmo Naglowek(int strona) override {
        using namespace reports;
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_miara, 0, w, Tytul(), {11, true});
        DolaczPonizej(p, PasmoTekstu(m_miara, 0, w, "Katalog danych: " + m_katalog));
        Pasmo druk;
        druk.wysokosc = kWierszTekstu;
        druk.teksty.push_back(Tekst(0, 0, w / 2, "Data i czas druku: " + m_czas));
        druk.teksty.push_back(Tekst(w / 2, 0, w / 2, "Strona nr: " + std::to_string(strona),
                                    kZwykla, Wyrownanie::Prawo));
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

    size_t LiczbaPozycji() const override { return m_pozycje.size(); }

    void Pozycja(size_t i, reports::UkladStron& uklad) override {
        using namespace reports;
        const WynikTabeli& w = *m_pozycje[i];
        const std::string teksty[] = {w.nazwa, Stan(w, m_poNaprawie), Opis(w)};
        Pasmo p;
        for (size_t k = 0; k < kKolumny.size(); ++k) {
            Pasmo kol = PasmoTekstu(m_miara, X(k), Szer(k), teksty[k], kZwykla, int(k) + 1);
            p.teksty.insert(p.teksty.end(), kol.teksty.begin(), kol.teksty.end());
            p.wysokosc = std::max(p.wysokosc, kol.wysokosc);
        }
        p.wysokosc += 3;
        uklad.Dodaj(p);
    }

    reports::Pasmo Zakonczenie(int) override {
        using namespace reports;
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.linie.push_back({0, 1, w, 1, 1});
        p.wysokosc = 3;
        DolaczPonizej(p, PasmoTekstu(m_miara, 0, w,
                                     "Sprawdzono tabel: " + std::to_string(m_sprawdzonych) +
                                         ", z uszkodzeniami: " + std::to_string(m_pozycje.size()),
                                     kPogrubiona));
        return p;
    }

private:
    double X(size_t k) const { return Geometria().SzerokoscRobocza() * kX[k]; }
    double Szer(size_t k) const {
        const double w = Geometria().SzerokoscRobocza();
        return (k + 1 == kX.size() ? w : X(k + 1)) - X(k) - 4;
    }

    std::vector<const WynikTabeli*> m_pozycje;
    size_t m_sprawdzonych = 0;
    bool m_poNaprawie;
    std::string m_katalog;
    const reports::MiaraTekstu& m_miara;
    std::string m_czas;
};

}  // namespace

reports::Wydruk WydrukNaprawy(const std::vector<WynikTabeli>& wyniki, bool poNaprawie,
                              const std::string& katalogDanych, const reports::MiaraTekstu& miara) {
    reports::Przygotowanie p(
        std::make_unique<RaportNaprawy>(wyniki, poNaprawie, katalogDanych, miara));
    p.DoKonca();
    return p.Wynik();
}

}  // namespace mirta::naprawa::ui
