// mirta raport on a small demo unit: every choice written, checked by independent readers
// (poppler for PDF, openpyxl for XLSX), and the command line's refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/tests/uruchom.h"
#include "wspolne/testing/program_zewnetrzny.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

class CliRaport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = new fs::path(fs::temp_directory_path() /
                                 ("mirta_cli_raport_" + std::to_string(::getpid())));
        fs::remove_all(*s_katalog);
        const Wynik w = Uruchom("demo " + Dane() + " --pracownicy 30 --lata 3");
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_katalog);
        delete s_katalog;
    }
    static std::string Dane() { return (*s_katalog / "dane").string(); }
    static std::string Plik(const std::string& nazwa) { return (*s_katalog / nazwa).string(); }
    static Wynik Raport(const std::string& argumenty) {
        return Uruchom(
            "--dane " + Dane() + " --uzytkownik ADMIN --data 2026-12-10 raport " + argumenty,
            "MIRTA_HASLO=");
    }
    static bool Jest(const char* program) {
        return std::system((std::string("command -v ") + program + " >/dev/null").c_str()) == 0;
    }
    static std::string Czytaj(const std::string& plik) {
        std::ifstream f(plik, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    static fs::path* s_katalog;
};
fs::path* CliRaport::s_katalog = nullptr;

TEST_F(CliRaport, ListsTheNineteenChoicesEachAfterItsNumber) {
    const Wynik w = Uruchom("raport --lista");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    std::istringstream linie(w.wyjscie);
    std::string linia;
    int n = 0;
    while (std::getline(linie, linia))
        EXPECT_EQ(linia.rfind(std::to_string(++n) + ". ", 0), 0u) << linia;
    EXPECT_EQ(n, 19);
}

TEST_F(CliRaport, RefusesAWrongExtensionAndAnUnknownFormatWritingNothing) {
    Wynik w = Raport("2 " + Plik("wynik.html") + " --format htm");
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.wyjscie.find("Rozszerzenie nazwy nie odpowiada wybranemu formatowi."),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Plik("wynik.html")));
    w = Raport("2 " + Plik("wynik.doc") + " --format doc");
    EXPECT_EQ(w.kod, 2);
    w = Raport("20 " + Plik("wynik.pdf") + " --format pdf");
    EXPECT_EQ(w.kod, 2);
    w = Raport("4 " + Plik("wynik.pdf") + " --format pdf --od 2026-05-01 --do 2026-04-30");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Data do nie może być mniejsza od daty od !!!"), std::string::npos);
    EXPECT_FALSE(fs::exists(Plik("wynik.pdf")));
}

// Every choice but the template one as PDF: text that poppler reads back, fonts embedded.
TEST_F(CliRaport, EveryChoiceAsPdfWithEmbeddedFontsAndSelectableText) {
    MIRTA_WYMAGA_PROGRAMU(Jest("pdftotext") && Jest("pdffonts"), "poppler-utils");
    const struct {
        int numer;
        const char* tekst;
    } oczekiwane[] = {
        {1, "Adres zameldowania"},
        {2, "Rok ukończenia, strażackie"},
        {3, "Rok ukończenia, data ważności"},
        {4, "Nagrody wypłacone w okresie od:01-01-2026 do:31-12-2026"},
        {5, "Awanse w okresie od:"},
        {6, "Lista osób zwolnionych w okresie od:"},
        {7, "Wykaz osób z dodatkowym zatrudnieniem"},
        {8, "Urlop należny:"},
        {9, "Razem zestawienie"},
        {10, "Wykaz urlopów pracownika w okresie od:"},
        {11, "Razem zestawienie dni kalendarzowych:"},
        {12, "Wykaz zwolnień chorobowych pracownika"},
        {13, "Wykaz nieobecności w okresie od:"},
        {14, "Ilość pracowników:"},
        {15, "Lata pracy w służbie:"},
        {16, "Przebieg pracy pracownika."},
        {18, "Wydruk wybranych elementów kadrowych"},
        {19, "Urlop dodatkowy"},
    };
    for (const auto& o : oczekiwane) {
        SCOPED_TRACE(o.numer);
        const std::string pdf = Plik("wydruk" + std::to_string(o.numer) + ".pdf");
        const Wynik w = Raport(std::to_string(o.numer) + " " + pdf + " --format pdf");
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        const std::string txt = Plik("wydruk.txt");
        ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + txt).c_str()), 0);
        const std::string wyciag = Czytaj(txt);
        EXPECT_NE(wyciag.find(o.tekst), std::string::npos) << wyciag.substr(0, 2000);
        if (o.numer != 18 && o.numer != 19) {
            EXPECT_NE(wyciag.find("Koniec wydruku na stronie:"), std::string::npos);
        }
        const std::string fonty = Plik("fonty.txt");
        ASSERT_EQ(std::system(("pdffonts " + pdf + " > " + fonty).c_str()), 0);
        const std::string f = Czytaj(fonty);
        EXPECT_NE(f.find("DejaVuSans"), std::string::npos) << f;
        // Every font embedded: the "emb" column, fifth from the end, says yes.
        std::istringstream wiersze(f);
        std::string font;
        for (int i = 0; std::getline(wiersze, font); ++i) {
            if (i < 2)
                continue;
            std::istringstream slowa(font);
            std::vector<std::string> kolumny{std::istream_iterator<std::string>(slowa), {}};
            ASSERT_GE(kolumny.size(), 5u) << font;
            EXPECT_EQ(kolumny[kolumny.size() - 5], "yes") << font;
        }
    }
}

