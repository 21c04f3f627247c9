#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <tuple>

#include "engine/dbf_dump.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/tests/dbf_test_support.h"

namespace mirta::engine {
namespace {

using testing::DbfFixtures;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::vector<std::filesystem::path> FixtureTables() {
    std::vector<std::filesystem::path> tables;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DbfFixtures())) {
        std::string ext = entry.path().extension().string();
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".dbf")
            tables.push_back(entry.path());
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

std::string DumpPathOf(const std::filesystem::path& table) {
    return (table.parent_path() / table.stem()).string() + ".dump.txt";
}

TEST(DbfDump, ReproducesEveryFixtureDump) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    auto tables = FixtureTables();
    ASSERT_GE(tables.size(), 9u);
    for (const auto& table : tables) {
        SCOPED_TRACE(table.string());
        std::string dump;
        DumpDbf(FileSystem::Real(), table.string(), nullptr, dump);
        EXPECT_EQ(dump, ReadBytes(DumpPathOf(table)));
    }
}

TEST(DbfTable, ReadsRowsAsValues) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    auto table = DbfTable::Open(FileSystem::Real(), DbfFixtures() + "/infused/dbase_8b.dbf");
    ASSERT_EQ(table->RowCount(), 10u);
    const auto& f = table->Fields();
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0], (FieldDef{"CHARACTER", FieldType::Alpha, 100, 0, 'C'}));
    EXPECT_EQ(f[1], (FieldDef{"NUMERICAL", FieldType::Number, 20, 2, 'N'}));
    EXPECT_EQ(f[4], (FieldDef{"FLOAT", FieldType::Number, 20, 18, 'F'}));
    EXPECT_EQ(f[5].type, FieldType::Memo);
    EXPECT_EQ(table->KeyFieldCount(), 0);

    Record row = table->ReadRow(0);
    EXPECT_EQ(row[0], Value::Text("One"));
    EXPECT_EQ(row[1], Value::Number(1.0));
    EXPECT_EQ(row[2], Value::Date(DayNumberFromCivil(1970, 1, 1)));
    EXPECT_EQ(row[3], Value::Logical(true));  // stored 'Y'
    EXPECT_EQ(row[5], Value::Integer(1));
    Record last = table->ReadRow(9);
    EXPECT_TRUE(last[2].IsNull());
    EXPECT_TRUE(last[3].IsNull());
    EXPECT_TRUE(last[5].IsNull());
    EXPECT_EQ(table->ReadField(9, 1), Value::Number(10.0));
}

TEST(DbfTable, DecodesTextFromTheFilesCodePage) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    // Language byte 0xC9: Cyrillic Windows text.
    auto cyr = DbfTable::Open(FileSystem::Real(), DbfFixtures() + "/infused/cp1251.dbf");
    EXPECT_EQ(cyr->TextCodePage().Number(), 1251);
    EXPECT_EQ(cyr->ReadField(2, 1), Value::Text("НИИ"));

    // A .cpg beside the table wins over the language byte; a forced code page over both.
    TempDir dir;
    const std::string path = dir.File("PLACE.DBF");
    WriteBytes(path, ReadBytes(DbfFixtures() + "/infused/cp1251.dbf"));
    WriteBytes(dir.File("place.cpg"), "ANSI 1250\r\n");
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path)->TextCodePage().Number(), 1250);
    DbfOptions forced;
    forced.codePage = &CodePage::Mazovia();
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path, forced)->TextCodePage().Number(), 620);
}

// Builds a small dBase III file by hand: header, descriptors and raw records.
std::string HandMadeTable(const std::vector<std::pair<std::string, std::string>>& columns,
                          const std::vector<std::string>& records, uint8_t version = 0x03) {
    std::string h(32, '\0');
    h[0] = static_cast<char>(version);
    uint32_t recordSize = 1;
    for (const auto& [name, type] : columns) {
        std::string d(32, '\0');
        std::memcpy(d.data(), name.data(), name.size());
        d[11] = type[0];
        d[16] = static_cast<char>(std::stoi(type.substr(1)));
        recordSize += static_cast<uint8_t>(d[16]);
        h += d;
    }
    h += '\x0D';
    uint32_t count = static_cast<uint32_t>(records.size());
    std::memcpy(h.data() + 4, &count, 4);
    uint16_t headerSize = static_cast<uint16_t>(h.size());
    std::memcpy(h.data() + 8, &headerSize, 2);
    std::memcpy(h.data() + 10, &recordSize, 2);
    for (const auto& r : records)
        h += r;
    return h + '\x1A';
}

