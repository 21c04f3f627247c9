#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "compute/data_kal.h"
#include "engine/testing/temp_dir.h"
#include "reports/eksport.h"
#include "reports/eksport_xlsx.h"
#include "wspolne/testing/program_zewnetrzny.h"

namespace mirta::reports {
namespace {

ElementTekstu T(double x, double y, std::string tekst, int kolumna = 0) {
    ElementTekstu e;
    e.x = x;
    e.y = y;
    e.szerokosc = 100;
    e.wysokosc = 11;
    e.tekst = std::move(tekst);
    e.kolumna = kolumna;
    return e;
}

Wydruk Przyklad() {
    Wydruk w;
    w.tytul = "Lista <próbna> & inna";
    w.kolumny = {"Lp.", "Nazwisko i imiona", "Dane"};
    Strona s;
    s.szerokosc = 595;
    s.wysokosc = 842;
    s.teksty.push_back(T(34, 30, "Nagłówek"));
    ElementTekstu lp = T(34, 60, "1", 1);
    lp.rodzaj = RodzajWartosci::Liczba;
    lp.liczba = 1;
    s.teksty.push_back(lp);
    s.teksty.push_back(T(66, 60.5, "Kowalski, Adam \"Ad\"", 2));
    s.teksty.push_back(T(66, 75, "2026-03-01", 3));
    s.teksty.push_back(T(200, 75, "1500", 4));
    s.teksty.push_back(T(300, 75, "linia1\nlinia2", 5));
    w.strony.push_back(s);
    return w;
}

TEST(Eksport, CsvQuotesOnlyWhatNeedsItAndKeepsColumnsEqual) {
    const std::string csv = EksportCsv(Przyklad());
    EXPECT_EQ(csv,
              "Nagłówek,,\r\n"
              "1,\"Kowalski, Adam \"\"Ad\"\"\",\r\n"
              "2026-03-01,1500,\"linia1\nlinia2\"\r\n");
    EXPECT_EQ(PoleCsv("bez zmian"), "bez zmian");
    EXPECT_EQ(PoleCsv("a\rb"), "\"a\rb\"");
}

TEST(Eksport, TextPutsTextsAtTheirColumnsAndHtmlEscapes) {
    const std::string txt = EksportTxt(Przyklad());
    EXPECT_NE(txt.find("       Nagłówek\n"), std::string::npos) << txt;  // 34 / 5 columns in
    EXPECT_NE(txt.find("1     Kowalski"), std::string::npos) << txt;
    const std::string htm = EksportHtm(Przyklad());
    EXPECT_NE(htm.find("<title>Lista &lt;próbna&gt; &amp; inna</title>"), std::string::npos);
    EXPECT_NE(htm.find("<td>Kowalski, Adam &quot;Ad&quot;</td>"), std::string::npos);
    EXPECT_NE(htm.find("charset=\"utf-8\""), std::string::npos);
}

// python3-openpyxl reads the spreadsheet: a header row, numbers as numbers, dates as dates.
TEST(Eksport, XlsxOpensInAnIndependentReaderWithTypedCells) {
    MIRTA_WYMAGA_PROGRAMU(std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") == 0,
                          "python3-openpyxl");
    engine::testing::TempDir dir;
    const std::string plik = dir.File("lista.xlsx");
    EksportXlsx(Przyklad(), plik);
    const std::string skrypt = dir.File("czytaj.py");
    std::ofstream(skrypt) << "import openpyxl, sys\n"
                             "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                             "for r in ws.iter_rows(values_only=True):\n"
                             "    print('|'.join(type(v).__name__ + ':' + str(v) for v in r))\n"
                             "print('width', ws.column_dimensions['B'].width > 15)\n";
    FILE* p = popen(("/usr/bin/python3 " + skrypt + " " + plik).c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string wyjscie;
    char b[512];
    while (size_t n = fread(b, 1, sizeof b, p))
        wyjscie.append(b, n);
    ASSERT_EQ(pclose(p), 0) << wyjscie;
    EXPECT_EQ(wyjscie,
              "str:Lp.|str:Nazwisko i imiona|str:Dane|NoneType:None|NoneType:None\n"
              "int:1|str:Kowalski, Adam \"Ad\"|NoneType:None|NoneType:None|NoneType:None\n"
              "NoneType:None|NoneType:None|datetime:2026-03-01 00:00:00|int:1500|"
              "str:linia1\nlinia2\n"
              "width True\n");

    // A layout that gives its records as rows: the rows, each value in its column as its
    // type, in place of the printed lines.
    Wydruk w = Przyklad();
    w.kolumny = {"Lp.", "Nazwisko i imiona", "Data od", "Dni", "Kwota", "Rodzaj"};
    auto liczba = [](double x) {
        KomorkaArkusza k;
        k.rodzaj = RodzajWartosci::Liczba;
        k.liczba = x;
        return k;
    };
    KomorkaArkusza data;
    data.rodzaj = RodzajWartosci::Data;
    data.dzien = int32_t(compute::NumerDnia({2026, 12, 14}));
    w.arkusz = {{liczba(1),
                 {RodzajWartosci::Tekst, "Nowak Anna"},
                 data,
                 liczba(5),
                 liczba(12.5),
                 {RodzajWartosci::Tekst, "Urlop wypoczynkowy"}},
                {liczba(1), {RodzajWartosci::Tekst, "Nowak Anna"}, {}, liczba(0)}};
    EksportXlsx(w, plik);
    p = popen(("/usr/bin/python3 " + skrypt + " " + plik).c_str(), "r");
    ASSERT_NE(p, nullptr);
    wyjscie.clear();
    while (size_t n = fread(b, 1, sizeof b, p))
        wyjscie.append(b, n);
    ASSERT_EQ(pclose(p), 0) << wyjscie;
    EXPECT_EQ(wyjscie,
              "str:Lp.|str:Nazwisko i imiona|str:Data od|str:Dni|str:Kwota|str:Rodzaj\n"
              "int:1|str:Nowak Anna|datetime:2026-12-14 00:00:00|int:5|float:12.5|"
              "str:Urlop wypoczynkowy\n"
              "int:1|str:Nowak Anna|NoneType:None|int:0|NoneType:None|NoneType:None\n"
              "width True\n");
}

}  // namespace
}  // namespace mirta::reports
