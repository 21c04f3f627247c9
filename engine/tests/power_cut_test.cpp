// Power cuts at every event (write, sync, create, rename, remove) of each writing operation,
// on a file system that keeps only what was made durable: every unsynced write is lost, or
// kept, or torn at a sector or byte, and unsynced directory changes are lost or kept in
// order. After the restart every table opens, holds exactly the records of the last finished
// step or of the one under way (never a torn, half-moved or invented record), its index
// agrees with its data, and the next write works.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "engine/testing/crash_file_system.h"
#include "engine/testing/sample_rows.h"

namespace mirta::engine {
namespace {

using testing::CrashFileSystem;
using testing::CutMode;
using testing::InsertIds;
using testing::OrdinalOf;
using testing::PowerCut;
using testing::RowText;
using testing::SampleFields;
using testing::SampleRow;

const std::string kDir = "/dane";
const std::string kTable = kDir + "/T.DB";

using Rows = std::multiset<std::string>;

Rows ReadAll(Table& table) {
    Rows rows;
    for (uint64_t i = 0; i < table.RowCount(); ++i)
        rows.insert(RowText(table.ReadRow(i)));
    return rows;
}

using Step = std::function<void(CrashFileSystem&)>;

// A user-level change of the table: the operation, then the sync that ends it.
Step Synced(std::function<void(Table&)> change) {
    return [change](CrashFileSystem& fs) {
        auto table = ParadoxTable::Open(fs, kTable);
        change(*table);
        table->Sync();
    };
}

struct Scenario {
    const char* name;
    std::function<void(CrashFileSystem&)> setup;
    std::vector<Step> steps;
    // Reads what the restarted machine holds; throws when it does not open.
    std::function<Rows(CrashFileSystem&)> read;
    // A write after the restart, which must work.
    std::function<void(CrashFileSystem&)> write;
};

void ParadoxSetup(CrashFileSystem& fs, int keyFields, const std::function<void(Table&)>& fill) {
    fs.CreateDirectories(kDir);
    ParadoxCreateOptions options;
    options.blockSizeKb = 2;
    auto table = ParadoxTable::Create(fs, kTable, SampleFields(), keyFields, options);
    fill(*table);
    table->Sync();
}

Rows ParadoxRead(CrashFileSystem& fs) {
    auto table = ParadoxTable::Open(fs, kTable);
    Rows rows = ReadAll(*table);
    EXPECT_EQ(table->FileHeader().numRecords, table->RowCount()) << "the header miscounts";
    if (table->KeyFieldCount() > 0) {
        const auto px = table->PrimaryIndexBytes();
        EXPECT_TRUE(fs.Contents(ReplaceExtension(kTable, ".PX")) ==
                    std::string(px.begin(), px.end()))
            << "the primary index does not describe the data";
    }
    return rows;
}

void ParadoxWrite(CrashFileSystem& fs) {
    auto table = ParadoxTable::Open(fs, kTable);
    table->Insert(SampleRow(5000));
    table->Sync();
}

Scenario Paradox(const char* name, int keyFields, std::function<void(Table&)> fill,
                 std::vector<std::function<void(Table&)>> changes) {
    Scenario s{name,
               [=](CrashFileSystem& fs) { ParadoxSetup(fs, keyFields, fill); },
               {},
               ParadoxRead,
               ParadoxWrite};
    for (auto& change : changes)
        s.steps.push_back(Synced(change));
    return s;
}

void Bulk(Table& t, int from, int to) {
    t.BeginBulk();
    InsertIds(t, from, to, 1);
    t.EndBulk();
}

std::vector<FieldDef> DbfFields() {
    return {{"ID", FieldType::Number, 8, 0, 0}, {"NAZWA", FieldType::Alpha, 60, 0, 0}};
}

Record DbfRow(int id) {
    return {Value::Number(id), Value::Text("Wiersz " + std::to_string(id) + " ąę")};
}

const std::string kDbf = kDir + "/LISTA.DBF";

DbfOptions DbfFixedDate() {
    DbfOptions options;
    options.today = [] { return CivilDate{2026, 12, 10}; };
    return options;
}

void DbaseCreate(CrashFileSystem& fs) {
    DbfTable::Create(fs, kDbf, DbfFields(), 0xC8, DbfFixedDate());
}

Scenario Dbase(const char* name, std::vector<std::function<void(Table&)>> changes,
               bool createInTheRun = false) {
    Scenario s{name,
               [createInTheRun](CrashFileSystem& fs) {
                   fs.CreateDirectories(kDir);
                   if (createInTheRun)
                       return;
                   DbaseCreate(fs);
                   auto t = DbfTable::Open(fs, kDbf, DbfFixedDate());
                   for (int id = 1; id <= 5; ++id)
                       t->Insert(DbfRow(id));
               },
               {},
               [](CrashFileSystem& fs) {
                   if (!fs.Exists(kDbf))
                       return Rows{"none"};
                   auto t = DbfTable::Open(fs, kDbf, DbfFixedDate());
                   return ReadAll(*t);
               },
               [](CrashFileSystem& fs) {
                   if (!fs.Exists(kDbf))
                       return;
                   auto t = DbfTable::Open(fs, kDbf, DbfFixedDate());
                   t->Insert(DbfRow(5000));
               }};
    if (createInTheRun)
        s.steps.push_back(DbaseCreate);
    for (auto& change : changes)
        s.steps.push_back([change](CrashFileSystem& fs) {
            auto t = DbfTable::Open(fs, kDbf, DbfFixedDate());
            change(*t);
            t->Sync();
        });
    return s;
}

// The demo employee table with its composite secondary index (.XG0/.YG0), as T.*.
const std::filesystem::path kEmployees = std::filesystem::path(MIRTA_FIXTURES) / "paradox/dbdemos";

Record Employee(int id, const std::string& name) {
    return {Value::Integer(id), Value::Text(name), Value::Text("Ewa"),
            Value::Text("1"),   Value(),           Value::Number(id)};
}

Scenario WithSecondaryIndex(const char* name, std::vector<std::function<void(Table&)>> changes) {
    Scenario s{
        name,
        [](CrashFileSystem& fs) {
            fs.CreateDirectories(kDir);
            for (const char* ext : {"db", "px", "xg0", "yg0"}) {
                std::ifstream in(kEmployees / (std::string("employee.") + ext), std::ios::binary);
                const std::string bytes{std::istreambuf_iterator<char>(in), {}};
                std::string upper = ext;
                for (char& c : upper)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                auto file = fs.Open(kDir + "/T." + upper, OpenMode::Create);
                file->WriteAt(0, bytes.data(), bytes.size());
            }
        },
        {},
        [](CrashFileSystem& fs) {
            Rows rows = ParadoxRead(fs);
            // The secondary index opens and holds one entry per row.
            ParadoxOpenOptions readOnly;
            readOnly.readOnly = true;
            EXPECT_EQ(ParadoxTable::Open(fs, kDir + "/T.XG0", readOnly)->RowCount(), rows.size());
            return rows;
        },
        [](CrashFileSystem& fs) {
            auto table = ParadoxTable::Open(fs, kTable);
            table->Insert(Employee(5000, "Zamkniety"));
            table->Sync();
        }};
    for (auto& change : changes)
        s.steps.push_back(Synced(change));
    return s;
}

std::vector<Scenario> Scenarios() {
    auto filled = [](Table& t) { InsertIds(t, 0, 230, 10); };
    return {
        Paradox("InsertIntoABlockWithRoom", 1,
                [](Table& t) {
                    InsertIds(t, 0, 230, 10);
                    t.Delete(OrdinalOf(t, 20));
                },
                {[](Table& t) { t.Insert(SampleRow(25)); }}),
        Paradox("InsertSplitsAFullBlock", 1, filled, {[](Table& t) { t.Insert(SampleRow(15)); }}),
        Paradox("InsertStartsANewLastBlock", 1, filled,
                {[](Table& t) { t.Insert(SampleRow(1000)); }}),
        Paradox("UpdateKeepsTheKey", 1, filled,
                {[](Table& t) { t.Update(OrdinalOf(t, 30), SampleRow(30, 1)); }}),
        Paradox("UpdateMovesTheKey", 1, filled,
                {[](Table& t) { t.Update(OrdinalOf(t, 30), SampleRow(1005, 1)); }}),
        Paradox("DeleteFromABlock", 1, filled, {[](Table& t) { t.Delete(OrdinalOf(t, 40)); }}),
        Paradox("DeleteEmptiesAMiddleBlock", 1,
                [](Table& t) {
                    InsertIds(t, 0, 230, 10);
                    for (int id = 90; id <= 150; id += 10)
                        t.Delete(OrdinalOf(t, id));
                },
                {[](Table& t) { t.Delete(OrdinalOf(t, 80)); }}),
        Paradox("DeleteMergesIntoTheFirstBlock", 1,
                [](Table& t) {
                    InsertIds(t, 0, 230, 10);
                    for (int id = 10; id <= 70; id += 10)
                        t.Delete(OrdinalOf(t, id));
                },
                {[](Table& t) { t.Delete(OrdinalOf(t, 0)); }}),
        Paradox("BulkAppendKeyed", 1, filled, {[](Table& t) { Bulk(t, 1000, 1040); }}),
        Paradox("BulkAppendUnkeyed", 0, filled, {[](Table& t) { Bulk(t, 1000, 1040); }}),
        Paradox("InsertIntoAnEmptyTable", 1, [](Table&) {},
                {[](Table& t) { t.Insert(SampleRow(1)); }}),
        // Several user-level steps: each one that returned must outlive the cut.
        Paradox("StepsInARow", 1, filled,
                {[](Table& t) { t.Insert(SampleRow(15)); },
                 [](Table& t) { t.Update(OrdinalOf(t, 15), SampleRow(16, 2)); },
                 [](Table& t) { t.Delete(OrdinalOf(t, 200)); },
                 [](Table& t) { Bulk(t, 2000, 2010); }, [](Table& t) { t.Insert(SampleRow(17)); }}),
        Paradox("RebuildIndexes", 1, filled,
                {[](Table& t) { static_cast<ParadoxTable&>(t).RebuildIndexes(); }}),
        {"CreateTable",
         [](CrashFileSystem& fs) { fs.CreateDirectories(kDir); },
         {[](CrashFileSystem& fs) {
              ParadoxCreateOptions options;
              options.blockSizeKb = 2;
              ParadoxTable::Create(fs, kTable, SampleFields(), 1, options);
          },
          Synced([](Table& t) { t.Insert(SampleRow(1)); })},
         [](CrashFileSystem& fs) { return fs.Exists(kTable) ? ParadoxRead(fs) : Rows{"none"}; },
         [](CrashFileSystem& fs) {
             if (fs.Exists(kTable))
                 ParadoxWrite(fs);
         }},
        WithSecondaryIndex(
            "SecondaryIndexFollows",
            {[](Table& t) { t.Insert(Employee(1000, "Nowak")); },
             [](Table& t) { t.Update(OrdinalOf(t, 1000), Employee(1000, "kowalski")); },
             [](Table& t) { t.Delete(OrdinalOf(t, 1000)); }}),
        Dbase("DbaseAppend", {[](Table& t) { t.Insert(DbfRow(6)); }}),
        Dbase("DbaseCreate", {[](Table& t) { t.Insert(DbfRow(6)); }}, true),
        Dbase("DbaseBulkAppend", {[](Table& t) {
                  t.BeginBulk();
                  for (int id = 100; id < 140; ++id)
                      t.Insert(DbfRow(id));
                  t.EndBulk();
              }}),
    };
}

class PowerCutTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(PowerCutTest, EveryCutLeavesTheLastFinishedStepOrTheNext) {
    const Scenario& s = GetParam();
    if (std::string(s.name) == "SecondaryIndexFollows" && !std::filesystem::exists(kEmployees))
        GTEST_SKIP() << "no shared fixtures at " << kEmployees;
    CrashFileSystem fs;
    s.setup(fs);
    const CrashFileSystem::Snapshot start = fs.Save();