TEST(DbfTable, SkipsDeletedRecordsAndReportsBadDates) {
    TempDir dir;
    const std::string path = dir.File("T.DBF");
    WriteBytes(path, HandMadeTable({{"A", "C3"}, {"D", "D8"}},
                                   {" one20240229", "*two        ", " thr        ", "*fou        ",
                                    std::string("\0fiv00000000", 12), " six20230229"}));
    auto table = DbfTable::Open(FileSystem::Real(), path);
    ASSERT_EQ(table->RowCount(), 4u);
    EXPECT_EQ(table->ReadField(0, 0), Value::Text("one"));
    EXPECT_EQ(table->ReadField(1, 0), Value::Text("thr"));
    EXPECT_EQ(table->ReadField(2, 0), Value::Text("fiv"));  // odd flag: live
    EXPECT_TRUE(table->ReadField(2, 1).IsNull());
    EXPECT_THROW(table->ReadRow(3), CorruptFile);  // 2023-02-29

    std::string dump;
    DumpDbf(FileSystem::Real(), path, nullptr, dump);
    EXPECT_EQ(dump,
              "_DELETED:L\tA:C3\tD:D8\n"
              "F\tone\t2024-02-29\nT\ttwo\t\\N\nF\tthr\t\\N\nT\tfou\t\\N\n"
              "!flag:00\tfiv\t\\N\nF\tsix\t!date:20230229\n");
}

TEST(DbfTable, RefusesOtherFormatsClearly) {
    TempDir dir;
    const std::string path = dir.File("X.DBF");
    struct Case {
        const char* name;
        uint8_t version;
        bool corrupt;
    };
    for (auto c : {Case{"dBase II", 0x02, false}, Case{"unknown", 0x7F, false}}) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, HandMadeTable({{"A", "C3"}}, {" abc"}, c.version));
        try {
            DbfTable::Open(FileSystem::Real(), path);
            ADD_FAILURE() << "opened";
        } catch (const EngineError& e) {
            EXPECT_NE(std::string(e.what()).find("dBase"), std::string::npos) << e.what();
        }
    }
}

// A table with binary columns: `prefix` is the fixed header, each descriptor `step` bytes with
// type and length at `typeAt`; `tail` follows the terminator.
std::string BinaryTable(uint8_t version, size_t prefix, size_t step, size_t typeAt,
                        const std::vector<std::tuple<std::string, char, int>>& columns,
                        const std::string& tail, const std::string& record) {
    std::string h(prefix, '\0');
    h[0] = static_cast<char>(version);
    uint16_t recordSize = 1;
    for (const auto& [name, type, length] : columns) {
        std::string d(step, '\0');
        std::memcpy(d.data(), name.data(), name.size());
        d[typeAt] = type;
        d[typeAt + (step == 32 ? 5 : 1)] = static_cast<char>(length);
        recordSize = static_cast<uint16_t>(recordSize + length);
        h += d;
    }
    h += '\x0D' + tail;
    h[4] = 1;
    uint16_t headerSize = static_cast<uint16_t>(h.size());
    std::memcpy(h.data() + 8, &headerSize, 2);
    std::memcpy(h.data() + 10, &recordSize, 2);
    return h + record + '\x1A';
}

