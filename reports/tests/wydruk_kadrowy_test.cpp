#include <gtest/gtest.h>

#include "reports/sklad_dokumentu.h"
#include "reports/wydruk_kadrowy.h"

namespace mirta::reports {
namespace {

using documents::Alignment;
using documents::CharFormat;
using documents::Document;
using documents::Paragraph;

// 12-point letters 6 points wide: easy widths to reason about.
const MiaraPrzyblizona kMiara(0.5);

Document Dokument() {
    Document d;
    d.fonts = {documents::CzcionkaCE(0, "Times New Roman", "froman"),
               documents::CzcionkaCE(1, "Arial", "fswiss")};
    d.colors = {{.automatic = true}, {.automatic = false, .red = 0xC0, .green = 0, .blue = 0}};
    return d;
}

Paragraph Akapit(std::string tekst, CharFormat f = {}, Alignment a = Alignment::Left) {
    Paragraph p;
    p.format.alignment = a;
    p.runs.push_back(documents::Run{std::move(tekst), f, {}});
    return p;
}

std::vector<std::string> Teksty(const Wydruk& w) {
    std::vector<std::string> t;
    for (const Strona& s : w.strony)
        for (const ElementTekstu& e : s.teksty)
            t.push_back(e.tekst);
    return t;
}

// Every numbered word of "s1 s2 ... sN" in order, whatever lines and pages they landed on.
void WszystkieSlowaPoKolei(const std::vector<const ElementTekstu*>& elementy, int n) {
    std::string razem;
    for (const ElementTekstu* e : elementy)
        razem += e->tekst + " ";
    size_t poz = 0;
    for (int i = 1; i <= n; ++i) {
        const std::string slowo = "s" + std::to_string(i) + " ";
        const size_t p = razem.find(slowo, poz);
        ASSERT_NE(p, std::string::npos) << slowo;
        poz = p + slowo.size();
    }
}

std::string DlugiTekst(int n) {
    std::string t;
    for (int i = 1; i <= n; ++i)
        t += (i > 1 ? " s" : "s") + std::to_string(i);
    return t;
}

TEST(WydrukKadrowy, ALongDocumentGoesOnOverFollowingPagesInsideTheMargins) {
    Document d = Dokument();
    for (int i = 0; i < 40; ++i)
        d.body.emplace_back(Akapit(DlugiTekst(60)));
    const Wydruk w = WydrukKadrowy(d, kMiara, {}, "Karta");
    EXPECT_EQ(w.tytul, "Karta");
    ASSERT_GE(w.strony.size(), 3u);
    const GeometriaStrony g = GeometriaWydrukuKadrowego(d, {});
    std::vector<const ElementTekstu*> akapit;
    for (const Strona& s : w.strony) {
        EXPECT_LT(s.szerokosc, s.wysokosc);
        for (const ElementTekstu& e : s.teksty) {
            EXPECT_GE(e.x, g.lewy - 0.01);
            EXPECT_LE(e.x + e.szerokosc, g.szerokosc - g.prawy + 0.01) << e.tekst;
            EXPECT_GE(e.y, g.gorny - 0.01);
            EXPECT_LE(e.y + e.wysokosc, g.wysokosc - g.dolny + 0.01);
            EXPECT_EQ(e.czcionka.rodzina, "Times New Roman");
            EXPECT_EQ(e.czcionka.rozmiar, 12);
        }
    }
    // The first paragraph alone, wrapped over lines, lost nothing.
    for (const ElementTekstu& e : w.strony[0].teksty)
        akapit.push_back(&e);
    WszystkieSlowaPoKolei(akapit, 60);
}

TEST(WydrukKadrowy, TwoCopiesPrintTheSameTextSideBySideOnEveryPage) {
    Document d = Dokument();
    d.body.emplace_back(Akapit(DlugiTekst(600)));
    for (const bool portret : {true, false}) {
        const Wydruk jedna = WydrukKadrowy(d, kMiara, {1, portret}, "");
        const Wydruk dwie = WydrukKadrowy(d, kMiara, {2, portret}, "");
        ASSERT_FALSE(dwie.strony.empty());
        EXPECT_EQ(dwie.strony[0].szerokosc > dwie.strony[0].wysokosc, !portret);
        // Half the width: more lines, so at least as many pages.
        EXPECT_GE(dwie.strony.size(), jedna.strony.size());
        const double srodek = dwie.strony[0].szerokosc / 2;
        std::vector<const ElementTekstu*> lewa;
        for (const Strona& s : dwie.strony) {
            std::vector<const ElementTekstu*> l, p;
            for (const ElementTekstu& e : s.teksty)
                (e.x + e.szerokosc <= srodek ? l : p).push_back(&e);
            ASSERT_EQ(l.size(), p.size());
            for (size_t i = 0; i < l.size(); ++i) {
                EXPECT_EQ(l[i]->tekst, p[i]->tekst);
                EXPECT_EQ(l[i]->y, p[i]->y);
                EXPECT_NEAR(p[i]->x - l[i]->x, p[0]->x - l[0]->x, 0.001);
            }
            lewa.insert(lewa.end(), l.begin(), l.end());
        }
        WszystkieSlowaPoKolei(lewa, 600);
    }
}

TEST(WydrukKadrowy, KeepsTheDocumentsFormattingAlignmentTablesAndPageBreaks) {
    Document d = Dokument();
    CharFormat f;
    f.font = 1;
    f.halfPoints = 28;
    f.bold = f.italic = f.underline = true;
    f.color = 1;
    d.body.emplace_back(Akapit("Decyzja", f, Alignment::Center));
    d.body.emplace_back(Akapit("Warszawa", {}, Alignment::Right));
    Paragraph tabulatory = Akapit("Łomża\tdnia\t5");
    tabulatory.format.tabs = {
        {.position = 4000, .kind = documents::TabStop::Kind::Left, .leader = {}},
        {.position = 8000, .kind = documents::TabStop::Kind::Right, .leader = {}}};
    d.body.emplace_back(tabulatory);
    Paragraph podzial = Akapit("przed");
    podzial.runs.push_back(documents::Run{{}, {}, "\\page "});
    podzial.runs.push_back(documents::Run{"po", {}, {}});
    d.body.emplace_back(podzial);
    documents::TableRow wiersz;
    for (int k = 1; k <= 2; ++k) {
        documents::TableCell c;
        c.rightEdge = 2000 * k;  // 100 points each
        c.paragraphs.push_back(Akapit("komórka" + std::to_string(k)));
        wiersz.cells.push_back(c);
    }
    d.body.emplace_back(wiersz);
    d.body.emplace_back(Akapit(std::string(200, 'x')));  // one word wider than the line

    const double szerokosc = 400;
    const auto linie = SkladDokumentu(d, kMiara, szerokosc);
    auto element = [&](const std::string& t) -> const ElementTekstu* {
        for (const auto& l : linie)
            for (const auto& e : l.pasmo.teksty)
                if (e.tekst == t)
                    return &e;
        return nullptr;
    };
    const ElementTekstu* decyzja = element("Decyzja");
    ASSERT_TRUE(decyzja);
    EXPECT_EQ(decyzja->czcionka.rodzina, "Arial");
    EXPECT_TRUE(decyzja->czcionka.pogrubiona && decyzja->czcionka.kursywa &&
                decyzja->czcionka.podkreslona);
    EXPECT_EQ(decyzja->czcionka.rozmiar, 14);
    EXPECT_EQ(decyzja->kolor, 0xC00000u);
    EXPECT_NEAR(decyzja->x + decyzja->szerokosc / 2, szerokosc / 2, 0.01);
    const ElementTekstu* warszawa = element("Warszawa");
    ASSERT_TRUE(warszawa);
    EXPECT_NEAR(warszawa->x + warszawa->szerokosc, szerokosc, 0.01);

    // Tab stops: left at 200 points, right at 400; the texts between stay apart.
    ASSERT_TRUE(element("Łomża") && element("dnia") && element("5"));
    EXPECT_EQ(element("Łomża")->x, 0);
    EXPECT_EQ(element("dnia")->x, 200);
    EXPECT_NEAR(element("5")->x + element("5")->szerokosc, 400, 0.01);

    const auto podzialStrony =
        std::find_if(linie.begin(), linie.end(), [](auto& l) { return l.nowaStrona; });
    ASSERT_NE(podzialStrony, linie.end());
    EXPECT_EQ((podzialStrony - 1)->pasmo.teksty.at(0).tekst, "przed");
    EXPECT_EQ((podzialStrony + 1)->pasmo.teksty.at(0).tekst, "po");

    const ElementTekstu* k2 = element("komórka2");
    ASSERT_TRUE(k2);
    EXPECT_GT(k2->x, 100);
    EXPECT_LT(k2->x + k2->szerokosc, 200);
    for (const auto& l : linie) {
        if (!l.pasmo.linie.empty()) {
            EXPECT_GE(l.pasmo.wysokosc, k2->wysokosc);
        }
    }

    size_t iksy = 0;
    for (const auto& l : linie)
        for (const auto& e : l.pasmo.teksty)
            if (e.tekst.find('x') == 0) {
                iksy += e.tekst.size();
                EXPECT_LE(e.x + e.szerokosc, szerokosc + 0.01);
            }
    EXPECT_EQ(iksy, 200u);

    // On pages: the break starts a new page.
    const Wydruk w = WydrukKadrowy(d, kMiara, {}, "");
    ASSERT_EQ(w.strony.size(), 2u);
    EXPECT_EQ(Teksty(w).size(), w.strony[0].teksty.size() + w.strony[1].teksty.size());
    EXPECT_EQ(w.strony[1].teksty.at(0).tekst, "po");
}

TEST(WydrukKadrowy, SettingsAreOneOrTwoCopiesAndGoBackToOneCopyPortrait) {
    TQRWydrukKadrowy w;
    EXPECT_EQ(w.Ustawienia(), (UstawieniaWydrukuKadrowego{1, true}));
    w.Ustaw(2, false);
    EXPECT_EQ(w.Ustawienia(), (UstawieniaWydrukuKadrowego{2, false}));
    w.Ustaw(7, true);
    EXPECT_EQ(w.Ustawienia().kopie, 2);
    w.Ustaw(0, true);
    EXPECT_EQ(w.Ustawienia().kopie, 1);
    w.Ustaw(2, false);
    w.Domyslne();
    EXPECT_EQ(w.Ustawienia(), (UstawieniaWydrukuKadrowego{1, true}));
}

}  // namespace
}  // namespace mirta::reports
