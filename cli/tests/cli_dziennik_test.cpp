// mirta dziennik: the filters, the user option after the command's name, the archive.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tests/uruchom.h"
#include "engine/file_system.h"
#include "store/dziennik_zmian.h"
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
    // Nobody of these identifiers is in the new directory: the identifier alone is shown.
    EXPECT_EQ(
        w.wyjscie,
        "2026-02-01 12:34:56\tAdministrator systemu (ADMIN)\tzmiana\tDane "
        "personalne\t(8)\tNazwisko\tNowak\tKowal\t8\n"
        "2026-03-01 12:34:56\tKADRY\tzmiana\tDane personalne\t(8)\tNazwisko\tNowak\tLis\t8\n");
    // --uzytkownik after the command's name is the filter; before it, the login.
    w = Admin("dziennik --uzytkownik kadry --od 2026-01-01");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(
        w.wyjscie,
        "2026-03-01 12:34:56\tKADRY\tzmiana\tDane personalne\t(8)\tNazwisko\tNowak\tLis\t8\n");
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

std::vector<std::string> Pola(const std::string& wiersz) {
    std::vector<std::string> pola;
    size_t p = 0;
    for (size_t t; (t = wiersz.find('\t', p)) != std::string::npos; p = t + 1)
        pola.push_back(wiersz.substr(p, t - p));
    pola.push_back(wiersz.substr(p));
    return pola;
}

// On a demo unit the journal speaks as the windows do: the page's caption, the field's label,
// the code's text, the dictionary's name, the employee's and the user's names.
TEST(CliDziennikSlowami, ShowsCaptionsLabelsCodeTextsAndNames) {
    const fs::path katalog =
        fs::temp_directory_path() / ("mirta_cli_dziennik_demo_" + std::to_string(::getpid()));
    fs::remove_all(katalog);
    ASSERT_EQ(Uruchom("demo " + katalog.string() + " --pracownicy 5 --lata 1").kod, 0);
    const auto kadry = [&](const std::string& polecenie) {
        return Uruchom("--dane " + katalog.string() + " --uzytkownik KADRY " + polecenie,
                       "MIRTA_HASLO=kadry");
    };
    // The first employee of the list: surname, first names and identifier.
    const Wynik lista = kadry("pracownicy");
    ASSERT_EQ(lista.kod, 0) << lista.wyjscie;
    const size_t poczatek = lista.wyjscie.find('\n') + 1;
    const auto p =
        Pola(lista.wyjscie.substr(poczatek, lista.wyjscie.find('\n', poczatek) - poczatek));
    ASSERT_EQ(p.size(), 12u);
    const int32_t id = std::stoi(p[10]);
    std::string osoba = p[2] + " " + p[3];
    if (!p[4].empty())
        osoba += " " + p[4];
    osoba += " (" + std::to_string(id) + ")";

    auto wpis = [&](const char* tabela, const char* pole, const char* stara, const char* nowa) {
        store::WpisDziennika w;
        w.kiedy = engine::DayNumberFromCivil(2026, 12, 10) * 86400000.0 + 45296000;
        w.uzytkownik = "KADRY";
        w.operacja = "zmiana";
        w.tabela = tabela;
        w.klucz = std::to_string(id);
        w.pracownik = id;
        w.pole = pole;
        w.stara = stara;
        w.nowa = nowa;
        return w;
    };
    store::DopiszDoDziennika(engine::FileSystem::Real(), katalog.string(),
                             {wpis("Mirta.DB", "Plec", "K", "M"),
                              wpis("Mirta.DB", "DataWaznosciDowodu", "", "2030-01-01"),
                              wpis("WykUrl2026.DB", "RodzajUrlopu", "", "1"),
                              wpis("Hasla.DB", "NazwaPelna", "Jan", "Jan Nowak")});
    const Wynik w = kadry("dziennik --pracownik " + std::to_string(id));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const std::string poczatekWiersza =
        "2026-12-10 12:34:56\tMałgorzata Żółkiewska (KADRY)\tzmiana\t";
    const std::string klucz = "\t" + std::to_string(id) + "\n";
    // The employee's master record is shown on the page of its field.
    const std::string oczekiwane[] = {
        poczatekWiersza + "Dane personalne\t" + osoba + "\tPłeć\tKobieta\tMężczyzna" + klucz,
        poczatekWiersza + "Dane personalne\t" + osoba + "\tDowód osobisty: ważności\t\t2030-01-01" +
            klucz,
        poczatekWiersza + "Urlopy\t" + osoba + "\tRodzaj urlopu\t\tUrlop wypoczynkowy" + klucz,
        poczatekWiersza + "Obsługa użytkowników\t" + osoba + "\tNazwa pełna\tJan\tJan Nowak" +
            klucz,
    };
    size_t gdzie = 0;
    for (const std::string& o : oczekiwane) {
        const size_t znaleziony = w.wyjscie.find(o, gdzie);
        EXPECT_NE(znaleziony, std::string::npos) << o << "\nw:\n" << w.wyjscie;
        if (znaleziony != std::string::npos)
            gdzie = znaleziony;
    }
    fs::remove_all(katalog);
}

}  // namespace
}  // namespace mirta::cli::testing
