// Seniority, leave and pay of one employee and the leave-year closing from the command line,
// on data directories with hand-made rows and on a demo unit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "cli/tests/uruchom.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "store/nowa_baza.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;
using engine::Value;
using Pola = std::initializer_list<std::pair<const char*, Value>>;

Value D(int r, int m, int d) {
    return Value::Date(engine::DayNumberFromCivil(r, m, d));
}
Value I(int64_t x) {
    return Value::Integer(x);
}
Value T(const char* t) {
    return Value::Text(t);
}

class CliObliczenia : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = new fs::path(fs::temp_directory_path() /
                                 ("mirta_cli_obl_" + std::to_string(::getpid())));
        fs::remove_all(*s_katalog);
        fs::create_directories(*s_katalog);
        store::UtworzNowaBaze(engine::FileSystem::Real(), s_katalog->string(), {2026, 12, 10});
        // An officer: 26 years here, 5 elsewhere for the raise only, a month of unpaid leave,
        // service counted from a date set by hand.
        s_id = Wstaw("Mirta.DB", {{"Nazwisko", T("Nowak")},
                                  {"Podzial", T("1")},
                                  {"DataUrodzenia", D(1970, 5, 5)},
                                  {"DataDoSluzby", D(2010, 1, 1)}});
        Wstaw("Zatrudnienie.db", {{"IdentyfikatorPracownika", I(s_id)},
                                  {"DataOd", D(2000, 1, 1)},
                                  {"IdentyfikatorFormyZatrudn", I(1)}});
        Wstaw("PopZatr.db", {{"IdentyfikatorPracownika", I(s_id)},
                             {"DataOd", D(1990, 1, 1)},
                             {"DataDo", D(1994, 12, 31)},
                             {"NazwaZakładuPracy", T("Huta")},
                             {"DoWyslugi", Value::Logical(true)}});
        Wstaw("WykUrl2026.DB", {{"IdentyfikatorPracownika", I(s_id)},
                                {"DataOd", D(2026, 2, 1)},
                                {"DataDo", D(2026, 2, 28)},
                                {"RodzajUrlopu", I(9)}});
        Wstaw("WykUrl2026.DB", {{"IdentyfikatorPracownika", I(s_id)},
                                {"DataOd", D(2026, 3, 2)},
                                {"DataDo", D(2026, 3, 6)},
                                {"RodzajUrlopu", I(1)}});
        Wstaw("UrN2026.DB", {{"IdentyfikatorPracownika", I(s_id)},
                             {"Rok", I(2026)},
                             {"UrlopZaleglyPoprzedniRok", I(2)}});
        const int32_t kapral = Wstaw("SlStopni.db", {{"NazwaStopnia", T("kapral")}}, 1);
        Wstaw("StawStop.DB", {{"IdentyfikatorStopnia", I(kapral)},
                              {"Ubruttowienie", T("N")},
                              {"DataObowiazywania", D(2020, 1, 1)},
                              {"Wartosc", Value::Number(300)}});
        const int32_t grupa = Wstaw("SlGrup.db", {{"NazwaGrupy", T("III")}}, 1);
        Wstaw("StawGrup.DB", {{"IdentyfikatorGrupy", I(grupa)},
                              {"Ubruttowienie", T("N")},
                              {"DataObowiazywania", D(2020, 1, 1)},
                              {"Wartosc", Value::Number(1234)}});
        Wstaw("PracStop.db", {{"IdentyfikatorPracownika", I(s_id)},
                              {"DataOdKiedy", D(2021, 1, 1)},
                              {"IdentyfikatorStopnia", I(kapral)},
                              {"Ubruttowienie", T("N")}});
        Wstaw("PracGrup.db", {{"IdentyfikatorPracownika", I(s_id)},
                              {"DataOdKiedy", D(2021, 1, 1)},
                              {"IdentyfikatorGrupy", I(grupa)},
                              {"Ubruttowienie", T("N")},
                              {"Mnoznik", Value::Number(2.5)}});
        Wstaw("DodSluz.db", {{"IdentyfikatorPracownika", I(s_id)},
                             {"DataOd", D(2021, 1, 1)},
                             {"Wartosc", Value::Number(150)}});
        Wstaw("DodInny.db", {{"IdentyfikatorPracownika", I(s_id)},
                             {"DataOd", D(2026, 1, 1)},
                             {"Wartosc", Value::Number(100)}});
    }
    static void TearDownTestSuite() {
        fs::remove_all(*s_katalog);
        delete s_katalog;
    }

    // A row written into a table of the directory; returns the field `zwrot` of the new row.
    static int32_t Wstaw(const char* plik, Pola pola, int zwrot = 0) {
        engine::FileSystem& real = engine::FileSystem::Real();
        auto t = engine::ParadoxTable::Open(
            real, engine::ResolvePath(real, (*s_katalog / plik).string()));
        engine::Record r(t->Fields().size());
        for (const auto& [p, v] : pola)
            r[store::PoleTabeli(*t, p)] = v;
        const uint64_t w = t->Insert(r);
        t->Sync();
        return static_cast<int32_t>(t->ReadField(w, zwrot).AsInteger());
    }

    static Wynik Polecenie(const std::string& polecenie) {
        return Uruchom(
            "--dane " + s_katalog->string() + " --uzytkownik ADMIN --data 2026-12-10 " + polecenie,
            "MIRTA_HASLO=''");
    }

    static fs::path* s_katalog;
    static int32_t s_id;
};
fs::path* CliObliczenia::s_katalog = nullptr;
int32_t CliObliczenia::s_id = 0;

