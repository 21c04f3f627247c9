// Packing and uploading a large unit's package over loopback, against copying the same CSV
// bytes with cp and one put of the finished archive with OpenSSH's sftp, in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>

#include <unistd.h>

#include "spd/csv_spd.h"
#include "spd/pakowanie.h"
#include "spd/skrypt_ssh.h"
#include "spd/testing/serwer_sftp_testowy.h"
#include "spd/wysylka.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace {

using namespace mirta;
using spd::testing::SerwerSftpTestowy;
using spd::testing::Uruchom;

constexpr const char* kNazwa = "1234567K100120260101000000000000";

struct Stanowisko {
    std::string katalog;
    std::unique_ptr<SerwerSftpTestowy> serwer;
    spd::ParametrySPD parametry;
    uint64_t bajtyCSV = 0;
};

// A unit of 10,000 employees: their records, twenty years of rank, position and leave
// history, the kinds of a package, with values of the lengths the catalogue gives.
void ZapiszPaczke(const std::string& folder, Stanowisko& s) {
    std::mt19937 los(2026);
    auto liczba = [&](int od, int do_) { return std::to_string(od + los() % (do_ - od + 1)); };
    auto data = [&] {
        char t[16];
        std::snprintf(t, sizeof t, "%04u-%02u-%02u", static_cast<unsigned>(1990 + los() % 36),
                      static_cast<unsigned>(1 + los() % 12), static_cast<unsigned>(1 + los() % 28));
        return std::string(t);
    };
    const char* nazwiska[] = {"Nowak",       "Kowalski",  "Wiśniewska", "Wójcik",  "Kamińska",
                              "Lewandowski", "Zieliński", "Szymańska",  "Woźniak", "Dąbrowski"};
    struct Rodzaj {
        const char* plik;
        int rekordowNaPracownika;
        int kolumn;
    };
    const Rodzaj rodzaje[] = {{"PRACOWNICY_", 1, 45},
                              {"STOPNIE_", 5, 8},
                              {"STANOWISKA_", 6, 12},
                              {"NIEOBECNOSCI_", 40, 9},
                              {"WYNAGRODZENIA_", 12, 10}};
    store::testing::DialogiSkryptowe dialogi;
    for (const Rodzaj& r : rodzaje) {
        int pracownik = 1;
        int rekord = 0;
        int kolumna = 0;
        const auto sciezka = spd::ZapiszPlikCSV(
            folder, {"01", r.plik, "M", {2026, 1, 1}},
            [&](spd::PoleCSV& pole) {
                if (pracownik > 10000)
                    return false;
                ++kolumna;
                pole.identyfikatorPola = kolumna;
                pole.nazwaPola = "Kolumna" + std::to_string(kolumna);
                switch (kolumna % 5) {
                    case 0:
                        pole = {kolumna, pole.nazwaPola, "N", liczba(1, 999999)};
                        break;
                    case 1:
                        pole = {kolumna, pole.nazwaPola, "S", nazwiska[los() % 10]};
                        break;
                    case 2:
                        pole = {kolumna, pole.nazwaPola, "D", data()};
                        break;
                    case 3:
                        pole = {kolumna, pole.nazwaPola, "N", "   " + liczba(1000, 9999) + ",50"};
                        break;
                    default:
                        pole = {kolumna, pole.nazwaPola, "C", los() % 3 ? "T" : ""};
                        break;
                }
                if (kolumna == r.kolumn) {
                    kolumna = 0;
                    if (++rekord == r.rekordowNaPracownika) {
                        rekord = 0;
                        ++pracownik;
                    }
                }
                return true;
            },
            dialogi);
        if (sciezka)
            s.bajtyCSV += std::filesystem::file_size(*sciezka);
    }
}

Stanowisko& Przygotuj() {
    static Stanowisko s = [] {
        Stanowisko s;
        s.katalog = "/tmp/mirta_spd_bench_" + std::to_string(::getpid());
        std::filesystem::remove_all(s.katalog);
        std::filesystem::create_directories(s.katalog + "/serwer");
        std::filesystem::create_directories(s.katalog + "/spd/" + kNazwa);
        ZapiszPaczke(s.katalog + "/spd/" + kNazwa, s);
        s.serwer = std::make_unique<SerwerSftpTestowy>(s.katalog + "/serwer");
        std::ofstream(s.katalog + "/spd/known_hosts") << s.serwer->LiniaZnanegoKlucza();
        s.parametry = {s.katalog + "/spd",
                       "1234567",
                       "K",
                       "01",
                       SerwerSftpTestowy::kUzytkownik,
                       SerwerSftpTestowy::kHaslo,
                       "127.0.0.1",
                       std::to_string(s.serwer->Port()),
                       s.serwer->FolderPrzesylek()};
        return s;
    }();
    return s;
}

