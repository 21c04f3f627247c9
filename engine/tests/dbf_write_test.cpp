#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/dbf_dump.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/testing/fault_file_system.h"
#include "engine/tests/dbf_test_support.h"

namespace mirta::engine {
namespace {

using testing::DbfFixtures;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

constexpr CivilDate kToday{2026, 12, 10};

DbfOptions Options(const CodePage* codePage = nullptr) {
    DbfOptions options;
    options.codePage = codePage;
    options.today = [] { return kToday; };
    return options;
}

std::string Dump(const std::string& path, const CodePage* codePage = nullptr) {
    std::string out;
    DumpDbf(FileSystem::Real(), path, codePage, out);
    return out;
}

uint32_t HeaderCount(const std::string& bytes) {
    uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 4, 4);
    return count;
}

// A copy of a fixture in a fresh directory.
std::string CopyFixture(const TempDir& dir, const std::string& fixture, const std::string& name) {
    const std::string path = dir.File(name);
    WriteBytes(path, ReadBytes(DbfFixtures() + "/" + fixture));
    return path;
}

TEST(DbfCreate, WritesAnEmptyDbase3FileAndAppendsExactBytes) {
    TempDir dir;
    std::vector<FieldDef> fields = {
        {"NAZWISKO", FieldType::Alpha, 12, 0, 'C'}, {"PENSJA", FieldType::Number, 10, 2, 'N'},
        {"PL_NRL", FieldType::Number, 3, 0, 'N'},   {"DATA", FieldType::Date, 8, 0, 'D'},
        {"AKTYWNY", FieldType::Logical, 1, 0, 'L'},
    };
    auto table =
        DbfTable::Create(FileSystem::Real(), dir.File("PRACLIST.DBF"), fields, 0x64, Options());
    EXPECT_EQ(table->RowCount(), 0u);
    EXPECT_EQ(table->Fields(), fields);
    EXPECT_EQ(table->TextCodePage().Number(), 852);

    table->Insert({Value::Text("Łęcka"), Value::Number(4321.005), Value::Integer(7),
                   Value::Date(DayNumberFromCivil(2026, 1, 31)), Value::Logical(true)});
    table->Insert({Value(), Value(), Value(), Value(), Value()});

    const std::string bytes = ReadBytes(dir.File("PRACLIST.DBF"));
    const size_t headerSize = 32 + 32 * 5 + 1;
    ASSERT_EQ(bytes.size(), headerSize + 2 * 35 + 1);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x03\x7E\x0C\x0A\x02\0\0\0\xC1\0\x23\0", 12));
    EXPECT_EQ(static_cast<uint8_t>(bytes[29]), 0x64);
    EXPECT_EQ(bytes[headerSize - 1], '\x0D');
    const std::string name = CodePage::ForNumber(852).Encode("Łęcka       ");
    EXPECT_EQ(bytes.substr(headerSize, 35), " " + name +
                                                "   4321.01  72026013"
                                                "1T");
    EXPECT_EQ(bytes.substr(headerSize + 35), std::string(35, ' ') + "\x1A");

    auto again = DbfTable::Open(FileSystem::Real(), dir.File("praclist.dbf"));
    EXPECT_EQ(again->ReadRow(0),
              (Record{Value::Text("Łęcka"), Value::Number(4321.01), Value::Number(7),
                      Value::Date(DayNumberFromCivil(2026, 1, 31)), Value::Logical(true)}));
    for (const auto& v : again->ReadRow(1))
        EXPECT_TRUE(v.IsNull());
}

TEST(DbfCreate, RefusesStructuresDbase3CannotHold) {
    TempDir dir;
    struct Case {
        const char* why;
        FieldDef field;
    };
    const Case cases[] = {
        {"name too long", {"NAZWISKO_I_IMIE", FieldType::Alpha, 10, 0, 'C'}},
        {"empty name", {"", FieldType::Alpha, 10, 0, 'C'}},
        {"text too wide", {"A", FieldType::Alpha, 300, 0, 'C'}},
        {"no room for decimals", {"A", FieldType::Number, 3, 2, 'N'}},
        {"memo", {"A", FieldType::Memo, 10, 0, 'M'}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_THROW(DbfTable::Create(FileSystem::Real(), dir.File("X.DBF"), {c.field}, 0),
                     EngineError);
    }
    EXPECT_THROW(DbfTable::Create(
                     FileSystem::Real(), dir.File("X.DBF"),
                     {{"A", FieldType::Alpha, 1, 0, 'C'}, {"a", FieldType::Alpha, 1, 0, 'C'}}, 0),
                 EngineError);
}

TEST(DbfAppend, FormatsNumbersOrRefusesThem) {
    TempDir dir;
    struct Case {
        Value value;
        int width;
        int decimals;
        const char* stored;  // nullptr: refused
    };
    const Case cases[] = {
        {Value::Number(5000), 12, 2, "     5000.00"},
        {Value::Integer(152), 10, 0, "       152"},
        {Value::Number(2.675), 6, 2, "  2.68"},  // the decimal value, not the binary one
        {Value::Number(-2.675), 6, 2, " -2.68"},
        {Value::Number(0.125), 5, 2, " 0.13"},  // half away from zero, not to even
        {Value::Number(2.5), 3, 0, "  3"},
        {Value::Number(-0.001), 5, 2, " 0.00"},
        {Value::Number(999.4), 3, 0, "999"},
        {Value::Integer(-99), 3, 0, "-99"},
        {Value::Text(" 12.345 "), 8, 2, "   12.35"},
        {Value::Number(1e-7), 8, 3, "   0.000"},
        {Value::Number(99.995), 5, 2, nullptr},  // rounds to 100.00
        {Value::Number(999.5), 3, 0, nullptr},
        {Value::Integer(-100), 3, 0, nullptr},
        {Value::Number(1e20), 20, 0, nullptr},
        {Value::Number(std::numeric_limits<double>::quiet_NaN()), 10, 2, nullptr},
        {Value::Text("12,5x"), 8, 2, nullptr},
        {Value::Logical(true), 8, 2, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.ToString() + " in N" + std::to_string(c.width) + "." +
                     std::to_string(c.decimals));
        const std::string path = dir.File("N.DBF");
        auto table = DbfTable::Create(FileSystem::Real(), path,
                                      {{"N", FieldType::Number, c.width, c.decimals, 'N'}}, 0);
        const std::string before = ReadBytes(path);
        if (!c.stored) {
            EXPECT_THROW(table->Insert({c.value}), EngineError);
            EXPECT_EQ(ReadBytes(path), before);
            continue;
        }
        table->Insert({c.value});
        EXPECT_EQ(ReadBytes(path).substr(before.size() - 1, size_t(c.width) + 2),
                  " " + std::string(c.stored) + "\x1A");
    }
}

TEST(DbfAppend, StoresPolishTextInTheFilesCodePageOrRawBytes) {
    TempDir dir;
    const std::string text = "Zażółć gęślą jaźń";
    struct Case {
        const char* name;
        uint8_t language;
        const CodePage* forced;
        int codePage;
    };
    const Case cases[] = {
        {"Latin 2 by language byte", 0x64, nullptr, 852},
        {"Windows 1250 by language byte", 0xC8, nullptr, 1250},
        {"Mazovia by language byte", 0x69, nullptr, 620},
        {"Mazovia forced on an unmarked file", 0x00, &CodePage::Mazovia(), 620},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("T.DBF");
        DbfTable::Create(FileSystem::Real(), path,
                         {{"T", FieldType::Alpha, 20, 0, 'C'}, {"K", FieldType::Alpha, 5, 0, 'C'}},
                         c.language);
        auto table = DbfTable::Open(FileSystem::Real(), path, Options(c.forced));
        table->Insert({Value::Text(text), Value::Text(text)});  // the second is cut to 5
        const CodePage& cp = CodePage::ForNumber(c.codePage);
        const std::string record = ReadBytes(path).substr(32 * 3 + 1, 27);
        EXPECT_EQ(record, " " + cp.Encode(text) + "   " + cp.Encode("Zażół") + "\x1A");

        auto again = DbfTable::Open(FileSystem::Real(), path, Options(c.forced));
        EXPECT_EQ(again->ReadRow(0), (Record{Value::Text(text), Value::Text("Zażół")}));
    }

    // The payroll export translates letters itself: its bytes go in untouched.
    const std::string path = dir.File("RAW.DBF");
    auto table = DbfTable::Create(FileSystem::Real(), path, {{"T", FieldType::Alpha, 6, 0, 'C'}}, 0,
                                  Options());
    table->Insert({Value::Bytes("\x8F\x86\x90\x91\xA4\xA5")});
    EXPECT_EQ(ReadBytes(path).substr(32 * 2 + 1, 8), " \x8F\x86\x90\x91\xA4\xA5\x1A");
    EXPECT_EQ(Dump(path, &CodePage::Mazovia()), "_DELETED:L\tT:C6\nF\tĄąĘęńŃ\n");

    // A letter CP437 lacks is refused rather than stored as '?'.
    const std::string before = ReadBytes(path);
    EXPECT_THROW(table->Insert({Value::Text("Łódź")}), EngineError);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(DbfAppend, KeepsTheFilesYearConventionAndStructure) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    struct Case {
        const char* fixture;
        uint8_t yearByte;  // after appending on 2026-12-10
    };
    // javadbf.dbf stores 2015 as 115, dbase_03.dbf stores 2005 as 5.
    for (auto c : {Case{"javadbf/javadbf.dbf", 126}, Case{"infused/dbase_03.dbf", 26}}) {
        SCOPED_TRACE(c.fixture);
        const std::string path = CopyFixture(dir, c.fixture, "F.DBF");
        const std::string before = ReadBytes(path);
        const std::string dumpBefore = Dump(path);
        auto table = DbfTable::Open(FileSystem::Real(), path, Options());
        Record row(table->Fields().size());
        row[0] = Value::Text("9999");
        const uint64_t ordinal = table->Insert(row);
        EXPECT_EQ(ordinal, table->RowCount() - 1);

        const std::string after = ReadBytes(path);
        EXPECT_EQ(static_cast<uint8_t>(after[1]), c.yearByte);
        EXPECT_EQ(after.substr(2, 2), "\x0C\x0A");
        EXPECT_EQ(HeaderCount(after), HeaderCount(before) + 1);
        // Only the date and count change in the header; old records are untouched.
        const uint32_t headerSize =
            static_cast<uint8_t>(before[8]) | static_cast<uint8_t>(before[9]) << 8;
        EXPECT_EQ(after.substr(8, headerSize - 8), before.substr(8, headerSize - 8));
        const uint32_t recordSize =
            static_cast<uint8_t>(before[10]) | static_cast<uint8_t>(before[11]) << 8;
        const size_t oldEnd = headerSize + HeaderCount(before) * recordSize;
        EXPECT_EQ(after.substr(headerSize, oldEnd - headerSize),
                  before.substr(headerSize, oldEnd - headerSize));
        EXPECT_EQ(after.size(), oldEnd + recordSize + 1);
        EXPECT_EQ(after.back(), '\x1A');
        // The dump grows by exactly the new line.
        const std::string dumpAfter = Dump(path);
        EXPECT_EQ(dumpAfter.substr(0, dumpBefore.size()), dumpBefore);
        EXPECT_EQ(dumpAfter.substr(dumpBefore.size(), 6), "F\t9999");
    }
}

// Fails the disk after every possible byte count of one append: the table must stay readable
// with the new row wholly there or absent, and a later append must still work.
TEST(DbfAppend, SurvivesAFailedWriteAtEveryByte) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = dir.File("J.DBF");
    const std::string original = ReadBytes(DbfFixtures() + "/javadbf/javadbf.dbf");
    // The name goes in as bytes already translated, as the payroll export does.
    const Record raw = {Value::Text("2000"),
                        Value::Bytes("Bo\xA7"
                                     "ena"),
                        Value::Number(1234.5)};
    WriteBytes(path, original);
    const std::string oldDump = Dump(path);
    testing::FaultFileSystem counting;
    DbfTable::Open(counting, path, Options())->Insert(raw);
    const int64_t total = counting.BytesWritten();
    ASSERT_EQ(total, 43 + 1 + 7);  // record, end mark, date and count
    const std::string newLine = Dump(path).substr(oldDump.size());
    ASSERT_EQ(newLine, "F\t2000\tBoºena\t1234.50\n");

    for (int64_t budget = 0; budget < total; ++budget) {
        SCOPED_TRACE("write fails after " + std::to_string(budget) + " bytes");
        WriteBytes(path, original);
        testing::FaultFileSystem faulty;
        faulty.FailWritesAfter(budget);
        auto table = DbfTable::Open(faulty, path, Options());
        EXPECT_THROW(table->Insert(raw), EngineError);

        const std::string dump = Dump(path);
        EXPECT_TRUE(dump == oldDump || dump == oldDump + newLine) << dump;
        const bool counted = dump != oldDump;
        EXPECT_EQ(counted, budget >= 43 + 1 + 7 - 3) << "count written with its low byte";

        // The same table, the disk repaired: the row goes in once, after the counted ones.
        faulty.FailWritesAfter(-1);
        table->Insert(raw);
        EXPECT_EQ(Dump(path), oldDump + newLine + (counted ? newLine : ""));
    }

    // A failing flush reports the error; what reached the file is still consistent.
    WriteBytes(path, original);
    testing::FaultFileSystem noSync;
    noSync.FailSyncs(true);
    EXPECT_THROW(DbfTable::Open(noSync, path, Options())->Insert(raw), EngineError);
    EXPECT_EQ(Dump(path), oldDump);
}

TEST(DbfAppend, SeesRowsAnotherProgramAppendedAndRespectsItsLock) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = CopyFixture(dir, "javadbf/javadbf.dbf", "J.DBF");
    auto ours = DbfTable::Open(FileSystem::Real(), path, Options());
    auto theirs = DbfTable::Open(FileSystem::Real(), path, Options());
    const ChangeStamp before = ours->LastStamp();

