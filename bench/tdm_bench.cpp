// The employee list through the filter with the calculated rank and position, against a raw
// scan of Mirta.DB in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "store/engine/paradox_table.h"
#include "store/nowa_baza.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/testing/dialogi_skryptowe.h"

namespace {

using namespace mirta;
using engine::Value;

constexpr int kPracownicy = 10000;

struct Jednostka {
    std::string katalog;
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;

    Jednostka() {
        katalog = (std::filesystem::temp_directory_path() / "mirta_tdm_bench").string();
        std::filesystem::remove_all(katalog);
        auto& fs = engine::FileSystem::Real();
        store::UtworzNowaBaze(fs, katalog, {2026, 12, 10});
        auto otworz = [&](const char* plik) {
            return engine::ParadoxTable::Open(fs, katalog + "/" + plik);
        };
        auto wiersz = [](engine::Table& t) { return engine::Record(t.Fields().size()); };
        {
            auto slownik = otworz("SlStopni.db");
            for (int i = 0; i < 20; ++i) {
                auto r = wiersz(*slownik);
                r[0] = Value::Text("stopień " + std::to_string(i));
                slownik->Insert(r);
            }
            slownik->Sync();
            auto stanowiska = otworz("SlStanowisk.db");
            for (int i = 0; i < 200; ++i) {
                auto r = wiersz(*stanowiska);
                r[0] = Value::Text("stanowisko " + std::to_string(i));
                stanowiska->Insert(r);
            }
            stanowiska->Sync();
        }
        auto mirta = otworz("Mirta.DB");
        auto pracStop = otworz("PracStop.db");
        auto stan = otworz("Stanowiska.db");
        for (auto* t : {mirta.get(), pracStop.get(), stan.get()})
            t->BeginBulk();
        auto pole = [&](const char* nazwa) {
            const auto& pola = mirta->Fields();
            for (size_t i = 0; i < pola.size(); ++i)
                if (pola[i].name == nazwa)
                    return static_cast<int>(i);
            return -1;
        };
        const int nazwisko = pole("Nazwisko"), imie = pole("Imie1"), podzial = pole("Podzial");
        for (int p = 1; p <= kPracownicy; ++p) {
            auto r = wiersz(*mirta);
            r[nazwisko] = Value::Text("Nazwisko" + std::to_string(p * 7919 % kPracownicy));
            r[imie] = Value::Text(p % 2 ? "Jan" : "Anna");
            r[podzial] = Value::Text(std::to_string(1 + p % 4));
            mirta->Insert(r);
            for (int k = 0; k < 5; ++k) {
                auto s = wiersz(*pracStop);
                s[0] = Value::Integer(p);
                s[1] = Value::Date(engine::DayNumberFromCivil(2000 + k * 4, 1, 1));
                s[2] = Value::Integer(1 + (p + k) % 20);
                pracStop->Insert(s);
            }
            for (int k = 0; k < 2; ++k) {
                auto s = wiersz(*stan);
                s[0] = Value::Integer(p);
                s[1] = Value::Date(engine::DayNumberFromCivil(2005 + k * 10, 1, 1));
                s[2] = Value::Integer(1 + (p + k) % 200);
                stan->Insert(s);
            }
        }
        for (auto* t : {mirta.get(), pracStop.get(), stan.get()})
            t->EndBulk();
        tdm = std::make_unique<store::TDM>(fs, katalog, dialogi, engine::CivilDate{2026, 12, 10});
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        store::DaneStartowe d{{2026, 12, 10}, "ADMIN", ""};
        tdm->UstawIteracjeHasel(1000);
        tdm->FunkcjaStartowa(&d);
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
