// The central-system packages from the command line, on a demo unit.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "cli/tests/uruchom.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "spd/testing/serwer_sftp_testowy.h"
#include "wspolne/testing/program_zewnetrzny.h"

namespace mirta::cli::testing {
namespace {

namespace fs = std::filesystem;
using engine::Value;

int Kolumny(char rodzaj) {
    switch (rodzaj) {
        case 'P':
            return 43;
        case 'N':
        case 'W':
        case 'Z':
        case 'K':
        case 'U':
            return 5;
        case 'L':
        case 'S':
        case 'G':
        case 'R':
            return 6;
        case 'O':
            return 8;
        case 'C':
            return 66;
        case 'I':
            return 7;
        case 'A':
            return 9;
    }
    return 0;
}

class CliSpd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_katalog = fs::temp_directory_path() / ("mirta_spd_" + std::to_string(::getpid()));
        fs::remove_all(s_katalog);
        ASSERT_EQ(Uruchom("demo " + s_katalog.string() + " --pracownicy 40 --lata 2").kod, 0);
    }
    static void TearDownTestSuite() { fs::remove_all(s_katalog); }

    static Wynik Jako(const std::string& polecenie, const std::string& env = "") {
        return Uruchom(
            "--dane " + s_katalog.string() + " --uzytkownik KADRY --data 2026-12-10 " + polecenie,
            "MIRTA_HASLO=kadry " + env);
    }

    static std::unique_ptr<engine::ParadoxTable> Tabela(const fs::path& plik) {
        return engine::ParadoxTable::Open(engine::FileSystem::Real(), plik.string());
    }

    // Employees a package of 2026-12-10 is about, counted straight from Mirta.DB.
    static int64_t Wybrani() {
        auto t = Tabela(s_katalog / "Mirta.DB");
        int idCh = -1, idPo = -1, idZa = -1, idZw = -1;
        for (size_t i = 0; i < t->Fields().size(); ++i) {
            const std::string& n = t->Fields()[i].name;
            if (n == "CharakterZatrudnienia")
                idCh = static_cast<int>(i);
            if (n == "Podzial")
                idPo = static_cast<int>(i);
            if (n == "DataZatrudnienia")
                idZa = static_cast<int>(i);
            if (n == "DataZwolnienia")
                idZw = static_cast<int>(i);
        }
        const int32_t d = engine::DayNumberFromCivil(2026, 12, 10);
        int64_t n = 0;
        for (uint64_t r = 0; r < t->RowCount(); ++r) {
            const engine::Record w = t->ReadRow(r);
            auto tekst = [&](int i) { return w[i].IsNull() ? std::string() : w[i].AsText(); };
            if (tekst(idCh) == "U" || tekst(idPo) == "4")
                continue;
            if (!w[idZa].IsNull() && w[idZa].AsDay() > d)
                continue;
            if (!w[idZw].IsNull() && w[idZw].AsDay() < d)
                continue;
            ++n;
        }
        return n;
    }

    static fs::path s_katalog;
};

fs::path CliSpd::s_katalog;

TEST_F(CliSpd, HarmonogramZNaleznymi) {
    const Wynik w = Jako("spd harmonogram");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    std::istringstream linie(w.wyjscie);
    std::string linia;
    std::getline(linie, linia);
    EXPECT_EQ(linia,
              "Identyfikator\tRodzaj\tNazwa\tCzęstotliwość\tAktywny\tOstatnio\tNależny na "
              "2026-12-10");
    std::getline(linie, linia);
    EXPECT_EQ(linia, "1\tP Pracownicy\tPracownicy\tCodziennie do godziny:14:00\tTak\t-\t*");
    int wpisy = 1;
    while (std::getline(linie, linia))
        ++wpisy;
    EXPECT_EQ(wpisy, 14);
}

