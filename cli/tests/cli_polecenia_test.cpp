// The command line as a user meets it: help, "--", dates, the password and the dump's code page.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/command_line.h"
#include "cli/run.h"
#include "cli/tests/uruchom.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"

namespace mirta::cli::testing {
namespace {

TEST(CliPolecenia, EveryCommandHasPolishHelp) {
    const Wynik ogolna = Uruchom("--pomoc");
    ASSERT_EQ(ogolna.kod, 0);
    EXPECT_EQ(ogolna.wyjscie.rfind("mirta - kadry jednostki, polecenia wsadowe\n", 0), 0u);
    for (const Command& c : Commands()) {
        EXPECT_NE(ogolna.wyjscie.find("  " + UsageLine(c) + "\n      " + c.summary),
                  std::string::npos)
            << c.name;
        const Wynik w = Uruchom(c.name + " --pomoc");
        EXPECT_EQ(w.kod, 0) << c.name;
        EXPECT_EQ(w.wyjscie.rfind("Użycie: " + UsageLine(c) + "\n", 0), 0u) << w.wyjscie;
        EXPECT_EQ(Uruchom("pomoc " + c.name).wyjscie, w.wyjscie);
    }
    const Wynik brak = Uruchom("");
    EXPECT_EQ(brak.kod, 2);
    EXPECT_EQ(brak.wyjscie.rfind("Podaj polecenie.\n\nmirta - kadry", 0), 0u) << brak.wyjscie;
}

TEST(CliPolecenia, DoubleDashEndsTheOptions) {
    const Wynik zwykle = Uruchom("slownie 5");
    ASSERT_EQ(zwykle.kod, 0) << zwykle.wyjscie;
    EXPECT_EQ(Uruchom("slownie -- 5").wyjscie, zwykle.wyjscie);
    EXPECT_EQ(Uruchom("-- slownie 5").wyjscie, zwykle.wyjscie);
    // After "--" an option's spelling is an operand, and the command says it is no amount.
    const Wynik opcja = Uruchom("slownie -- --pomoc");
    EXPECT_EQ(opcja.kod, 2);
    EXPECT_EQ(opcja.wyjscie.rfind("Niepoprawna kwota: --pomoc\nUżycie: mirta slownie KWOTA", 0), 0u)
        << opcja.wyjscie;
    const Wynik ujemne = Uruchom("wyrazenie -- '-2*3'");
    EXPECT_EQ(ujemne.kod, 0);
    EXPECT_EQ(ujemne.wyjscie, "-6\n");
}

TEST(CliPolecenia, DatesAreValidatedBeforeAnythingRuns) {
    struct Przypadek {
        const char* polecenie;
        const char* komunikat;
    } przypadki[] = {
        {"okres 2026-02-30 2026-03-01", "Niepoprawna data: 2026-02-30\n"},
        {"okres 2026-01-01 2026-13-01", "Niepoprawna data: 2026-13-01\n"},
        {"--data 2026-02-29 --uzytkownik X zaloguj", "Niepoprawna data: 2026-02-29 (RRRR-MM-DD)\n"},
        {"zaloguj --uzytkownik X --data 2026-1-1x", "Niepoprawna data: 2026-1-1x (RRRR-MM-DD)\n"},
    };
    for (const auto& p : przypadki) {
        const Wynik w = Uruchom(p.polecenie);
        EXPECT_EQ(w.kod, 2) << p.polecenie;
        EXPECT_EQ(w.wyjscie.rfind(p.komunikat, 0), 0u) << w.wyjscie;
    }
    EXPECT_EQ(Uruchom("okres 2024-02-29 2025-02-28").kod, 0);
}

TEST(CliPolecenia, NoPasswordWithoutTheTerminalOrTheEnvironment) {
    engine::testing::TempDir dir;
    ASSERT_EQ(Uruchom("nowa-baza " + dir.Path() + "/dane").kod, 0);
    const Wynik w =
        Uruchom("--dane " + dir.Path() + "/dane --uzytkownik ADMIN zaloguj", "env -u MIRTA_HASLO");
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.wyjscie,
              "Brak hasła: ustaw zmienną MIRTA_HASLO albo uruchom polecenie z terminala.\n");
    EXPECT_EQ(
        Uruchom("--dane " + dir.Path() + "/dane --uzytkownik ADMIN zaloguj", "MIRTA_HASLO=").kod,
        0);
}

// A Paradox table whose header names no code page: its text and field names read in the page
// --kodowanie gives.
TEST(CliPolecenia, DumpReadsATableWithoutCodePageInTheGivenOne) {
    engine::testing::TempDir dir;
    const std::string path = dir.File("STARA.DB");
    {
        engine::ParadoxCreateOptions options;
        options.codePage = 852;
        auto t = engine::ParadoxTable::Create(
            engine::FileSystem::Real(), path,
            {{.name = "Miejscowość", .type = engine::FieldType::Alpha, .size = 20}}, 0, options);
        t->Insert({engine::Value::Text("Łódź")});
        t->Insert({engine::Value::Text("Żółć gęślą")});
    }
    {
        std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(0x6A);
        f.write("\0\0", 2);  // the code page field, empty as older writers leave it
    }
    const std::string polskie = "Miejscowość:A20\nŁódź\nŻółć gęślą\n";
    for (const char* nazwa : {"852", "cp852", "latin2"}) {
        const Wynik w = Uruchom("dump " + path + " --kodowanie " + nazwa);
        EXPECT_EQ(w.kod, 0) << nazwa;
        EXPECT_EQ(w.wyjscie, polskie) << nazwa;
    }
    const Wynik bez = Uruchom("dump " + path);  // the DOS default, 437
    EXPECT_EQ(bez.kod, 0);
    EXPECT_NE(bez.wyjscie, polskie);
    EXPECT_EQ(bez.wyjscie.find("Miejscowo"), 0u) << bez.wyjscie;
    EXPECT_EQ(Uruchom("dump " + path + " --kodowanie klingonski").kod, 1);
}

}  // namespace
}  // namespace mirta::cli::testing