TEST(DbfTable, DecodesBinaryTypesOfDbase7AndVisualFoxPro) {
    TempDir dir;
    const std::string path = dir.File("B.DBF");
    // dBase 7: big-endian integers and doubles ordered by flipping the sign bit.
    WriteBytes(path,
               BinaryTable(0x04, 68, 48, 32,
                           {{"ID", 'I', 4}, {"AUTO", '+', 4}, {"VAL", 'O', 8}, {"N", 'C', 6}}, "",
                           std::string(" \x7F\xFF\xFF\xFB\x80\0\0\x01", 9) +
                               "\x3F\xFD\xFF\xFF\xFF\xFF\xFF\xFF" + "Zofia "));
    auto db7 = DbfTable::Open(FileSystem::Real(), path);
    EXPECT_TRUE(db7->ReadOnly());
    EXPECT_EQ(db7->Fields()[1].type, FieldType::AutoInc);
    EXPECT_EQ(db7->ReadRow(0), (Record{Value::Integer(-5), Value::Integer(1), Value::Number(-2.25),
                                       Value::Text("Zofia")}));
    EXPECT_EQ(testing::DumpOf(path),
              "_DELETED:L\tID:I4\tAUTO:+4\tVAL:O8\tN:C6\n"
              "F\tx:7ffffffb\tx:80000001\tx:3ffdffffffffffff\tZofia\n");

    // Visual FoxPro: little-endian integer, double, currency and a binary memo pointer.
    std::string record(" ", 1);
    const int32_t i = -7;
    const double b = 2.5;
    const int64_t y = 123456;
    const uint32_t m = 3;
    record.append(reinterpret_cast<const char*>(&i), 4);
    record.append(reinterpret_cast<const char*>(&b), 8);
    record.append(reinterpret_cast<const char*>(&y), 8);
    record.append(reinterpret_cast<const char*>(&m), 4);
    WriteBytes(path, BinaryTable(0x30, 32, 32, 11,
                                 {{"I", 'I', 4}, {"B", 'B', 8}, {"Y", 'Y', 8}, {"M", 'M', 4}},
                                 std::string(263, '\0'), record));
    auto fox = DbfTable::Open(FileSystem::Real(), path);
    EXPECT_EQ(fox->ReadRow(0), (Record{Value::Integer(-7), Value::Number(2.5),
                                       Value::Number(12.3456), Value::Integer(3)}));
    EXPECT_EQ(testing::DumpOf(path),
              "_DELETED:L\tI:I4\tB:B8\tY:Y8\tM:M4\n"
              "F\tx:f9ffffff\tx:0000000000000440\tx:40e2010000000000\tmemo:3\n");
}

// Damaged copies of every fixture must be refused or read, never crash or hang.
TEST(DbfTable, DamagedFixturesGiveEngineErrors) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = dir.File("BAD.DBF");
    for (const auto& fixture : FixtureTables()) {
        SCOPED_TRACE(fixture.string());
        const std::string good = ReadBytes(fixture.string());
        uint32_t headerSize = static_cast<uint8_t>(good[8]) | static_cast<uint8_t>(good[9]) << 8;

        std::vector<std::pair<std::string, std::string>> mustFail;
        mustFail.emplace_back("truncated header", good.substr(0, headerSize - 1));
        uint32_t count = 0, recordSize = 0;
        std::memcpy(&count, good.data() + 4, 4);
        std::memcpy(&recordSize, good.data() + 10, 2);
        mustFail.emplace_back("truncated records",
                              good.substr(0, headerSize + count * recordSize - 1));
        std::string oversized = good;
        oversized[4] = oversized[5] = oversized[6] = '\xFF';
        mustFail.emplace_back("oversized count", oversized);
        std::string wrongRecordSize = good;
        ++wrongRecordSize[10];
        mustFail.emplace_back("record size not the sum of lengths", wrongRecordSize);
        for (const auto& [name, bytes] : mustFail) {
            SCOPED_TRACE(name);
            WriteBytes(path, bytes);
            std::string dump;
            EXPECT_THROW(DumpDbf(FileSystem::Real(), path, nullptr, dump), EngineError);
        }

        // Flipping any byte of the fixed header, the type, length and decimals of each
        // descriptor, the terminator and a spread of record bytes must not crash.
        std::vector<size_t> positions;
        for (size_t i = 0; i < 32; ++i)
            positions.push_back(i);
        for (size_t d = 32; d + 32 <= headerSize; d += 32)
            for (size_t i : {0, 11, 16, 17})
                positions.push_back(d + i);
        positions.push_back(headerSize - 1);
        const size_t stride = std::max<size_t>(1, (good.size() - headerSize) / 16);
        for (size_t i = headerSize; i < good.size(); i += stride)
            positions.push_back(i);
        for (size_t pos : positions) {
            std::string flipped = good;
            flipped[pos] = static_cast<char>(~flipped[pos]);
            WriteBytes(path, flipped);
            try {
                std::string dump;
                DumpDbf(FileSystem::Real(), path, nullptr, dump);
                auto table = DbfTable::Open(FileSystem::Real(), path);
                for (uint64_t r = 0; r < table->RowCount(); ++r)
                    table->ReadRow(r);
            } catch (const EngineError&) {
            }
        }
    }
}

}  // namespace
}  // namespace mirta::engine