TEST_F(CliObliczenia, StazPrintsTheFourKindsTheirPartsAndTheDates) {
    const Wynik w = Polecenie("staz " + std::to_string(s_id));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Data: 2026-12-10\n"
                             "Wysluga: Lat: 31 Miesięcy: 10 Dni: 10\n"
                             "  Zatrudnienie: Lat: 26 Miesięcy: 11 Dni: 10\n"
                             "  Poprzednie zatrudnienie: Lat: 5 Miesięcy: 0 Dni: 0\n"
                             "  Urlop bezpłatny: Lat: 0 Miesięcy: 1 Dni: 0\n"
                             "  Data umowna: brak\n"
                             "Sluzba: Lat: 16 Miesięcy: 11 Dni: 10\n"
                             "  Zatrudnienie: Lat: 26 Miesięcy: 11 Dni: 10\n"
                             "  Poprzednie zatrudnienie: Lat: 0 Miesięcy: 0 Dni: 0\n"
                             "  Urlop bezpłatny: Lat: 0 Miesięcy: 1 Dni: 0\n"
                             "  Data umowna: 2010-01-01\n"
                             "NagrodaJubileuszowa: Lat: 26 Miesięcy: 10 Dni: 10\n"
                             "  Zatrudnienie: Lat: 26 Miesięcy: 11 Dni: 10\n"
                             "  Poprzednie zatrudnienie: Lat: 0 Miesięcy: 0 Dni: 0\n"
                             "  Urlop bezpłatny: Lat: 0 Miesięcy: 1 Dni: 0\n"
                             "  Data umowna: brak\n"
                             "Emerytura: Lat: 26 Miesięcy: 10 Dni: 10\n"
                             "  Zatrudnienie: Lat: 26 Miesięcy: 11 Dni: 10\n"
                             "  Poprzednie zatrudnienie: Lat: 0 Miesięcy: 0 Dni: 0\n"
                             "  Urlop bezpłatny: Lat: 0 Miesięcy: 1 Dni: 0\n"
                             "  Data umowna: brak\n"
                             "Procent stażowy cywila: 20\n"
                             "Procent stażowy funkcjonariusza: 25.0\n"
                             "Data następnego wzrostu: 2027-02-01 (1 lutego)\n"
                             "Data bazowa Wysluga 2026: 1995-02-01\n"
                             "Data bazowa Sluzba 2026: 2010-01-01\n"
                             "Data bazowa NagrodaJubileuszowa 2026: 2000-02-01\n"),
              std::string::npos)
        << w.wyjscie;

    const Wynik brak = Polecenie("staz 999");
    EXPECT_EQ(brak.kod, 1);
    EXPECT_NE(brak.wyjscie.find("Nie ma pracownika o identyfikatorze 999 !!!"), std::string::npos);
    EXPECT_EQ(Polecenie("staz x").kod, 2);
}

