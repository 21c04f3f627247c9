// Date and seniority computations against the literal day-by-day rules they replace.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "compute/data_kal.h"
#include "compute/okres_lmd.h"
#include "compute/przedzial_dat.h"
#include "compute/staz.h"
#include "compute/testing/krokowo.h"

namespace {

using namespace mirta::compute;

DataKal LosowaData(std::mt19937& gen, int32_t rokOd, int32_t rokDo) {
    const int32_t rok = std::uniform_int_distribution<int32_t>(rokOd, rokDo)(gen);
    const int miesiac = std::uniform_int_distribution<int>(1, 12)(gen);
    const int dzien = std::uniform_int_distribution<int>(1, DniMiesiaca(rok, miesiac))(gen);
    return DataKal{rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)};
}

// Periods as employment records have them: a few days to a few decades.
const std::vector<PrzedzialDat>& Okresy() {
    static const std::vector<PrzedzialDat> okresy = [] {
        std::mt19937 gen(42);
        std::vector<PrzedzialDat> w;
        for (int i = 0; i < 1024; ++i) {
            const DataKal od = LosowaData(gen, 1970, 2020);
            w.push_back({od, DodajDni(od, std::uniform_int_distribution<int>(0, 12000)(gen))});
        }
        return w;
    }();
    return okresy;
}

// An employee with 20 records: 12 in this unit (contiguous runs, gaps, an overlap, an open
// last one), 5 previous employments and 3 unpaid leaves.
DaneStazu Pracownik() {
    DaneStazu d;
    DataKal od{1990, 3, 15};
    for (int i = 0; i < 12; ++i) {
        const DataKal doDnia = i == 11 ? DataKal{} : DodajDni(od, 500 + 37 * i);
        d.zatrudnienie.push_back({od, doDnia, 1 + i % 4});
        od = i % 3 == 0 ? DodajDni(doDnia, 20)
                        : (i % 5 == 0 ? DodajDni(doDnia, -10) : NastepnyDzien(doDnia));
    }
    DataKal pop{1980, 9, 1};
    for (int i = 0; i < 5; ++i) {
        const DataKal doDnia = DodajDni(pop, 400 + 50 * i);
        d.poprzednieZatrudnienie.push_back({pop, doDnia, true, i % 2 == 0, true, i != 3});
        pop = DodajDni(doDnia, i % 2 ? 1 : 30);
    }
    d.urlopy = {{DataKal{1995, 2, 1}, DataKal{1995, 4, 30}, 9},
                {DataKal{2003, 7, 1}, DataKal{2003, 12, 15}, 9},
                {DataKal{2012, 1, 10}, DataKal{2012, 1, 31}, 9}};
    return d;
}

const RodzajStazu kRodzaje[] = {RodzajStazu::Wysluga, RodzajStazu::Sluzba,
                                RodzajStazu::NagrodaJubileuszowa, RodzajStazu::Emerytura};
const DataKal kDzienPrzetwarzania{2026, 12, 10};

void BM_DlugoscOkresu(benchmark::State& state) {
    const auto& okresy = Okresy();
    size_t i = 0;
    for (auto _ : state) {
        const PrzedzialDat& p = okresy[i++ & 1023];
        benchmark::DoNotOptimize(DlugoscOkresu(p.od, p.do_));
    }
}
BENCHMARK(BM_DlugoscOkresu);

void BM_DlugoscOkresu_Krokowo(benchmark::State& state) {
    const auto& okresy = Okresy();
    size_t i = 0;
    for (auto _ : state) {
        const PrzedzialDat& p = okresy[i++ & 1023];
        benchmark::DoNotOptimize(krokowo::Okres(p.od, p.do_));
    }
}
BENCHMARK(BM_DlugoscOkresu_Krokowo);

void BM_DniPrzedzialu(benchmark::State& state) {
    const auto& okresy = Okresy();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(DniPrzedzialu(okresy[i++ & 1023]));
}
BENCHMARK(BM_DniPrzedzialu);

void BM_DniPrzedzialu_Krokowo(benchmark::State& state) {
    const auto& okresy = Okresy();
    size_t i = 0;
    for (auto _ : state) {
        const PrzedzialDat& p = okresy[i++ & 1023];
        const int64_t r = krokowo::Roznica(p.do_, p.od);
        benchmark::DoNotOptimize(r >= 0 ? r + 1 : r - 1);
    }
}
BENCHMARK(BM_DniPrzedzialu_Krokowo);

void BM_StazCzterechRodzajow(benchmark::State& state) {
    const DaneStazu d = Pracownik();
    for (auto _ : state)
        for (const RodzajStazu r : kRodzaje)
            benchmark::DoNotOptimize(Staz(d, r, kDzienPrzetwarzania));
}
BENCHMARK(BM_StazCzterechRodzajow);

void BM_StazCzterechRodzajow_Krokowo(benchmark::State& state) {
    const DaneStazu d = Pracownik();
    for (auto _ : state)
        for (const RodzajStazu r : kRodzaje)
            benchmark::DoNotOptimize(krokowo::Staz(d, r, kDzienPrzetwarzania));
}
BENCHMARK(BM_StazCzterechRodzajow_Krokowo);

void BM_DataNastepnegoWzrostu(benchmark::State& state) {
    const DaneStazu d = Pracownik();
    for (auto _ : state)
        benchmark::DoNotOptimize(DataNastepnegoWzrostu(d, 2026));
}
BENCHMARK(BM_DataNastepnegoWzrostu);

void BM_DataNastepnegoWzrostu_Krokowo(benchmark::State& state) {
    const DaneStazu d = Pracownik();
    for (auto _ : state) {
        const OkresLMD p = krokowo::Staz(d, RodzajStazu::Wysluga, DataKal{2026, 12, 31});
        benchmark::DoNotOptimize(krokowo::NastepnyWzrost(p, 2026).data);
    }
}
BENCHMARK(BM_DataNastepnegoWzrostu_Krokowo);

// The increase search alone, over every count of months and days a seniority can have.
void BM_NastepnyWzrost(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const OkresLMD p{10, static_cast<int8_t>(i % 12), static_cast<int8_t>(i % 31)};
        benchmark::DoNotOptimize(NastepnyWzrost(p, 2026));
        ++i;
    }
}
BENCHMARK(BM_NastepnyWzrost);

void BM_NastepnyWzrost_Krokowo(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const OkresLMD p{10, static_cast<int8_t>(i % 12), static_cast<int8_t>(i % 31)};
        benchmark::DoNotOptimize(krokowo::NastepnyWzrost(p, 2026));
        ++i;
    }
}
BENCHMARK(BM_NastepnyWzrost_Krokowo);

}  // namespace
