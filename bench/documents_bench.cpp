// Filling a 20-page template with the real values of every employee of the large unit against
// copying the template's bytes as many times, in one process, side by side. Files go to
// MIRTA_BENCH_DIR (default /tmp/mirta_bench).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/duza_jednostka.h"
#include "documents/dokument_pracownika.h"
#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "store/zrodla_obliczen.h"

namespace {

using namespace mirta;
using namespace mirta::documents;
namespace fs = std::filesystem;

constexpr size_t kPageCharacters = 3000;  // a page of 12 pt text
constexpr int kPages = 20;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

fs::path Folder() {
    const char* env = std::getenv("MIRTA_BENCH_DIR");
    fs::path dir = fs::path(env ? env : "/tmp/mirta_bench") / "dokumenty";
    fs::create_directories(dir);
    return dir;
}

// The demo's large unit and every employee in it.
struct Jednostka : bench::OtwartaJednostka {
    std::vector<int32_t> pracownicy;

    Jednostka() : OtwartaJednostka(bench::UtworzDuzaJednostkeDemo("mirta_dokumenty_bench")) {
        engine::Table& mirta = tdm->TPracownicy->GetTable();
        for (uint64_t i = 0; i < mirta.RowCount(); ++i)
            pracownicy.push_back(static_cast<int32_t>(mirta.ReadField(i, 0).AsInteger()));
    }
};

Jednostka& J() {
    static Jednostka j;
    return j;
}

// The demo unit's registered templates (leave card, service certificate, pay notice,
// appointment) and the LibreOffice letter and table, repeated to twenty pages of text: tags of
// names, dates, seniority, pay in figures and words and decisions in every paragraph, some
// split across runs as word processors leave them.
const fs::path& Template() {
    static const fs::path path = [] {
        std::vector<Document> parts;
        for (const char* name : {"pismo.rtf", "tabela.rtf"})
            parts.push_back(ReadRtf(ReadFile(fs::path(MIRTA_DOCUMENTS_DATA) / name)));
        for (const SzablonWydruku& s : CzytajSzablony(*J().tdm1))
            parts.push_back(WczytajSzablon(SciezkaSzablonu(J().katalog, s.nazwaZbioru)));
        Document document = parts.front();
        document.body.clear();
        while (PlainText(document).size() < kPages * kPageCharacters)
            for (const Document& part : parts)
                document.body.insert(document.body.end(), part.body.begin(), part.body.end());
        const fs::path file = Folder() / "SZABLON.RTF";
        WriteFile(file, WriteRtf(document));
        return file;
    }();
    return path;
}

fs::path Output(size_t employee) {
    return Folder() / ("wynik" + std::to_string(employee % 16) + ".rtf");
}

void SetCounters(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(J().pracownicy.size()));
    state.counters["bajty_szablonu"] = static_cast<double>(fs::file_size(Template()));
}

// The baseline: each document is the template's bytes, read and written unchanged.
void BM_KopiaSzablonu(benchmark::State& state) {
    const fs::path& path = Template();
    for (auto _ : state)
        for (size_t i = 0; i < J().pracownicy.size(); ++i)
            WriteFile(Output(i), ReadFile(path));
    SetCounters(state);
}

// Each document as "Wydruk według wzorca." makes it: the template read from its file and filled
// with the employee's values.
void BM_WypelnienieZPliku(benchmark::State& state) {
    Jednostka& j = J();
    const std::string path = Template().string();
    for (auto _ : state) {
        store::ZrodlaObliczen zrodla(*j.tdm, *j.tdm1);
        for (size_t i = 0; i < j.pracownicy.size(); ++i)
            WriteFile(Output(i), RtfDokumentuPracownika(path, zrodla, j.pracownicy[i]));
    }
    SetCounters(state);
}

// A bulk run: the template read once, each employee's copy filled and written.
void BM_WypelnienieSeryjne(benchmark::State& state) {
    Jednostka& j = J();
    const Document parsed = WczytajSzablon(Template().string());
    for (auto _ : state) {
        store::ZrodlaObliczen zrodla(*j.tdm, *j.tdm1);
        for (size_t i = 0; i < j.pracownicy.size(); ++i) {
            Document document = parsed;
            TagiPracownika values(zrodla, j.pracownicy[i]);
            WypelnijDokument(document, values);
            WriteFile(Output(i), WriteRtf(document));
        }
    }
    SetCounters(state);
}

BENCHMARK(BM_KopiaSzablonu)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WypelnienieZPliku)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WypelnienieSeryjne)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Template();  // the unit and the template are made before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