// Every entry of the demo's schedule: the counts printed agree with the rows stored, kind by
// kind, and the employees' header has a record for every chosen employee.
TEST_F(CliSpd, GenerujeWszystkieRodzajeIZapisujeWiersze) {
    const Wynik w = Jako(
        "spd generuj --wpis 1,2,3,4,5,6,7 --wpis 8 --wpis 9,10,11,12,13,14 "
        "--data-danych 2026-12-10 --tak");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("Proszę czekać. Trwa generowanie danych SPD. Czas pracy."),
              std::string::npos);
    std::smatch m;
    ASSERT_TRUE(
        std::regex_search(w.wyjscie, m, std::regex("\n(\\d+)\tSPD\\\\(R20261210T\\d{9})\n")))
        << w.wyjscie;
    const fs::path folder = s_katalog / "SPD" / m[2].str();
    auto pozycje = Tabela(folder / "PozPrzesylki.db");
    std::map<int64_t, int64_t> wiersze;
    for (uint64_t r = 0; r < pozycje->RowCount(); ++r)
        ++wiersze[pozycje->ReadField(r, 0).AsInteger()];

    const std::regex naglowek("(\\d+)\t([A-Z])\t[^\t]*\t(\\d+) rekordów\t(\\d+) wierszy");
    int naglowki = 0;
    for (auto it = std::sregex_iterator(w.wyjscie.begin(), w.wyjscie.end(), naglowek);
         it != std::sregex_iterator(); ++it) {
        ++naglowki;
        const int64_t id = std::stoll((*it)[1]);
        const char rodzaj = (*it)[2].str()[0];
        const int64_t rekordy = std::stoll((*it)[3]);
        SCOPED_TRACE(std::string(1, rodzaj));
        EXPECT_EQ(std::stoll((*it)[4]), rekordy * Kolumny(rodzaj));
        EXPECT_EQ(wiersze[id], rekordy * Kolumny(rodzaj));
        if (rodzaj == 'P') {
            EXPECT_EQ(rekordy, Wybrani());
        }
        if (rodzaj != 'C') {  // the demo keeps no work-time cards for last month
            EXPECT_GT(rekordy, 0);
        }
    }
    EXPECT_EQ(naglowki, 14);
    EXPECT_FALSE(fs::exists(folder / "NIEDOKONCZONA.TXT"));

    const Wynik lista = Jako("spd przesylki");
    EXPECT_NE(lista.wyjscie.find("\tSPD\\" + m[2].str() + "\tZarzPrzesylki.db\tgotowa\n"),
              std::string::npos)
        << lista.wyjscie;

    // A package cut short is refused for sending, before anything is written.
    std::ofstream(folder / "NIEDOKONCZONA.TXT") << "przerwano";
    const Wynik wyslij = Jako("spd wyslij " + m[1].str() + " --tak");
    EXPECT_EQ(wyslij.kod, 1);
    EXPECT_NE(wyslij.wyjscie.find("nie została wygenerowana do końca"), std::string::npos)
        << wyslij.wyjscie;
    fs::remove(folder / "NIEDOKONCZONA.TXT");
}

