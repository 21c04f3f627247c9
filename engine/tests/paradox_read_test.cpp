#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "engine/engine_error.h"
#include "engine/paradox_crypt.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_index.h"
#include "engine/paradox_table.h"
#include "engine/testing/shared_fixtures.h"

namespace mirta::engine {
namespace {

namespace fs = std::filesystem;

ParadoxOpenOptions ReadOnly() {
    ParadoxOpenOptions options;
    options.readOnly = true;
    return options;
}

ParadoxOpenOptions WithPasswords(std::vector<std::string> passwords) {
    ParadoxOpenOptions options = ReadOnly();
    options.passwords = std::move(passwords);
    return options;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every Paradox fixture with a dump beside it: the table is the file of the same stem
// whose extension is .db in either case.
std::vector<fs::path> ParadoxFixtures() {
    std::vector<fs::path> tables;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(testing::SharedFixturesDir()) / "paradox")) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 10 || name.substr(name.size() - 9) != ".dump.txt")
            continue;
        const std::string stem = name.substr(0, name.size() - 9);
        for (const char* ext : {".db", ".DB"})
            if (fs::exists(entry.path().parent_path() / (stem + ext)))
                tables.push_back(entry.path().parent_path() / (stem + ext));
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

TEST(ParadoxRead, EveryFixtureDumpsExactly) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    auto tables = ParadoxFixtures();
    ASSERT_GE(tables.size(), 26u);
    for (const auto& table : tables) {
        std::ostringstream out;
        DumpParadox(FileSystem::Real(), table.string(), nullptr, out);
        fs::path dump = table;
        dump.replace_extension(".dump.txt");
        EXPECT_EQ(out.str(), ReadFile(dump)) << table;
    }
}

TEST(ParadoxRead, RowsDecodeToValues) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    auto table = ParadoxTable::Open(
        FileSystem::Real(), testing::SharedFixturesDir() + "/paradox/rparadox/TypSammlung.DB",
        ReadOnly());
    ASSERT_EQ(table->RowCount(), 5u);
    Record row = table->ReadRow(4);  // "Zweite Zeile"
    EXPECT_EQ(row[0], Value::Text("Zweite Zeile"));
    EXPECT_EQ(row[1], Value::Number(-40));
    EXPECT_EQ(row[3], Value::Integer(-40));
    EXPECT_EQ(row[6], Value::Date(DayNumberFromCivil(1999, 9, 9)));
    EXPECT_EQ(row[7], Value::Time(((11 * 60 + 11) * 60 + 11) * 1000));
    EXPECT_EQ(row[10], Value::Logical(true));
    EXPECT_EQ(row[11], Value::Integer(2));
    EXPECT_TRUE(table->ReadRow(1)[2].IsNull());  // empty money is not zero
    EXPECT_EQ(table->Fields()[2].name, "Währung");
}

TEST(ParadoxRead, PasswordsAreCheckedAgainstTheHeader) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    struct Case {
        const char* file;
        const char* password;
        uint32_t key;
    };
    const Case cases[] = {
        {"paradoxdriver/encrypt/encrypted.db", "123", 0x0A25E09A},
        {"rparadox/country_encrypted.db", "rparadox", 0x8848F16E},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paradox::PasswordKey(c.password), c.key);
        const std::string path = testing::SharedFixturesDir() + "/paradox/" + c.file;
        auto table = ParadoxTable::Open(FileSystem::Real(), path, ReadOnly());
        EXPECT_TRUE(table->CheckPassword(c.password));
        EXPECT_FALSE(table->CheckPassword("zle"));
        EXPECT_NO_THROW(
            ParadoxTable::Open(FileSystem::Real(), path, WithPasswords({"x", c.password})));
        EXPECT_THROW(ParadoxTable::Open(FileSystem::Real(), path, WithPasswords({"x"})),
                     EngineError);
    }
}

