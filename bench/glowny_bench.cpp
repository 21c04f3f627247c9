// The main window with a large unit: one keystroke in the surname search (the list moves and
// repaints), the time from the login to a usable window on the default demo unit and on the
// large one (`mirta demo --pracownicy 2000 --lata 20`), and a switch to each page of the
// employee's file on the large one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "bench/duza_jednostka.h"
#include "kit/db_grid.h"
#include "kit/polski.h"
#include "shell/glowny.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "tools/demo.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace {

using namespace mirta;
using engine::Value;

constexpr int kPracownicy = 10000;
constexpr engine::CivilDate kDzis{2026, 12, 10};

// The data modules and the main window after the start sequence.
struct Program {
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
    std::unique_ptr<shell::TFGlowny> glowny;

    // `hasloJakWProgramie`: the password hash as costly as the program makes it.
    explicit Program(const std::string& katalog, bool hasloJakWProgramie = false) {
        tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), katalog, dialogi, kDzis);
        if (!hasloJakWProgramie)
            tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        glowny = std::make_unique<shell::TFGlowny>(*tdm, *tdm1, dialogi);
        // ADMIN has no password yet; the window asking for one would wait for a user.
        glowny->UstawZmianeHaslaPoZalogowaniu(false);
        glowny->UstawLogowanie([this](QWidget*) {
            const store::DaneStartowe d{kDzis, "ADMIN", ""};
            tdm->FunkcjaStartowa(&d);
        });
    }
    ~Program() { glowny->UstawZamknijBezPytania(true); }

    bool Uruchom() {
        glowny->show();
        if (!glowny->SekwencjaStartowa())
            return false;
        QApplication::processEvents();
        return true;
    }
};

std::string KatalogJednostki() {
    static const std::string katalog = [] {
        return bench::ZbudujDuzaJednostke(
            (std::filesystem::temp_directory_path() / "mirta_glowny_bench").string(), kPracownicy,
            3);
    }();
    return katalog;
}

void BM_ZnakWyszukiwania(benchmark::State& state) {
    Program p(KatalogJednostki());
    if (!p.Uruchom()) {
        state.SkipWithError("logowanie się nie udało");
        return;
    }
    // Every division shown, so the list holds all 10,000.
    p.tdm->Filtr().PokazEmerytow = true;
    p.tdm->OdswiezListePracownikow();
    QLineEdit* szukaj = p.glowny->SzukajNazwiska();
    QWidget* lista = p.glowny->ListaPracownikow()->viewport();
    const char* const teksty[] = {"Nazwisko1", "Nazwisko5", "Nazwisko9", "Nazwisko3",
                                  "Nazwisko7", "Nazwisko2", "Nazwisko8", "Nazwisko4"};
    size_t i = 0;
    for (auto _ : state) {
        szukaj->setText(teksty[i++ % std::size(teksty)]);
        lista->repaint();
    }
    if (p.tdm->TPracownicy->RecordCount() != kPracownicy)
        state.SkipWithError("lista nie ma wszystkich pracowników");
    if (!p.dialogi.komunikaty.empty())
        state.SkipWithError(p.dialogi.komunikaty.front().tekst.c_str());
}
BENCHMARK(BM_ZnakWyszukiwania)->Unit(benchmark::kMillisecond);

// From the login to a window the user can work in, on the unit `mirta demo` makes by default:
// the first login (which stores the password's hash) and a later one (which checks it).
void ZmierzStartNaDemo() {
    QTemporaryDir katalog;
    tools::UtworzDemo(engine::FileSystem::Real(), katalog.path().toStdString(), {});
    for (const char* ktore : {"pierwsze", "kolejne"}) {
        Program p(katalog.path().toStdString(), /*hasloJakWProgramie=*/true);
        const auto od = std::chrono::steady_clock::now();
        const bool zalogowany = p.Uruchom();
        p.glowny->ListaPracownikow()->viewport()->repaint();
        const auto ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - od)
                .count();
        std::printf(
            "Od logowania do gotowego okna (demo, %s logowanie, %lld pracowników na "
            "liście): %.1f ms%s\n",
            ktore, static_cast<long long>(p.tdm->TPracownicy->RecordCount()), ms,
            zalogowany ? "" : " (logowanie nieudane)");
    }
}

std::string KatalogDuzejJednostkiDemo() {
    static const std::string katalog = bench::UtworzDuzaJednostkeDemo("mirta_glowny_bench_demo");
    return katalog;
}

// From the login (a later one: the password's hash is stored) to the window with the list
// painted, on the large demo unit.
void BM_LogowanieDuzejJednostki(benchmark::State& state) {
    const std::string katalog = KatalogDuzejJednostkiDemo();
    {
        Program pierwsze(katalog, /*hasloJakWProgramie=*/true);
        pierwsze.Uruchom();
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Program>(katalog, /*hasloJakWProgramie=*/true);
        state.ResumeTiming();
        if (!p->Uruchom()) {
            state.SkipWithError("logowanie się nie udało");
            break;
        }
        p->glowny->ListaPracownikow()->viewport()->repaint();
        state.PauseTiming();
        state.counters["pracownicy"] = static_cast<double>(p->tdm->TPracownicy->RecordCount());
        p.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LogowanieDuzejJednostki)->Unit(benchmark::kMillisecond)->Iterations(3);

// One switch to a page of the employee's file, painted, on the large demo unit; the pages are
// taken in turn and the slowest one is reported.
void BM_PrzelaczenieStrony(benchmark::State& state) {
    Program p(KatalogDuzejJednostkiDemo(), /*hasloJakWProgramie=*/true);
    if (!p.Uruchom()) {
        state.SkipWithError("logowanie się nie udało");
        return;
    }
    p.glowny->resize(1280, 860);
    QApplication::processEvents();
    std::vector<QString> strony;
    for (const shell::OpisStrony& o : shell::OpisyStron())
        strony.push_back(QString::fromUtf8(o.tytul.data(), static_cast<int>(o.tytul.size())));
    double najwolniejsza = 0;
    QString ktora;
    size_t i = 0;
    for (auto _ : state) {
        const QString& strona = strony[i++ % strony.size()];
        const auto od = std::chrono::steady_clock::now();
        p.glowny->Strony()->PokazStrone(strona);
        QApplication::processEvents();
        p.glowny->repaint();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - od)
                .count();
        if (ms > najwolniejsza) {
            najwolniejsza = ms;
            ktora = strona;
        }
    }
    state.counters["strony"] = static_cast<double>(strony.size());
    state.counters["max_ms"] = najwolniejsza;
    std::printf("Najwolniejsze przełączenie: \"%s\" %.1f ms\n", ktora.toStdString().c_str(),
                najwolniejsza);
    if (!p.dialogi.komunikaty.empty())
        state.SkipWithError(p.dialogi.komunikaty.front().tekst.c_str());
}
BENCHMARK(BM_PrzelaczenieStrony)->Unit(benchmark::kMillisecond)->Iterations(120);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kit::SetUpPolish(app);
    ZmierzStartNaDemo();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
