// A full package of the large unit (2000 people, 20 years), generated in bulk, against writing
// the same bytes with plain sequential writes in the same run. Row count, package folder size
// and peak memory are reported.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "bench/duza_jednostka.h"
#include "bench/szczyt_pamieci.h"
#include "spd/generowanie.h"
#include "spd/harmonogram.h"
#include "spd/tabele_spd.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace {

using namespace mirta;
namespace fs = std::filesystem;

constexpr engine::CivilDate kDzis{2026, 12, 10};

struct Jednostka {
    std::string katalog;
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
    spd::Zaznaczenia wszystkie;
    std::string ostatniFolder;  // of the last package made
};

Jednostka& Przygotuj() {
    static Jednostka j = [] {
        Jednostka j;
        j.katalog =
            bench::UtworzDuzaJednostkeDemo("mirta_spd_gen_bench_" + std::to_string(::getpid()));
        return j;
    }();
    if (!j.tdm) {
        j.tdm =
            std::make_unique<store::TDM>(engine::FileSystem::Real(), j.katalog, j.dialogi, kDzis);
        j.tdm1 = std::make_unique<store::TDM1>(*j.tdm);
        const store::DaneStartowe d{kDzis, "KADRY", "kadry"};
        j.tdm->FunkcjaStartowa(&d);
        j.wszystkie = spd::Zaznaczenia::Wszystkie(spd::CzytajHarmonogram(
            *spd::OtworzTabeleSPD(engine::FileSystem::Real(), j.katalog, "THarmonogramPrzesylek")));
    }
    return j;
}

uint64_t RozmiarFolderu(const fs::path& folder) {
    uint64_t bajty = 0;
    for (const auto& wpis : fs::directory_iterator(folder))
        bajty += wpis.file_size();
    return bajty;
}

void PelnaPaczka(benchmark::State& state) {
    Jednostka& j = Przygotuj();
    spd::OpcjeGenerowania opcje;
    opcje.dataDanych = compute::DataKal{2026, 12, 10};
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";  // restart the peak count
        j.dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        const spd::WynikGenerowania w =
            spd::GenerujPrzesylkeSPD(*j.tdm, *j.tdm1, j.wszystkie, j.dialogi, opcje);
        if (w.stan != spd::WynikGenerowania::Stan::Wygenerowano) {
            for (const auto& k : j.dialogi.komunikaty)
                std::cerr << k.tekst << "\n";
            state.SkipWithError("generowanie");
            break;
        }
        int64_t wiersze = 0;
        for (const auto& n : w.naglowki)
            wiersze += n.wiersze;
        j.ostatniFolder = spd::SciezkaWKatalogu(j.katalog, w.folder);
        state.counters["wiersze"] = static_cast<double>(wiersze);
        state.counters["folder_MB"] = static_cast<double>(RozmiarFolderu(j.ostatniFolder)) / 1e6;
        state.counters["peak_MB"] = static_cast<double>(bench::SzczytPamieciKb()) / 1024.0;
    }
}

// The package's files written again with write(2) in 64 KiB pieces, one fsync per file.
void ZapisSekwencyjny(benchmark::State& state) {
    Jednostka& j = Przygotuj();
    if (j.ostatniFolder.empty()) {
        state.SkipWithError("najpierw PelnaPaczka");
        return;
    }
    std::vector<std::pair<std::string, std::string>> pliki;
    for (const auto& wpis : fs::directory_iterator(j.ostatniFolder)) {
        std::ifstream f(wpis.path(), std::ios::binary);
        pliki.emplace_back(wpis.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(f), {}));
    }
    const fs::path cel = j.katalog + "/kopia";
    uint64_t bajty = 0;
    for (auto _ : state) {
        fs::remove_all(cel);
        fs::create_directories(cel);
        for (const auto& [nazwa, tresc] : pliki) {
            const int fd = ::open((cel / nazwa).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            for (size_t pos = 0; pos < tresc.size();) {
                const size_t n = std::min<size_t>(65536, tresc.size() - pos);
                if (::write(fd, tresc.data() + pos, n) != static_cast<ssize_t>(n)) {
                    state.SkipWithError("write");
                    break;
                }
                pos += n;
            }
            ::fsync(fd);
            ::close(fd);
            bajty += tresc.size();
        }
    }
    state.counters["folder_MB"] =
        static_cast<double>(bajty) / 1e6 / static_cast<double>(state.iterations());
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("PelnaPaczkaDuzejJednostki", PelnaPaczka)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
    benchmark::RegisterBenchmark("ZapisSekwencyjnyTychSamychBajtow", ZapisSekwencyjny)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    Jednostka& j = Przygotuj();
    j.tdm1.reset();
    j.tdm.reset();
    if (!std::getenv("MIRTA_SPD_BENCH_ZOSTAW"))
        fs::remove_all(j.katalog);
    benchmark::Shutdown();
    return 0;
}
