// mirta dziennik: the filters, the user option after the command's name, the archive.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/tests/uruchom.h"
#include "store/dziennik_zmian.h"
#include "engine/file_system.h"
#include "store/nowa_baza.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;

class CliDziennik : public ::testing::Test {
protected:
    void SetUp() override {
        katalog = fs::temp_directory_path() / ("mirta_cli_dziennik_" + std::to_string(::getpid()));
        fs::remove_all(katalog);
        store::UtworzNowaBaze(engine::FileSystem::Real(), katalog.string(), {2026, 12, 10});
        auto wpis = [](int r, int m, int d, const char* kto, int32_t prac, const char* nowa) {
            store::WpisDziennika w;
            w.kiedy = engine::DayNumberFromCivil(r, m, d) * 86400000.0 + 45296000;  // 12:34:56
            w.uzytkownik = kto;
            w.operacja = "zmiana";
            w.tabela = "Mirta.DB";
            w.klucz = std::to_string(prac);
            w.pracownik = prac;
            w.pole = "Nazwisko";
            w.stara = "Nowak";
            w.nowa = nowa;
            return w;
        };
        store::DopiszDoDziennika(
            engine::FileSystem::Real(), katalog.string(),
            {wpis(2025, 5, 1, "KADRY", 7, "Nowacka"), wpis(2026, 2, 1, "ADMIN", 8, "Kowal"),
             wpis(2026, 3, 1, "KADRY", 8, "Lis")});
    }
    void TearDown() override { fs::remove_all(katalog); }

    // The output without the reminder that the new directory's ADMIN has no password.
    Wynik Admin(const std::string& polecenie) {
        Wynik w = Uruchom("--dane " + katalog.string() + " --uzytkownik ADMIN " + polecenie,
                          "MIRTA_HASLO=''");
        const std::string przypomnienie =
            "Użytkownik nie ma hasła; ustaw je przy najbliższym logowaniu z terminala.\n";
        if (w.wyjscie.starts_with(przypomnienie))
            w.wyjscie.erase(0, przypomnienie.size());
        return w;
    }

    fs::path katalog;
};

TEST_F(CliDziennik, FiltersByEmployeeDateAndUser) {
    Wynik w = Admin("dziennik --pracownik 8");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(w.wyjscie,
              "2026-02-01 12:34:56\tADMIN\tzmiana\tMirta.DB\t8\t8\tNazwisko\tNowak\tKowal\n"
              "2026-03-01 12:34:56\tKADRY\tzmiana\tMirta.DB\t8\t8\tNazwisko\tNowak\tLis\n");
    // --uzytkownik after the command's name is the filter; before it, the login.
    w = Admin("dziennik --uzytkownik kadry --od 2026-01-01");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(w.wyjscie,
              "2026-03-01 12:34:56\tKADRY\tzmiana\tMirta.DB\t8\t8\tNazwisko\tNowak\tLis\n");
    w = Admin("dziennik --do 2025-12-31");
    EXPECT_NE(w.wyjscie.find("Nowacka"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(w.wyjscie.find("Kowal"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(Admin("dziennik --od 2026-02-30").kod, 2);
}

TEST_F(CliDziennik, ArchiveIsTheAdministratorsAndAsks) {
    Wynik w = Admin("dziennik --archiwizuj-przed 2026-01-01");
    EXPECT_EQ(w.kod, 3) << w.wyjscie;  // nobody could answer
    w = Admin("dziennik --archiwizuj-przed 2026-01-01 --tak");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Przeniesiono wpisów: 1"), std::string::npos) << w.wyjscie;
    EXPECT_TRUE(fs::exists(katalog / "DziennikDo20260101.DB"));
    EXPECT_EQ(Admin("dziennik --do 2025-12-31").wyjscie, "");
}

}  // namespace
}  // namespace mirta::cli::testing