    theirs->Insert({Value::Text("A"), Value(), Value()});
    EXPECT_NE(ours->CurrentStamp(), before);
    ours->Insert({Value::Text("B"), Value(), Value()});
    EXPECT_EQ(ours->RowCount(), 5u);
    EXPECT_EQ(ours->ReadField(3, 0), Value::Text("A"));
    EXPECT_EQ(ours->ReadField(4, 0), Value::Text("B"));
    EXPECT_EQ(ours->LastStamp(), ours->CurrentStamp());

    // While the owner holds the file, nothing is written.
    auto owner = FileSystem::Real().Open(path, OpenMode::ReadWrite);
    ASSERT_TRUE(owner->TryLock(true));
    const std::string locked = ReadBytes(path);
    EXPECT_THROW(ours->Insert({Value::Text("C"), Value(), Value()}), EngineError);
    EXPECT_THROW(ours->BeginBulk(), EngineError);
    EXPECT_EQ(ReadBytes(path), locked);
    owner->Unlock();
    ours->Insert({Value::Text("C"), Value(), Value()});
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path)->RowCount(), 6u);
}

// A hold keeps other writers out for a whole run of appends, yet every row is counted on the
// disk as it is written; rows of our own run can be taken back without shortening the file.
TEST(DbfAppend, HoldsTheLockAcrossAppendsAndTakesBackItsOwnRows) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = CopyFixture(dir, "javadbf/javadbf.dbf", "J.DBF");
    auto table = DbfTable::Open(FileSystem::Real(), path, Options());
    const uint32_t recordSize = table->RecordSize();
    const uint64_t headerSize = 129;
    table->HoldLock();
    auto other = FileSystem::Real().Open(path, OpenMode::ReadWrite);
    EXPECT_FALSE(other->TryLock(true));

    for (int i = 0; i < 2; ++i) {
        table->Insert({Value::Text(std::to_string(i)), Value(), Value()});
        const std::string bytes = ReadBytes(path);
        EXPECT_EQ(HeaderCount(bytes), 4u + i);
        EXPECT_EQ(bytes.size(), headerSize + (4 + i) * recordSize + 1);
        EXPECT_EQ(bytes.back(), '\x1A');
    }
    EXPECT_THROW(table->TakeBackAppends(2), EngineError) << "rows from before the hold";

    const std::string before = ReadBytes(path);
    table->TakeBackAppends(5);
    EXPECT_EQ(ReadBytes(path), before) << "nothing past the rows counted: nothing written";
    const size_t sizeBefore = before.size();
    table->TakeBackAppends(4);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(HeaderCount(bytes), 4u);
    EXPECT_EQ(bytes.size(), sizeBefore);
    EXPECT_EQ(bytes[headerSize + 4 * recordSize], '\x1A');
    EXPECT_EQ(table->RowCount(), 4u);
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path)->RowCount(), 4u);

    // The next row takes the withdrawn one's place.
    table->Insert({Value::Text("X"), Value(), Value()});
    table->ReleaseLock();
    EXPECT_TRUE(other->TryLock(true));
    other->Unlock();
    auto again = DbfTable::Open(FileSystem::Real(), path);
    EXPECT_EQ(again->RowCount(), 5u);
    EXPECT_EQ(again->ReadField(4, 0), Value::Text("X"));
    EXPECT_THROW(table->TakeBackAppends(4), EngineError) << "no hold any more";
}