// The demo unit is clean; a leave row without a type in a chosen employee's file is found, by
// the exit status and a line naming the employee and the file. The check writes nothing.
TEST_F(CliSpd, SprawdzPrzedEksportem) {
    const Wynik czysta = Jako("sprawdz");
    EXPECT_EQ(czysta.kod, 0) << czysta.wyjscie;
    EXPECT_NE(czysta.wyjscie.find("brak usterek"), std::string::npos) << czysta.wyjscie;

    // A row for every employee: whoever a package holds gets one.
    auto mirta = Tabela(s_katalog / "Mirta.DB");
    const int32_t dzien = engine::DayNumberFromCivil(2026, 11, 30);
    auto urlopy = Tabela(s_katalog / "WykUrl2026.DB");
    for (uint64_t r = 0; r < mirta->RowCount(); ++r) {
        engine::Record u(urlopy->Fields().size());
        for (size_t i = 0; i < u.size(); ++i) {
            const std::string& n = urlopy->Fields()[i].name;
            if (n == "IdentyfikatorPracownika")
                u[i] = Value::Integer(mirta->ReadField(r, 0).AsInteger());
            if (n == "DataOd" || n == "DataDo")
                u[i] = Value::Date(dzien);
        }
        urlopy->Insert(u);
    }
    urlopy->Sync();
    const Wynik bledna = Jako("sprawdz --wpis 2");
    EXPECT_EQ(bledna.kod, 1) << bledna.wyjscie;
    EXPECT_TRUE(std::regex_search(
        bledna.wyjscie,
        std::regex(R"(\d+\t[^\t]+\turlop bez liczby dni\tWykUrl2026\.DB\turlop 2026-11-30 – )"
                   R"(2026-11-30 liczony jako 0 dni: brak rodzaju urlopu\n)")))
        << bledna.wyjscie;
    EXPECT_NE(bledna.wyjscie.find("usterek "), std::string::npos);

    EXPECT_EQ(Jako("sprawdz --wpis x").kod, 2);
    EXPECT_EQ(Jako("sprawdz --wpis 99").kod, 2);
    const Wynik generuj = Jako("spd generuj --wpis 2 --data-danych 2026-12-10 --tak");
    EXPECT_NE(generuj.wyjscie.find("Uwaga: kontrola danych przed eksportem znalazła usterek"),
              std::string::npos)
        << generuj.wyjscie;

    urlopy = Tabela(s_katalog / "WykUrl2026.DB");
    for (uint64_t r = urlopy->RowCount(); r-- > 0;) {
        const engine::Record u = urlopy->ReadRow(r);
        if (u[1].AsDay() == dzien && u[2].IsNull())  // DataOd, RodzajUrlopu
            urlopy->Delete(r);
    }
    urlopy->Sync();
}

TEST_F(CliSpd, NieaktywnyLubNieznanyWpis) {
    EXPECT_EQ(Jako("spd generuj --wpis 99 --tak").kod, 1);
    EXPECT_EQ(Jako("spd generuj --wpis x --tak").kod, 2);
}

TEST_F(CliSpd, Mapowanie) {
    const Wynik w = Jako("spd mapowanie");
    ASSERT_EQ(w.kod, 0);
    EXPECT_TRUE(
        w.wyjscie.starts_with("Dane do mapowania.\n\nStopień służbowy\n"
                              "---------------------------\n"))
        << w.wyjscie.substr(0, 200);
    EXPECT_NE(w.wyjscie.find("==================================\n\nSystem służby\n"
                             "---------------------------\n0 - cywil\n"),
              std::string::npos);
    EXPECT_TRUE(w.wyjscie.ends_with("==================================\n\n"));
}

// Files of the demo directory whose name is `nazwa`, wherever they are.
int Pliki(const fs::path& katalog, const std::string& nazwa) {
    int n = 0;
    for (const auto& wpis : fs::recursive_directory_iterator(katalog))
        n += wpis.path().filename() == nazwa;
    return n;
}

// Files under `katalog` holding `haslo`, but for the parameters table that keeps it.
std::vector<std::string> PlikiZHaslem(const fs::path& katalog, const std::string& haslo) {
    std::vector<std::string> pliki;
    for (const auto& wpis : fs::recursive_directory_iterator(katalog)) {
        if (!wpis.is_regular_file() || wpis.path().filename() == "ParametrySPD.DB")
            continue;
        std::ifstream f(wpis.path(), std::ios::binary);
        const std::string tresc{std::istreambuf_iterator<char>(f), {}};
        if (tresc.find(haslo) != std::string::npos)
            pliki.push_back(wpis.path().string());
    }
    return pliki;
}

