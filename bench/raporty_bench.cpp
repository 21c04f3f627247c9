// Every launcher choice for the large unit against one full read of the tables it needs, in
// the same run; and the time until the preview shows the first page of the largest report.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>

#include "bench/duza_jednostka.h"
#include "reports/definicje.h"
#include "reports/raport.h"
#include "reports/qt/miara_qt.h"
#include "reports/qt/rysowanie.h"
#include "store/zrodla_obliczen.h"

namespace {

using namespace mirta;

using bench::ZPlikamiLat;

// The demo's large unit with the measure of the report pages.
struct Jednostka : bench::OtwartaJednostka {
    std::unique_ptr<reports::ui::MiaraQt> miara;

    Jednostka() : OtwartaJednostka(bench::UtworzDuzaJednostkeDemo("mirta_raporty_bench")) {
        reports::ui::ZapewnijAplikacjeQt();
        miara = std::make_unique<reports::ui::MiaraQt>();
    }

    reports::ParametryWydruku Parametry(int numer) {
        reports::ParametryWydruku p;
        p.numer = numer;
        p.od = {2026, 1, 1};
        p.doDnia = {2026, 12, 31};
        p.czasDruku = "2026-12-10 12:00:00";
        if (!tdm->TPracownicy->IsEmpty())
            p.biezacyPracownik =
                static_cast<int32_t>(tdm->TPracownicy->RowAt(0)["Identyfikator"].AsInteger());
        if (numer == reports::kWyborKonfigurowany) {
            const auto spis = reports::SpisDefinicji(*tdm1);
            if (!spis.empty())
                reports::OdczytajDefinicje(*tdm1, spis.back().id, p.definicja);
        }
        return p;
    }
};

Jednostka& J() {
    static Jednostka j;
    return j;
}

// The tables each choice reads.
std::vector<std::string> Tabele(int numer) {
    const std::vector<std::string> staz =
        ZPlikamiLat({"Mirta.DB", "Zatrudnienie.db", "PopZatr.db", "Urlopy.db", "Szkodliwe.db"});
    auto z = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    switch (numer) {
        case 1:
            return {"Mirta.DB"};
        case 2:
            return {"Mirta.DB", "Wykszt.DB", "RodzWyk.db", "StNauk.db", "TytZaw.db"};
        case 3:
            return {"Mirta.DB", "Kursy.DB", "RodzKurs.db"};
        case 4:
            return {"Mirta.DB", "Nagrody.DB"};
        case 5:
            return {"Mirta.DB", "PracStop.db", "SlStopni.db"};
        case 6:
            return {"Mirta.DB", "Zwolnienia.db"};
        case 7:
            return {"Mirta.DB", "DodZatrudn.db"};
        case 8:
        case 19:
            return z(staz, {"UrN2026.DB", "WykUrl2026.DB", "RodzUrlop.db", "Kalendarz.DB"});
        case 9:
        case 10:
            return {"Mirta.DB", "WykUrl2026.DB", "RodzUrlop.db", "Kalendarz.DB"};
        case 11:
        case 12:
            return {"Mirta.DB", "Choroby.db", "Kalendarz.DB"};
        case 13:
            return {"Mirta.DB", "Nieobecnosci.DB", "Kalendarz.DB"};
        case 14:
            return z(staz, {"PracGrup.db", "PracStop.db", "DodSluz.db", "DodInny.db", "SlGrup.db",
                            "StawGrup.DB", "StawStop.DB", "Premie.db", "PrPracCyw.DB"});
        case 15:
        case 16:
            return staz;
        default:
            return {"Mirta.DB"};
    }
}

void BM_OdczytTabel(benchmark::State& state) {
    const auto tabele = Tabele(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(J().Przeczytaj(tabele));
}

void BM_Wydruk(benchmark::State& state) {
    auto& j = J();
    const reports::ParametryWydruku p = j.Parametry(int(state.range(0)));
    size_t strony = 0;
    for (auto _ : state) {
        store::ZrodlaObliczen zrodla(*j.tdm, *j.tdm1);
        strony = reports::PrzygotujWydruk(zrodla, *j.miara, p).strony.size();
    }
    state.counters["strony"] = double(strony);
}

// What the preview does before it shows anything: the run's setup, layout up to the first
// finished page and its picture at page width.
void BM_PierwszaStronaPodgladu(benchmark::State& state) {
    auto& j = J();
    const reports::ParametryWydruku p = j.Parametry(int(state.range(0)));
    for (auto _ : state) {
        reports::ZadanieWydruku z(*j.tdm, *j.tdm1, *j.miara, p);
        while (z.Postep().GotoweStrony() == 0 && z.Postep().Krok()) {
        }
        benchmark::DoNotOptimize(reports::ui::ObrazStrony(z.Postep().Strony().front(), 1.6));
    }
}

void Wybory(benchmark::internal::Benchmark* b) {
    for (int n = 1; n <= reports::kLiczbaWyborow; ++n)
        if (n != reports::kWyborWzorca)
            b->Arg(n);
}

BENCHMARK(BM_OdczytTabel)->Apply(Wybory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wydruk)->Apply(Wybory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PierwszaStronaPodgladu)->Arg(9)->Arg(15)->Arg(19)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    J();  // the demo unit is made before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// ---- The first preview page of the largest report ----

namespace {

// The choice with the most pages on the large unit, found once before any timing.
int NajwiekszyWybor() {
    static const int numer = [] {
        auto& j = J();
        int najwiekszy = 1;
        size_t najwiecej = 0;
        for (int n = 1; n <= reports::kLiczbaWyborow; ++n) {
            if (n == reports::kWyborWzorca)
                continue;
            store::ZrodlaObliczen zrodla(*j.tdm, *j.tdm1);
            const size_t s =
                reports::PrzygotujWydruk(zrodla, *j.miara, j.Parametry(n)).strony.size();
            if (s > najwiecej) {
                najwiecej = s;
                najwiekszy = n;
            }
        }
        return najwiekszy;
    }();
    return numer;
}

// From "Podgląd" to the first page on screen for that choice, as the preview does it: the
// run's checks and setup, the layout up to the first finished page, its picture.
void BM_PierwszaStronaNajwiekszegoWydruku(benchmark::State& state) {
    auto& j = J();
    const int numer = NajwiekszyWybor();
    const reports::ParametryWydruku p = j.Parametry(numer);
    for (auto _ : state) {
        reports::ZadanieWydruku z(*j.tdm, *j.tdm1, *j.miara, p);
        while (z.Postep().GotoweStrony() == 0 && z.Postep().Krok()) {
        }
        benchmark::DoNotOptimize(reports::ui::ObrazStrony(z.Postep().Strony().front(), 1.6));
    }
    state.counters["wybor"] = numer;
}

BENCHMARK(BM_PierwszaStronaNajwiekszegoWydruku)->Unit(benchmark::kMillisecond);

}  // namespace
