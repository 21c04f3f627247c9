// mirta napraw on a small demo unit: a check on trial changes no byte, the question needs a
// terminal or --tak, the repair makes the table sound, exit statuses 0, 1 and 2.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/tests/uruchom.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

std::string Czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::map<std::string, std::string> Pliki(const fs::path& katalog) {
    std::map<std::string, std::string> m;
    for (const auto& w : fs::recursive_directory_iterator(katalog))
        if (w.is_regular_file())
            m[w.path().lexically_relative(katalog).generic_string()] = Czytaj(w.path());
    return m;
}

class CliNapraw : public ::testing::Test {
protected:
    void SetUp() override {
        m_tmp = fs::temp_directory_path() / ("mirta_cli_napraw_" + std::to_string(::getpid()));
        fs::remove_all(m_tmp);
        ASSERT_EQ(Uruchom("demo " + (m_tmp / "dane").string() + " --pracownicy 12 --lata 2").kod,
                  0);
    }
    void TearDown() override { fs::remove_all(m_tmp); }

    Wynik Napraw(const std::string& reszta, const std::string& haslo = "''") {
        return Uruchom(
            "--dane " + (m_tmp / "dane").string() + " --uzytkownik ADMIN napraw " + reszta,
            "MIRTA_HASLO=" + haslo);
    }

    fs::path m_tmp;
};

TEST_F(CliNapraw, NaProbiePytanieINaprawa) {
    const fs::path mirta = m_tmp / "dane/Mirta.DB";
    std::string b = Czytaj(mirta);
    b[6] = static_cast<char>(b[6] + 2);
    std::ofstream(mirta, std::ios::binary | std::ios::trunc) << b;
    const auto przed = Pliki(m_tmp / "dane");

    Wynik w = Napraw("--na-probe");
    EXPECT_EQ(w.kod, 1) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Mirta.DB: do naprawy"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("nagłówek podaje"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(Pliki(m_tmp / "dane"), przed) << "--na-probe changes nothing";

    // Nobody to answer the question: nothing is repaired.
    w = Napraw("");
    EXPECT_EQ(w.kod, 3) << w.wyjscie;
    EXPECT_EQ(Pliki(m_tmp / "dane"), przed);

    w = Napraw("--tak Mirta.DB");
    EXPECT_EQ(w.kod, 1) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Mirta.DB: naprawiona"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Niczego nie utracono."), std::string::npos) << w.wyjscie;

    w = Napraw("--tak");
    EXPECT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("bez uszkodzeń"), std::string::npos) << w.wyjscie;
}

TEST_F(CliNapraw, OdmowyIBledy) {
    EXPECT_EQ(Napraw("--na-probe", "zle").kod, 1);
    Wynik w = Napraw("--na-probe Obca.DB");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("nie należy do katalogu tabel"), std::string::npos) << w.wyjscie;
    // A header nobody can read cannot be repaired.
    std::ofstream(m_tmp / "dane/Mirta.DB", std::ios::binary | std::ios::trunc) << "xx";
    w = Napraw("--na-probe");
    EXPECT_EQ(w.kod, 2) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Mirta.DB: nie można naprawić"), std::string::npos) << w.wyjscie;
}

}  // namespace
}  // namespace mirta::cli::testing
