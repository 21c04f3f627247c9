// Seniority of every employee of the large unit and the leave-year closing, each against one
// full read of the tables it needs, in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/duza_jednostka.h"
#include "store/obraz_pracownika.h"
#include "store/zamkniecie_roku.h"
#include "store/zrodla_obliczen.h"

namespace {

using namespace mirta;

constexpr int kPracownicy = bench::kPracownicyDemo;
using bench::ZPlikamiLat;

bench::OtwartaJednostka& J() {
    static bench::OtwartaJednostka j(bench::UtworzDuzaJednostkeDemo("mirta_obliczenia_bench"));
    return j;
}

const std::vector<std::string> kTabeleStazu =
    ZPlikamiLat({"Mirta.DB", "Zatrudnienie.db", "PopZatr.db", "Urlopy.db", "Szkodliwe.db"});

void BM_OdczytTabelStazu(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(J().Przeczytaj(kTabeleStazu));
}
BENCHMARK(BM_OdczytTabelStazu)->Unit(benchmark::kMillisecond);

// What `mirta staz ID` computes, for every employee in one operation.
void BM_StazWszystkich(benchmark::State& state) {
    auto& j = J();
    for (auto _ : state) {
        store::ZrodlaObliczen zrodla(*j.tdm, *j.tdm1);
        const compute::DataKal data = store::DataPrzetwarzania(zrodla);
        engine::Table& mirta = zrodla.Tabela(j.tdm->TPracownicy);
        double suma = 0;
        for (uint64_t i = 0; i < mirta.RowCount(); ++i) {
            const auto id = static_cast<int32_t>(mirta.ReadField(i, 0).AsInteger());
            suma += store::PoliczObrazPracownika(zrodla, id, data, {false, false})
                        .staz.procentFunkcjonariusza;
        }
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_StazWszystkich)->Unit(benchmark::kMillisecond);

const std::vector<std::string> kTabeleZamkniecia =
    ZPlikamiLat({"Mirta.DB", "Zatrudnienie.db", "PopZatr.db", "Urlopy.db", "UrN2026.DB",
                 "Szkodliwe.db", "RodzUrlop.db", "Kalendarz.DB"});

void BM_OdczytTabelZamkniecia(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(J().Przeczytaj(kTabeleZamkniecia));
}
BENCHMARK(BM_OdczytTabelZamkniecia)->Unit(benchmark::kMillisecond);

void BM_ZamkniecieRoku(benchmark::State& state) {
    auto& j = J();
    for (auto _ : state) {
        j.dialogi.odpowiedzi = {store::Odpowiedz::Tak};
        const auto wynik = store::ZamknijRokUrlopowy(*j.tdm, *j.tdm1, j.dialogi);
        state.PauseTiming();
        if (wynik != store::WynikZamkniecia::Zamknieto)
            state.SkipWithError("zamknięcie się nie udało");
        for (const char* p : {"UrN2027.DB", "UrN2027.PX", "WykUrl2027.DB", "WykUrl2027.PX"})
            std::filesystem::remove(j.katalog + "/" + p);
        j.dialogi.komunikaty.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_ZamkniecieRoku)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    J();  // the demo unit is made before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
