#include "reports/sklad_dokumentu.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "documents/rtf_reader.h"
#include "reports/raport.h"

namespace mirta::reports {

namespace {

using documents::Alignment;
using documents::CharFormat;
using documents::Document;
using documents::Paragraph;
using documents::TableRow;
using documents::TabStop;

constexpr double kTwipyNaPunkt = 20;
constexpr double kWysokoscLinii = 1.22;    // a line's height per point of its largest font
constexpr double kLiniaBazowa = 0.95;      // smaller fonts sit on the largest one's baseline
constexpr double kDomyslnyTabulator = 36;  // every half inch, as word processors set them
constexpr double kMarginesKomorki = 3;
constexpr double kNajmniejszaKomorka = 6;
constexpr size_t kNajdluzszaNazwaCzcionki = 64;
constexpr double kDokladnosc = 0.01;

struct Styl {
    Czcionka czcionka;
    uint32_t kolor = 0;
    friend bool operator==(const Styl&, const Styl&) = default;
};

std::string NazwaCzcionki(std::string nazwa) {
    if (nazwa.size() <= kNajdluzszaNazwaCzcionki)
        return nazwa;
    size_t n = kNajdluzszaNazwaCzcionki;
    while (n > 0 && (static_cast<unsigned char>(nazwa[n]) & 0xC0) == 0x80)
        --n;
    nazwa.resize(n);
    return nazwa;
}

Styl StylZnakow(const Document& d, const CharFormat& f) {
    Styl s;
    s.czcionka.rozmiar = std::clamp(f.halfPoints / 2.0, 1.0, 200.0);
    s.czcionka.pogrubiona = f.bold;
    s.czcionka.kursywa = f.italic;
    s.czcionka.podkreslona = f.underline;
    const documents::Font* font = d.FindFont(f.font);
    if (!font)
        font = d.FindFont(d.defaultFont);
    if (font)
        s.czcionka.rodzina = NazwaCzcionki(font->name);
    if (f.color > 0 && static_cast<size_t>(f.color) < d.colors.size() &&
        !d.colors[f.color].automatic) {
        const documents::Color& k = d.colors[f.color];
        s.kolor = uint32_t(k.red) << 16 | uint32_t(k.green) << 8 | k.blue;
    }
    return s;
}

enum class Rodzaj { Slowo, Spacja, Tabulator, Lamanie, Strona };

struct Atom {
    Rodzaj rodzaj;
    std::string tekst;
    Styl styl;
    double szerokosc = 0;
};

void DodajTekst(std::vector<Atom>& atomy, std::string_view tekst, const Styl& styl,
                const MiaraTekstu& miara) {
    size_t i = 0;
    while (i < tekst.size()) {
        const char c = tekst[i];
        if (c == '\t' || c == '\n') {
            atomy.push_back({c == '\t' ? Rodzaj::Tabulator : Rodzaj::Lamanie, {}, styl, 0});
            ++i;
        } else if (c == ' ') {
            atomy.push_back({Rodzaj::Spacja, " ", styl, miara.Szerokosc(" ", styl.czcionka)});
            ++i;
        } else {
            size_t j = i;
            while (j < tekst.size() && tekst[j] != ' ' && tekst[j] != '\t' && tekst[j] != '\n')
                ++j;
            std::string slowo(tekst.substr(i, j - i));
            std::erase_if(slowo, [](char z) { return static_cast<unsigned char>(z) < 0x20; });
            if (!slowo.empty()) {
                const double w = miara.Szerokosc(slowo, styl.czcionka);
                atomy.push_back({Rodzaj::Slowo, std::move(slowo), styl, w});
            }
            i = j;
        }
    }
}

std::vector<Atom> Atomy(const Document& d, const Paragraph& p, const MiaraTekstu& miara) {
    std::vector<Atom> atomy;
    if (!p.listText.empty())
        DodajTekst(atomy, documents::ListMarkText(p.listText, d.codePage),
                   StylZnakow(d, p.markFormat), miara);
    for (const documents::Run& r : p.runs) {
        if (!r.IsKept())
            DodajTekst(atomy, r.text, StylZnakow(d, r.format), miara);
        else if (r.kept.rfind("\\page", 0) == 0 &&
                 (r.kept.size() == 5 || r.kept[5] == ' ' || r.kept[5] == '\\'))
            atomy.push_back({Rodzaj::Strona, {}, {}, 0});
    }
    return atomy;
}

struct Kawalek {
    double x = 0;
    double szerokosc = 0;
    std::string tekst;
    Styl styl;
    bool spacja = false;
};

// Lays one paragraph out: lines filled word by word, tabs, alignment and spacing.
class SkladAkapitu {
public:
    SkladAkapitu(const Document& d, const Paragraph& p, const MiaraTekstu& miara, double szerokosc)
        : m_p(p),
          m_miara(miara),
          // Indents never take more than half the column each, so some text always fits.
          m_lewy(std::clamp(p.format.leftIndent / kTwipyNaPunkt, 0.0, szerokosc / 2)),
          m_prawy(szerokosc - std::clamp(p.format.rightIndent / kTwipyNaPunkt, 0.0, szerokosc / 2)),
          m_styl(StylZnakow(d, p.markFormat)),
          m_atomy(Atomy(d, p, miara)) {
        for (const TabStop& t : p.format.tabs)
            m_tabulatory.push_back({t.position / kTwipyNaPunkt, t.kind});
        // A hanging first line reaches its text at the left indent, as word processors do.
        if (p.format.firstLineIndent < 0)
            m_tabulatory.push_back({m_lewy, TabStop::Kind::Left});
        std::sort(m_tabulatory.begin(), m_tabulatory.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    std::vector<WierszDokumentu> Sklad() {
        NowaLinia(m_lewy + m_p.format.firstLineIndent / kTwipyNaPunkt);
        size_t i = 0;
        while (i < m_atomy.size()) {
            Atom& a = m_atomy[i];
            switch (a.rodzaj) {
                case Rodzaj::Lamanie:
                    ZakonczLinie(false);
                    NowaLinia(m_lewy);
                    ++i;
                    break;
                case Rodzaj::Strona:
                    if (!m_kawalki.empty() || m_maTabulator)
                        ZakonczLinie(false);
                    m_wynik.push_back({{}, true});
                    NowaLinia(m_lewy);
                    ++i;
                    break;
                case Rodzaj::Tabulator:
                    if (!Tabulator()) {
                        ZakonczLinie(false);
                        NowaLinia(m_lewy);
                    }
                    ++i;
                    break;
                case Rodzaj::Spacja:
                    // Blanks where a line was broken are not carried to the next one.
                    if (!m_zawinieta || MaTresc())
                        Poloz(a.tekst, a.styl, a.szerokosc, true);
                    ++i;
                    break;
                case Rodzaj::Slowo:
                    i = Slowo(i);
                    break;
            }
        }
        ZakonczLinie(true);
        return std::move(m_wynik);
    }

private:
    bool MaTresc() const {
        return m_maTabulator || std::any_of(m_kawalki.begin(), m_kawalki.end(),
                                            [](const Kawalek& k) { return !k.spacja; });
    }

    void NowaLinia(double x) {
        m_kawalki.clear();
        m_x = std::clamp(x, 0.0, m_prawy - 1);
        m_maTabulator = false;
        m_tabulator.reset();
    }

    void Poloz(std::string tekst, const Styl& styl, double w, bool spacja) {
        m_kawalki.push_back({m_x, w, std::move(tekst), styl, spacja});
        m_x += w;
    }

    // A word: the letters up to the next blank, perhaps in several formats. Returns the
    // next atom to lay out.
    size_t Slowo(size_t i) {
        size_t k = i;
        double w = 0;
        while (k < m_atomy.size() && m_atomy[k].rodzaj == Rodzaj::Slowo)
            w += m_atomy[k++].szerokosc;
        if (m_x + w <= m_prawy + kDokladnosc) {
            for (; i < k; ++i)
                Poloz(m_atomy[i].tekst, m_atomy[i].styl, m_atomy[i].szerokosc, false);
            return k;
        }
        if (MaTresc()) {
            Zawin();
            return i;
        }
        // Longer than a whole line: as much as fits, the rest on the next line.
        for (; i < k; ++i) {
            Atom& a = m_atomy[i];
            if (m_x + a.szerokosc <= m_prawy + kDokladnosc) {
                Poloz(a.tekst, a.styl, a.szerokosc, false);
                continue;
            }
            size_t n = PoczatekMieszczacy(m_miara, a.tekst, a.styl.czcionka, m_prawy - m_x);
            if (n == 0 && MaTresc())
                break;
            if (n == 0)
                n = PierwszaLitera(a.tekst);
            std::string poczatek = a.tekst.substr(0, n);
            Poloz(poczatek, a.styl, m_miara.Szerokosc(poczatek, a.styl.czcionka), false);
            a.tekst.erase(0, n);
            a.szerokosc = m_miara.Szerokosc(a.tekst, a.styl.czcionka);
            if (a.tekst.empty())
                ++i;
            break;
        }
        Zawin();
        return i;
    }

    void Zawin() {
        ZakonczLinie(false);
        NowaLinia(m_lewy);
        m_zawinieta = true;
    }

    // Moves to the next tab stop; false when none is left on the line.
    bool Tabulator() {
        WyrownajDoTabulatora();
        std::optional<std::pair<double, TabStop::Kind>> stop;
        for (const auto& t : m_tabulatory)
            if (t.first > m_x + kDokladnosc) {
                stop = t;
                break;
            }
        if (!stop) {
            const double ostatni = m_tabulatory.empty() ? 0 : m_tabulatory.back().first;
            double x = std::max(ostatni, 0.0);
            while (x <= m_x + kDokladnosc)
                x += kDomyslnyTabulator;
            stop = {x, TabStop::Kind::Left};
        }
        if (stop->first > m_prawy + kDokladnosc)
            return false;
        m_maTabulator = true;
        if (stop->second == TabStop::Kind::Left || stop->second == TabStop::Kind::Bar) {
            m_x = stop->first;
        } else {
            m_tabulator = *stop;
            m_poczatekTabulatora = m_kawalki.size();
            m_xTabulatora = m_x;
        }
        return true;
    }

    // The text after a right or centre tab moved so that it ends at, or centres on, the stop.
    void WyrownajDoTabulatora() {
        if (!m_tabulator)
            return;
        const auto [pozycja, rodzaj] = *m_tabulator;
        const double przesuniecie =
            rodzaj == TabStop::Kind::Center ? pozycja - (m_xTabulatora + m_x) / 2 : pozycja - m_x;
        if (przesuniecie > 0) {
            for (size_t j = m_poczatekTabulatora; j < m_kawalki.size(); ++j)
                m_kawalki[j].x += przesuniecie;
            m_x += przesuniecie;
        }
        m_tabulator.reset();
    }

    void ZakonczLinie(bool ostatnia) {
        WyrownajDoTabulatora();
        while (!m_kawalki.empty() && m_kawalki.back().spacja)
            m_kawalki.pop_back();
        const double koniec =
            m_kawalki.empty() ? 0 : m_kawalki.back().x + m_kawalki.back().szerokosc;
        const double wolne = std::max(0.0, m_prawy - koniec);
        const Alignment a = m_p.format.alignment;
        const bool wyjustowana =
            a == Alignment::Justify && !ostatnia && !m_maTabulator && !m_kawalki.empty();
        if (a == Alignment::Center || a == Alignment::Right) {
            const double s = a == Alignment::Center ? wolne / 2 : wolne;
            for (Kawalek& k : m_kawalki)
                k.x += s;
        } else if (wyjustowana) {
            const auto odstepy =
                std::count_if(m_kawalki.begin(), m_kawalki.end(), [](auto& k) { return k.spacja; });
            double s = 0;
            for (Kawalek& k : m_kawalki) {
                if (k.spacja && odstepy > 0)
                    s += wolne / double(odstepy);
                k.x += s;
            }
        }
        m_wynik.push_back({PasmoLinii(m_kawalki, wyjustowana), false});
        m_zawinieta = false;
    }

    // The line's band: runs of one style joined into one text (a justified line keeps its
    // words apart), all on the largest font's baseline.
    Pasmo PasmoLinii(const std::vector<Kawalek>& kawalki, bool osobneSlowa) const {
        double najwieksza = m_styl.czcionka.rozmiar;
        if (!kawalki.empty()) {
            najwieksza = 0;
            for (const Kawalek& k : kawalki)
                najwieksza = std::max(najwieksza, k.styl.czcionka.rozmiar);
        }
        Pasmo p;
        p.wysokosc = najwieksza * kWysokoscLinii;
        for (size_t i = 0; i < kawalki.size();) {
            size_t j = i + 1;
            std::string tekst = kawalki[i].tekst;
            // Joined only where one ends as the next begins: a tab's gap keeps them apart.
            while (j < kawalki.size() && kawalki[j].styl == kawalki[i].styl &&
                   std::abs(kawalki[j].x - kawalki[j - 1].x - kawalki[j - 1].szerokosc) <
                       kDokladnosc &&
                   !(osobneSlowa && (kawalki[j].spacja || kawalki[j - 1].spacja))) {
                tekst += kawalki[j].tekst;
                ++j;
            }
            const Kawalek& k = kawalki[i];
            const bool puste = tekst.find_first_not_of(' ') == std::string::npos;
            if (!puste || k.styl.czcionka.podkreslona) {
                ElementTekstu e;
                e.x = k.x;
                e.y = (najwieksza - k.styl.czcionka.rozmiar) * kLiniaBazowa;
                e.szerokosc = kawalki[j - 1].x + kawalki[j - 1].szerokosc - k.x;
                e.wysokosc = k.styl.czcionka.rozmiar * kWysokoscLinii;
                e.tekst = std::move(tekst);
                e.czcionka = k.styl.czcionka;
                e.kolor = k.styl.kolor;
                p.teksty.push_back(std::move(e));
            }
            i = j;
        }
        return p;
    }

    const Paragraph& m_p;
    const MiaraTekstu& m_miara;
    double m_lewy, m_prawy;
    Styl m_styl;
    std::vector<Atom> m_atomy;
    std::vector<std::pair<double, TabStop::Kind>> m_tabulatory;
    std::vector<Kawalek> m_kawalki;
    double m_x = 0;
    bool m_maTabulator = false;
    bool m_zawinieta = false;
    std::optional<std::pair<double, TabStop::Kind>> m_tabulator;
    size_t m_poczatekTabulatora = 0;
    double m_xTabulatora = 0;
    std::vector<WierszDokumentu> m_wynik;
};

// A paragraph's lines with the spacing before the first and after the last.
std::vector<WierszDokumentu> Akapit(const Document& d, const Paragraph& p, const MiaraTekstu& miara,
                                    double szerokosc) {
    std::vector<WierszDokumentu> linie = SkladAkapitu(d, p, miara, szerokosc).Sklad();
    const double przed = std::clamp(p.format.spaceBefore / kTwipyNaPunkt, 0.0, 200.0);
    const double po = std::clamp(p.format.spaceAfter / kTwipyNaPunkt, 0.0, 200.0);
    auto pierwsza = std::find_if(linie.begin(), linie.end(), [](auto& l) { return !l.nowaStrona; });
    if (pierwsza != linie.end() && przed > 0) {
        for (ElementTekstu& t : pierwsza->pasmo.teksty)
            t.y += przed;
        pierwsza->pasmo.wysokosc += przed;
    }
    auto ostatnia =
        std::find_if(linie.rbegin(), linie.rend(), [](auto& l) { return !l.nowaStrona; });
    if (ostatnia != linie.rend())
        ostatnia->pasmo.wysokosc += po;
    return linie;
}

void Przesun(Pasmo& p, double dx, double dy) {
    for (ElementTekstu& t : p.teksty) {
        t.x += dx;
        t.y += dy;
    }
    for (Linia& l : p.linie) {
        l.x1 += dx;
        l.x2 += dx;
        l.y1 += dy;
        l.y2 += dy;
    }
}

// A table row: cells at the widths the file gives (narrowed alike when the column is
// narrower), each cell's paragraphs stacked, the row as tall as its tallest cell.
Pasmo Wiersz(const Document& d, const TableRow& r, const MiaraTekstu& miara, double szerokosc) {
    const size_t n = r.cells.size();
    std::vector<double> krawedzie{0};
    bool poprawne = true;
    for (const documents::TableCell& c : r.cells) {
        const double x = c.rightEdge / kTwipyNaPunkt;
        poprawne = poprawne && x >= krawedzie.back() + kNajmniejszaKomorka;
        krawedzie.push_back(x);
    }
    if (!poprawne || krawedzie.back() <= 0) {
        for (size_t i = 0; i <= n; ++i)
            krawedzie[i] = szerokosc * double(i) / double(n);
    } else if (krawedzie.back() > szerokosc) {
        const double skala = szerokosc / krawedzie.back();
        for (double& x : krawedzie)
            x *= skala;
    }
    Pasmo wiersz;
    std::vector<Pasmo> komorki;
    double wysokosc = 0;
    for (size_t i = 0; i < n; ++i) {
        const double w = std::max(1.0, krawedzie[i + 1] - krawedzie[i] - 2 * kMarginesKomorki);
        Pasmo k;
        for (const Paragraph& p : r.cells[i].paragraphs)
            for (const WierszDokumentu& l : Akapit(d, p, miara, w))
                if (!l.nowaStrona)
                    DolaczPonizej(k, l.pasmo);
        Przesun(k, krawedzie[i] + kMarginesKomorki, kMarginesKomorki);
        wysokosc = std::max(wysokosc, k.wysokosc + 2 * kMarginesKomorki);
        komorki.push_back(std::move(k));
    }
    for (Pasmo& k : komorki)
        for (ElementTekstu& t : k.teksty)
            wiersz.teksty.push_back(std::move(t));
    wiersz.wysokosc = wysokosc;
    // Rows made here have no definition; read ones print their lines when they define any.
    if (r.definition.empty() || r.definition.find("brdr") != std::string::npos) {
        const double prawa = krawedzie.back();
        wiersz.linie.push_back({0, 0, prawa, 0, 0.5});
        wiersz.linie.push_back({0, wysokosc, prawa, wysokosc, 0.5});
        for (double x : krawedzie)
            wiersz.linie.push_back({x, 0, x, wysokosc, 0.5});
    }
    return wiersz;
}

}  // namespace

std::vector<WierszDokumentu> SkladDokumentu(const Document& dokument, const MiaraTekstu& miara,
                                            double szerokosc) {
    szerokosc = std::max(szerokosc, 10.0);
    std::vector<WierszDokumentu> wynik;
    for (const documents::Block& b : dokument.body) {
        if (const auto* p = std::get_if<Paragraph>(&b)) {
            for (WierszDokumentu& l : Akapit(dokument, *p, miara, szerokosc))
                wynik.push_back(std::move(l));
        } else if (const auto* r = std::get_if<TableRow>(&b)) {
            if (!r->cells.empty())
                wynik.push_back({Wiersz(dokument, *r, miara, szerokosc), false});
        }
    }
    return wynik;
}

}  // namespace mirta::reports
