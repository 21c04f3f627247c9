// Documents from the demo unit's templates from the command line; LibreOffice, when present,
// turns a produced document into PDF as a user would print it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/tests/uruchom.h"
#include "documents/document.h"
#include "documents/rtf_reader.h"
#include "wspolne/testing/program_zewnetrzny.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

std::string Czytaj(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream b;
    b << in.rdbuf();
    return b.str();
}

bool JestProgram(const std::string& nazwa) {
    return std::system(("command -v " + nazwa + " >/dev/null 2>&1").c_str()) == 0;
}

class CliDokumenty : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = new fs::path(fs::temp_directory_path() /
                                 ("mirta_cli_dok_" + std::to_string(::getpid())));
        fs::remove_all(*s_katalog);
        ASSERT_EQ(Uruchom("demo " + s_katalog->string() + " --pracownicy 20 --lata 1").kod, 0);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_katalog);
        delete s_katalog;
    }
    static Wynik Jako(const std::string& polecenie) {
        return Uruchom("--dane " + s_katalog->string() + " --uzytkownik KADRY " + polecenie,
                       "MIRTA_HASLO=kadry");
    }
    static fs::path Wzor(const char* plik) { return *s_katalog / "WZORY" / plik; }
    // The identifier of the first listed employee whose line matches.
    static std::string Pierwszy(const std::regex& wiersz) {
        std::istringstream lista(Jako("pracownicy").wyjscie);
        std::string l;
        std::getline(lista, l);
        while (std::getline(lista, l))
            if (std::regex_search(l, wiersz)) {
                std::vector<std::string> pola;
                std::istringstream p(l);
                for (std::string pole; std::getline(p, pole, '\t');)
                    pola.push_back(pole);
                return pola.at(10);
            }
        ADD_FAILURE() << "nikt nie pasuje";
        return "0";
    }

    static fs::path* s_katalog;
};
fs::path* CliDokumenty::s_katalog = nullptr;

