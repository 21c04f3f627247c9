// mirta kopia and mirta odtworz on a small demo unit, and the backup offered before the
// leave-year closing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/tests/uruchom.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

std::string OstatniWiersz(const std::string& t) {
    const size_t koniec = t.find_last_not_of('\n');
    const size_t poczatek = t.rfind('\n', koniec);
    return t.substr(poczatek == std::string::npos ? 0 : poczatek + 1, koniec - poczatek);
}

class CliKopia : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_tmp = new fs::path(fs::temp_directory_path() /
                             ("mirta_cli_kopia_" + std::to_string(::getpid())));
        fs::remove_all(*s_tmp);
        ASSERT_EQ(Uruchom("demo " + (*s_tmp / "dane").string() + " --pracownicy 12 --lata 2").kod,
                  0);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_tmp);
        delete s_tmp;
    }

    static Wynik Admin(const std::string& polecenie) {
        return Uruchom("--dane " + (*s_tmp / "dane").string() + " --uzytkownik ADMIN " + polecenie,
                       "MIRTA_HASLO=''");
    }

    static fs::path* s_tmp;
};
fs::path* CliKopia::s_tmp = nullptr;

TEST_F(CliKopia, KopiaPrzechodziUnzipIOdtwarzaSieJakRazDoNowegoKatalogu) {
    const fs::path kopie = *s_tmp / "kopie";
    const Wynik k = Admin("kopia " + kopie.string());
    ASSERT_EQ(k.kod, 0) << k.wyjscie;
    const std::string archiwum = OstatniWiersz(k.wyjscie);
    EXPECT_EQ(fs::path(archiwum).parent_path(), kopie) << k.wyjscie;
    EXPECT_EQ(std::system(("unzip -tq '" + archiwum + "' >/dev/null").c_str()), 0);

    const fs::path nowy = *s_tmp / "odtworzone";
    // Only an administrator restores; the refusal leaves nothing behind.
    Wynik o = Uruchom("--dane " + (*s_tmp / "dane").string() + " --uzytkownik PODGLAD odtworz " +
                          archiwum + " " + nowy.string(),
                      "MIRTA_HASLO=podglad");
    EXPECT_EQ(o.kod, 1);
    EXPECT_NE(o.wyjscie.find("Nie masz uprawnień administratora systemu !!!"), std::string::npos)
        << o.wyjscie;
    EXPECT_FALSE(fs::exists(nowy));

    o = Admin("odtworz " + archiwum + " " + nowy.string());
    ASSERT_EQ(o.kod, 0) << o.wyjscie;
    EXPECT_TRUE(fs::exists(nowy / "Mirta.DB"));
    EXPECT_TRUE(fs::is_directory(nowy / "ROVANTE"));
    // The restored directory is a working one.
    o = Uruchom("--dane " + nowy.string() + " --uzytkownik ADMIN pracownicy", "MIRTA_HASLO=''");
    EXPECT_EQ(o.kod, 0) << o.wyjscie;

    o = Admin("odtworz " + archiwum + " " + nowy.string());
    EXPECT_EQ(o.kod, 1);
    EXPECT_NE(o.wyjscie.find("już istnieje"), std::string::npos) << o.wyjscie;
}