// A send killed while the server keeps silent (a socket that accepts and never speaks) leaves
// the password in no file: the client had it only in memory.
TEST_F(CliSpd, WyslijZabityWCzasieCzekaniaNieZostawiaHasla) {
    const int gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(gniazdo, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dlugosc = sizeof adres;
    ASSERT_EQ(::bind(gniazdo, reinterpret_cast<sockaddr*>(&adres), sizeof adres), 0);
    ASSERT_EQ(::listen(gniazdo, 1), 0);
    ASSERT_EQ(::getsockname(gniazdo, reinterpret_cast<sockaddr*>(&adres), &dlugosc), 0);
    const std::string haslo = "MilczacySerwerHaslo7731";
    ASSERT_EQ(
        Jako("spd parametry FTPSPD=127.0.0.1 PortSPD=" + std::to_string(ntohs(adres.sin_port)) +
                 " UzytkownikSPD=kadry SciezkaSPD=/przesylki HasloSPD",
             "MIRTA_SPD_HASLO=" + haslo)
            .kod,
        0);
    const Wynik generuj = Jako("spd generuj --wpis 1 --data-danych 2026-12-10 --tak");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(generuj.wyjscie, m, std::regex("\n(\\d+)\tSPD\\\\R")))
        << generuj.wyjscie;

    const std::string polecenie =
        "exec env MIRTA_HASLO=kadry " MIRTA_BINARY_DIR "/cli/mirta --dane " + s_katalog.string() +
        " --uzytkownik KADRY --data 2026-12-10 spd wyslij " + m[1].str() +
        " --przyjmij-klucz --tak </dev/null >/dev/null 2>&1";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", polecenie.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // The connection arrives once the package is packed and the client waits for the server.
    pollfd czekaj{gniazdo, POLLIN, 0};
    const bool polaczyl = ::poll(&czekaj, 1, 60000) == 1;
    const int polaczenie = polaczyl ? ::accept(gniazdo, nullptr, nullptr) : -1;
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (polaczenie >= 0)
        ::close(polaczenie);
    ::close(gniazdo);
    ASSERT_TRUE(polaczyl) << "mirta spd wyslij never connected";
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(PlikiZHaslem(s_katalog, haslo), std::vector<std::string>{});
}

// An unknown host key is never taken without --przyjmij-klucz, not even with --tak: the
// command fails naming the reason and nothing arrives; with the option the package arrives.
TEST_F(CliSpd, WyslijNieznanyKluczTylkoZOpcja) {
    const auto powod = spd::testing::SerwerSftpTestowy::Niedostepny();
    MIRTA_WYMAGA_PROGRAMU(!powod, "serwer SFTP (OpenSSH): " << powod.value_or(""));
    const engine::testing::TempDir folderSerwera;
    spd::testing::SerwerSftpTestowy serwer(folderSerwera.Path());
    const std::string haslo =
        std::string("MIRTA_SPD_HASLO='") + spd::testing::SerwerSftpTestowy::kHaslo + "'";
    ASSERT_EQ(Jako("spd parametry FTPSPD=127.0.0.1 PortSPD=" + std::to_string(serwer.Port()) +
                       " UzytkownikSPD=" + spd::testing::SerwerSftpTestowy::kUzytkownik +
                       " SciezkaSPD=" + serwer.FolderPrzesylek() + " HasloSPD",
                   haslo)
                  .kod,
              0);
    const Wynik generuj = Jako("spd generuj --wpis 1 --data-danych 2026-12-10 --tak");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(generuj.wyjscie, m, std::regex("\n(\\d+)\tSPD\\\\R")))
        << generuj.wyjscie;

    const Wynik odmowa = Jako("spd wyslij " + m[1].str() + " --tak");
    EXPECT_EQ(odmowa.kod, 1) << odmowa.wyjscie;
    for (const char* tekst :
         {"nie jest jeszcze znany", "SHA256:", "przyjmij go opcją --przyjmij-klucz",
          "Nie powiodło się wysłanie danych o identyfikatorze", "Nie przyjęto klucza serwera"})
        EXPECT_NE(odmowa.wyjscie.find(tekst), std::string::npos) << tekst << "\n" << odmowa.wyjscie;
    EXPECT_EQ(odmowa.wyjscie.find("Sukces."), std::string::npos);
    EXPECT_TRUE(fs::is_empty(serwer.FolderPrzesylek()));
    EXPECT_EQ(Pliki(s_katalog, "known_hosts"), 0);
    EXPECT_EQ(PlikiZHaslem(s_katalog, spd::testing::SerwerSftpTestowy::kHaslo),
              std::vector<std::string>{});

    const Wynik zgoda = Jako("spd wyslij " + m[1].str() + " --przyjmij-klucz --tak");
    ASSERT_EQ(zgoda.kod, 0) << zgoda.wyjscie << serwer.Dziennik();
    // The send identifier is the last line.
    std::string nazwa = zgoda.wyjscie.substr(0, zgoda.wyjscie.size() - 1);
    nazwa = nazwa.substr(nazwa.rfind('\n') + 1);
    for (const char* rozszerzenie : {".zip", ".md5", ".sem"})
        EXPECT_TRUE(fs::exists(fs::path(serwer.FolderPrzesylek()) / (nazwa + rozszerzenie)))
            << nazwa << rozszerzenie;
    EXPECT_EQ(Pliki(s_katalog, "known_hosts"), 1);
    EXPECT_EQ(PlikiZHaslem(s_katalog, spd::testing::SerwerSftpTestowy::kHaslo),
              std::vector<std::string>{});
}

