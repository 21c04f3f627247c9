// A writer process killed at random moments. The child runs a fixed script of bulk appends and
// interactive inserts, key-changing updates and deletes on one table, syncing after each and
// reporting each finished step on a pipe. After the kill the table must read (with our reader
// and pxlib) as it was after the last reported step, or after the step in progress (for an
// interrupted key-changing update also with both records, for a bulk append with the first k
// of its rows), and the next write must bring header and index back in line with the blocks.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/temp_dir.h"

namespace mirta::engine {
namespace {

namespace fs = std::filesystem;
using testing::ReadWithPxlib;
using testing::TempDir;

constexpr int kSteps = 40;
constexpr int kBulkRows = 25;
constexpr int kKills = 20;

std::vector<FieldDef> Fields() {
    return {{"Id", FieldType::Long, 0, 0, 0},
            {"Nazwa", FieldType::Alpha, 40, 0, 0},
            {"Opis", FieldType::Alpha, 120, 0, 0}};
}

Record Row(int id, int version) {
    const std::string tag = std::to_string(id) + "v" + std::to_string(version);
    std::string desc;
    while (desc.size() + tag.size() + 1 <= 110)
        desc += tag + ".";
    return {Value::Integer(id), Value::Text("N" + tag), Value::Text(desc)};
}

std::string Text(const Record& row) {
    return std::to_string(row.at(0).AsInteger()) + "|" + row.at(1).AsText() + "|" +
           row.at(2).AsText();
}

std::string Text(const std::vector<std::string>& fields) {
    return fields.at(0) + "|" + fields.at(1) + "|" + fields.at(2);
}

using Rows = std::set<std::string>;

struct Step {
    enum Kind { Bulk, Insert, Update, Delete } kind = Insert;
    int id = 0;     // inserted, updated (old key) or deleted
    int newId = 0;  // update only
    int version = 0;
    std::vector<int> bulkIds;
};

// The fixed script, with the rows it leaves after each step. Child and parent both run it.
class Script {
public:
    Script() {
        for (int id = 0; id < 4000; id += 100)
            m_rows[id] = Text(Row(id, 0));
    }
    const std::map<int, std::string>& Current() const { return m_rows; }

    Step Next(int index) {
        Step step;
        step.version = index + 1;
        switch (index % 4) {
            case 0:
                step.kind = Step::Bulk;
                for (int i = 0; i < kBulkRows; ++i) {
                    step.bulkIds.push_back(m_nextBulkId);
                    m_rows[m_nextBulkId] = Text(Row(m_nextBulkId, step.version));
                    ++m_nextBulkId;
                }
                break;
            case 1:
                step.kind = Step::Insert;
                step.id = FreeId();
                m_rows[step.id] = Text(Row(step.id, step.version));
                break;
            case 2:
                step.kind = Step::Update;
                step.id = AnyId();
                step.newId = FreeId();
                m_rows.erase(step.id);
                m_rows[step.newId] = Text(Row(step.newId, step.version));
                break;
            default:
                step.kind = Step::Delete;
                step.id = AnyId();
                m_rows.erase(step.id);
                break;
        }
        return step;
    }

private:
    int FreeId() {
        for (;;) {
            int id = std::uniform_int_distribution<int>(0, 99999)(m_rng);
            if (!m_rows.count(id))
                return id;
        }
    }
    int AnyId() {
        auto it = m_rows.begin();
        std::advance(it, std::uniform_int_distribution<size_t>(0, m_rows.size() - 1)(m_rng));
        return it->first;
    }

