// The payroll export from the command line, on a demo unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

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
                             " do ROVANTE\\MIRTA.DBF i " + n +
                             " do ROVANTE\\PRACLIST.DBF\nDopisano do plików płacowych "
                             "pracowników: " +
                             n +
                             ".\nPominięto (dane już w plikach płacowych): 0.\nNie przegrano "
                             "(błąd zapisu): 0.\n");

    // The wider list: those written a moment ago are skipped, the rest appended.
    w = Jako("placowe --emeryci --zwolnieni --tak --");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Dopisano wierszy: " + std::to_string(zEmerytami - domyslnie) + " "),
              std::string::npos)
        << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Pominięto (dane już w plikach płacowych): " + n + "."),
              std::string::npos)
        << w.wyjscie;
    EXPECT_EQ(Wiersze("MIRTA.DBF"), uint64_t(zEmerytami));
    EXPECT_EQ(Wiersze("PRACLIST.DBF"), uint64_t(zEmerytami));
}

// Rows as another dBase reader counts them.
std::pair<int, int> WierszeWedlugDbf(const fs::path& rovante) {
    const std::string polecenie =
        "/usr/bin/python3 -W ignore -c \"import dbf, sys\n"
        "for n in sys.argv[1:]:\n"
        "    t = dbf.Table(n)\n"
        "    t.open()\n"
        "    print(len(t))\" " +
        (rovante / "MIRTA.DBF").string() + " " + (rovante / "PRACLIST.DBF").string() + " 2>&1";
    std::string wyjscie;
    if (FILE* p = popen(polecenie.c_str(), "r")) {
        char bufor[256];
        while (size_t k = fread(bufor, 1, sizeof bufor, p))
            wyjscie.append(bufor, k);
        pclose(p);
    }
    int mirta = -1, lista = -1;
    if (std::sscanf(wyjscie.c_str(), "%d %d", &mirta, &lista) != 2)
        ADD_FAILURE() << wyjscie;
    return {mirta, lista};
}

// The same export twice: the second run skips everyone already waiting in the files and says
// so; only --ponownie writes them again. The summary's numbers are the files' new rows.
TEST_F(CliPlacowe, ASecondRunSkipsEmployeesAlreadyInTheFilesUnlessAskedToRepeat) {
    const int64_t n = NaLiscie("");
    ASSERT_GT(n, 0);
    const std::string liczba = std::to_string(n);
    const auto podsumowanie = [](int64_t dopisano, int64_t pominieto) {
        return "Dopisano do plików płacowych pracowników: " + std::to_string(dopisano) +
               ".\nPominięto (dane już w plikach płacowych): " + std::to_string(pominieto) +
               ".\nNie przegrano (błąd zapisu): 0.\n";
    };
    struct Przebieg {
        const char* opcje;
        int64_t dopisano, pominieto;
    };
    const Przebieg przebiegi[] = {{"", n, 0}, {"", 0, n}, {" --ponownie", n, 0}};
    int64_t wierszy = 0;
    for (const Przebieg& p : przebiegi) {
        SCOPED_TRACE(p.opcje);
        const Wynik w = Jako(std::string("placowe --tak") + p.opcje);
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        EXPECT_NE(w.wyjscie.find(podsumowanie(p.dopisano, p.pominieto)), std::string::npos)
            << w.wyjscie;
        EXPECT_EQ(w.wyjscie.find("Dopisać je ponownie?"), std::string::npos)
            << "the command line never asks about the repeated ones";
        EXPECT_EQ(w.wyjscie.find("--ponownie dopisuje je ponownie") != std::string::npos,
                  p.pominieto > 0)
            << w.wyjscie;
        wierszy += p.dopisano;
        EXPECT_EQ(WierszeWedlugDbf(m_katalog / "ROVANTE"),
                  std::make_pair(int(wierszy), int(wierszy)));
    }
}

TEST_F(CliPlacowe, ABrowseOnlyUserIsRefusedAndNothingIsWritten) {
    const Wynik w = Uruchom("--dane " + m_katalog.string() + " --uzytkownik PODGLAD placowe --tak",
                            "MIRTA_HASLO=podglad");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie masz prawa do zmiany danych !!!"), std::string::npos)
        << w.wyjscie;
    EXPECT_EQ(w.wyjscie.find("Czy chcesz"), std::string::npos) << "refused before the question";
    EXPECT_EQ(Wiersze("MIRTA.DBF"), 0u);
    EXPECT_EQ(Wiersze("PRACLIST.DBF"), 0u);
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
