#include "reports/raport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "documents/slownik_tagow.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"

namespace mirta::reports {

GeometriaStrony Raport::Geometria() const {
    GeometriaStrony g = GeometriaWlasna();
    g.lewy = std::max(g.lewy, m_minimalnyMargines);
    g.prawy = std::max(g.prawy, m_minimalnyMargines);
    return g;
}

Pasmo Raport::Stopka(int) {
    return {};
}

Przygotowanie::Przygotowanie(std::unique_ptr<Raport> raport)
    : m_raport(std::move(raport)),
      m_uklad(
          m_raport->Geometria(), [this](int s) { return m_raport->Naglowek(s); },
          [this](int s) { return m_raport->Stopka(s); }) {}

bool Przygotowanie::Krok() {
    if (m_gotowe)
        return false;
    if (m_nastepna < m_raport->LiczbaPozycji()) {
        m_raport->Pozycja(m_nastepna++, m_uklad);
        return true;
    }
    m_uklad.Zakoncz([this](int s) { return m_raport->Zakonczenie(s); },
                    m_raport->StopkaNaOstatniejStronie());
    m_gotowe = true;
    return false;
}

int Przygotowanie::ProcentWykonania() const {
    const size_t n = m_raport->LiczbaPozycji();
    if (m_gotowe)
        return 100;
    return n == 0 ? 0 : int(m_nastepna * 100 / n);
}

Wydruk Przygotowanie::Wynik() {
    Wydruk w;
    w.tytul = m_raport->Tytul();
    w.kolumny = m_raport->Kolumny();
    w.strony = m_uklad.Odbierz();
    w.arkusz = m_raport->Arkusz();
    w.pracownicy = m_pracownicy;
    return w;
}

namespace {

// The configurable printout's cells read the tags from the run's own sources unless the
// caller gives them.
ParametryWydruku ZeZnacznikami(ParametryWydruku p, store::ZrodlaObliczen& zrodla) {
    if (!p.znaczniki)
        p.znaczniki = [&zrodla](int32_t id) -> std::unique_ptr<documents::TagValues> {
            return std::make_unique<documents::TagiPracownika>(zrodla, id);
        };
    return p;
}

compute::DataKal Sprawdzone(store::ZrodlaObliczen& zrodla, const ParametryWydruku& p) {
    const compute::DataKal dzis = store::DataPrzetwarzania(zrodla);
    if (auto blad = SprawdzParametry(p, dzis))
        throw store::BladDanych(*blad);
    if (p.numer == kWyborWzorca)
        throw store::BladDanych("Wydruk według wzorca powstaje w edytorze dokumentów.");
    return dzis;
}

}  // namespace

ZadanieWydruku::ZadanieWydruku(store::TDM& tdm, store::TDM1& tdm1, const MiaraTekstu& miara,
                               const ParametryWydruku& p)
    : m_zrodla(std::make_unique<store::ZrodlaObliczen>(tdm, tdm1)) {
    const compute::DataKal dzis = Sprawdzone(*m_zrodla, p);
    m_dane = std::make_unique<DaneRaportu>(*m_zrodla);
    m_kontekst = std::make_unique<KontekstWydruku>(KontekstWydruku{
        *m_dane, miara, ZeZnacznikami(p, *m_zrodla), dzis, PracownicyWydruku(tdm, p)});
    m_przygotowanie = std::make_unique<Przygotowanie>(UtworzRaport(*m_kontekst));
    m_przygotowanie->UstawPracownikow(IdentyfikatoryPracownikow(m_kontekst->pracownicy));
}

ZadanieWydruku::ZadanieWydruku(std::unique_ptr<Raport> raport)
    : m_przygotowanie(std::make_unique<Przygotowanie>(std::move(raport))) {}

ZadanieWydruku::~ZadanieWydruku() = default;

std::vector<int32_t> IdentyfikatoryPracownikow(const std::vector<engine::RowView>& pracownicy) {
    std::vector<int32_t> wynik;
    for (const engine::RowView& r : pracownicy) {
        const engine::Value& id = r["Identyfikator"];
        if (!id.IsNull())
            wynik.push_back(static_cast<int32_t>(id.AsInteger()));
    }
    return wynik;
}

Wydruk PrzygotujWydruk(store::ZrodlaObliczen& zrodla, const MiaraTekstu& miara,
                       const ParametryWydruku& p) {
    const compute::DataKal dzis = Sprawdzone(zrodla, p);
    DaneRaportu dane(zrodla);
    KontekstWydruku k{dane, miara, ZeZnacznikami(p, zrodla), dzis,
                      PracownicyWydruku(zrodla.Tdm(), p)};
    Przygotowanie przygotowanie(UtworzRaport(k));
    przygotowanie.UstawPracownikow(IdentyfikatoryPracownikow(k.pracownicy));
    przygotowanie.DoKonca();
    return przygotowanie.Wynik();
}

void DodajCzasDruku(Pasmo& pasmo, double y, double szerokosc, const std::string& czas,
                    std::string strona) {
    pasmo.teksty.push_back(Tekst(0, y, szerokosc / 2, "Data i czas druku: " + czas));
    pasmo.teksty.push_back(
        Tekst(szerokosc / 2, y, szerokosc / 2, std::move(strona), kZwykla, Wyrownanie::Prawo));
}

ElementTekstu Tekst(double x, double y, double szerokosc, std::string tekst, Czcionka czcionka,
                    Wyrownanie w) {
    ElementTekstu e;
    e.x = x;
    e.y = y;
    e.szerokosc = szerokosc;
    e.wysokosc = czcionka.rozmiar * 1.28;
    e.tekst = std::move(tekst);
    e.czcionka = czcionka;
    e.wyrownanie = w;
    return e;
}

Pasmo PasmoTekstu(const MiaraTekstu& miara, double x, double szerokosc, std::string_view tekst,
                  Czcionka czcionka, int kolumna) {
    Pasmo p;
    const double wiersz = czcionka.rozmiar * 1.28;
    for (std::string& linia : PodzielNaWiersze(miara, tekst, czcionka, szerokosc - 2)) {
        ElementTekstu e = Tekst(x, p.wysokosc, szerokosc, std::move(linia), czcionka);
        e.kolumna = kolumna;
        p.teksty.push_back(std::move(e));
        p.wysokosc += wiersz;
    }
    return p;
}

Pasmo PasmoDopasowane(const MiaraTekstu& miara, double x, double szerokosc, std::string_view tekst,
                      int kolumna) {
    Czcionka c = kZwykla;
    c.rozmiar = DopasujRozmiar(miara, tekst, c, szerokosc, 10, 5);
    return PasmoTekstu(miara, x, szerokosc, tekst, c, kolumna);
}

void DolaczPonizej(Pasmo& pasmo, const Pasmo& dalsze) {
    for (ElementTekstu t : dalsze.teksty) {
        t.y += pasmo.wysokosc;
        pasmo.teksty.push_back(std::move(t));
    }
    for (Linia l : dalsze.linie) {
        l.y1 += pasmo.wysokosc;
        l.y2 += pasmo.wysokosc;
        pasmo.linie.push_back(l);
    }
    pasmo.wysokosc += dalsze.wysokosc;
}

std::string Polacz(std::initializer_list<std::string> czesci) {
    std::string t;
    for (const std::string& c : czesci)
        if (!c.empty())
            t += (t.empty() ? "" : " ") + c;
    return t;
}

std::string CzasDruku(const ParametryWydruku& p) {
    if (!p.czasDruku.empty())
        return p.czasDruku;
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char b[32];
    std::strftime(b, sizeof b, "%Y-%m-%d %H:%M:%S", &tm);
    return b;
}

}  // namespace mirta::reports
