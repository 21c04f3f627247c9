// A backup of the large unit and a verified restore of it, against cp -r of the same directory,
// in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "bench/duza_jednostka.h"
#include "kopia/kopia_danych.h"
#include "engine/file_system.h"

namespace {

using namespace mirta;
namespace fs = std::filesystem;

const fs::path& Jednostka() {
    static const fs::path katalog = [] {
        const fs::path k = fs::temp_directory_path() / "mirta_kopia_bench" / "dane";
        fs::remove_all(k.parent_path());  // the copies made beside it too
        bench::UtworzDuzaJednostkeDemo("mirta_kopia_bench/dane");
        return k;
    }();
    return katalog;
}

uint64_t Bajty(const fs::path& k) {
    uint64_t n = 0;
    for (const auto& w : fs::recursive_directory_iterator(k))
        if (w.is_regular_file())
            n += w.file_size();
    return n;
}

void KopiaIOdtworzenie(benchmark::State& state) {
    const fs::path& dane = Jednostka();
    const fs::path kopie = dane.parent_path() / "kopie";
    const fs::path nowy = dane.parent_path() / "odtworzone";
    for (auto _ : state) {
        fs::remove_all(kopie);
        fs::remove_all(nowy);
        const kopia::WynikKopii w = kopia::UtworzKopie(dane.string(), kopie.string(), {});
        kopia::OdtworzKopie(w.archiwum, nowy.string());
        state.counters["archiwum_MB"] = static_cast<double>(fs::file_size(w.archiwum)) / 1e6;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bajty(dane)));
}
BENCHMARK(KopiaIOdtworzenie)->Unit(benchmark::kMillisecond)->UseRealTime();

void KopiaCp(benchmark::State& state) {
    const fs::path& dane = Jednostka();
    const fs::path cel = dane.parent_path() / "cp";
    for (auto _ : state) {
        fs::remove_all(cel);
        const std::string p = "cp -r '" + dane.string() + "' '" + cel.string() + "'";
        if (std::system(p.c_str()) != 0)
            state.SkipWithError("cp -r nie powiodło się");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bajty(dane)));
}
BENCHMARK(KopiaCp)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
