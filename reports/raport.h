#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "compute/data_kal.h"
#include "reports/dane_raportu.h"
#include "reports/miara_tekstu.h"
#include "reports/uklad_stron.h"
#include "reports/wybory.h"

namespace mirta::reports {

// What every layout gets for one run.
struct KontekstWydruku {
    DaneRaportu& dane;
    const MiaraTekstu& miara;
    ParametryWydruku parametry;
    compute::DataKal dataPrzetwarzania;
    std::vector<engine::RowView> pracownicy;
};

// One report layout: its title, page bands and the work of one listed item (an employee or a
// pay group) at a time, so that the preview can show the first pages early.
class Raport {
public:
    virtual ~Raport() = default;
    virtual std::string Tytul() const = 0;
    virtual std::vector<std::string> Kolumny() const { return {}; }
    // The spreadsheet's rows under Kolumny(), collected while the items were laid out; empty
    // when the spreadsheet reads the printed lines.
    virtual std::vector<WierszArkusza> Arkusz() { return {}; }
    // The page as laid out: the report's own, with the side margins raised to the minimum.
    GeometriaStrony Geometria() const;
    // The payroll program's minimum left margin, in points, for both side margins.
    void UstawMinimalnyMargines(double punkty) { m_minimalnyMargines = punkty; }
    virtual Pasmo Naglowek(int strona) = 0;
    virtual Pasmo Stopka(int strona);
    virtual size_t LiczbaPozycji() const = 0;
    virtual void Pozycja(size_t i, UkladStron& uklad) = 0;
    // The band after the last item, for the page it lands on.
    virtual Pasmo Zakonczenie(int strona) = 0;
    virtual bool StopkaNaOstatniejStronie() const { return false; }

protected:
    virtual GeometriaStrony GeometriaWlasna() const { return {}; }

private:
    double m_minimalnyMargines = 0;
};

// The layout of the choice (not the template choice, which produces a document).
std::unique_ptr<Raport> UtworzRaport(KontekstWydruku& kontekst);

// Lays a report out step by step: every Krok adds one item; a cancelled preparation is simply
// dropped, leaving nothing behind.
class Przygotowanie {
public:
    explicit Przygotowanie(std::unique_ptr<Raport> raport);
    // One item; false once the report is finished.
    bool Krok();
    void DoKonca() {
        while (Krok()) {
        }
    }
    bool Gotowe() const { return m_gotowe; }
    std::string Tytul() const { return m_raport->Tytul(); }
    int ProcentWykonania() const;
    size_t GotoweStrony() const { return m_uklad.Gotowe(); }
    const std::vector<Strona>& Strony() const { return m_uklad.Strony(); }
    // The whole prepared report. REQUIRES: Gotowe().
    Wydruk Wynik();
    // The employees the report prints, handed on to its result.
    void UstawPracownikow(std::vector<int32_t> pracownicy) { m_pracownicy = std::move(pracownicy); }

private:
    std::unique_ptr<Raport> m_raport;
    UkladStron m_uklad;
    size_t m_nastepna = 0;
    bool m_gotowe = false;
    std::vector<int32_t> m_pracownicy;
};

// Everything one run of a choice needs, owned together so that the preview can lay the report
// out page by page while the user already looks at the first one. The checks' message is
// thrown as BladDanych.
class ZadanieWydruku {
public:
    ZadanieWydruku(store::TDM& tdm, store::TDM1& tdm1, const MiaraTekstu& miara,
                   const ParametryWydruku& p);
    // A report that needs no tables (a document printed as written).
    explicit ZadanieWydruku(std::unique_ptr<Raport> raport);
    ~ZadanieWydruku();
    Przygotowanie& Postep() { return *m_przygotowanie; }
    // The tables' sources and their collected messages; null for a report without tables.
    store::ZrodlaObliczen* Zrodla() { return m_zrodla.get(); }

private:
    std::unique_ptr<store::ZrodlaObliczen> m_zrodla;
    std::unique_ptr<DaneRaportu> m_dane;
    std::unique_ptr<KontekstWydruku> m_kontekst;
    std::unique_ptr<Przygotowanie> m_przygotowanie;
};

// The identifiers of the listed employees.
std::vector<int32_t> IdentyfikatoryPracownikow(const std::vector<engine::RowView>& pracownicy);

// Runs the choice to the end: the checks' message is thrown as BladDanych.
Wydruk PrzygotujWydruk(store::ZrodlaObliczen& zrodla, const MiaraTekstu& miara,
                       const ParametryWydruku& p);

// ---- Building blocks of bands ----

inline constexpr double kWierszTekstu = 11.5;  // height of a 9-point line
inline const Czcionka kZwykla{9, false};
inline const Czcionka kPogrubiona{9, true};

ElementTekstu Tekst(double x, double y, double szerokosc, std::string tekst,
                    Czcionka czcionka = kZwykla, Wyrownanie w = Wyrownanie::Lewo);
// The line every printout shows once a page: "Data i czas druku: " and `czas` on the left
// half, `strona` ("Strona nr: 2", "Strona: 2") on the right, `y` points down the band.
void DodajCzasDruku(Pasmo& pasmo, double y, double szerokosc, const std::string& czas,
                    std::string strona);
// Lines of text from x on, `szerokosc` wide, broken into as many lines as it needs; every
// line tagged for the spreadsheet column `kolumna` (0: none).
Pasmo PasmoTekstu(const MiaraTekstu& miara, double x, double szerokosc, std::string_view tekst,
                  Czcionka czcionka = kZwykla, int kolumna = 0);
// One line printed in the largest size from 10 down to 5 that fits (the width less 2 points);
// broken into lines only when even size 5 does not fit.
Pasmo PasmoDopasowane(const MiaraTekstu& miara, double x, double szerokosc, std::string_view tekst,
                      int kolumna = 0);
void DolaczPonizej(Pasmo& pasmo, const Pasmo& dalsze);
// The non-empty parts with single spaces between them (names, addresses).
std::string Polacz(std::initializer_list<std::string> czesci);
// "2026-12-10 12:00:00" now, or the parameters' fixed time.
std::string CzasDruku(const ParametryWydruku& p);

}  // namespace mirta::reports
