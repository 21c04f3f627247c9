// Reads arbitrary bytes as a dBase table: dump, row decoding and one append must end in a
// result or an EngineError, never a crash or a hang.
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "engine/dbf_dump.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/testing/memory_file_system.h"

using namespace mirta::engine;
using mirta::engine::testing::MemoryFileSystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFileSystem fs;
    fs.files["T.DBF"] = std::string(reinterpret_cast<const char*>(data), size);
    try {
        std::string dump;
        DumpDbf(fs, "T.DBF", nullptr, dump);
    } catch (const EngineError&) {
    }
    try {
        DbfOptions options;
        options.allowStaleIndex = true;
        options.today = [] { return CivilDate{2026, 12, 10}; };
        auto table = DbfTable::Open(fs, "T.DBF", options);
        const uint64_t rows = table->RowCount();
        for (uint64_t r = 0; r < rows && r < 64; ++r) {
            try {
                table->ReadRow(r);
            } catch (const CorruptFile&) {
            }
        }
        if (!table->ReadOnly()) {
            table->Insert(Record(table->Fields().size()));
            auto again = DbfTable::Open(fs, "T.DBF");
            if (again->RowCount() != rows + 1)
                __builtin_trap();
        }
    } catch (const EngineError&) {
    }
    return 0;
}
