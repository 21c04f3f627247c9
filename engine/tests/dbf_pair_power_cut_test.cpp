// Appending in pairs to two dBase tables under power cuts at every event, on a file system that
// keeps only what was made durable (unsynced writes lost, kept or torn). After the restart and
// the next append's settling, both tables count the same pairs, each row whole, and exactly
// the pairs of the last finished commit or of the one under way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/dbf_pair_append.h"
#include "engine/dbf_table.h"
#include "engine/testing/crash_file_system.h"

namespace mirta::engine {
namespace {

using testing::CrashFileSystem;
using testing::CutMode;
using testing::PowerCut;

const std::string kDir = "/dane";
const std::string kFirst = kDir + "/MIRTA.DBF";
const std::string kSecond = kDir + "/PRACLIST.DBF";
const std::string kJournal = kDir + "/PARY.JNL";

DbfOptions Options() {
    DbfOptions options;
    options.today = [] { return CivilDate{2026, 12, 10}; };
    return options;
}

// Rows of different sizes, naming their pair in every field so that a torn one stands out.
Record FirstRow(int id) {
    return {Value::Number(id),
            Value::Text("Pierwszy " + std::to_string(id) + std::string(90, 'a'))};
}
Record SecondRow(int id) {
    return {Value::Number(id), Value::Text("Drugi " + std::to_string(id))};
}

std::vector<std::string> Texts(DbfTable& t) {
    std::vector<std::string> rows;
    for (uint64_t i = 0; i < t.RowCount(); ++i) {
        const Record r = t.ReadRow(i);
        rows.push_back(std::to_string(r[0].AsNumber()) + "|" + r[1].AsText());
    }
    return rows;
}

std::vector<std::string> Expected(const std::vector<int>& ids, bool first) {
    std::vector<std::string> rows;
    for (int id : ids) {
        const Record r = first ? FirstRow(id) : SecondRow(id);
        rows.push_back(std::to_string(r[0].AsNumber()) + "|" + r[1].AsText());
    }
    return rows;
}

struct Pair {
    std::unique_ptr<DbfTable> first, second;
    explicit Pair(CrashFileSystem& fs)
        : first(DbfTable::Open(fs, kFirst, Options())),
          second(DbfTable::Open(fs, kSecond, Options())) {
        first->HoldLock();
        second->HoldLock();
    }
    ~Pair() {
        second->ReleaseLock();
        first->ReleaseLock();
    }
};

// Each commit's ids, in order.
const std::vector<std::vector<int>> kCommits = {{100, 101, 102, 103, 104}, {200, 201, 202}};

// Counts the commits that returned in `finished`.
void AppendInPairs(CrashFileSystem& fs, size_t& finished) {
    finished = 0;
    Pair p(fs);
    DbfPairAppend append(fs, kJournal, *p.first, *p.second);
    for (const auto& ids : kCommits) {
        for (int id : ids)
            append.Append(FirstRow(id), SecondRow(id));
        append.Commit();
        ++finished;
    }
}

TEST(DbfPairPowerCut, EveryCutLeavesTheSamePairsCountedInBothTables) {
    CrashFileSystem fs;
    fs.CreateDirectories(kDir);
    DbfTable::Create(fs, kFirst,
                     {{"ID", FieldType::Number, 8, 0, 0}, {"NAZWA", FieldType::Alpha, 120, 0, 0}},
                     0x03, Options());
    DbfTable::Create(fs, kSecond,
                     {{"ID", FieldType::Number, 8, 0, 0}, {"NAZWA", FieldType::Alpha, 20, 0, 0}},
                     0x03, Options());
    std::vector<int> before = {1, 2, 3};
    {
        auto a = DbfTable::Open(fs, kFirst, Options());
        auto b = DbfTable::Open(fs, kSecond, Options());
        for (int id : before) {
            a->Insert(FirstRow(id));
            b->Insert(SecondRow(id));
        }
    }
    fs.SyncEverything();
    const CrashFileSystem::Snapshot start = fs.Save();

    // What may be counted: the rows before, then each commit's on top.
    std::vector<std::vector<int>> allowed = {before};
    for (const auto& ids : kCommits) {
        allowed.push_back(allowed.back());
        allowed.back().insert(allowed.back().end(), ids.begin(), ids.end());
    }

    size_t finished = 0;
    fs.Load(start);
    AppendInPairs(fs, finished);
    const uint64_t events = fs.Events();
    ASSERT_GT(events, 0u);
    for (uint64_t cut = 1; cut <= events; ++cut) {
        for (const CutMode mode : {CutMode::DropUnsynced, CutMode::Scramble, CutMode::Scramble}) {
            const uint32_t seed = static_cast<uint32_t>(cut * 5 + (mode == CutMode::Scramble));
            SCOPED_TRACE("cut at event " + std::to_string(cut) + " of " + std::to_string(events) +
                         (mode == CutMode::Scramble ? ", scrambled, seed " + std::to_string(seed)
                                                    : ", unsynced dropped"));
            fs.Load(start);
            fs.CutAt(cut, mode, seed);
            try {
                AppendInPairs(fs, finished);
            } catch (const PowerCut&) {
            }
            ASSERT_TRUE(fs.Cut()) << "the run took fewer events than counted";
            fs.Restart();

            // The next run settles what the cut left, then appends one more pair.
            std::vector<std::string> first, second;
            ASSERT_NO_THROW({
                Pair p(fs);
                DbfPairAppend append(fs, kJournal, *p.first, *p.second);
                first = Texts(*p.first);
                second = Texts(*p.second);
                append.Append(FirstRow(900), SecondRow(900));
                append.Commit();
            });
            bool found = false;
            for (size_t i = finished; i < allowed.size() && i <= finished + 1; ++i)
                found = found || (first == Expected(allowed[i], true) &&
                                  second == Expected(allowed[i], false));
            ASSERT_TRUE(found)
                << "after " << finished << " finished commits " << first.size() << " and "
                << second.size()
                << " rows are counted, not the whole pairs of that commit or the next";
            Pair p(fs);
            ASSERT_EQ(Texts(*p.first).back(), Expected({900}, true)[0]);
            ASSERT_EQ(Texts(*p.second).size(), first.size() + 1);
        }
    }
}

}  // namespace
}  // namespace mirta::engine
