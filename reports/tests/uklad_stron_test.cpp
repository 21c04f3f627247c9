#include <gtest/gtest.h>

#include "reports/miara_tekstu.h"
#include "reports/raport.h"
#include "reports/uklad_stron.h"

namespace mirta::reports {
namespace {

Pasmo PasmoWysokie(double h, std::string tekst = "x") {
    Pasmo p;
    p.wysokosc = h;
    ElementTekstu t;
    t.tekst = std::move(tekst);
    t.wysokosc = h;
    p.teksty.push_back(t);
    return p;
}

TEST(UkladStron, BreaksPagesAndPutsFootersOnEveryPageButTheLast) {
    GeometriaStrony g;
    g.wysokosc = 200;
    g.gorny = g.dolny = 10;
    UkladStron u(
        g, [](int s) { return PasmoTekstu(MiaraPrzyblizona(), 0, 100, "N" + std::to_string(s)); },
        [](int s) { return PasmoWysokie(10, "S" + std::to_string(s)); });
    for (int i = 0; i < 10; ++i)
        u.Dodaj(PasmoWysokie(40));
    // Three bands of 40 fit between the header's 11.5 and the footer at 180.
    EXPECT_EQ(u.Gotowe(), 3u);  // the fourth page is still open
    u.Zakoncz(
        [](int s) { return PasmoWysokie(12, "Koniec wydruku na stronie: " + std::to_string(s)); });
    const auto& strony = u.Strony();
    ASSERT_EQ(strony.size(), 4u);
    auto ma = [](const Strona& s, const std::string& t) {
        for (const auto& e : s.teksty)
            if (e.tekst == t)
                return true;
        return false;
    };
    EXPECT_TRUE(ma(strony[0], "N1") && ma(strony[0], "S1"));
    EXPECT_TRUE(ma(strony[1], "N2") && ma(strony[1], "S2"));
    EXPECT_TRUE(ma(strony[3], "N4"));
    EXPECT_FALSE(ma(strony[3], "S4"));
    EXPECT_TRUE(ma(strony[3], "Koniec wydruku na stronie: 4"));
    for (const auto& s : strony)
        for (const auto& e : s.teksty)
            EXPECT_LE(e.y + e.wysokosc, g.wysokosc - g.dolny + 0.01) << e.tekst;
}

TEST(DopasowanieTekstu, LargestSizeThatFitsTheWidthLessTwo) {
    const MiaraPrzyblizona miara(0.5);  // a letter is half the size wide
    struct Przypadek {
        const char* tekst;
        double szerokosc;
        double rozmiar;
    };
    const Przypadek przypadki[] = {
        {"abcd", 22, 10},       // 20 wide at 10 points: exactly the width less 2
        {"abcd", 21.9, 9},      // 10 points is 0.1 too wide
        {"abcdefghij", 30, 5},  // 25 wide at 5, 30 at 6
        {"abcdefghij", 10, 5},  // nothing fits: the smallest
        {"żółć", 22, 10},       // letters count, not bytes
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(DopasujRozmiar(miara, p.tekst, {}, p.szerokosc, 10, 5), p.rozmiar)
            << p.tekst << " " << p.szerokosc;
}

TEST(DopasowanieTekstu, LongTextsBreakAtBlanksAndLongWordsInside) {
    const MiaraPrzyblizona miara(0.5);
    const Czcionka c{10, false};  // 5 points a letter
    EXPECT_EQ(PodzielNaWiersze(miara, "ala ma kota", c, 30),
              (std::vector<std::string>{"ala ma", "kota"}));
    EXPECT_EQ(PodzielNaWiersze(miara, "abcdefghij", c, 20),
              (std::vector<std::string>{"abcd", "efgh", "ij"}));
    EXPECT_EQ(PodzielNaWiersze(miara, "  wcięty", c, 100), (std::vector<std::string>{"  wcięty"}));
    EXPECT_EQ(PodzielNaWiersze(miara, "", c, 100), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace mirta::reports
