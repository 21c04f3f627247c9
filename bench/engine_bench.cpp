// Table engine against the baselines it must stay close to: pxlib reading the same file, plain
// sequential writes of the same bytes, and one raw block write with a sync. Each pair runs in
// one process, side by side. Files go to MIRTA_BENCH_DIR (default /tmp/mirta_bench).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/szczyt_pamieci.h"
#include "engine/paradox_table.h"

extern "C" {
#include <paradox.h>
}

namespace {

using namespace mirta::engine;
namespace fs = std::filesystem;

std::string BenchDir() {
    const char* env = std::getenv("MIRTA_BENCH_DIR");
    std::string dir = env ? env : "/tmp/mirta_bench";
    fs::create_directories(dir);
    return dir;
}

// A personnel-like record of about 250 bytes.
std::vector<FieldDef> PersonFields() {
    std::vector<FieldDef> f = {
        {"Identyfikator", FieldType::Long, 0, 0, 0},  {"Nazwisko", FieldType::Alpha, 30, 0, 0},
        {"Imie1", FieldType::Alpha, 20, 0, 0},        {"Imie2", FieldType::Alpha, 20, 0, 0},
        {"DataUr", FieldType::Date, 0, 0, 0},         {"DataPrzyjecia", FieldType::Date, 0, 0, 0},
        {"DataZwolnienia", FieldType::Date, 0, 0, 0}, {"Pesel", FieldType::Alpha, 11, 0, 0},
        {"Miejscowosc", FieldType::Alpha, 30, 0, 0},  {"Ulica", FieldType::Alpha, 40, 0, 0},
        {"Stawka", FieldType::Number, 0, 0, 0},       {"Dodatek", FieldType::Number, 0, 0, 0},
        {"Procent", FieldType::Number, 0, 0, 0},      {"Premia", FieldType::Money, 0, 0, 0},
        {"Dzieci", FieldType::Short, 0, 0, 0},        {"Grupa", FieldType::Short, 0, 0, 0},
        {"Aktywny", FieldType::Logical, 0, 0, 0},     {"Uwagi", FieldType::Alpha, 40, 0, 0},
    };
    return f;
}

Record PersonRow(int64_t id) {
    return {Value::Integer(id),
            Value::Text("Brzęczyszczykiewicz"),
            Value::Text("Grzegorz"),
            Value::Text("Żaneta"),
            Value::Date(DayNumberFromCivil(1970, 1 + id % 12, 1 + id % 28)),
            Value::Date(DayNumberFromCivil(1995, 3, 1)),
            Value(),
            Value::Text("70010112345"),
            Value::Text("Łódź"),
            Value::Text("ul. Piotrkowska 104 m. 12"),
            Value::Number(4321.5 + id % 100),
            Value::Number(250),
            Value::Number(12.5),
            Value::Number(800),
            Value::Integer(id % 4),
            Value::Integer(7),
            Value::Logical(id % 3 != 0),
            Value::Text("bez uwag")};
}

// 200,000 rows, made once and kept between runs.
std::string ScanTable() {
    const std::string path = BenchDir() + "/Skan.DB";
    if (fs::exists(path))
        return path;
    ParadoxCreateOptions options;
    options.expectedRows = 200000;
    auto table = ParadoxTable::Create(FileSystem::Real(), path, PersonFields(), 1, options);
    table->BeginBulk();
    for (int64_t i = 1; i <= 200000; ++i)
        table->Insert(PersonRow(i));
    table->EndBulk();
    return path;
}

void BM_ScanOurs(benchmark::State& state) {
    const std::string path = ScanTable();
    for (auto _ : state) {
        ParadoxOpenOptions options;
        options.readOnly = true;
        auto table = ParadoxTable::Open(FileSystem::Real(), path, options);
        double sum = 0;
        size_t text = 0;
        const uint64_t n = table->RowCount();
        for (uint64_t i = 0; i < n; ++i) {
            Record row = table->ReadRow(i);
            sum += row[10].AsNumber();
            text += row[1].AsText().size();
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * 200000);
}
BENCHMARK(BM_ScanOurs)->Unit(benchmark::kMillisecond);

// The same scan through pxlib: every record fetched and every field decoded.
void BM_ScanPxlib(benchmark::State& state) {
    const std::string path = ScanTable();
    PX_boot();
    for (auto _ : state) {
        pxdoc_t* doc = PX_new();
        PX_open_file(doc, path.c_str());
        const int n = PX_get_num_records(doc);
        const int nf = PX_get_num_fields(doc);
        pxfield_t* fields = PX_get_fields(doc);
        std::vector<char> data(static_cast<size_t>(doc->px_head->px_recordsize));
        double sum = 0;
        size_t text = 0;
        for (int r = 0; r < n; ++r) {
            PX_get_record(doc, r, data.data());
            int offset = 0;
            for (int f = 0; f < nf; ++f) {
                char* p = data.data() + offset;
                switch (fields[f].px_ftype) {
                    case pxfAlpha: {
                        char* value = nullptr;
                        if (PX_get_data_alpha(doc, p, fields[f].px_flen, &value) > 0 && value) {
                            if (f == 1)
                                text += std::strlen(value);
                            doc->free(doc, value);
                        }
                        break;
                    }
                    case pxfLong:
                    case pxfDate: {
                        long v;
                        PX_get_data_long(doc, p, fields[f].px_flen, &v);
                        break;
                    }
                    case pxfShort: {
                        short v;
                        PX_get_data_short(doc, p, fields[f].px_flen, &v);
                        break;
                    }
                    case pxfNumber:
                    case pxfCurrency: {
                        double v = 0;
                        PX_get_data_double(doc, p, fields[f].px_flen, &v);
                        if (f == 10)
                            sum += v;
                        break;
                    }
                    case pxfLogical: {
                        char v;
                        PX_get_data_byte(doc, p, fields[f].px_flen, &v);
                        break;
                    }
                    default:
                        break;
                }
                offset += fields[f].px_flen;
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(text);
        PX_close(doc);
        PX_delete(doc);
    }
    state.SetItemsProcessed(state.iterations() * 200000);
}
BENCHMARK(BM_ScanPxlib)->Unit(benchmark::kMillisecond);

// A record of 1,200 bytes.
std::vector<FieldDef> WideFields() {
    std::vector<FieldDef> f = {{"Id", FieldType::Long, 0, 0, 0}};
    for (int i = 0; i < 4; ++i)
        f.push_back({"Tekst" + std::to_string(i), FieldType::Alpha, 255, 0, 0});
    f.push_back({"Reszta", FieldType::Alpha, 156, 0, 0});
    f.push_back({"Kwota", FieldType::Number, 0, 0, 0});
    f.push_back({"Data", FieldType::Date, 0, 0, 0});
    f.push_back({"Znacznik", FieldType::Logical, 0, 0, 0});
    f.push_back({"Nr", FieldType::Short, 0, 0, 0});
    f.push_back({"Kod", FieldType::Alpha, 7, 0, 0});
    return f;  // 4 + 1020 + 156 + 8 + 4 + 1 + 2 + 7 = 1202 bytes
}

const int64_t kAppendRows =
    std::getenv("MIRTA_BENCH_ROWS") ? std::atoll(std::getenv("MIRTA_BENCH_ROWS")) : 1000000;

// Bulk append of a million 1.2 KB rows, ending with one sync.
void BM_AppendOurs(benchmark::State& state) {
    const std::string path = BenchDir() + "/Dopisz.DB";
    const std::string filler(250, 'x');
    Record row = {Value::Integer(0),    Value::Text(filler),
                  Value::Text(filler),  Value::Text(filler),
                  Value::Text(filler),  Value::Text(std::string(150, 'y')),
                  Value::Number(1.5),   Value::Date(DayNumberFromCivil(2026, 12, 10)),
                  Value::Logical(true), Value::Integer(3),
                  Value::Text("ABC")};
    for (auto _ : state) {
        ParadoxCreateOptions options;
        options.expectedRows = kAppendRows;
        auto table = ParadoxTable::Create(FileSystem::Real(), path, WideFields(), 0, options);
        table->BeginBulk();
        for (int64_t i = 0; i < kAppendRows; ++i) {
            row[0] = Value::Integer(i);
            table->Insert(row);
        }
        table->EndBulk();
        state.counters["MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
    }
    fs::remove(path);
}
BENCHMARK(BM_AppendOurs)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same number of bytes written sequentially in 32 KiB pieces, then one sync.
void BM_AppendRawBaseline(benchmark::State& state) {
    const std::string path = BenchDir() + "/Surowy.bin";
    const uint64_t bytes = 2048 + (kAppendRows / 27 + 1) * 32768ull;
    std::vector<char> block(32768, 'x');
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (uint64_t done = 0; done < bytes; done += block.size())
            if (::write(fd, block.data(), block.size()) < 0)
                state.SkipWithError("write");
        ::fdatasync(fd);
        ::close(fd);
    }
    fs::remove(path);
}
BENCHMARK(BM_AppendRawBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

// One interactive insert into a keyed table of 20,000 rows: data, header and .PX written,
// then synced, as after a user's post.
void BM_PostOurs(benchmark::State& state) {
    const std::string path = BenchDir() + "/Post.DB";
    auto table = ParadoxTable::Create(FileSystem::Real(), path, PersonFields(), 1, {});
    table->BeginBulk();
    for (int64_t i = 1; i <= 20000; ++i)
        table->Insert(PersonRow(i * 10));
    table->EndBulk();
    int64_t next = 5;
    for (auto _ : state) {
        table->Insert(PersonRow(next));
        table->Sync();
        next += 10;
    }
}
BENCHMARK(BM_PostOurs)->Unit(benchmark::kMicrosecond);

void BM_PostRawBaseline(benchmark::State& state) {
    const std::string path = BenchDir() + "/PostSurowy.bin";
    std::vector<char> block(2048, 'x');
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    for (int i = 0; i < 4000; ++i)
        if (::write(fd, block.data(), block.size()) < 0)
            state.SkipWithError("write");
    ::fdatasync(fd);
    uint64_t at = 0;
    for (auto _ : state) {
        if (::pwrite(fd, block.data(), block.size(), static_cast<off_t>(at)) < 0)
            state.SkipWithError("pwrite");
        ::fdatasync(fd);
        at = (at + 7 * 2048) % (4000 * 2048);
    }
    ::close(fd);
}
BENCHMARK(BM_PostRawBaseline)->Unit(benchmark::kMicrosecond);

// A 2 GB table scanned whole; the peak resident memory of the scan is reported.
void BM_ScanLargeMemory(benchmark::State& state) {
    const std::string path = BenchDir() + "/Duza.DB";
    const int64_t rows = 1700000;  // 1.2 KB each: just under the 65,535 blocks of 32 KiB
    if (!fs::exists(path)) {
        ParadoxCreateOptions options;
        options.blockSizeKb = 32;
        auto table = ParadoxTable::Create(FileSystem::Real(), path, WideFields(), 0, options);
        table->BeginBulk();
        const std::string filler(250, 'z');
        Record row = {
            Value::Integer(0),     Value::Text(filler), Value::Text(filler), Value::Text(filler),
            Value::Text(filler),   Value::Text("r"),    Value::Number(2.5),  Value(),
            Value::Logical(false), Value::Integer(1),   Value::Text("K")};
        for (int64_t i = 0; i < rows; ++i) {
            row[0] = Value::Integer(i);
            table->Insert(row);
        }
        table->EndBulk();
    }
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";  // restart the peak count
        ParadoxOpenOptions options;
        options.readOnly = true;
        auto table = ParadoxTable::Open(FileSystem::Real(), path, options);
        int64_t sum = 0;
        for (uint64_t i = 0; i < table->RowCount(); ++i)
            sum += table->ReadField(i, 0).AsInteger();
        benchmark::DoNotOptimize(sum);
        state.counters["GB"] = static_cast<double>(fs::file_size(path)) / 1e9;
        state.counters["peak_MB"] = static_cast<double>(mirta::bench::SzczytPamieciKb()) / 1024.0;
    }
}
BENCHMARK(BM_ScanLargeMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
