// The payroll export of the large unit (every employee appended to MIRTA.DBF and PRACLIST.DBF,
// each row counted on the disk as it is written) against appending the same rows' bytes with
// plain writes, in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "bench/duza_jednostka.h"
#include "engine/dbf_table.h"
#include "payroll/przegrywanie.h"

namespace {

using namespace mirta;

constexpr int kPracownicy = 2000;

std::string Czytaj(const std::string& sciezka) {
    std::ifstream in(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Zapisz(const std::string& sciezka, const std::string& bajty) {
    std::ofstream out(sciezka, std::ios::binary | std::ios::trunc);
    out.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
}

struct Plik {
    std::string sciezka;
    std::string pusty;      // the file as the payroll program left it
    uint32_t naglowek = 0;  // bytes before the first row
    uint32_t wiersz = 0;    // bytes of one row
    std::string wiersze;    // the rows one export appends
};

std::string KatalogJednostki() {
    const char* baza = std::getenv("MIRTA_BENCH_DIR");
    return std::string(baza ? baza : "/tmp/mirta_bench") + "/placowe";
}

struct Jednostka : bench::OtwartaJednostka {
    Plik mirta, lista;

    Jednostka() : OtwartaJednostka(bench::ZbudujDuzaJednostke(KatalogJednostki(), kPracownicy, 4)) {
        tdm->Filtr().PokazEmerytow = true;
        tdm->OdswiezListePracownikow();

        auto& fs = engine::FileSystem::Real();
        for (auto [plik, nazwa] : {std::pair{&mirta, "MIRTA.DBF"}, {&lista, "PRACLIST.DBF"}}) {
            plik->sciezka = katalog + "/ROVANTE/" + nazwa;
            plik->pusty = Czytaj(plik->sciezka);
            auto t = engine::DbfTable::Open(fs, plik->sciezka);
            plik->wiersz = t->RecordSize();
            plik->naglowek = static_cast<uint32_t>(plik->pusty.size() - 1);  // before the end mark
        }
        // One export gives the rows the plain writes append.
        Przegraj();
        for (Plik* p : {&mirta, &lista}) {
            const std::string pelny = Czytaj(p->sciezka);
            p->wiersze = pelny.substr(p->naglowek, size_t(kPracownicy) * p->wiersz);
        }
    }

    void Oproznij() {
        for (Plik* p : {&mirta, &lista})
            Zapisz(p->sciezka, p->pusty);
    }

    int64_t Przegraj() {
        dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        return payroll::PrzegrajDanePlacowe(engine::FileSystem::Real(), katalog, *tdm->TPracownicy,
                                            tdm->Sesja(), {}, dialogi)
            .przegranych;
    }
};

Jednostka& J() {
    static Jednostka j;
    return j;
}

void BM_PrzegrajDanePlacowe(benchmark::State& state) {
    auto& j = J();
    for (auto _ : state) {
        state.PauseTiming();
        j.Oproznij();
        state.ResumeTiming();
        if (j.Przegraj() != kPracownicy)
            state.SkipWithError("nie wszyscy pracownicy przegrani");
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
BENCHMARK(BM_PrzegrajDanePlacowe)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes, one write per row into each file in turn, with no flush and no header.
void ZwykleDopisanie(benchmark::State& state, bool syncNaKoncu) {
    auto& j = J();
    for (auto _ : state) {
        state.PauseTiming();
        j.Oproznij();
        state.ResumeTiming();
        const int fm = ::open(j.mirta.sciezka.c_str(), O_WRONLY);
        const int fl = ::open(j.lista.sciezka.c_str(), O_WRONLY);
        for (int i = 0; i < kPracownicy; ++i) {
            for (auto [fd, p] : {std::pair{fm, &j.mirta}, {fl, &j.lista}}) {
                const off_t gdzie = off_t(p->naglowek) + off_t(i) * p->wiersz;
                if (::pwrite(fd, p->wiersze.data() + size_t(i) * p->wiersz, p->wiersz, gdzie) !=
                    ssize_t(p->wiersz))
                    state.SkipWithError("zapis nieudany");
            }
        }
        if (syncNaKoncu) {
            ::fsync(fm);
            ::fsync(fl);
        }
        ::close(fm);
        ::close(fl);
    }
    state.SetItemsProcessed(state.iterations() * kPracownicy);
}
void BM_ZwykleDopisanie(benchmark::State& state) {
    ZwykleDopisanie(state, false);
}
void BM_ZwykleDopisanieZJednymSync(benchmark::State& state) {
    ZwykleDopisanie(state, true);
}
BENCHMARK(BM_ZwykleDopisanie)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZwykleDopisanieZJednymSync)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
