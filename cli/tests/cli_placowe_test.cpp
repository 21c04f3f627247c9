// The payroll export from the command line, on a demo unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli/tests/uruchom.h"
#include "engine/dbf_table.h"
#include "engine/file_system.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

class CliPlacowe : public ::testing::Test {
protected:
    void SetUp() override {
        m_katalog = fs::temp_directory_path() / ("mirta_placowe_" + std::to_string(::getpid()));
        fs::remove_all(m_katalog);
        ASSERT_EQ(Uruchom("demo " + m_katalog.string() + " --pracownicy 30 --lata 1").kod, 0);
    }
    void TearDown() override { fs::remove_all(m_katalog); }

    Wynik Jako(const std::string& polecenie) {
        return Uruchom("--dane " + m_katalog.string() + " --uzytkownik KADRY " + polecenie,
                       "MIRTA_HASLO=kadry");
    }

    uint64_t Wiersze(const char* plik) {
        return engine::DbfTable::Open(engine::FileSystem::Real(),
                                      (m_katalog / "ROVANTE" / plik).string())
            ->RowCount();
    }

    // Employees of the list under the filter options given.
    int64_t NaLiscie(const std::string& filtr) {
        const Wynik w = Jako("pracownicy " + filtr);
        return std::count(w.wyjscie.begin(), w.wyjscie.end(), '\n') - 1;
    }

    fs::path m_katalog;
};

TEST_F(CliPlacowe, AppendsTheListUnderTheFilterGivenAndPrintsHowMany) {
    // The demo unit comes with the payroll program's empty files.
    EXPECT_EQ(Wiersze("MIRTA.DBF"), 0u);
    EXPECT_EQ(Wiersze("PRACLIST.DBF"), 0u);

    const int64_t domyslnie = NaLiscie("");
    const int64_t zEmerytami = NaLiscie("--emeryci --zwolnieni");
    ASSERT_GT(domyslnie, 0);
    ASSERT_GT(zEmerytami, domyslnie);

    Wynik w = Jako("placowe --tak");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string n = std::to_string(domyslnie);
    // The window's question, answered by --tak, goes to the error output first.
    EXPECT_EQ(w.wyjscie, "Czy chcesz przegrać dane do płac ? Tak (--tak)\nDopisano wierszy: " + n +
                             " do ROVANTE\\MIRTA.DBF i " + n + " do ROVANTE\\PRACLIST.DBF\n");

    w = Jako("placowe --litery latin2 --numer kadry --emeryci --zwolnieni --tak --");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Dopisano wierszy: " + std::to_string(zEmerytami) + " "),
              std::string::npos)
        << w.wyjscie;
    EXPECT_EQ(Wiersze("MIRTA.DBF"), uint64_t(domyslnie + zEmerytami));
    EXPECT_EQ(Wiersze("PRACLIST.DBF"), uint64_t(domyslnie + zEmerytami));
}

// The payroll program's lock file in its folder: the command asks before writing, and --tak
// answers that question too.
TEST_F(CliPlacowe, AsksWhenThePayrollProgramProbablyHasTheFilesOpen) {
    std::ofstream(m_katalog / "ROVANTE" / "PARADOX.LCK") << "";
    const int64_t n = NaLiscie("");
    const Wynik w = Jako("placowe --tak");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Tabela ROVANTE\\MIRTA.DBF jest prawdopodobnie otwarta w programie "
                             "płacowym. Zapisać mimo to? Tak (--tak)\n"),
              std::string::npos)
        << w.wyjscie;
    EXPECT_EQ(Wiersze("MIRTA.DBF"), uint64_t(n));
}

TEST_F(CliPlacowe, RefusesWithoutConfirmationOrFilesAndOnWrongOptions) {
    Wynik w = Jako("placowe");
    EXPECT_EQ(w.kod, 3);
    EXPECT_NE(w.wyjscie.find("dodaj --tak"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(Wiersze("MIRTA.DBF"), 0u);

    for (const char* zle : {"placowe --litery cp1250 --tak", "placowe --numer --tak",
                            "placowe --tak -- nadmiar", "placowe --nieznana --tak"}) {
        w = Jako(zle);
        EXPECT_EQ(w.kod, 2) << zle;
        EXPECT_NE(w.wyjscie.find("\nUżycie: mirta placowe "), std::string::npos) << w.wyjscie;
    }

    fs::remove(m_katalog / "ROVANTE" / "KODPOL.DBF");
    w = Jako("placowe --tak");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie, "Brak pliku:ROVANTE\\KODPOL.DBF\n");
    EXPECT_EQ(Wiersze("MIRTA.DBF"), 0u);
}

}  // namespace
}  // namespace mirta::cli::testing
