#include "akta/spis_akt.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "reports/eksport.h"
#include "reports/raport.h"

namespace mirta::akta {

namespace {

using namespace mirta::reports;

constexpr std::array<const char*, 6> kKolumny = {
    "Nr", "Tytuł dokumentu", "Data dokumentu", "Data złożenia", "Złożył", "Rozmiar"};
constexpr std::array<double, 6> kX = {0, 0.07, 0.57, 0.70, 0.83, 0.92};

std::string Data(engine::CivilDate d) {
    if (!engine::IsValidCivil(d.year, d.month, d.day))
        return "";
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.year, d.month, d.day);
    return b;
}

std::string Rozmiar(uint64_t b) {
    char t[32];
    if (b < 1024)
        std::snprintf(t, sizeof t, "%llu B", static_cast<unsigned long long>(b));
    else if (b < 1024 * 1024)
        std::snprintf(t, sizeof t, "%.1f kB", b / 1024.0);
    else
        std::snprintf(t, sizeof t, "%.1f MB", b / 1048576.0);
    std::string s = t;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

// Items are the parts; each lays out its heading and its documents.
class RaportSpisu : public Raport {
public:
    RaportSpisu(const SpisAkt& s, const MiaraTekstu& miara) : m_s(s), m_miara(miara) {
        ParametryWydruku p;
        p.czasDruku = s.czasDruku;
        m_czas = CzasDruku(p);
    }

    std::string Tytul() const override {
        return "Spis dokumentów akt osobowych: " + m_s.osoba.NazwiskoImie();
    }
    std::vector<std::string> Kolumny() const override {
        std::vector<std::string> k = {"Część"};
        k.insert(k.end(), kKolumny.begin(), kKolumny.end());
        return k;
    }

    Pasmo Naglowek(int strona) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p = PasmoTekstu(m_miara, 0, w, Tytul(), {11, true});
        std::string kto = "Identyfikator: " + std::to_string(m_s.osoba.identyfikator);
        if (!m_s.osoba.pesel.empty())
            kto += ", PESEL: " + m_s.osoba.pesel;
        if (!m_s.jednostka.empty())
            kto = m_s.jednostka + "; " + kto;
        DolaczPonizej(p, PasmoTekstu(m_miara, 0, w, kto));
        Pasmo druk;
        druk.wysokosc = kWierszTekstu;
        druk.teksty.push_back(reports::Tekst(0, 0, w / 2, "Data i czas druku: " + m_czas));
        druk.teksty.push_back(reports::Tekst(
            w / 2, 0, w / 2, "Strona nr: " + std::to_string(strona), kZwykla, Wyrownanie::Prawo));
        DolaczPonizej(p, druk);
        Pasmo tytuly;
        tytuly.wysokosc = kWierszTekstu;
        for (size_t k = 0; k < kKolumny.size(); ++k)
            tytuly.teksty.push_back(reports::Tekst(X(k), 0, Szer(k), kKolumny[k], kPogrubiona,
                                                   k == 5 ? Wyrownanie::Prawo : Wyrownanie::Lewo));
        p.wysokosc += 3;
        DolaczPonizej(p, tytuly);
        p.linie.push_back({0, p.wysokosc + 1, w, p.wysokosc + 1, 1});
        p.wysokosc += 4;
        return p;
    }

    size_t LiczbaPozycji() const override { return m_s.czesci.size(); }

    void Pozycja(size_t i, UkladStron& uklad) override {
        const CzescAkt& c = m_s.czesci[i];
        const double w = Geometria().SzerokoscRobocza();
        Pasmo naglowek =
            PasmoTekstu(m_miara, 0, w, "Część " + c.czesc + ": " + c.nazwa, kPogrubiona, 1);
        naglowek.wysokosc += 2;
        uklad.Dodaj(naglowek);
        size_t ile = 0;
        for (const DokumentAkt& d : m_s.dokumenty) {
            if (d.czesc != c.czesc)
                continue;
            ++ile;
            const std::string teksty[] = {c.czesc + "/" + std::to_string(d.numer),
                                          d.tytul,
                                          Data(d.dataDokumentu),
                                          Data(d.dataZlozenia),
                                          d.ktoZlozyl,
                                          Rozmiar(d.rozmiar)};
            Pasmo p;
            for (size_t k = 0; k < kKolumny.size(); ++k) {
                Pasmo kol = PasmoTekstu(m_miara, X(k), Szer(k), teksty[k], kZwykla, int(k) + 2);
                if (k == 5)
                    for (auto& t : kol.teksty)
                        t.wyrownanie = Wyrownanie::Prawo;
                p.teksty.insert(p.teksty.end(), kol.teksty.begin(), kol.teksty.end());
                p.wysokosc = std::max(p.wysokosc, kol.wysokosc);
            }
            p.wysokosc += 2;
            uklad.Dodaj(p);
        }
        if (ile == 0) {
            Czcionka kursywa = kZwykla;
            kursywa.kursywa = true;
            Pasmo p = PasmoTekstu(m_miara, X(1), Szer(1), "brak dokumentów",
                                  kursywa, 3);
            p.wysokosc += 2;
            uklad.Dodaj(p);
        }
        Pasmo odstep;
        odstep.wysokosc = 4;
        uklad.Dodaj(odstep);
    }

    Pasmo Zakonczenie(int) override {
        const double w = Geometria().SzerokoscRobocza();
        Pasmo p;
        p.linie.push_back({0, 1, w, 1, 1});
        p.wysokosc = 3;
        DolaczPonizej(p, PasmoTekstu(m_miara, 0, w,
                                     "Razem dokumentów: " + std::to_string(m_s.dokumenty.size()),
                                     kPogrubiona));
        return p;
    }

private:
    double X(size_t k) const { return Geometria().SzerokoscRobocza() * kX[k]; }
    double Szer(size_t k) const {
        const double w = Geometria().SzerokoscRobocza();
        return (k + 1 == kX.size() ? w : X(k + 1)) - X(k) - 4;
    }

    const SpisAkt& m_s;
    const MiaraTekstu& m_miara;
    std::string m_czas;
};

}  // namespace

