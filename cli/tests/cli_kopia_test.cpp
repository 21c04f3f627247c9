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
