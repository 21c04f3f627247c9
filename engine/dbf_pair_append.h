#pragma once

#include <cstdint>
#include <string>

#include "engine/dbf_table.h"
#include "engine/file_system.h"

namespace mirta::engine {

// Appends rows to two dBase tables in pairs (row i of one belongs with row i of the other),
// with a number of flushes that does not grow with the rows: the rows go in uncounted, and a
// commit makes them durable, then counts them in both headers at once. Before the counts are
// written, a journal (a small file of our own) holds both tables' counts before and after;
// a power cut that leaves one header counting the new rows and the other not is settled at
// the next start of an append in pairs, by counting neither. So after any cut both tables
// count the same number of pairs, every one of them whole.
//
// The caller holds both tables' locks (HoldLock) for the appender's whole life.
class DbfPairAppend {
public:
    // Settles what an earlier run left (see above) and starts appending.
    DbfPairAppend(FileSystem& fs, std::string journalPath, DbfTable& first, DbfTable& second);
    // Uncommitted pairs are forgotten, not counted.
    ~DbfPairAppend();
    DbfPairAppend(const DbfPairAppend&) = delete;
    DbfPairAppend& operator=(const DbfPairAppend&) = delete;

    // Writes one pair, uncounted. When either row fails, neither stays and the error is
    // thrown; the pairs before it are kept for the commit.
    void Append(const Record& first, const Record& second);
    // Pairs appended since the last commit.
    uint64_t Uncommitted() const { return m_uncommitted; }
    // Pairs counted in both tables by this appender's commits.
    uint64_t Committed() const { return m_committed; }
    // Makes the uncommitted pairs durable and counted in both tables. When it fails, both
    // tables count what they counted before it (as far as the disk lets that be written) and
    // the error is thrown.
    void Commit();

    // Settles a journal an interrupted run left: true when it found one to act on.
    static bool Recover(FileSystem& fs, const std::string& journalPath, DbfTable& first,
                        DbfTable& second);

private:
    void WriteJournal(bool pending);

    FileSystem& m_fs;
    std::string m_journalPath;
    DbfTable& m_first;
    DbfTable& m_second;
    uint64_t m_firstCounted = 0;  // what each header counts
    uint64_t m_secondCounted = 0;
    uint64_t m_uncommitted = 0;
    uint64_t m_committed = 0;
    std::unique_ptr<File> m_journal;
};

}  // namespace mirta::engine
