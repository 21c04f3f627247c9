#pragma once

#include <functional>
#include <vector>

#include "reports/strona.h"

namespace mirta::reports {

// One band: texts and lines placed relative to its top left.
struct Pasmo {
    double wysokosc = 0;
    std::vector<ElementTekstu> teksty;
    std::vector<Linia> linie;
};

// Page size and margins in points; A4 portrait by default.
struct GeometriaStrony {
    double szerokosc = 595.28, wysokosc = 841.89;
    double lewy = 34, prawy = 34, gorny = 30, dolny = 30;
    double SzerokoscRobocza() const { return szerokosc - lewy - prawy; }
    GeometriaStrony Pozioma() const {
        GeometriaStrony g = *this;
        std::swap(g.szerokosc, g.wysokosc);
        return g;
    }
};

// Lays bands out on pages, top to bottom: the page header band on top of every page, the
// footer band at the bottom of every page but the last, a new page whenever the next band
// does not fit. Finished pages can be shown while later ones are still being laid out.
class UkladStron {
public:
    using BudowaPasma = std::function<Pasmo(int numerStrony)>;

    UkladStron(GeometriaStrony geometria, BudowaPasma naglowek, BudowaPasma stopka);

    const GeometriaStrony& Geometria() const { return m_geometria; }
    // Adds a band below the previous one. A band taller than a page's free space is put on a
    // page of its own and cut at the page's bottom margin.
    void Dodaj(const Pasmo& pasmo);
    // Closes the page: the next band starts a new one (a page break written in a document).
    void PodzialStrony();
    // The page the next band lands on, counting from 1.
    int BiezacaStrona() const { return m_strony.empty() ? 1 : int(m_strony.size()); }
    // The last band, built for the page it lands on; that page gets no footer unless
    // `stopkaNaOstatniej`.
    void Zakoncz(const BudowaPasma& koncowe, bool stopkaNaOstatniej = false);

    // Pages whose layout is finished (all of them once Zakoncz ran).
    size_t Gotowe() const { return m_zakonczone ? m_strony.size() : m_strony.size() - m_otwarta; }
    const std::vector<Strona>& Strony() const { return m_strony; }
    std::vector<Strona> Odbierz() { return std::move(m_strony); }

private:
    void NowaStrona();
    void ZamknijStrone(bool zeStopka);
    void Poloz(const Pasmo& pasmo);
    double Dol() const;

    GeometriaStrony m_geometria;
    BudowaPasma m_naglowek, m_stopka;
    double m_wysokoscStopki = 0;
    std::vector<Strona> m_strony;
    bool m_otwarta = false;
    bool m_zakonczone = false;
    double m_y = 0;
};

}  // namespace mirta::reports
