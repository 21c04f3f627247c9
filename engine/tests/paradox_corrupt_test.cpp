// Damaged copies of every Paradox fixture: truncated, with huge header values, with flipped
// bytes. Each must read correctly or fail with CorruptFile; sanitizers catch the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include "engine/engine_error.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_format.h"
#include "engine/paradox_table.h"
#include "engine/testing/memory_file_system.h"
#include "engine/testing/temp_dir.h"
#include "engine/testing/shared_fixtures.h"

namespace mirta::engine {
namespace {

namespace fs = std::filesystem;
using namespace paradox;
using testing::MemoryFileSystem;

constexpr char kTable[] = "T.DB";

struct Fixture {
    std::string name;
    std::string bytes;
    std::string dump;  // what our reader makes of the intact file
    size_t headerSize = 0;
    size_t blockSize = 0;
    size_t recordSize = 0;
};

std::vector<Fixture> LoadFixtures() {
    std::vector<Fixture> fixtures;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(testing::SharedFixturesDir()) / "paradox")) {
        std::string ext = entry.path().extension().string();
        if (ext != ".db" && ext != ".DB")
            continue;
        Fixture f;
        f.name = fs::relative(entry.path(), fs::path(testing::SharedFixturesDir())).string();
        f.bytes = testing::ReadBytesOf(entry.path().string());
        const auto* p = reinterpret_cast<const uint8_t*>(f.bytes.data());
        f.recordSize = GetU16(p + kRecordSize);
        f.headerSize = GetU16(p + kHeaderSize);
        f.blockSize = static_cast<size_t>(p[kMaxTableSize]) * 1024;
        MemoryFileSystem mfs;
        mfs.files[kTable] = f.bytes;
        std::ostringstream out;
        DumpParadox(mfs, kTable, nullptr, out);
        f.dump = out.str();
        fixtures.push_back(std::move(f));
    }
    std::sort(fixtures.begin(), fixtures.end(),
              [](const Fixture& a, const Fixture& b) { return a.name < b.name; });
    return fixtures;
}

const std::vector<Fixture>& Fixtures() {
    static const std::vector<Fixture> fixtures = LoadFixtures();
    return fixtures;
}

enum class Expect {
    SameOrCorrupt,  // the intact table's exact contents, or CorruptFile
    Same,           // the damage is in a value the reader must not trust
    AnyOrCorrupt,   // whatever the bytes now say, or CorruptFile
};

// Dumps the damaged bytes and reads a sample of rows through the table. Returns the dump, or
// the error message when the file was refused.
struct Outcome {
    bool read = false;
    std::string dump;
    std::string error;
};

Outcome ReadDamaged(const std::string& bytes) {
    MemoryFileSystem mfs;
    mfs.files[kTable] = bytes;
    Outcome outcome;
    try {
        std::ostringstream out;
        DumpParadox(mfs, kTable, nullptr, out);
        ParadoxOpenOptions options;
        options.readOnly = true;
        auto table = ParadoxTable::Open(mfs, kTable, options);
        const uint64_t rows = table->RowCount();
        const uint64_t step = std::max<uint64_t>(1, rows / 16);
        for (uint64_t r = 0; r < rows; r += step) {
            Record row = table->ReadRow(r);
            if (table->KeyFieldCount() > 0) {
                try {
                    table->LowerBound(Record(row.begin(), row.begin() + table->KeyFieldCount()));
                } catch (const CorruptFile&) {
                    throw;
                } catch (const EngineError&) {
                    // A damaged key value may not encode back; refusing it is right.
                }
            }
        }
        if (rows > 0)
            table->ReadField(rows - 1, static_cast<int>(table->Fields().size()) - 1);
        outcome.read = true;
        outcome.dump = out.str();
    } catch (const CorruptFile& e) {
        outcome.error = e.what();
    } catch (const EngineError& e) {
        ADD_FAILURE() << "not reported as a corrupt file: " << e.what();
    }
    return outcome;
}

void Check(const Fixture& f, const std::string& bytes, Expect expect, const std::string& what) {
    SCOPED_TRACE(f.name + ": " + what);
    Outcome outcome = ReadDamaged(bytes);
    switch (expect) {
        case Expect::Same:
            ASSERT_TRUE(outcome.read) << outcome.error;
            EXPECT_EQ(outcome.dump, f.dump);
            break;
        case Expect::SameOrCorrupt:
            if (outcome.read) {
                EXPECT_EQ(outcome.dump, f.dump);
            }
            break;
        case Expect::AnyOrCorrupt:
            break;
    }
}

