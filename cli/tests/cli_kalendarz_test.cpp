// The calendar and the day count from the command line, on a demo unit whose calendar ends
// with 2027.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/tests/uruchom.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

class CliKalendarz : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = new fs::path(fs::temp_directory_path() /
                                 ("mirta_cli_kal_" + std::to_string(::getpid())));
        fs::remove_all(*s_katalog);
        ASSERT_EQ(Uruchom("demo " + s_katalog->string() + " --pracownicy 12 --lata 2").kod, 0);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_katalog);
        delete s_katalog;
    }

    static Wynik Jako(const std::string& uzytkownik, const std::string& haslo,
                      const std::string& polecenie) {
        return Uruchom("--dane " + s_katalog->string() + " --uzytkownik " + uzytkownik +
                           " --data 2026-12-10 " + polecenie,
                       "MIRTA_HASLO='" + haslo + "'");
    }

    static fs::path* s_katalog;
};
fs::path* CliKalendarz::s_katalog = nullptr;

TEST_F(CliKalendarz, KalendarzPrintsTheMonthsDays) {
    const Wynik w = Jako("PODGLAD", "podglad", "kalendarz 2026 12");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(w.wyjscie.find("Kalendarz 2026-12 (Grudzień)\nDzień\tDzień tygodnia\tStatus\t"
                             "Godziny\n1\tWt\tR\t8\n"),
              0u)
        << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("\n24\tCz\tS\t0\n25\tPt\tS\t0\n26\tSo\tS\t0\n27\tNd\tS\t0\n"),
              std::string::npos)
        << w.wyjscie;
    EXPECT_NE(
        w.wyjscie.find("\n31\tCz\tR\t8\nDni robocze: 21, wolne: 3, święta: 7, godziny: 168\n"),
        std::string::npos)
        << w.wyjscie;
}

TEST_F(CliKalendarz, AMissingMonthIsMadeOnlyWithTheRightToChangeData) {
    Wynik w = Jako("PODGLAD", "podglad", "kalendarz 2031 2");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie, " Niespodziewany błąd odczytu danych !!!\n");
    w = Jako("KADRY", "kadry", "kalendarz 2031 2");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(
        w.wyjscie.find("\n28\tPt\tR\t8\nDni robocze: 20, wolne: 4, święta: 4, godziny: 160\n"),
        std::string::npos)
        << w.wyjscie;
    w = Jako("PODGLAD", "podglad", "kalendarz 2031 2");  // stored now
    EXPECT_EQ(w.kod, 0) << w.wyjscie;
}

TEST_F(CliKalendarz, DniPrintsTheCountOrItsCode) {
    // Across months that are not stored: the same for both users.
    for (auto [uzytkownik, haslo] : {std::pair{"PODGLAD", "podglad"}, {"KADRY", "kadry"}}) {
        const Wynik w = Jako(uzytkownik, haslo, "dni 2030-02-10 2027-11-15 R");
        EXPECT_EQ(w.kod, 0) << w.wyjscie;
        EXPECT_EQ(w.wyjscie, "564\n") << uzytkownik;
    }
    Wynik w = Jako("PODGLAD", "podglad", "dni 2000-01-01 1989-12-31 R");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie, "10003\nKod 10003: data do przed 1990 rokiem (lata 1990 - 2100)\n");
    w = Jako("PODGLAD", "podglad", "dni 2000-02-30 2000-13-01 R");
    EXPECT_EQ(w.wyjscie.substr(0, 6), "10001\n");
    w = Jako("PODGLAD", "podglad", "dni 2026-12-01 2026-12-31");
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.wyjscie.find("Użycie: mirta dni OD DO LITERA"), std::string::npos) << w.wyjscie;
}

}  // namespace
}  // namespace mirta::cli::testing