// A browse-only user neither generates nor sends a package: refused before the question,
// nothing entered in the register or written for sending.
TEST_F(CliSpd, PrzegladajacyNieGenerujeINieWysyla) {
    const auto podglad = [](const std::string& polecenie) {
        return Uruchom(
            "--dane " + s_katalog.string() + " --uzytkownik PODGLAD --data 2026-12-10 " + polecenie,
            "MIRTA_HASLO=podglad");
    };
    const auto wRejestrze = [] { return Tabela(s_katalog / "SPD" / "RejPrzes.db")->RowCount(); };
    const uint64_t przed = wRejestrze();
    Wynik w = podglad("spd generuj --wpis 1 --data-danych 2026-12-10 --tak");
    EXPECT_EQ(w.kod, 1) << w.wyjscie;
    EXPECT_EQ(w.wyjscie, "Nie masz prawa do zmiany danych !!!\n");
    EXPECT_EQ(wRejestrze(), przed);

    const Wynik generuj = Jako("spd generuj --wpis 1 --data-danych 2026-12-10 --tak");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(generuj.wyjscie, m, std::regex("\n(\\d+)\tSPD\\\\R")))
        << generuj.wyjscie;
    w = podglad("spd wyslij " + m[1].str() + " --przyjmij-klucz --tak");
    EXPECT_EQ(w.kod, 1) << w.wyjscie;
    EXPECT_EQ(w.wyjscie, "Nie masz prawa do zmiany danych !!!\n");
    EXPECT_EQ(Pliki(s_katalog, "ssh.txt"), 0);
    // The browse-only user still sees the register.
    EXPECT_EQ(podglad("spd przesylki").kod, 0);
}

TEST_F(CliSpd, ParametryZHaslemZeZmiennej) {
    EXPECT_EQ(Jako("spd parametry HasloSPD=tajne").kod, 2);
    Wynik w = Jako("spd parametry HasloSPD PortSPD=2222", "MIRTA_SPD_HASLO=tajne");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("HasloSPD=***\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("PortSPD=2222\n"), std::string::npos);
    EXPECT_EQ(w.wyjscie.find("tajne"), std::string::npos);
    w = Jako("spd parametry Sciezka=NIE_MA");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Brak folderu: NIE_MA"), std::string::npos);
    w = Jako("spd parametry KodSD=K/");
    EXPECT_EQ(w.kod, 1);
    w = Uruchom("--dane " + s_katalog.string() + " --uzytkownik PODGLAD spd parametry PortSPD=1",
                "MIRTA_HASLO=podglad");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nie masz prawa do zmiany danych !!!"), std::string::npos);
}

}  // namespace
}  // namespace mirta::cli::testing
