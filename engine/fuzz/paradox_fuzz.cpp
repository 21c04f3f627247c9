// Reads arbitrary bytes as a Paradox table: dump, row decoding, a key search and, for a table
// we write, one insert must end in a result or an EngineError, never a crash or a hang. An
// insert that succeeds must leave every earlier row and the new one readable.
#include <cstdint>
#include <sstream>
#include <string>

#include "engine/engine_error.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_table.h"
#include "engine/testing/memory_file_system.h"

using namespace mirta::engine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    testing::MemoryFileSystem fs;
    fs.files["T.DB"] = std::string(reinterpret_cast<const char*>(data), size);
    try {
        std::ostringstream dump;
        DumpParadox(fs, "T.DB", nullptr, dump);
    } catch (const EngineError&) {
    }
    try {
        auto table = ParadoxTable::Open(fs, "T.DB");
        const uint64_t rows = table->RowCount();
        for (uint64_t r = 0; r < rows && r < 64; ++r) {
            Record row = table->ReadRow(r);
            if (table->KeyFieldCount() > 0 && r == 0) {
                try {
                    table->LowerBound(Record(row.begin(), row.begin() + table->KeyFieldCount()));
                } catch (const CorruptFile&) {
                    throw;
                } catch (const EngineError&) {
                }
            }
        }
        table->Insert(Record(table->Fields().size()));
        table->Sync();  // a user-level operation ends with a sync; until then others may not see it
        auto again = ParadoxTable::Open(fs, "T.DB");
        if (again->RowCount() != rows + 1)
            __builtin_trap();
        for (uint64_t r = 0; r < again->RowCount(); ++r)
            again->ReadRow(r);
    } catch (const EngineError&) {
    }
    return 0;
}
