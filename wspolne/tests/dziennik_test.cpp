#include "wspolne/dziennik.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace mirta::store {
namespace {

namespace fs = std::filesystem;

class DziennikTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_katalog = fs::temp_directory_path() /
                    ("mirta_dziennik_" + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_katalog);
    }
    void TearDown() override { fs::remove_all(m_katalog); }

    static std::string Tresc(const fs::path& plik) {
        std::ifstream f(plik);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    fs::path m_katalog;
};

TEST_F(DziennikTest, OneLinePerEventWithTimeAndUser) {
    Dziennik d(m_katalog.string());
    d.Zapisz("przed logowaniem");
    d.UstawUzytkownika("KADRY");
    d.Zapisz("Uszkodzony plik tabeli Urlopy.db\nblok 3 [Urlopy.db] (read)\n");
    EXPECT_EQ(d.Sciezka(), (m_katalog / "mirta.log").string());
    const std::regex wzor(
        R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d -: przed logowaniem
\d{4}-\d\d-\d\d \d\d:\d\d:\d\d KADRY: Uszkodzony plik tabeli Urlopy.db \| blok 3 \[Urlopy.db\] \(read\)
)");
    EXPECT_TRUE(std::regex_match(Tresc(d.Sciezka()), wzor)) << Tresc(d.Sciezka());
}

TEST_F(DziennikTest, AFullLogMovesToNumberedCopiesAndTheOldestGoes) {
    Dziennik d(m_katalog.string(), 100, 2);
    const std::string linia(80, 'x');
    for (int i = 1; i <= 4; ++i)
        d.Zapisz(std::to_string(i) + linia);
    // Each write found the file past 100 bytes, so every line started a new file.
    EXPECT_NE(Tresc(m_katalog / "mirta.log").find("4xxx"), std::string::npos);
    EXPECT_NE(Tresc(m_katalog / "mirta.log.1").find("3xxx"), std::string::npos);
    EXPECT_NE(Tresc(m_katalog / "mirta.log.2").find("2xxx"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_katalog / "mirta.log.3"));
    int pliki = 0;
    for ([[maybe_unused]] const auto& p : fs::directory_iterator(m_katalog))
        ++pliki;
    EXPECT_EQ(pliki, 3);
}

// A line that cannot be written is lost without harm: what blocked the folder is untouched,
// and the next line is written once the folder can be made.
TEST_F(DziennikTest, AnUnwritableDirectoryLosesThatLineOnly) {
    fs::create_directories(m_katalog);
    std::ofstream(m_katalog / "plik") << "zawartość";
    Dziennik d((m_katalog / "plik" / "mirta").string());
    d.Zapisz("nie ma gdzie");
    EXPECT_EQ(Tresc(m_katalog / "plik"), "zawartość");
    fs::remove(m_katalog / "plik");
    d.Zapisz("już jest gdzie");
    const std::string log = Tresc(d.Sciezka());
    EXPECT_EQ(log.find("nie ma gdzie"), std::string::npos) << log;
    EXPECT_NE(log.find("już jest gdzie"), std::string::npos) << log;
}

TEST(DziennikKatalog, TheStateDirectoryOrItsDefaultUnderHome) {
    const char* stan = std::getenv("XDG_STATE_HOME");
    const std::string zapamietany = stan ? stan : "";
    const std::string dom = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_STATE_HOME", "/tmp/stan", 1);
    EXPECT_EQ(Dziennik::KatalogDomyslny(), "/tmp/stan/mirta");
    ::setenv("XDG_STATE_HOME", "wzgledny", 1);  // a relative path is to be ignored
    ::setenv("HOME", "/home/kadry", 1);
    EXPECT_EQ(Dziennik::KatalogDomyslny(), "/home/kadry/.local/state/mirta");
    ::setenv("HOME", dom.c_str(), 1);
    if (stan)
        ::setenv("XDG_STATE_HOME", zapamietany.c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace mirta::store
