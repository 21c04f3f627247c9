// Filling a 20-page template for 2,000 employees against copying the template's bytes as many
// times, in one process, side by side. Files go to MIRTA_BENCH_DIR (default /tmp/mirta_bench).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/substitution.h"

namespace {

using namespace mirta::documents;
namespace fs = std::filesystem;

constexpr int kEmployees = 2000;
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

// The LibreOffice letter and table templates repeated to twenty pages of text, tags in every
// paragraph, some split across runs as word processors leave them.
const fs::path& Template() {
    static const fs::path path = [] {
        Document letter = ReadRtf(ReadFile(fs::path(MIRTA_DOCUMENTS_DATA) / "pismo.rtf"));
        const Document table = ReadRtf(ReadFile(fs::path(MIRTA_DOCUMENTS_DATA) / "tabela.rtf"));
        const auto letterBody = letter.body;
        while (PlainText(letter).size() < kPages * kPageCharacters) {
            letter.body.insert(letter.body.end(), table.body.begin(), table.body.end());
            letter.body.insert(letter.body.end(), letterBody.begin(), letterBody.end());
        }
        const fs::path file = Folder() / "SZABLON.RTF";
        WriteFile(file, WriteRtf(letter));
        return file;
    }();
    return path;
}

FixedTagValues Values() {
    return FixedTagValues({
        {"<<NAZWISKO>>", "Wiśniewska"},
        {"<<IMIE1>>", "Małgorzata"},
        {"<<NAZWISKO IMIE1>>", "Wiśniewska Małgorzata"},
        {"<<IMIE12 NAZWISKO>>", "Małgorzata Wiśniewska"},
        {"<<i| >>", "i"},
        {"<<Data|Mies>>", "10 grudnia 2026"},
        {"<<DataUrodzenia>>", "1979-04-12"},
        {"<<Stanowisko|Nazwa|Kon>>", "starszy specjalista"},
        {"<<Stopień|Nazwa>>", "młodszy kapitan"},
        {"<<Grupa|Nazwa|Kon>>", "XIV"},
        {"<<Grupa|PlacaKon|Strażak>>", "6 912.40"},
        {"<<Grupa|PlacaKon|Strażak|Słow>>",
         " sześć tysięcy dziewięćset dwanaście złotych czterdzieści groszy."},
    });
}

fs::path Output(int employee) {
    return Folder() / ("wynik" + std::to_string(employee % 16) + ".rtf");
}

void SetCounters(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kEmployees);
    state.counters["bajty_szablonu"] = static_cast<double>(fs::file_size(Template()));
}

// The baseline: each document is the template's bytes, read and written unchanged.
void BM_KopiaSzablonu(benchmark::State& state) {
    const fs::path& path = Template();
    for (auto _ : state)
        for (int i = 0; i < kEmployees; ++i)
            WriteFile(Output(i), ReadFile(path));
    SetCounters(state);
}

// Each document read from the template file, filled and written, as one document at a time is.
void BM_WypelnienieZPliku(benchmark::State& state) {
    const fs::path& path = Template();
    FixedTagValues values = Values();
    for (auto _ : state)
        for (int i = 0; i < kEmployees; ++i) {
            Document document = ReadRtf(ReadFile(path));
            SubstituteInDocument(document, values);
            WriteFile(Output(i), WriteRtf(document));
        }
    SetCounters(state);
}

// A bulk run: the template read once, each employee's copy filled and written.
void BM_WypelnienieSeryjne(benchmark::State& state) {
    const Document parsed = ReadRtf(ReadFile(Template()));
    FixedTagValues values = Values();
    for (auto _ : state)
        for (int i = 0; i < kEmployees; ++i) {
            Document document = parsed;
            SubstituteInDocument(document, values);
            WriteFile(Output(i), WriteRtf(document));
        }
    SetCounters(state);
}

BENCHMARK(BM_KopiaSzablonu)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WypelnienieZPliku)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WypelnienieSeryjne)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