TEST_F(CliObliczenia, UrlopPrintsTheLeaveDueWindowsText) {
    const Wynik w = Polecenie("urlop " + std::to_string(s_id));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Obliczenie urlopu na dzień: 10 grudnia 2026.\n"
                             "\n"
                             "Urlop roku bieżącego:\n"
                             "Urlop wypoczynkowy: 26/0, dodatkowy: 13/0, razem: 39/0. Pozostało: "
                             "urlop wypoczynkowy: 23/0, dodatkowy: 13/0, razem: 36/0\n"
                             "Urlop zaległy:\n"
                             "Urlop wypoczynkowy: 2/0, dodatkowy: 0/0, razem: 2/0. Pozostało: "
                             "urlop wypoczynkowy: 0/0, dodatkowy: 0/0, razem: 0/0\n"
                             "Razem urlopy:\n"
                             "Urlop wypoczynkowy: 28/0, dodatkowy: 13/0, razem: 41/0. Pozostało: "
                             "urlop wypoczynkowy: 23/0, dodatkowy: 13/0, razem: 36/0\n"
                             "Dni wykorzystane: urlop wypoczynkowy: 5/0, dodatkowy: 0/0, razem: "
                             "5/0, kalendarzowe:5, robocze: 5, świąteczne funk.:0.\n"),
              std::string::npos)
        << w.wyjscie;
}

TEST_F(CliObliczenia, WynagrodzeniePrintsRowsValuesAndTotals) {
    const Wynik w = Polecenie("wynagrodzenie " + std::to_string(s_id));
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Podzial: 1\n"
                             "Stopień 2021-01-01 1 N: Stawka 300.00\n"
                             "Grupa 2021-01-01 1 N: Stawka 1234.00 PlacaKoncowa 3090.00\n"
                             "Płaca zasadnicza: 3090.00\n"
                             "Dodatek za stopień: 300.00\n"
                             "Dodatek służbowy: 150.00\n"
                             "Dodatek motywacyjny: 100.00\n"
                             "Procent stażowy funkcjonariusza: 25.0\n"
                             "Dodatek stażowy funkcjonariusza: 772.50\n"
                             "Procent stażowy cywila: 20\n"
                             "Dodatek stażowy cywila: 618.00\n"
                             "Procent premii: 0\n"
                             "Premia: 0.00\n"
                             "Razem funkcjonariusz: 4412.50\n"
                             "Razem cywil: 3708.00\n"
                             "Razem: 4412.50\n"),
              std::string::npos)
        << w.wyjscie;
}