// Leaf entries (key, data block, count) reachable from the root, sorted.
std::vector<std::string> IndexEntries(const std::string& bytes) {
    auto byte = [&](size_t off) {
        return static_cast<unsigned>(static_cast<uint8_t>(bytes.at(off)));
    };
    auto u16 = [&](size_t off) { return byte(off) | (byte(off + 1) << 8); };
    const size_t headerSize = u16(2), blockSize = byte(5) * 1024u, entrySize = u16(0);
    std::vector<std::string> entries;
    std::vector<std::pair<unsigned, unsigned>> pending{{u16(0x1E), byte(0x20)}};
    while (!pending.empty()) {
        auto [block, level] = pending.back();
        pending.pop_back();
        const size_t base = headerSize + (block - 1) * blockSize;
        const int count = static_cast<int16_t>(u16(base + 4)) / static_cast<int>(entrySize) + 1;
        for (int i = 0; i < count; ++i) {
            const size_t at = base + 6 + i * entrySize;
            if (level == 1)
                entries.push_back(bytes.substr(at, entrySize));
            if (level > 1)
                pending.push_back(
                    {((byte(at + entrySize - 6) & 0x7F) << 8) | byte(at + entrySize - 5),
                     level - 1});
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The fixtures' own .PX files against the index rebuilt from their data. Most are identical
// byte for byte; the others differ only where the engine left history behind: stale bytes
// after the last entry of a block, a stale block or a short last block, the root block's
// place in a two-level chain, and a byte 0x2C that does not follow the table's counter.
TEST(ParadoxIndex, RebuiltPrimaryIndexMatchesTheFixtures) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    const std::set<std::string> identical = {"customer.db", "employee.db", "items.db",
                                             "orders.db",   "reservat.db", "vendors.db",
                                             "long.db",     "EMPLOYEE.DB"};
    int exact = 0, compared = 0;
    for (const auto& table : ParadoxFixtures()) {
        auto t = ParadoxTable::Open(FileSystem::Real(), table.string(), ReadOnly());
        if (!t->FileHeader().Keyed())
            continue;
        const std::string px =
            ResolvePath(FileSystem::Real(), ReplaceExtension(table.string(), ".PX"));
        if (!fs::exists(px))
            continue;
        const std::string expected = ReadFile(px);
        const std::vector<uint8_t> built = t->PrimaryIndexBytes();
        const std::string actual(built.begin(), built.end());
        ++compared;
        if (identical.count(table.filename().string())) {
            EXPECT_TRUE(actual == expected) << table;
            exact += actual == expected;
        }
        EXPECT_EQ(IndexEntries(actual), IndexEntries(expected)) << table;
        EXPECT_EQ(actual.substr(0, 0x2C),
                  expected.substr(0, 0x2C).replace(0x1E, 2, actual.substr(0x1E, 2)))
            << table;
    }
    EXPECT_EQ(compared, 14);
    EXPECT_EQ(exact, 8);
}

std::vector<uint8_t> Bytes(const fs::path& path) {
    std::string s = ReadFile(path);
    return {s.begin(), s.end()};
}

// Entries of a secondary index file without their block hints, in chain order.
std::vector<std::string> SecondaryEntries(const std::vector<uint8_t>& file) {
    paradox::Header h = paradox::Header::Parse(
        std::vector<uint8_t>(file.begin(), file.begin() + paradox::GetU16(file.data() + 2)), "x",
        true);
    std::vector<std::string> entries;
    for (uint16_t b = h.firstBlock; b != 0;) {
        const size_t base = h.headerSize + (b - 1u) * h.BlockSize();
        auto bh = paradox::BlockHeader::Read(file.data() + base);
        for (int r = 0; r < bh.Count(h.recordSize); ++r)
            entries.emplace_back(reinterpret_cast<const char*>(file.data()) + base + 6 +
                                     static_cast<size_t>(r) * h.recordSize,
                                 h.recordSize - 2);
        b = bh.next;
    }
    return entries;
}

// Secondary indexes rebuilt from the fixtures' data. Indexes the engine wrote in one go come
// out byte for byte; the others hold the same entries in the same order, and differ where
// the engine left history: blocks filled to other levels, stale block hints (a hint names
// where a record was when its entry was made), and a 0x2C byte that does not follow the
// .Xnn counter.
TEST(ParadoxIndex, RebuiltSecondaryIndexesMatchTheFixtures) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    struct Case {
        const char* table;
        const char* index;
        bool exact;
    };
    const Case cases[] = {
        {"dbdemos/employee.db", "dbdemos/employee.xg0", true},  // case-insensitive names
        {"dbdemos/reservat.db", "dbdemos/reservat.x02", true},
        {"dbdemos/reservat.db", "dbdemos/reservat.x03", true},
        {"paradoxdriver/db/AREACODES.DB", "paradoxdriver/db/AREACODES.XG0", true},
        {"dbdemos/items.db", "dbdemos/items.xg0", false},
        {"dbdemos/items.db", "dbdemos/items.x03", false},
        {"dbdemos/customer.db", "dbdemos/customer.xg0", false},
        {"dbdemos/orders.db", "dbdemos/orders.x02", false},
    };
    const fs::path root = fs::path(testing::SharedFixturesDir()) / "paradox";
    for (const auto& c : cases) {
        auto table = ParadoxTable::Open(FileSystem::Real(), (root / c.table).string(), ReadOnly());
        const std::vector<uint8_t> original = Bytes(root / c.index);
        auto image = paradox::BuildSecondaryIndex(
            table->FileHeader(), c.index, original,
            [&](const paradox::RecordVisitor& v) { table->ForEachRawRecordInBlock(v); }, false);
        EXPECT_EQ(SecondaryEntries(image.data), SecondaryEntries(original)) << c.index;
        if (c.exact) {
            EXPECT_TRUE(image.data == original) << c.index;
            std::string y = (root / c.index).string();
            y[y.size() - 3] = y[y.size() - 3] == 'X' ? 'Y' : 'y';
            std::vector<uint8_t> built = paradox::BuildPrimaryIndex(
                image.header, image.leaves,
                paradox::ReadIndexTemplate(FileSystem::Real(), y, image.header));
            std::vector<uint8_t> expected = Bytes(y);
            built[paradox::kIndexChangeCount] = expected[paradox::kIndexChangeCount];
            EXPECT_TRUE(built == expected) << y;
        }
    }
}

}  // namespace
}  // namespace mirta::engine
