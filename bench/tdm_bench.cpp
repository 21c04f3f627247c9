// The employee list through the filter with the calculated rank and position, against a raw
// scan of Mirta.DB in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/duza_jednostka.h"
#include "engine/paradox_table.h"

namespace {

using namespace mirta;

constexpr int kPracownicy = 10000;

struct Jednostka : bench::OtwartaJednostka {
    Jednostka()
        : OtwartaJednostka(bench::ZbudujDuzaJednostke(
              (std::filesystem::temp_directory_path() / "mirta_tdm_bench").string(), kPracownicy,
              4)) {
        // Every division shown, so the list holds all 10,000.
        tdm->Filtr().PokazEmerytow = true;
    }
};

Jednostka& J() {
    static Jednostka j;
    return j;
}

void BM_SurowyOdczytMirta(benchmark::State& state) {
    auto& j = J();
    auto mirta = engine::ParadoxTable::Open(engine::FileSystem::Real(), j.katalog + "/Mirta.DB");
    for (auto _ : state) {
        size_t n = 0;
        for (uint64_t i = 0; i < mirta->RowCount(); ++i)
            n += mirta->ReadRow(i).size();
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_SurowyOdczytMirta)->Unit(benchmark::kMillisecond);

void BM_ListaPracownikow(benchmark::State& state) {
    auto& j = J();
    auto& p = *j.tdm->TPracownicy;
    for (auto _ : state) {
        j.tdm->OdswiezListePracownikow();
        size_t n = 0;
        for (int64_t i = 0; i < p.RecordCount(); ++i) {
            auto r = p.RowAt(i);
            n += r.Text("AktualnyStopien").size() + r.Text("AktualneStanowisko").size();
        }
        benchmark::DoNotOptimize(n);
        if (p.RecordCount() != kPracownicy)
            state.SkipWithError("lista nie ma wszystkich pracowników");
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_ListaPracownikow)->Unit(benchmark::kMillisecond);

// The rows of a list already built: what painting the grid costs.
void BM_WierszeListy(benchmark::State& state) {
    auto& j = J();
    auto& p = *j.tdm->TPracownicy;
    j.tdm->OdswiezListePracownikow();
    for (auto _ : state) {
        size_t n = 0;
        for (int64_t i = 0; i < p.RecordCount(); ++i) {
            auto r = p.RowAt(i);
            n += r.Text("AktualnyStopien").size() + r.Text("AktualneStanowisko").size();
        }
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_WierszeListy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
