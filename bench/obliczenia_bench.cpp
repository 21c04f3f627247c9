// Seniority of every employee of the large unit and the leave-year closing, each against one
// full read of the tables it needs, in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "store/engine/paradox_table.h"
#include "store/katalog.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/wspolne/testing/dialogi_skryptowe.h"
#include "store/zamkniecie_roku.h"
#include "store/zrodla_obliczen.h"
#include "tools/demo.h"

namespace {

using namespace mirta;

constexpr int kPracownicy = 2000;
constexpr engine::CivilDate kDzis{2026, 12, 10};

struct Jednostka {
    std::string katalog;
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;

    Jednostka() {
        katalog = (std::filesystem::temp_directory_path() / "mirta_obliczenia_bench").string();
        std::filesystem::remove_all(katalog);
        auto& fs = engine::FileSystem::Real();
        tools::OpcjeDemo opcje;
        opcje.pracownicy = kPracownicy;
        opcje.lata = 20;
        tools::UtworzDemo(fs, katalog, opcje);
        tdm = std::make_unique<store::TDM>(fs, katalog, dialogi, kDzis);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        store::DaneStartowe d{kDzis, "ADMIN", ""};
        tdm->UstawIteracjeHasel(1000);
        tdm->FunkcjaStartowa(&d);
        tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
    }

    // Reads every row of the files whole, as a plain scan would.
    size_t Przeczytaj(const std::vector<std::string>& pliki) {
        auto& fs = engine::FileSystem::Real();
        size_t n = 0;
        for (const auto& p : pliki) {
            // The payroll program's tables may live in its own directory.
            std::string sciezka = engine::ResolvePath(fs, katalog + "/" + p);
            if (p == "Mirta.DB")
                sciezka = tdm->TPracownicy->GetTable().Path();
            else if (p == "Kalendarz.DB")
                sciezka = tdm->TKalendarz->GetTable().Path();
            if (!fs.Exists(sciezka))
                continue;
            auto t = engine::ParadoxTable::Open(fs, sciezka);
            for (uint64_t i = 0; i < t->RowCount(); ++i)
                n += t->ReadRow(i).size();
        }
        return n;
    }
};

Jednostka& J() {
    static Jednostka j;
    return j;
}

// The year walk: the base leave file and every year's file, as the unpaid leave is read.
std::vector<std::string> ZPlikamiLat(std::vector<std::string> pliki) {
    for (int rok = store::kPierwszyRokPlikowUrlopow; rok <= 2049; ++rok)
        pliki.push_back(store::PlikUrlopowWykorzystanych(rok));
    return pliki;
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