void WyczyscSerwer(Stanowisko& s) {
    for (const auto& wpis : std::filesystem::directory_iterator(s.serwer->FolderPrzesylek()))
        std::filesystem::remove_all(wpis.path());
}

void SpakujIWyslij(benchmark::State& state) {
    Stanowisko& s = Przygotuj();
    for (auto _ : state) {
        store::testing::DialogiSkryptowe dialogi;
        if (!spd::SpakujIWyslijSPD(kNazwa, s.parametry, dialogi)) {
            state.SkipWithError(dialogi.Teksty().back().c_str());
            break;
        }
        state.PauseTiming();
        WyczyscSerwer(s);
        state.ResumeTiming();
    }
    state.counters["MB_CSV"] = static_cast<double>(s.bajtyCSV) / 1e6;
    state.counters["MB_zip"] =
        static_cast<double>(std::filesystem::file_size(s.katalog + "/spd/" + kNazwa + ".zip")) /
        1e6;
}

// The packing alone (with the archive's MD5), to tell its share from the upload's.
void SpakujIMd5(benchmark::State& state) {
    Stanowisko& s = Przygotuj();
    const std::string baza = s.katalog + "/spd/" + kNazwa;
    for (auto _ : state) {
        benchmark::DoNotOptimize(spd::SpakujPlikiCSV(baza, baza + ".zip"));
    }
}

void KopiaCp(benchmark::State& state) {
    Stanowisko& s = Przygotuj();
    for (auto _ : state) {
        if (Uruchom({"cp", "-r", s.katalog + "/spd/" + kNazwa, s.serwer->FolderPrzesylek()}) != 0) {
            state.SkipWithError("cp");
            break;
        }
        state.PauseTiming();
        WyczyscSerwer(s);
        state.ResumeTiming();
    }
}

// One put of the finished archive by our client, to set beside OpenSSH's.
void KlientPutArchiwum(benchmark::State& state) {
    Stanowisko& s = Przygotuj();
    const std::string archiwum = s.katalog + "/spd/" + kNazwa + ".zip";
    const std::string skrypt = s.katalog + "/put.txt";
    std::ofstream(skrypt) << "open sftp://" << spd::KodujProcentowo(SerwerSftpTestowy::kUzytkownik)
                          << ":" << spd::KodujProcentowo(SerwerSftpTestowy::kHaslo)
                          << "@127.0.0.1:" << s.serwer->Port() << "\r\nCD "
                          << s.serwer->FolderPrzesylek() << "\r\nput " << archiwum
                          << "\r\nclose\r\nexit\r\n";
    spd::OpcjeKlienta opcje;
    opcje.znaneKlucze = s.katalog + "/spd/known_hosts";
    for (auto _ : state) {
        try {
            spd::WykonajSkrypt(skrypt, opcje);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
        state.PauseTiming();
        WyczyscSerwer(s);
        state.ResumeTiming();
    }
}

void SftpPutArchiwum(benchmark::State& state) {
    Stanowisko& s = Przygotuj();
    const std::string archiwum = s.katalog + "/spd/" + kNazwa + ".zip";
    if (!std::filesystem::exists(archiwum)) {
        state.SkipWithError("najpierw SpakujIWyslij");
        return;
    }
    const std::string polecenia = "cd " + s.serwer->FolderPrzesylek() + "\nput " + archiwum + "\n";
    for (auto _ : state) {
        if (Uruchom({"sftp", "-q", "-b", "-", "-i", s.serwer->KluczKlienta(), "-P",
                     std::to_string(s.serwer->Port()), "-o",
                     "UserKnownHostsFile=" + s.katalog + "/spd/known_hosts", "-o",
                     "StrictHostKeyChecking=yes", "-o", "GlobalKnownHostsFile=/dev/null",
                     std::string(SerwerSftpTestowy::kUzytkownik) + "@127.0.0.1"},
                    polecenia) != 0) {
            state.SkipWithError("sftp");
            break;
        }
        state.PauseTiming();
        WyczyscSerwer(s);
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto powod = SerwerSftpTestowy::Niedostepny()) {
        std::cerr << "spd_bench: " << *powod << "\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("SpakujIWyslijSPD", SpakujIWyslij)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SpakujPlikiCSV_i_Md5", SpakujIMd5)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("cp_CSV", KopiaCp)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("klient_put_zip", KlientPutArchiwum)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sftp_put_zip", SftpPutArchiwum)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    const std::string katalog = Przygotuj().katalog;
    Przygotuj().serwer.reset();
    if (!std::getenv("MIRTA_SPD_BENCH_ZOSTAW"))
        std::filesystem::remove_all(katalog);
    benchmark::Shutdown();
    return 0;
}