TEST_F(CliDokumenty, FillsATemplateForOneEmployeeAndAsksBeforeOverwriting) {
    const std::string id = Pierwszy(std::regex("\t1 - funkcjonariusz\t"));
    const fs::path wynik = *s_katalog / "informacja.rtf";
    Wynik w = Jako("dokument " + Wzor("INFORMACJA_PLACOWA.RTF").string() + " " + id + " " +
                   wynik.string());
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(w.wyjscie, wynik.string() + "\n");
    const std::string tekst = documents::PlainText(documents::ReadRtf(Czytaj(wynik)));
    EXPECT_EQ(tekst.find("<<"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("INFORMACJA O UPOSAŻENIU"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find(" zł"), std::string::npos) << tekst;

    // The file is there: nobody to answer, nothing written; --tak replaces it.
    fs::resize_file(wynik, 3);
    w = Jako("dokument " + Wzor("INFORMACJA_PLACOWA.RTF").string() + " " + id + " " +
             wynik.string());
    EXPECT_EQ(w.kod, 3) << w.wyjscie;
    EXPECT_EQ(fs::file_size(wynik), 3u);
    w = Jako("dokument --tak " + Wzor("INFORMACJA_PLACOWA.RTF").string() + " " + id + " " +
             wynik.string());
    EXPECT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_GT(fs::file_size(wynik), 1000u);

    // LibreOffice prints it: one page whose text holds the employee's pay.
    MIRTA_WYMAGA_PROGRAMU(JestProgram("soffice"), "LibreOffice (soffice)");
    MIRTA_WYMAGA_PROGRAMU(JestProgram("pdftotext"), "pdftotext (poppler-utils)");
    const fs::path pdf = *s_katalog / "pdf";
    fs::create_directories(pdf);
    ASSERT_EQ(
        std::system(("HOME=" + pdf.string() + " soffice --headless --convert-to pdf --outdir " +
                     pdf.string() + " " + wynik.string() + " >/dev/null 2>&1")
                        .c_str()),
        0);
    ASSERT_EQ(std::system(("pdftotext -layout " + (pdf / "informacja.pdf").string() + " " +
                           (pdf / "informacja.txt").string())
                              .c_str()),
              0);
    const std::string wydruk = Czytaj(pdf / "informacja.txt");
    EXPECT_NE(wydruk.find("INFORMACJA O UPOSAŻENIU"), std::string::npos) << wydruk;
    EXPECT_NE(wydruk.find("Razem:"), std::string::npos) << wydruk;
    if (const char* zrzuty = std::getenv("MIRTA_ZRZUTY"))
        std::system(("pdftoppm -png -r 60 -singlefile " + (pdf / "informacja.pdf").string() + " " +
                     zrzuty + "/dokument_informacja_placowa")
                        .c_str());
}

TEST_F(CliDokumenty, RefusesWhatCannotBeProduced) {
    Wynik w = Jako("dokument " + Wzor("KARTA_URLOPOWA.RTF").string() + " 999999 " +
                   (*s_katalog / "x.rtf").string());
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie, "Nie ma pracownika o identyfikatorze 999999 !!!\n");
    w = Jako("dokument " + (*s_katalog / "BRAK.RTF").string() + " 1 x.rtf");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Brak zbioru wydrukowego"), std::string::npos) << w.wyjscie;
    w = Jako("dokument " + Wzor("KARTA_URLOPOWA.RTF").string() + " x y.rtf");
    EXPECT_EQ(w.kod, 2);
    EXPECT_FALSE(fs::exists(*s_katalog / "x.rtf"));
}

TEST_F(CliDokumenty, FillsATemplateForEveryListedEmployeeNamedByTheRegistry) {
    const fs::path katalog = *s_katalog / "karty";
    const Wynik w =
        Jako("dokumenty " + Wzor("KARTA_URLOPOWA.RTF").string() + " " + katalog.string());
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string lista = Jako("pracownicy").wyjscie;
    const size_t naLiscie = std::count(lista.begin(), lista.end(), '\n') - 1;
    size_t pliki = 0;
    for (const auto& p : fs::directory_iterator(katalog)) {
        ++pliki;
        const std::string nazwa = p.path().filename().string();
        EXPECT_TRUE(nazwa.starts_with("Karta urlopowa ")) << nazwa;
        EXPECT_TRUE(nazwa.ends_with(".rtf")) << nazwa;
        EXPECT_EQ(documents::PlainText(documents::ReadRtf(Czytaj(p.path()))).find("<<"),
                  std::string::npos);
    }
    EXPECT_EQ(pliki, naLiscie);
    EXPECT_EQ(static_cast<size_t>(std::count(w.wyjscie.begin(), w.wyjscie.end(), '\n')), naLiscie);
    // A second run meets every file: without anybody to ask it stops before writing.
    EXPECT_EQ(Jako("dokumenty " + Wzor("KARTA_URLOPOWA.RTF").string() + " " + katalog.string()).kod,
              3);
}

TEST_F(CliDokumenty, ListsTheVocabularyAndChecksATemplate) {
    const Wynik tagi = Uruchom("tagi");
    ASSERT_EQ(tagi.kod, 0);
    EXPECT_NE(tagi.wyjscie.find("<<NAZWISKO>>\tnazwisko\n"), std::string::npos);
    EXPECT_NE(tagi.wyjscie.find("<<Grupa|PlacaKon|Słow|Kon>>\t"), std::string::npos);
    EXPECT_NE(tagi.wyjscie.find("<<LP>>\t"), std::string::npos);

    EXPECT_EQ(Uruchom("sprawdz-szablon " + Wzor("POWOLANIE.RTF").string()).kod, 0);
    const fs::path zly = *s_katalog / "zly.rtf";
    std::ofstream(zly)
        << "{\\rtf1\\ansi <<NAZWISKO>>\\par <<Nazwisko|Kon>> i {\\b <<Data}|Rok>>\\par}";
    const Wynik w = Uruchom("sprawdz-szablon " + zly.string());
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie,
              "2\t<<Nazwisko|Kon>>\n2\t<<Data|Rok>>\nNieznanych symboli w szablonie: 2 !!!\n");
}

}  // namespace
}  // namespace mirta::cli::testing