SpisAkt ZbierzSpis(const AktaOsobowe& akta, const OsobaAkt& osoba) {
    SpisAkt s;
    s.osoba = osoba;
    s.czesci = akta.Czesci();
    s.dokumenty = akta.Dokumenty(osoba.identyfikator);
    return s;
}

Wydruk WydrukSpisu(const SpisAkt& spis, const MiaraTekstu& miara) {
    Przygotowanie p(std::make_unique<RaportSpisu>(spis, miara));
    p.DoKonca();
    return p.Wynik();
}

std::string NazwaWPrzekazaniu(const DokumentAkt& d) {
    char numer[16];
    std::snprintf(numer, sizeof numer, "%03d", d.numer);
    return d.czesc + "-" + numer + std::filesystem::path(d.nazwaPliku).extension().string();
}

TabelaAkt TabelaDokumentow(const std::vector<DokumentAkt>& dokumenty) {
    TabelaAkt t;
    t.kolumny = {"Część",  "Nr",   "Tytuł",   "Data dokumentu", "Data złożenia",
                 "Złożył", "Plik", "Rozmiar", "SHA-256"};
    for (const DokumentAkt& d : dokumenty)
        t.wiersze.push_back({d.czesc, std::to_string(d.numer), d.tytul, Data(d.dataDokumentu),
                             Data(d.dataZlozenia), d.ktoZlozyl, "dokumenty/" + NazwaWPrzekazaniu(d),
                             std::to_string(d.rozmiar), d.sha256});
    return t;
}

std::string CsvSpisu(const SpisAkt& spis) {
    const TabelaAkt t = TabelaDokumentow(spis.dokumenty);
    std::string csv;
    auto wiersz = [&](const std::vector<std::string>& pola) {
        for (size_t i = 0; i < pola.size(); ++i)
            csv += (i ? "," : "") + PoleCsv(pola[i]);
        csv += "\r\n";
    };
    wiersz(t.kolumny);
    for (const auto& w : t.wiersze)
        wiersz(w);
    return csv;
}

}  // namespace mirta::akta