std::string Put(std::string bytes, size_t offset, size_t width, uint32_t value) {
    for (size_t i = 0; i < width && offset + i < bytes.size(); ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

TEST(ParadoxCorrupt, FixturesAreThere) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    EXPECT_GE(Fixtures().size(), 26u);
}

// A file cut anywhere: refused, unless only bytes after the last record went missing.
TEST(ParadoxCorrupt, TruncatedFilesReadWhollyOrFail) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    for (const auto& f : Fixtures()) {
        std::set<size_t> lengths = {0, 1, kFixedPartEnd - 1, kFixedPartEnd, kExtensionEnd};
        for (long d : {-1, 0, 1, 5, 6, 7})
            lengths.insert(f.headerSize + d);
        const size_t blocks = (f.bytes.size() - f.headerSize + f.blockSize - 1) / f.blockSize;
        for (size_t k = 0; k < blocks; ++k) {
            if (k >= 3 && k + 3 < blocks)
                continue;
            const size_t start = f.headerSize + k * f.blockSize;
            for (size_t d : {size_t{0}, size_t{5}, size_t{6}, size_t{7}, 6 + f.recordSize - 1,
                             6 + f.recordSize, f.blockSize / 2, f.blockSize - 1})
                lengths.insert(start + d);
        }
        std::mt19937 rng(7);
        for (int i = 0; i < 16; ++i)
            lengths.insert(std::uniform_int_distribution<size_t>(0, f.bytes.size())(rng));
        for (size_t length : lengths)
            if (length < f.bytes.size())
                Check(f, f.bytes.substr(0, length), Expect::SameOrCorrupt,
                      "cut at " + std::to_string(length));
    }
}

// Header values set to their largest: counts the reader must not trust change nothing; sizes
// and links it does trust are refused or read within the file.
TEST(ParadoxCorrupt, HugeHeaderValues) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    struct Case {
        const char* name;
        size_t offset;
        size_t width;
        uint32_t value;
        Expect expect;
    };
    const Case cases[] = {
        {"numRecords", kNumRecords, 4, 0xFFFFFFFF, Expect::Same},
        {"usedBlocks", kUsedBlocks, 2, 0xFFFF, Expect::Same},
        {"fileBlocks", kFileBlocks, 2, 0xFFFF, Expect::Same},
        {"lastBlock", kLastBlock, 2, 0xFFFF, Expect::Same},
        {"maxBlocks", kMaxBlocks, 2, 0xFFFF, Expect::Same},
        {"autoIncValue", kAutoIncValue, 4, 0x7FFFFFFF, Expect::Same},
        {"firstFreeBlock", kFirstFreeBlock, 2, 0xFFFF, Expect::Same},
        {"firstFreeBlock=1", kFirstFreeBlock, 2, 1, Expect::Same},
        {"recordSize", kRecordSize, 2, 0xFFFF, Expect::AnyOrCorrupt},
        {"headerSize", kHeaderSize, 2, 0xFFFF, Expect::AnyOrCorrupt},
        {"maxTableSize", kMaxTableSize, 1, 0xFF, Expect::AnyOrCorrupt},
        {"firstBlock", kFirstBlock, 2, 0xFFFF, Expect::AnyOrCorrupt},
        {"numFields", kNumFields, 2, 0x7FFF, Expect::AnyOrCorrupt},
        {"numFields<0", kNumFields, 2, 0xFFFF, Expect::AnyOrCorrupt},
        {"keyFields", kKeyFields, 2, 0x7FFF, Expect::AnyOrCorrupt},
        {"codePage", kCodePage, 2, 0xFFFF, Expect::AnyOrCorrupt},
    };
    for (const auto& f : Fixtures()) {
        for (const auto& c : cases)
            Check(f, Put(f.bytes, c.offset, c.width, c.value), c.expect, c.name);
        // The first chain block's own header.
        const size_t first =
            f.headerSize +
            (GetU16(reinterpret_cast<const uint8_t*>(f.bytes.data()) + kFirstBlock) - 1) *
                f.blockSize;
        if (first + kBlockHeaderSize > f.bytes.size() || f.bytes.size() <= f.headerSize)
            continue;
        for (uint32_t v : {0x7FFFu, 0x8000u, 0xFFFFu}) {
            Check(f, Put(f.bytes, first, 2, v), Expect::AnyOrCorrupt, "block next");
            Check(f, Put(f.bytes, first + 4, 2, v), Expect::AnyOrCorrupt, "block addDataSize");
        }
    }
}

