// Personal data from the command line, on a demo unit: a disclosure entry for each kind of
// data leaving the program through its real paths, the person's data, the retention rules and
// the anonymisation.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/tests/uruchom.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "spd/testing/serwer_sftp_testowy.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Linie(const std::string& t) {
    std::vector<std::string> w;
    std::istringstream in(t);
    for (std::string l; std::getline(in, l);)
        w.push_back(l);
    return w;
}

// What another program prints about our file.
std::string Wyjscie(const std::string& polecenie) {
    std::string w;
    if (FILE* p = popen((polecenie + " 2>&1").c_str(), "r")) {
        char b[4096];
        for (size_t n; (n = fread(b, 1, sizeof b, p)) > 0;)
            w.append(b, n);
        pclose(p);
    }
    return w;
}

class CliRodo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_wzor = fs::temp_directory_path() / ("mirta_rodo_wzor_" + std::to_string(::getpid()));
        fs::remove_all(s_wzor);
        ASSERT_EQ(Uruchom("demo " + s_wzor.string() + " --pracownicy 30 --lata 1").kod, 0);
    }
    static void TearDownTestSuite() { fs::remove_all(s_wzor); }

    // One temporary folder per test (its name comes from the test), holding the data
    // directory, the files written outside it and the SFTP server's folder.
    void SetUp() override {
        for (const char* f : {"dane", "poza", "serwer"})
            fs::create_directories(fs::path(m_tmp.Path()) / f);
        fs::copy(s_wzor, Dane(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    std::string Dane() const { return (fs::path(m_tmp.Path()) / "dane").string(); }

    Wynik Jako(const std::string& kto, const std::string& polecenie, const std::string& env = "") {
        const std::string haslo = kto == "ADMIN" ? "" : kto == "KADRY" ? "kadry" : "podglad";
        return Uruchom(
            "--dane " + Dane() + " --uzytkownik " + kto + " --data 2026-12-10 " + polecenie,
            "MIRTA_HASLO=" + haslo + " " + env);
    }

    // The first employee in service on the list, by the column "Identyfikator".
    std::string Pracownik() {
        const auto linie = Linie(Jako("KADRY", "pracownicy").wyjscie);
        auto pola = [](const std::string& l) {
            std::vector<std::string> w;
            std::istringstream in(l);
            for (std::string p; std::getline(in, p, '\t');)
                w.push_back(p);
            return w;
        };
        const auto naglowek = pola(linie.at(0));
        const auto k =
            std::find(naglowek.begin(), naglowek.end(), "Identyfikator") - naglowek.begin();
        return pola(linie.at(1)).at(static_cast<size_t>(k));
    }

    std::string Poza(const std::string& nazwa) const {
        return (fs::path(m_tmp.Path()) / "poza" / nazwa).string();
    }

    static fs::path s_wzor;
    engine::testing::TempDir m_tmp;
};

fs::path CliRodo::s_wzor;

TEST_F(CliRodo, KazdyRodzajUdostepnieniaTrafiaDoRejestru) {
    const std::string id = Pracownik();
    ASSERT_EQ(Jako("KADRY", "placowe --tak").kod, 0);
    ASSERT_EQ(Jako("KADRY", "dokument " +
                                (fs::path(Dane()) / "WZORY" / "INFORMACJA_PLACOWA.RTF").string() +
                                " " + id + " " + Poza("informacja.rtf"))
                  .kod,
              0);
    const Wynik raport = Jako("KADRY", "terminy --dni 3660 --format csv " + Poza("terminy.csv"));
    ASSERT_EQ(raport.kod, 0) << raport.wyjscie;
    bool spd = false;
    if (!spd::testing::SerwerSftpTestowy::Niedostepny()) {
        spd::testing::SerwerSftpTestowy serwer((fs::path(m_tmp.Path()) / "serwer").string());
        const std::string haslo =
            std::string("MIRTA_SPD_HASLO='") + spd::testing::SerwerSftpTestowy::kHaslo + "'";
        const Wynik parametry =
            Jako("KADRY",
                 "spd parametry FTPSPD=127.0.0.1 PortSPD=" + std::to_string(serwer.Port()) +
                     " UzytkownikSPD=" + spd::testing::SerwerSftpTestowy::kUzytkownik +
                     " SciezkaSPD=" + serwer.FolderPrzesylek() + " HasloSPD",
                 haslo);
        ASSERT_EQ(parametry.kod, 0) << parametry.wyjscie;
        const Wynik generuj = Jako("KADRY", "spd generuj --wpis 1 --data-danych 2026-12-10 --tak");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(generuj.wyjscie, m, std::regex("\n(\\d+)\tSPD\\\\R")))
            << generuj.wyjscie;
        const Wynik wyslij = Jako("KADRY", "spd wyslij " + m[1].str() + " --przyjmij-klucz --tak");
        ASSERT_EQ(wyslij.kod, 0) << wyslij.wyjscie;
        spd = true;
    }

    const Wynik rejestr = Jako("PODGLAD", "rodo udostepnienia");
    ASSERT_EQ(rejestr.kod, 0) << rejestr.wyjscie;
    const auto linie = Linie(rejestr.wyjscie);
    ASSERT_EQ(linie.size(), spd ? 4u : 3u) << rejestr.wyjscie;
    const char* oczekiwane[][2] = {{"program płacowy", "eksport"},
                                   {"plik", "dokument"},
                                   {"plik", "raport"},
                                   {"system centralny SPD", "przesyłka"}};
    for (size_t i = 0; i < linie.size(); ++i) {
        EXPECT_NE(linie[i].find(std::string("\tKADRY\t") + oczekiwane[i][0] + "\t" +
                                oczekiwane[i][1] + "\t"),
                  std::string::npos)
            << linie[i];
        EXPECT_EQ(linie[i].rfind(std::to_string(i + 1) + "\t", 0), 0u) << linie[i];
    }
    EXPECT_NE(linie[1].find(Poza("informacja.rtf") + "\t" + id), std::string::npos) << linie[1];
    // The person appears in every kind that held them; a date range before today holds none.
    const Wynik osoby = Jako("PODGLAD", "rodo udostepnienia --pracownik " + id);
    EXPECT_EQ(Linie(osoby.wyjscie).size(), linie.size()) << osoby.wyjscie;
    EXPECT_EQ(Jako("PODGLAD", "rodo udostepnienia --do 2000-01-01").wyjscie, "");
    EXPECT_EQ(Jako("PODGLAD", "rodo udostepnienia --od 2026-13-01").kod, 2);
}

TEST_F(CliRodo, DaneOsobyJakoPdfIZip) {
    const std::string id = Pracownik();
    Wynik w = Jako("KADRY", "rodo dane " + id + " --format zip " + Poza("dane.zip"));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string lista = Wyjscie("unzip -l " + Poza("dane.zip"));
    EXPECT_NE(lista.find("MANIFEST.txt"), std::string::npos) << lista;
    EXPECT_NE(lista.find("01_Mirta.csv"), std::string::npos) << lista;
    w = Jako("KADRY", "rodo dane " + id + " --format pdf " + Poza("dane.pdf"));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string tekst = Wyjscie("pdftotext " + Poza("dane.pdf") + " -");
    EXPECT_NE(tekst.find("Dane osobowe pracownika"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Dane personalne"), std::string::npos) << tekst;
    // Both files are disclosures of the person.
    EXPECT_EQ(Linie(Jako("KADRY", "rodo udostepnienia --pracownik " + id).wyjscie).size(), 2u);

    for (const char* zle : {" --format pdf x.zip", " --format rtf x.rtf", " x.pdf"})
        EXPECT_EQ(Jako("KADRY", "rodo dane " + id + zle).kod, 2) << zle;
    EXPECT_EQ(Jako("KADRY", "rodo dane 999999 --format zip " + Poza("brak.zip")).kod, 1);
    w = Jako("PODGLAD", "rodo dane " + id + " --format zip " + Poza("podglad.zip"));
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie masz prawa do zmiany danych"), std::string::npos);
    EXPECT_FALSE(fs::exists(Poza("podglad.zip")));
}

TEST_F(CliRodo, OkresyDoUsunieciaIAnonimizacja) {
    Wynik w = Jako("KADRY", "rodo okresy");
    ASSERT_EQ(w.kod, 0);
    EXPECT_EQ(w.wyjscie,
              "1\t50 lat od końca roku zwolnienia\n"
              "2\tKodeks pracy: 10 lat od końca roku zwolnienia (zatrudnieni po 2018-12-31), "
              "inaczej 50 lat od zatrudnienia\n"
              "3\tKodeks pracy: 10 lat od końca roku zwolnienia (zatrudnieni po 2018-12-31), "
              "inaczej 50 lat od zatrudnienia\n"
              "4\t50 lat od końca roku zwolnienia\n");
    EXPECT_EQ(Jako("KADRY", "rodo do-usuniecia").wyjscie, "");
    w = Jako("KADRY", "rodo okresy 1=1");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie masz uprawnień administratora"), std::string::npos);
    for (const char* zle :
         {"rodo okresy 1", "rodo okresy 1=0", "rodo okresy 12=5", "rodo okresy =5"})
        EXPECT_EQ(Jako("ADMIN", zle).kod, 2) << zle;

    ASSERT_EQ(Jako("ADMIN", "rodo okresy 1=1 2=1 3=1 4=1").kod, 0);
    const auto osoby = Linie(Jako("KADRY", "rodo do-usuniecia").wyjscie);
    ASSERT_FALSE(osoby.empty());
    const std::string id = osoby[0].substr(0, osoby[0].find('\t'));
    EXPECT_TRUE(
        std::regex_match(osoby[0], std::regex("\\d+\t[^\t]+\t\\d{4}-\\d\\d-\\d\\d\t\\d{4}-12-31")))
        << osoby[0];

    // Nobody answers the question without a terminal or --tak; KADRY may not.
    EXPECT_EQ(Jako("ADMIN", "rodo anonimizuj " + id).kod, 3);
    w = Jako("KADRY", "rodo anonimizuj " + id + " --tak");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie masz uprawnień administratora"), std::string::npos);
    w = Jako("ADMIN", "rodo anonimizuj " + id + " --tak --kopia " + Poza("kopie"));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Mirta.DB\n"), std::string::npos) << w.wyjscie;
    EXPECT_FALSE(fs::is_empty(Poza("kopie")));
    EXPECT_EQ(Linie(Jako("KADRY", "rodo do-usuniecia").wyjscie).size(), osoby.size() - 1);
    w = Jako("ADMIN", "rodo anonimizuj " + id + " --tak");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("są już zanonimizowane"), std::string::npos) << w.wyjscie;
    // The journal keeps that it happened.
    w = Jako("KADRY", "dziennik --pracownik " + id);
    EXPECT_NE(w.wyjscie.find("\tzatarcie\t"), std::string::npos) << w.wyjscie;
}

}  // namespace
}  // namespace mirta::cli::testing