TEST(DbfTable, UpdatesAndDeletesInPlace) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = CopyFixture(dir, "javadbf/javadbf.dbf", "J.DBF");
    auto table = DbfTable::Open(FileSystem::Real(), path, Options());
    EXPECT_EQ(table->Update(1, {Value::Text("1001"), Value::Text("Lalita"), Value::Number(3500)}),
              1u);
    table->Delete(0);
    EXPECT_EQ(table->RowCount(), 2u);
    EXPECT_EQ(table->ReadField(0, 1), Value::Text("Lalita"));
    EXPECT_EQ(table->Insert({Value::Text("1003"), Value(), Value()}), 2u);
    EXPECT_EQ(Dump(path),
              "_DELETED:L\temp_code:C10\temp_name:C20\tsalary:N12.2\n"
              "T\t1000\tJohn\t5000.00\n"
              "F\t1001\tLalita\t3500.00\n"
              "F\t1002\tRohit\t7350.00\n"
              "F\t1003\t\t\\N\n");
    auto again = DbfTable::Open(FileSystem::Real(), path);
    EXPECT_EQ(again->RowCount(), 3u);
    EXPECT_EQ(again->ReadField(2, 0), Value::Text("1003"));
}

TEST(DbfTable, BulkModeCountsRowsOnceAtTheEnd) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    const std::string path = CopyFixture(dir, "javadbf/javadbf.dbf", "J.DBF");
    auto table = DbfTable::Open(FileSystem::Real(), path, Options());
    table->BeginBulk();
    for (int i = 0; i < 3; ++i)
        table->Insert({Value::Text(std::to_string(i)), Value(), Value()});
    EXPECT_EQ(table->RowCount(), 6u);
    EXPECT_EQ(table->ReadField(5, 0), Value::Text("2"));
    EXPECT_EQ(HeaderCount(ReadBytes(path)), 3u);  // other readers still see the old table
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path)->RowCount(), 3u);
    table->EndBulk();
    EXPECT_EQ(HeaderCount(ReadBytes(path)), 6u);
    EXPECT_EQ(DbfTable::Open(FileSystem::Real(), path)->RowCount(), 6u);
}