// The derivation ends with the seniority the plain command prints, for each kind.
TEST_F(CliObliczenia, StazWyprowadzenieEndsWithTheSeniorityOfItsKind) {
    const Wynik staz = Polecenie("staz " + std::to_string(s_id));
    ASSERT_EQ(staz.kod, 0) << staz.wyjscie;
    const std::pair<const char*, const char*> rodzaje[] = {
        {"wysluga", "Wysluga: "}, {"sluzba", "Sluzba: "}, {"nagroda", "NagrodaJubileuszowa: "},
        {"emerytura", "Emerytura: "}};
    for (const auto& [rodzaj, naglowek] : rodzaje) {
        const Wynik w =
            Polecenie("staz " + std::to_string(s_id) + " --wyprowadzenie --rodzaj " + rodzaj);
        ASSERT_EQ(w.kod, 0) << w.wyjscie;
        const size_t p = staz.wyjscie.find(naglowek) + std::string(naglowek).size();
        const std::string oczekiwany = staz.wyjscie.substr(p, staz.wyjscie.find('\n', p) - p);
        EXPECT_NE(w.wyjscie.find("\nWynik: " + oczekiwany + "\n"), std::string::npos)
            << rodzaj << "\n" << w.wyjscie;
    }
    const Wynik w = Polecenie("staz " + std::to_string(s_id) + " --wyprowadzenie");
    EXPECT_NE(w.wyjscie.find("1990-01-01 – 1994-12-31   liczony"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("2026-02-01 – 2026-02-28"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("plik WykUrl2026.DB, rok 2026"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Data umowna: 2010-01-01"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(Polecenie("staz " + std::to_string(s_id) + " --wyprowadzenie --rodzaj x").kod, 2);
}

// The closing of a demo year, run as its administrator would.
class CliZamkniecieRoku : public ::testing::Test {
protected:
    void SetUp() override {
        katalog = fs::temp_directory_path() / ("mirta_cli_zamk_" + std::to_string(::getpid()));
        fs::remove_all(katalog);
        ASSERT_EQ(Uruchom("demo " + katalog.string() + " --pracownicy 12 --lata 2").kod, 0);
    }
    void TearDown() override { fs::remove_all(katalog); }

    Wynik Jako(const std::string& uzytkownik, const std::string& haslo, const std::string& data,
               const std::string& polecenie) {
        return Uruchom("--dane " + katalog.string() + " --uzytkownik " + uzytkownik + " --data " +
                           data + " " + polecenie,
                       "MIRTA_HASLO='" + haslo + "'");
    }
    bool Jest(const char* plik) { return fs::exists(katalog / plik); }

    fs::path katalog;
};

TEST_F(CliZamkniecieRoku, ClosesTheYearCarriesTheLeaveAndTheYearBecomesArchival) {
    // The import of the 2006 leave belongs to 2006 alone.
    const Wynik dogranie = Jako("ADMIN", "", "2026-12-10", "dograj-urlopy");
    EXPECT_EQ(dogranie.kod, 1);
    EXPECT_NE(dogranie.wyjscie.find("tylko z datą przetwarzania w 2006 roku"), std::string::npos)
        << dogranie.wyjscie;

    EXPECT_EQ(Jako("KADRY", "kadry", "2026-12-10", "zamknij-rok --tak").wyjscie,
              "Nie masz uprawnień administratora systemu !!!\n");

    // A trial run writes nothing and names every employee once.
    const Wynik proba = Jako("ADMIN", "", "2026-12-10", "zamknij-rok --na-probe");
    ASSERT_EQ(proba.kod, 0) << proba.wyjscie;
    const std::regex wiersz(
        R"((\d+): urlop należny (\d+), dodatkowy (\d+), zaległy (-?\d+)/(-?\d+), zaległy dodatkowy (-?\d+)/(-?\d+), etat [^,]*, system .*)");
    std::smatch pierwszy;
    int wiersze = 0;
    for (auto it = std::sregex_iterator(proba.wyjscie.begin(), proba.wyjscie.end(), wiersz);
         it != std::sregex_iterator(); ++it) {
        if (wiersze++ == 0)
            pierwszy = *it;
    }
    EXPECT_GE(wiersze, 12);
    ASSERT_FALSE(pierwszy.empty());
    EXPECT_FALSE(Jest("UrN2027.DB"));

    // No terminal and no --tak: refused, nobody could answer.
    Wynik w = Jako("ADMIN", "", "2026-12-10", "zamknij-rok");
    EXPECT_EQ(w.kod, 3);
    EXPECT_NE(w.wyjscie.find("Czy chcesz zamknąć urlopowy rok:2026 ?"), std::string::npos);
    EXPECT_FALSE(Jest("UrN2027.DB"));

    w = Jako("ADMIN", "", "2026-12-10", "zamknij-rok --tak");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    // The message names what the trial run said would be carried over, before it asks to
    // start again.
    const size_t podsumowanie = proba.wyjscie.find("Pracowników w roku 2027: ");
    ASSERT_NE(podsumowanie, std::string::npos) << proba.wyjscie;
    EXPECT_NE(w.wyjscie.find("Zamknięcie roku do urlopów zakończyło się poprwanie.\n" +
                             proba.wyjscie.substr(podsumowanie) + " Należy ponownie uruchomić "
                             "program.\n"),
              std::string::npos)
        << w.wyjscie << "\n---\n" << proba.wyjscie.substr(podsumowanie);
    EXPECT_TRUE(Jest("UrN2027.DB"));
    EXPECT_TRUE(Jest("WykUrl2027.DB"));

    // The closed year is archival; the new one carries what the trial run said.
    w = Jako("ADMIN", "", "2026-12-10", "zamknij-rok --tak");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Przeglądasz dane archiwalne, zamknięcie nie jest możliwe !!!"),
              std::string::npos)
        << w.wyjscie;
    w = Jako("ADMIN", "", "2027-01-15", "zaloguj");
    EXPECT_NE(w.wyjscie.find("Rok urlopowy: 2027 (otwarty)"), std::string::npos) << w.wyjscie;
    w = Jako("ADMIN", "", "2027-01-15", "urlop " + pierwszy[1].str());
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Urlop zaległy:\nUrlop wypoczynkowy: " + pierwszy[4].str() + "/" +
                             pierwszy[5].str() + ", dodatkowy: " + pierwszy[6].str() + "/" +
                             pierwszy[7].str()),
              std::string::npos)
        << w.wyjscie << proba.wyjscie;
}

}  // namespace
}  // namespace mirta::cli::testing
