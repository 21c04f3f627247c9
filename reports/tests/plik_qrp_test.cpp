#include <gtest/gtest.h>

#include "reports/plik_qrp.h"

namespace mirta::reports {
namespace {

Wydruk Przyklad() {
    Wydruk w;
    w.tytul = "Zażółć\tgęślą\njaźń \\ koniec";
    w.kolumny = {"Lp.", "Nazwisko i imiona"};
    for (int s = 0; s < 2; ++s) {
        Strona st;
        st.szerokosc = 595.28;
        st.wysokosc = 841.89;
        ElementTekstu t;
        t.x = 34.1 + s;
        t.y = 0.1 + 0.2;  // not exactly representable: must come back bit for bit
        t.szerokosc = 100;
        t.wysokosc = 11.52;
        t.tekst = "Strona nr: " + std::to_string(s + 1);
        t.czcionka = {7.5, true};
        t.czcionka.rodzina = s == 0 ? "" : "Times New Roman";
        t.czcionka.kursywa = s == 1;
        t.czcionka.podkreslona = s == 1;
        t.kolor = s == 1 ? 0xC00000 : 0;
        t.wyrownanie = Wyrownanie::Prawo;
        t.rodzaj = RodzajWartosci::Liczba;
        t.liczba = 1234.5;
        t.kolumna = 1;
        st.teksty.push_back(t);
        st.linie.push_back({0, 1, 2, 3, 0.5});
        w.strony.push_back(st);
    }
    KomorkaArkusza data;
    data.rodzaj = RodzajWartosci::Data;
    data.dzien = 730000;
    KomorkaArkusza kwota;
    kwota.rodzaj = RodzajWartosci::Liczba;
    kwota.liczba = 0.1 + 0.2;
    w.arkusz = {{kwota, KomorkaArkusza{RodzajWartosci::Tekst, "Zażółć\tgęślą"}, data},
                {KomorkaArkusza{}}};
    return w;
}

TEST(PlikQrp, SavedAndReopenedGivesTheSamePages) {
    const Wydruk w = Przyklad();
    EXPECT_EQ(CzytajQrp(ZapiszQrp(w)), w);
    EXPECT_EQ(CzytajQrp(ZapiszQrp(Wydruk{})), Wydruk{});
}

TEST(PlikQrp, AFileOfTheFirstVersionStillOpens) {
    const Wydruk w = CzytajQrp(
        "MIRTA-WYDRUK\t1\nTYTUL\tLista\nSTRONA\t595\t842\n"
        "TEKST\t1\t2\t50\t11\t9\t1\t0\t0\t0\t0\t0\tKowalski\nKONIEC\t1\n");
    ASSERT_EQ(w.strony.size(), 1u);
    ASSERT_EQ(w.strony[0].teksty.size(), 1u);
    EXPECT_EQ(w.strony[0].teksty[0].tekst, "Kowalski");
    EXPECT_TRUE(w.strony[0].teksty[0].czcionka.pogrubiona);
    EXPECT_EQ(w.strony[0].teksty[0].czcionka.rodzina, "");
}

TEST(PlikQrp, CorruptFilesAreRefusedWithAClearMessage) {
    const std::string dobry = ZapiszQrp(Przyklad());
    auto zamien = [&](const std::string& co, const std::string& na) {
        std::string d = dobry;
        d.replace(d.find(co), co.size(), na);
        return d;
    };
    struct Przypadek {
        const char* nazwa;
        std::string dane;
        const char* fragment;
    };
    const Przypadek przypadki[] = {
        {"empty", "", "nie jest plikiem wydruku"},
        {"another file", "%PDF-1.4\n", "nie jest plikiem wydruku"},
        {"newer version", zamien("MIRTA-WYDRUK\t3", "MIRTA-WYDRUK\t4"), "nieznanej wersji"},
        {"bad sheet value kind", zamien("WIERSZ\t1", "WIERSZ\t7"), "rodzaj wartości"},
        {"empty sheet value", zamien("WIERSZ\t1", "WIERSZ\t\t1"), "pusta wartość"},
        {"bad sheet date", zamien("\t2730000", "\t2-5"), "zła liczba"},
        {"truncated", dobry.substr(0, dobry.rfind('\n', dobry.size() / 2) + 3), "uszkodzony"},
        {"no end record", dobry.substr(0, dobry.rfind("KONIEC")), "niepełny"},
        {"page count", zamien("KONIEC\t2", "KONIEC\t3"), "liczba stron"},
        {"bad number", zamien("595.28", "5x5"), "zła liczba"},
        {"not finite", zamien("595.28", "nan"), "zła liczba"},
        {"huge size", zamien("595.28", "1e300"), "zła liczba"},
        {"bad enum", zamien("\t1\t1\t1234.5", "\t7\t1\t1234.5"), "zła liczba"},
        {"missing field", zamien("\t0.5\n", "\n"), "liczba pól"},
        {"unknown record", zamien("LINIA", "OBRAZ"), "nieznany rekord"},
        {"element before a page", zamien("STRONA\t595.28\t841.89\nTEKST", "TEKST"),
         "przed pierwszą stroną"},
        {"bad escape", zamien("\\t", "\\q"), "zły tekst"},
        {"data after the end", dobry + "TYTUL\tx\n", "po zakończeniu"},
    };
    for (const auto& p : przypadki) {
        try {
            CzytajQrp(p.dane);
            ADD_FAILURE() << p.nazwa << ": accepted";
        } catch (const BladPlikuWydruku& e) {
            EXPECT_NE(std::string(e.what()).find(p.fragment), std::string::npos)
                << p.nazwa << ": " << e.what();
        }
    }
}

}  // namespace
}  // namespace mirta::reports