    // The records after each finished step, then the events of the run without the reads.
    std::vector<Rows> states;
    states.push_back(s.read(fs));
    for (const auto& step : s.steps) {
        step(fs);
        states.push_back(s.read(fs));
    }
    fs.Load(start);
    for (const auto& step : s.steps)
        step(fs);
    const uint64_t events = fs.Events();
    ASSERT_GT(events, 0u);

    for (uint64_t cut = 1; cut <= events; ++cut) {
        for (const CutMode mode : {CutMode::DropUnsynced, CutMode::Scramble, CutMode::Scramble}) {
            const uint32_t seed = static_cast<uint32_t>(cut * 3 + (mode == CutMode::Scramble));
            SCOPED_TRACE("cut at event " + std::to_string(cut) + " of " + std::to_string(events) +
                         (mode == CutMode::Scramble ? ", scrambled, seed " + std::to_string(seed)
                                                    : ", unsynced dropped"));
            fs.Load(start);
            fs.CutAt(cut, mode, seed);
            size_t done = 0;
            try {
                for (const auto& step : s.steps) {
                    step(fs);
                    if (fs.Cut())
                        break;
                    ++done;
                }
            } catch (const PowerCut&) {
            }
            ASSERT_TRUE(fs.Cut()) << "the run took fewer events than counted";
            fs.Restart();

            Rows seen;
            ASSERT_NO_THROW(seen = s.read(fs)) << "the table does not open after the cut";
            const bool allowed =
                seen == states[done] || (done + 1 < states.size() && seen == states[done + 1]);
            ASSERT_TRUE(allowed) << "after " << done << " finished steps the records are neither "
                                 << "those of the last finished step nor of the next";
            ASSERT_NO_THROW(s.write(fs)) << "the next write fails";
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, PowerCutTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirta::engine
