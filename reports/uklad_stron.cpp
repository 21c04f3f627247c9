#include "reports/uklad_stron.h"

namespace mirta::reports {

UkladStron::UkladStron(GeometriaStrony geometria, BudowaPasma naglowek, BudowaPasma stopka)
    : m_geometria(geometria), m_naglowek(std::move(naglowek)), m_stopka(std::move(stopka)) {
    if (m_stopka)
        m_wysokoscStopki = m_stopka(1).wysokosc;
}

double UkladStron::Dol() const {
    return m_geometria.wysokosc - m_geometria.dolny - m_wysokoscStopki;
}

void UkladStron::Poloz(const Pasmo& pasmo) {
    Strona& s = m_strony.back();
    const double x0 = m_geometria.lewy;
    const double granica = m_geometria.wysokosc - m_geometria.dolny;
    for (ElementTekstu t : pasmo.teksty) {
        t.x += x0;
        t.y += m_y;
        if (t.y + t.wysokosc <= granica + 0.01)
            s.teksty.push_back(std::move(t));
    }
    for (Linia l : pasmo.linie) {
        l.x1 += x0;
        l.x2 += x0;
        l.y1 += m_y;
        l.y2 += m_y;
        s.linie.push_back(l);
    }
    m_y += pasmo.wysokosc;
}

void UkladStron::NowaStrona() {
    Strona s;
    s.szerokosc = m_geometria.szerokosc;
    s.wysokosc = m_geometria.wysokosc;
    m_strony.push_back(std::move(s));
    m_otwarta = true;
    m_y = m_geometria.gorny;
    if (m_naglowek)
        Poloz(m_naglowek(int(m_strony.size())));
}

void UkladStron::ZamknijStrone(bool zeStopka) {
    if (zeStopka && m_stopka) {
        m_y = Dol();
        Poloz(m_stopka(int(m_strony.size())));
    }
    m_otwarta = false;
}

void UkladStron::Dodaj(const Pasmo& pasmo) {
    if (!m_otwarta)
        NowaStrona();
    if (m_y + pasmo.wysokosc > Dol() + 0.01) {
        ZamknijStrone(true);
        NowaStrona();
    }
    Poloz(pasmo);
}

void UkladStron::PodzialStrony() {
    if (!m_otwarta)
        NowaStrona();
    ZamknijStrone(true);
}

void UkladStron::Zakoncz(const BudowaPasma& koncowe, bool stopkaNaOstatniej) {
    if (!m_otwarta)
        NowaStrona();
    Pasmo p = koncowe(BiezacaStrona());
    // Without a footer on the last page the band may use the footer's room.
    const double dol = stopkaNaOstatniej ? Dol() : m_geometria.wysokosc - m_geometria.dolny;
    if (m_y + p.wysokosc > dol + 0.01) {
        ZamknijStrone(true);
        NowaStrona();
        p = koncowe(BiezacaStrona());
    }
    Poloz(p);
    ZamknijStrone(stopkaNaOstatniej);
    m_zakonczone = true;
}

}  // namespace mirta::reports
