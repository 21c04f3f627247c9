// Login and the employee list from the command line, on a demo unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/tests/uruchom.h"
#include "engine/collation.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

class CliSesja : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog =
            new fs::path(fs::temp_directory_path() / ("mirta_cli_" + std::to_string(::getpid())));
        fs::remove_all(*s_katalog);
        ASSERT_EQ(Uruchom("demo " + s_katalog->string() + " --pracownicy 40 --lata 2").kod, 0);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_katalog);
        delete s_katalog;
    }

    static Wynik Jako(const std::string& uzytkownik, const std::string& haslo,
                      const std::string& polecenie, const std::string& data = "2026-12-10") {
        return Uruchom("--dane " + s_katalog->string() + " --uzytkownik " + uzytkownik +
                           " --data " + data + " " + polecenie,
                       "MIRTA_HASLO='" + haslo + "'");
    }

    static fs::path* s_katalog;
};
fs::path* CliSesja::s_katalog = nullptr;

TEST_F(CliSesja, ZalogujPrintsTheSession) {
    const Wynik w = Jako("KADRY", "kadry", "zaloguj");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Użytkownik: KADRY ("), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Uprawnienia: przeglądanie, modyfikacja danych\n"), std::string::npos)
        << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Data przetwarzania: 2026-12-10\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("Rok urlopowy: 2026 (otwarty)\n"), std::string::npos) << w.wyjscie;
}

TEST_F(CliSesja, RefusedLoginsPrintTheMessageAndFail) {
    struct Przypadek {
        const char* uzytkownik;
        const char* haslo;
        const char* data;
        const char* komunikat;
    } przypadki[] = {
        {"KADRY", "Kadry", "2026-12-10", "Niepoprawne dane użytkownika !!!\n"},
        {"kadry", "kadry", "2026-12-10", "Niepoprawne dane użytkownika !!!\n"},
        {"KADRY", "kadry", "2031-03-01", "Niepoprawna data przetwarzania !!!\n"},
        {"BYLY", "byly", "2026-12-10", "Cofnięto uprawnienia dla użytkownika !!!\n"},
    };
    for (const auto& p : przypadki) {
        const Wynik w = Jako(p.uzytkownik, p.haslo, "zaloguj", p.data);
        EXPECT_NE(w.kod, 0) << p.uzytkownik << " " << p.data;
        EXPECT_EQ(w.wyjscie, p.komunikat) << p.uzytkownik << " " << p.data;
    }
}

TEST_F(CliSesja, PracownicyListsTheFilteredEmployeesInNameOrder) {
    const Wynik wszyscy = Jako("PODGLAD", "podglad", "pracownicy --zwolnieni --umowy --emeryci");
    ASSERT_EQ(wszyscy.kod, 0) << wszyscy.wyjscie;
    std::istringstream linie(wszyscy.wyjscie);
    std::string naglowek, linia;
    std::getline(linie, naglowek);
    EXPECT_EQ(naglowek,
              "Stopień\tStanowisko\tNazwisko\tImię pierwsze\tdrugie\tPESEL\tImię ojca\t"
              "Data zatrudnienia\tData zwolnienia\t \tIdentyfikator\tNumer pracownika");
    std::vector<std::string> nazwiska;
    while (std::getline(linie, linia)) {
        std::istringstream kolumny(linia);
        std::string k;
        for (int i = 0; i < 3; ++i)
            std::getline(kolumny, k, '\t');
        nazwiska.push_back(k);
    }
    EXPECT_EQ(nazwiska.size(), 40u);
    EXPECT_TRUE(std::is_sorted(nazwiska.begin(), nazwiska.end(), [](const auto& a, const auto& b) {
        return engine::CollateCompare(a, b) < 0;
    }));
    // The default filter hides some of them (pensioners, dismissed, contract workers).
    const Wynik domyslnie = Jako("PODGLAD", "podglad", "pracownicy");
    ASSERT_EQ(domyslnie.kod, 0);
    const auto ile = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
    EXPECT_LT(ile(domyslnie.wyjscie), ile(wszyscy.wyjscie));
    EXPECT_EQ(Jako("PODGLAD", "podglad", "pracownicy --nieznana").kod, 2);
}

}  // namespace
}  // namespace mirta::cli::testing