    std::mt19937 m_rng{2026};
    std::map<int, std::string> m_rows;
    int m_nextBulkId = 100000;
};

void Apply(Table& table, const Step& step) {
    switch (step.kind) {
        case Step::Bulk:
            table.BeginBulk();
            for (int id : step.bulkIds)
                table.Insert(Row(id, step.version));
            table.EndBulk();
            break;
        case Step::Insert:
            table.Insert(Row(step.id, step.version));
            break;
        case Step::Update:
            table.Update(table.LowerBound({Value::Integer(step.id)}),
                         Row(step.newId, step.version));
            break;
        case Step::Delete:
            table.Delete(table.LowerBound({Value::Integer(step.id)}));
            break;
    }
    table.Sync();
}

[[noreturn]] void RunChild(const std::string& path, int pipeOut) {
    try {
        Script script;
        auto table = ParadoxTable::Open(FileSystem::Real(), path);
        for (int i = 0; i < kSteps; ++i) {
            Apply(*table, script.Next(i));
            const int done = i + 1;
            if (::write(pipeOut, &done, sizeof done) != sizeof done)
                ::_exit(3);
        }
    } catch (...) {
        ::_exit(2);
    }
    ::_exit(0);
}

Rows ToSet(const std::map<int, std::string>& rows) {
    Rows set;
    for (const auto& entry : rows)
        set.insert(entry.second);
    return set;
}

// What the table may hold when `done` steps were reported finished.
bool Allowed(const Rows& seen, int done) {
    Script script;
    for (int i = 0; i < done; ++i)
        script.Next(i);
    const Rows before = ToSet(script.Current());
    if (seen == before || done == kSteps)
        return seen == before;
    const Step step = script.Next(done);
    const Rows after = ToSet(script.Current());
    if (seen == after)
        return true;
    if (step.kind == Step::Update) {
        Rows both = before;
        both.insert(Text(Row(step.newId, step.version)));
        return seen == both;
    }
    if (step.kind == Step::Bulk) {
        Rows prefix = before;
        for (int id : step.bulkIds) {
            prefix.insert(Text(Row(id, step.version)));
            if (seen == prefix)
                return true;
        }
    }
    return false;
}

Rows ReadOurs(const std::string& path, uint64_t* count = nullptr) {
    auto table = ParadoxTable::Open(FileSystem::Real(), path);
    Rows rows;
    for (uint64_t i = 0; i < table->RowCount(); ++i)
        rows.insert(Text(table->ReadRow(i)));
    EXPECT_EQ(rows.size(), table->RowCount()) << "a record is repeated";
    if (count)
        *count = table->RowCount();
    return rows;
}

TEST(ParadoxCrash, KilledWriterLeavesWholeRecords) {
    TempDir dir;
    const std::string seed = dir.File("seed");
    fs::create_directories(seed);
    {
        ParadoxCreateOptions options;
        options.blockSizeKb = 2;
        auto table = ParadoxTable::Create(FileSystem::Real(), seed + "/T.DB", Fields(), 1, options);
        Script script;
        table->BeginBulk();
        for (const auto& [id, text] : script.Current())
            table->Insert(Row(id, 0));
        table->EndBulk();
    }

    for (int round = 0; round < kKills; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        const std::string work = dir.File("work" + std::to_string(round));
        fs::create_directories(work);
        for (const auto& entry : fs::directory_iterator(seed))
            fs::copy_file(entry.path(), fs::path(work) / entry.path().filename());
        const std::string path = work + "/T.DB";

        std::mt19937 rng(static_cast<uint32_t>(round));
        const int waitFor = std::uniform_int_distribution<int>(0, kSteps - 1)(rng);
        const int delayUs = std::uniform_int_distribution<int>(0, 3000)(rng);

        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            RunChild(path, fds[1]);
        }
        ::close(fds[1]);
        int done = 0, message = 0;
        while (done < waitFor && ::read(fds[0], &message, sizeof message) == sizeof message)
            done = message;
        ::usleep(static_cast<useconds_t>(delayUs));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        while (::read(fds[0], &message, sizeof message) == sizeof message)
            done = message;
        ::close(fds[0]);
        ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << "the writer failed on its own";

        Rows seen;
        ASSERT_NO_THROW(seen = ReadOurs(path));
        EXPECT_TRUE(Allowed(seen, done)) << "after " << done << " reported steps";
        try {
            for (const auto& row : ReadWithPxlib(path))
                EXPECT_EQ(seen.count(Text(row)), 1u) << Text(row);
        } catch (const std::runtime_error&) {
            // The header's counts may lag the blocks until the next write.
        }

        {
            auto table = ParadoxTable::Open(FileSystem::Real(), path);
            ASSERT_NO_THROW(table->Insert(Row(999999, 0)));
        }
        uint64_t count = 0;
        Rows repaired = ReadOurs(path, &count);
        auto table = ParadoxTable::Open(FileSystem::Real(), path);
        EXPECT_EQ(table->FileHeader().numRecords, count);
        seen.insert(Text(Row(999999, 0)));
        EXPECT_EQ(repaired, seen);
        Rows viaPxlib;
        for (const auto& row : ReadWithPxlib(path))
            viaPxlib.insert(Text(row));
        EXPECT_EQ(viaPxlib, repaired);
    }
}

}  // namespace
}  // namespace mirta::engine
