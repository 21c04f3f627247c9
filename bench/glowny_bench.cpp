// The main window with a large unit: one keystroke in the surname search (the list moves and
// repaints), and the time from the login to a usable window on the default demo unit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "shell/glowny.h"
#include "shell/kit/db_grid.h"
#include "shell/kit/polski.h"
#include "store/engine/paradox_table.h"
#include "store/nowa_baza.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/testing/dialogi_skryptowe.h"
#include "tools/demo.h"

namespace {

using namespace mirta;
using engine::Value;

constexpr int kPracownicy = 10000;
constexpr engine::CivilDate kDzis{2026, 12, 10};

// 10,000 employees with five ranks and two positions each, as the store's benchmark makes them.
void ZbudujJednostke(const std::string& katalog) {
    auto& fs = engine::FileSystem::Real();
    store::UtworzNowaBaze(fs, katalog, kDzis);
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
        r[podzial] = Value::Text(std::to_string(1 + p % 3));
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
}

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
        auto k = (std::filesystem::temp_directory_path() / "mirta_glowny_bench").string();
        std::filesystem::remove_all(k);
        ZbudujJednostke(k);
        return k;
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