// The template choice: the registered template filled for the current employee, the
// document itself (RTF, text) or its pages through the personnel printout (PDF).
TEST_F(CliRaport, TemplateChoiceWritesTheEmployeesDocument) {
    Wynik w = Raport("17 " + Plik("wzorzec.rtf") + " --format rtf");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string rtf = Czytaj(Plik("wzorzec.rtf"));
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(rtf.find("<<"), std::string::npos);
    w = Raport("17 " + Plik("wzorzec.txt") + " --format txt");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string tekst = Czytaj(Plik("wzorzec.txt"));  // the first registered template
    EXPECT_NE(tekst.find("INFORMACJA O UPOSAŻENIU"), std::string::npos) << tekst;
    EXPECT_EQ(tekst.find("<<"), std::string::npos) << tekst;

    if (Jest("pdftotext")) {
        const std::string pdf = Plik("karta.pdf");
        w = Raport("17 " + pdf +
                   " --format pdf --szablon \"Karta urlopowa <<NAZWISKO>> <<IMIE1>>\"");
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        EXPECT_NE(w.wyjscie.find("stron: 1"), std::string::npos) << w.wyjscie;
        ASSERT_EQ(std::system(("pdftotext " + pdf + " " + Plik("karta.txt")).c_str()), 0);
        const std::string wyciag = Czytaj(Plik("karta.txt"));
        EXPECT_NE(wyciag.find("KARTA URLOPOWA"), std::string::npos) << wyciag;
        EXPECT_NE(wyciag.find("Łomża, dnia"), std::string::npos) << wyciag;
        EXPECT_EQ(wyciag.find("<<"), std::string::npos) << wyciag;
    }

    w = Raport("17 " + Plik("wzorzec.csv") + " --format csv");
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.wyjscie.find("Wydruk według wzorca zapisuje się jako pdf, rtf, txt albo qrp"),
              std::string::npos)
        << w.wyjscie;
    EXPECT_FALSE(fs::exists(Plik("wzorzec.csv")));
    w = Raport("17 " + Plik("wzorzec.pdf") + " --format pdf --szablon Nieznany");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie ma zarejestrowanego wzorca wydruku „Nieznany” !!!"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Plik("wzorzec.pdf")));
}

// The spreadsheet of a list report has a row per record and a value per column, each of its
// type (dates as dates, day counts and numbers as numbers), as python3-openpyxl reads them.
TEST_F(CliRaport, SpreadsheetOfTheListReportHasAValuePerColumnWithItsType) {
    MIRTA_WYMAGA_PROGRAMU(std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") == 0,
                          "python3-openpyxl");
    const std::string skrypt = Plik("typy.py");
    // The header, then per column the types of its values ("-" for a column without one).
    std::ofstream(skrypt) << "import openpyxl, sys\n"
                             "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                             "r = list(ws.iter_rows(values_only=True))\n"
                             "print('|'.join(r[0]))\n"
                             "print(len(r) > 1)\n"
                             "for k in range(len(r[0])):\n"
                             "    t = sorted({type(x[k]).__name__ for x in r[1:]"
                             " if x[k] is not None})\n"
                             "    print('/'.join(t) or '-', end=' ')\n"
                             "print()\n";
    struct Przypadek {
        const char* wybor;
        const char* naglowek;
        const char* typy;
    };
    const Przypadek przypadki[] = {
        {"9 --od 2026-01-01 --do 2026-12-31",
         "Lp.|Nazwisko i imiona|Data od|Data do|Dni kalendarzowe|Dni robocze|Dni urlopu|"
         "Godziny urlopu|Rodzaj urlopu",
         "int str datetime datetime int int int int str "},
        {"15",
         "Lp.|Nazwisko i imiona|Od|Do|Nazwa zakładu pracy|Lata|Miesiące|Dni|"
         "Lata pracy w służbie|Lata pracy do wysługi|Lata pracy do nagr. jub.|"
         "Lata pracy do emerytury",
         "int str datetime datetime str int int int str str str str "},
    };
    for (const Przypadek& p : przypadki) {
        const std::string xlsx = Plik("lista.xlsx");
        const std::string numer = std::string(p.wybor).substr(0, std::string(p.wybor).find(' '));
        const std::string reszta = std::string(p.wybor).substr(numer.size());
        const Wynik w = Raport(numer + " " + xlsx + " --format xlsx" + reszta);
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        const std::string wynik = Plik("typy.txt");
        ASSERT_EQ(std::system(("/usr/bin/python3 " + skrypt + " " + xlsx + " > " + wynik).c_str()),
                  0);
        EXPECT_EQ(Czytaj(wynik), std::string(p.naglowek) + "\nTrue\n" + p.typy + "\n") << p.wybor;
    }
}