// mirta kopia then mirta odtworz: the restored directory is the source, file for file and
// folder for folder, empty folders too (diff -r), with no engine journal or lock file in it.
// While another process changes a table during the backup, the change waits for the backup
// or goes before it: only the tables that process writes may differ, each as a whole table.
TEST_F(CliKopia, OdtworzonyKatalogJestZrodlemMimoZapisuInnegoProcesu) {
    const fs::path dane = *s_tmp / "migawka";
    fs::copy(*s_tmp / "dane", dane, fs::copy_options::recursive);
    fs::create_directories(dane / "SPD" / "WYSLANE");
    auto Jako = [&](const fs::path& katalog, const std::string& polecenie) {
        return Uruchom("--dane " + katalog.string() + " --uzytkownik ADMIN " + polecenie,
                       "MIRTA_HASLO=''");
    };
    auto Diff = [](const fs::path& a, const fs::path& b) {
        std::string wynik;
        if (FILE* p =
                popen(("diff -rq '" + a.string() + "' '" + b.string() + "' 2>&1").c_str(), "r")) {
            char bufor[4096];
            for (size_t n; (n = fread(bufor, 1, sizeof bufor, p)) > 0;)
                wynik.append(bufor, n);
            pclose(p);
        }
        return wynik;
    };

    Wynik k = Jako(dane, "kopia " + (*s_tmp / "kopie_migawki").string());
    ASSERT_EQ(k.kod, 0) << k.wyjscie;
    const fs::path nowy = *s_tmp / "migawka_odtworzona";
    Wynik o = Jako(dane, "odtworz " + OstatniWiersz(k.wyjscie) + " " + nowy.string());
    ASSERT_EQ(o.kod, 0) << o.wyjscie;
    EXPECT_EQ(Diff(dane, nowy), "");

    // The other process writes the SPD parameters (and its change journal) while the backup
    // runs, over and over.
    const std::string pisarz = "for i in $(seq 1 15); do MIRTA_HASLO='' " MIRTA_BINARY_DIR
                               "/cli/mirta --dane " +
                               dane.string() +
                               " --uzytkownik ADMIN spd parametry PortSPD=$((2200+i)) "
                               ">/dev/null 2>&1; done &";
    FILE* tlo = popen(("(" + pisarz + " wait)").c_str(), "r");
    ASSERT_NE(tlo, nullptr);
    k = Jako(dane, "kopia " + (*s_tmp / "kopie_w_trakcie").string());
    pclose(tlo);
    ASSERT_EQ(k.kod, 0) << k.wyjscie;
    const fs::path wTrakcie = *s_tmp / "w_trakcie_odtworzona";
    o = Jako(dane, "odtworz " + OstatniWiersz(k.wyjscie) + " " + wTrakcie.string());
    ASSERT_EQ(o.kod, 0) << o.wyjscie;
    std::istringstream roznice(Diff(dane, wTrakcie));
    for (std::string linia; std::getline(roznice, linia);) {
        EXPECT_TRUE(linia.starts_with("Files ")) << linia;  // no file missing or extra
        EXPECT_TRUE(linia.find("ParametrySPD.") != std::string::npos ||
                    linia.find("Dziennik.") != std::string::npos ||
                    linia.find("Hasla.") != std::string::npos)
            << linia;
    }
    // Each of them is a whole table: the restored unit reads them.
    o = Jako(wTrakcie, "spd parametry");
    EXPECT_EQ(o.kod, 0) << o.wyjscie;
    EXPECT_NE(o.wyjscie.find("PortSPD="), std::string::npos) << o.wyjscie;
    EXPECT_EQ(Jako(wTrakcie, "dziennik").kod, 0);
}

TEST_F(CliKopia, UszkodzoneArchiwumOdrzucone) {
    const Wynik k = Admin("kopia " + (*s_tmp / "kopie2").string());
    ASSERT_EQ(k.kod, 0) << k.wyjscie;
    const std::string archiwum = OstatniWiersz(k.wyjscie);
    std::string bajty;
    {
        std::ifstream f(archiwum, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        bajty = s.str();
    }
    bajty[bajty.size() / 2] ^= 0x21;
    const fs::path zle = *s_tmp / "zle.zip";
    std::ofstream(zle, std::ios::binary) << bajty;
    const fs::path nowy = *s_tmp / "z_uszkodzonego";
    const Wynik o = Admin("odtworz " + zle.string() + " " + nowy.string());
    EXPECT_EQ(o.kod, 1);
    EXPECT_NE(o.wyjscie.find("jest uszkodzone"), std::string::npos) << o.wyjscie;
    EXPECT_FALSE(fs::exists(nowy));
}

TEST_F(CliKopia, ZlyWierszPolecenia) {
    EXPECT_EQ(Admin("kopia " + s_tmp->string() + " --zachowaj 0").kod, 2);
    EXPECT_EQ(Admin("odtworz tylko-jeden").kod, 2);
}

TEST_F(CliKopia, ZamkniecieRokuProponujeKopie) {
    // On a copy, so that the other tests keep an open year.
    const fs::path rok = *s_tmp / "rok";
    fs::copy(*s_tmp / "dane", rok, fs::copy_options::recursive);
    const fs::path kopie = *s_tmp / "przed_zamknieciem";
    const Wynik w = Uruchom("--dane " + rok.string() +
                                " --uzytkownik ADMIN --data 2026-12-10 "
                                "zamknij-rok --kopia " +
                                kopie.string() + " --tak",
                            "MIRTA_HASLO=''");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Czy przed zamknięciem roku wykonać kopię zapasową danych ?"),
              std::string::npos)
        << w.wyjscie;
    ASSERT_EQ(std::distance(fs::directory_iterator(kopie), fs::directory_iterator()), 1);
    // The backup holds the year as it was before the closing.
    const std::string archiwum = fs::directory_iterator(kopie)->path().string();
    EXPECT_NE(std::system(("unzip -l '" + archiwum + "' | grep -q UrN2027").c_str()), 0);
    EXPECT_TRUE(fs::exists(rok / "UrN2027.DB"));
}

}  // namespace
}  // namespace mirta::cli::testing