TEST(DbfTable, RefusesWritesItCannotDoSafely) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    // FoxPro and dBase 7 files are read only here.
    auto fox = DbfTable::Open(FileSystem::Real(), CopyFixture(dir, "infused/cp1251.dbf", "F.DBF"));
    EXPECT_TRUE(fox->ReadOnly());
    EXPECT_THROW(fox->Insert({Value(), Value()}), EngineError);

    // A production index would miss the new row.
    std::string indexed = ReadBytes(DbfFixtures() + "/javadbf/javadbf.dbf");
    indexed[28] = 1;
    const std::string path = dir.File("I.DBF");
    WriteBytes(path, indexed);
    const Record row = {Value::Text("X"), Value(), Value()};
    EXPECT_THROW(DbfTable::Open(FileSystem::Real(), path)->Insert(row), EngineError);
    EXPECT_EQ(ReadBytes(path), indexed);
    DbfOptions allow = Options();
    allow.allowStaleIndex = true;
    EXPECT_NO_THROW(DbfTable::Open(FileSystem::Real(), path, allow)->Insert(row));

    // Wrong value kinds and row widths.
    auto table = DbfTable::Open(FileSystem::Real(), path, allow);
    EXPECT_THROW(table->Insert({Value::Integer(1), Value(), Value()}), EngineError);
    EXPECT_THROW(table->Insert({Value()}), EngineError);
}

TEST(DbfTable, CreateLikeMakesAnEmptyTableOfTheSameStructure) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    auto source =
        DbfTable::Open(FileSystem::Real(), CopyFixture(dir, "javadbf/javadbf.dbf", "J.DBF"));
    auto copy = source->CreateLike(dir.File("NOWY.DBF"));
    EXPECT_EQ(copy->RowCount(), 0u);
    EXPECT_EQ(copy->Fields(), source->Fields());
    copy->Insert({Value::Text("1"), Value::Text("Ala"), Value::Number(1)});
    EXPECT_EQ(Dump(dir.File("NOWY.DBF")),
              "_DELETED:L\temp_code:C10\temp_name:C20\tsalary:N12.2\nF\t1\tAla\t1.00\n");
}

}  // namespace
}  // namespace mirta::engine