// The dates coming due as a spreadsheet: a row per line of the plain list, dates as dates and
// identifiers as numbers; as a PDF whose text poppler reads; wrong command lines refused.
TEST_F(CliRaport, DatesComingDueWrittenAsReport) {
    const auto terminy = [&](const std::string& argumenty) {
        return Uruchom(
            "--dane " + Dane() + " --uzytkownik ADMIN --data 2026-12-10 terminy " + argumenty,
            "MIRTA_HASLO=");
    };
    const Wynik lista = terminy("--dni 365");
    ASSERT_EQ(lista.kod, 0) << lista.wyjscie;
    std::istringstream linie(lista.wyjscie);
    std::string pierwsza, linia;
    long wierszy = 0;
    while (std::getline(linie, linia))
        if (linia.size() > 10 && linia[4] == '-' && linia[10] == '\t' && ++wierszy == 1)
            pierwsza = linia;
    ASSERT_GT(wierszy, 0) << lista.wyjscie;

    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") == 0) {
        const std::string xlsx = Plik("terminy.xlsx");
        const Wynik w = terminy("--dni 365 --format xlsx " + xlsx);
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        const std::string skrypt = Plik("terminy.py");
        std::ofstream(skrypt) << "import openpyxl, sys, datetime\n"
                                 "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
                                 "r = list(ws.iter_rows(values_only=True))\n"
                                 "print(list(r[0]), len(r) - 1)\n"
                                 "print(all(isinstance(x[0], datetime.datetime) and "
                                 "isinstance(x[1], int) for x in r[1:]))\n"
                                 "x = r[1]\n"
                                 "print('%s\\t%d\\t%s\\t%s\\t%s' % (x[0].strftime('%Y-%m-%d'), "
                                 "x[1], x[2], x[3], x[4] or ''))\n";
        const std::string wynik = Plik("terminy.txt");
        ASSERT_EQ(std::system(("/usr/bin/python3 " + skrypt + " " + xlsx + " > " + wynik).c_str()),
                  0);
        EXPECT_EQ(Czytaj(wynik),
                  "['Data', 'Identyfikator', 'Nazwisko i imię', 'Co przypada', "
                  "'Opis'] " +
                      std::to_string(wierszy) + "\nTrue\n" + pierwsza + "\n");
    }
    if (Jest("pdftotext")) {
        const std::string pdf = Plik("terminy.pdf");
        ASSERT_EQ(terminy("--format pdf " + pdf).kod, 0);
        ASSERT_EQ(std::system(("pdftotext " + pdf + " " + Plik("terminy-pdf.txt")).c_str()), 0);
        EXPECT_NE(Czytaj(Plik("terminy-pdf.txt")).find("Terminy od 2026-12-10 do 2027-02-08"),
                  std::string::npos);
    }
    EXPECT_EQ(terminy("--format pdf " + Plik("terminy.txt")).kod, 2);
    EXPECT_EQ(terminy(Plik("x.pdf")).kod, 2);
    EXPECT_EQ(terminy("--format doc " + Plik("x.doc")).kod, 2);
    EXPECT_FALSE(fs::exists(Plik("x.pdf")));
}

TEST_F(CliRaport, SavedDefinitionAndPreparedReportFile) {
    Wynik w = Raport("18 " + Plik("def.qrp") + " --format qrp --definicja 'Dane osobowe'");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(Czytaj(Plik("def.qrp")).rfind("MIRTA-WYDRUK\t3\n", 0), 0u);
    EXPECT_NE(Czytaj(Plik("def.qrp")).find("Nazwisko rodowe"), std::string::npos);
    w = Raport("18 " + Plik("def2.qrp") + " --format QRP --definicja 'Nie ma takiej'");
    EXPECT_EQ(w.kod, 1);
    EXPECT_FALSE(fs::exists(Plik("def2.qrp")));
    w = Raport("2 " + Plik("lista.csv") + " --format csv");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    // Every row of the CSV has the same number of fields.
    std::istringstream linie(Czytaj(Plik("lista.csv")));
    std::string linia;
    long przecinki = -1;
    while (std::getline(linie, linia)) {
        if (linia.find('"') != std::string::npos)
            continue;  // quoted fields may hold commas
        const long n = std::count(linia.begin(), linia.end(), ',');
        if (przecinki < 0)
            przecinki = n;
        EXPECT_EQ(n, przecinki) << linia;
    }
}

}  // namespace
}  // namespace mirta::cli::testing