// Header values the reader must not trust still let a write repair the header.
TEST(ParadoxCorrupt, WriteAfterUntrustedCountsRepairsTheHeader) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    for (const auto& f : Fixtures()) {
        for (size_t offset : {kNumRecords, kUsedBlocks, kFileBlocks, kLastBlock, kFirstFreeBlock}) {
            SCOPED_TRACE(f.name + " offset " + std::to_string(offset));
            MemoryFileSystem mfs;
            mfs.files[kTable] = Put(f.bytes, offset, 2, offset == kFirstFreeBlock ? 1 : 0xFFFF);
            uint64_t rows = 0;
            try {
                auto table = ParadoxTable::Open(mfs, kTable);
                rows = table->RowCount();
                table->Insert(Record(table->Fields().size()));
            } catch (const KeyViolation&) {
                continue;
            } catch (const CorruptFile& e) {
                ADD_FAILURE() << e.what();
                continue;
            } catch (const EngineError&) {
                continue;  // a table we do not write (blobs)
            }
            auto again = ParadoxTable::Open(mfs, kTable);
            EXPECT_EQ(again->RowCount(), rows + 1);
            EXPECT_EQ(again->FileHeader().numRecords, rows + 1);
            std::ostringstream out;
            DumpParadox(mfs, kTable, nullptr, out);
            // The old rows are all still there.
            std::multiset<std::string> after;
            std::istringstream afterText(out.str());
            for (std::string line; std::getline(afterText, line);)
                after.insert(line);
            std::istringstream before(f.dump);
            for (std::string line; std::getline(before, line);) {
                auto it = after.find(line);
                ASSERT_NE(it, after.end()) << line;
                after.erase(it);
            }
        }
    }
}

// Bytes flipped one at a time with several patterns, in the header and in sampled block bytes.
TEST(ParadoxCorrupt, FlippedBytes) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    // Counts and stamps the reader must ignore: flipping them leaves the contents exact.
    std::set<size_t> untrusted;
    for (size_t o : {kNumRecords, kNumRecords + 1, kNumRecords + 2, kNumRecords + 3, kUsedBlocks,
                     kUsedBlocks + 1, kFileBlocks, kFileBlocks + 1, kLastBlock, kLastBlock + 1,
                     kAutoIncValue, kAutoIncValue + 1, kAutoIncValue + 2, kAutoIncValue + 3,
                     kFirstFreeBlock, kFirstFreeBlock + 1, kChangeCount1, kIndexChangeCount})
        untrusted.insert(o);
    for (const auto& f : Fixtures()) {
        // A large table costs a full read per copy and has the layout of a small one; the
        // truncation and huge-value tests cover it.
        if (f.bytes.size() > 100 * 1024)
            continue;
        const size_t headerEnd = std::min<size_t>(f.headerSize, 0x300);
        for (size_t i = 0; i < headerEnd; ++i) {
            for (uint8_t pattern : {0x01, 0x80, 0xFF}) {
                // Past the counts: descriptors and names, where one pattern finds as much.
                if (i >= kExtensionEnd && pattern != 0x80)
                    continue;
                std::string bytes = f.bytes;
                bytes[i] = static_cast<char>(bytes[i] ^ pattern);
                Check(f, bytes, untrusted.count(i) ? Expect::Same : Expect::AnyOrCorrupt,
                      "header byte " + std::to_string(i) + " ^ " + std::to_string(pattern));
            }
        }
        std::mt19937 rng(11);
        const size_t blocks = (f.bytes.size() - f.headerSize) / f.blockSize;
        for (size_t k = 0; k < std::min<size_t>(blocks, 4); ++k) {
            const size_t start = f.headerSize + k * f.blockSize;
            std::vector<size_t> offsets = {0, 1, 2, 3, 4, 5};
            for (int s = 0; s < 12; ++s)
                offsets.push_back(std::uniform_int_distribution<size_t>(6, f.blockSize - 1)(rng));
            for (size_t o : offsets) {
                if (start + o >= f.bytes.size())
                    continue;
                for (uint8_t pattern : {0x01, 0x80, 0xFF}) {
                    std::string bytes = f.bytes;
                    bytes[start + o] = static_cast<char>(bytes[start + o] ^ pattern);
                    Check(f, bytes, Expect::AnyOrCorrupt,
                          "block " + std::to_string(k + 1) + " byte " + std::to_string(o));
                }
            }
        }
    }
}

// A keyed file type whose header names no key fields (found by the fuzz target).
TEST(ParadoxCorrupt, KeyedTypeWithoutKeyFieldsTakesAnInsertOrRefusesIt) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    const Fixture* country = nullptr;
    for (const auto& f : Fixtures())
        if (f.name.find("dbdemos/country.db") != std::string::npos)
            country = &f;
    ASSERT_NE(country, nullptr);
    MemoryFileSystem mfs;
    mfs.files[kTable] = Put(country->bytes, kKeyFields, 2, 0);
    try {
        auto table = ParadoxTable::Open(mfs, kTable);
        table->Insert(Record(table->Fields().size()));
        table->Sync();
        EXPECT_EQ(ParadoxTable::Open(mfs, kTable)->RowCount(), table->RowCount());
    } catch (const EngineError&) {
    }
}

}  // namespace
}  // namespace mirta::engine
