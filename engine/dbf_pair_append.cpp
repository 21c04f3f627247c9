#include "engine/dbf_pair_append.h"

#include <array>
#include <cstring>

#include "engine/engine_error.h"
#include "engine/undo_journal.h"

namespace mirta::engine {

namespace {

constexpr char kMagic[8] = {'M', 'I', 'R', 'T', 'A', 'P', 'A', 'R'};
constexpr size_t kJournalSize = 32;

struct Counts {
    bool pending = false;
    uint32_t firstBefore = 0, firstAfter = 0, secondBefore = 0, secondAfter = 0;
};

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get32(const uint8_t* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

std::array<uint8_t, kJournalSize> JournalBytes(const Counts& c) {
    std::array<uint8_t, kJournalSize> b{};
    std::memcpy(b.data(), kMagic, sizeof kMagic);
    Put32(b.data() + 8, c.pending ? 1 : 0);
    Put32(b.data() + 12, c.firstBefore);
    Put32(b.data() + 16, c.firstAfter);
    Put32(b.data() + 20, c.secondBefore);
    Put32(b.data() + 24, c.secondAfter);
    Put32(b.data() + 28, Crc32(b.data(), 28));
    return b;
}

}  // namespace

DbfPairAppend::DbfPairAppend(FileSystem& fs, std::string journalPath, DbfTable& first,
                             DbfTable& second)
    : m_fs(fs), m_journalPath(std::move(journalPath)), m_first(first), m_second(second) {
    Recover(m_fs, m_journalPath, m_first, m_second);
    m_firstCounted = m_first.CountedRecords();
    m_secondCounted = m_second.CountedRecords();
    m_first.BeginBulk();
    m_second.BeginBulk();
}

DbfPairAppend::~DbfPairAppend() {
    try {
        if (m_uncommitted > 0) {
            m_first.ForgetUncounted(m_firstCounted);
            m_second.ForgetUncounted(m_secondCounted);
        }
    } catch (...) {
        // Uncounted rows are invisible to readers whatever is left of them.
    }
    for (DbfTable* t : {&m_first, &m_second}) {
        try {
            t->EndBulk();
        } catch (...) {
        }
    }
    if (m_journal) {
        m_journal.reset();
        try {
            m_fs.Remove(m_journalPath);  // retired on the disk already: a copy a cut brings back
                                         // is ignored
        } catch (...) {
        }
    }
}

void DbfPairAppend::Append(const Record& first, const Record& second) {
    try {
        m_first.Insert(first);
        m_second.Insert(second);
    } catch (...) {
        try {
            m_first.ForgetUncounted(m_firstCounted + m_uncommitted);
            m_second.ForgetUncounted(m_secondCounted + m_uncommitted);
        } catch (...) {
            // The first error is the one to report; the rows stay uncounted either way.
        }
        throw;
    }
    ++m_uncommitted;
}

void DbfPairAppend::WriteJournal(bool pending) {
    Counts c;
    c.pending = pending;
    c.firstBefore = static_cast<uint32_t>(m_firstCounted);
    c.firstAfter = static_cast<uint32_t>(m_firstCounted + m_uncommitted);
    c.secondBefore = static_cast<uint32_t>(m_secondCounted);
    c.secondAfter = static_cast<uint32_t>(m_secondCounted + m_uncommitted);
    const auto bytes = JournalBytes(c);
    const bool created = !m_journal && !m_fs.Exists(m_journalPath);
    if (!m_journal)
        m_journal = m_fs.Open(m_journalPath, created ? OpenMode::Create : OpenMode::ReadWrite);
    m_journal->WriteAt(0, bytes.data(), bytes.size());
    m_journal->Sync();
    if (created)
        m_fs.SyncDirectory(DirectoryOf(m_journalPath));
}

void DbfPairAppend::Commit() {
    if (m_uncommitted == 0)
        return;
    bool journaled = false;
    try {
        // The rows and their end marks, then the journal, then both counts: a cut before the
        // counts leaves the rows uncounted in both tables.
        m_first.Sync();
        m_second.Sync();
        WriteJournal(true);
        journaled = true;
        m_first.WriteCount();
        m_second.WriteCount();
        m_first.Sync();
        m_second.Sync();
        WriteJournal(false);
    } catch (...) {
        try {
            if (journaled) {
                m_first.CountOnly(m_firstCounted);
                m_second.CountOnly(m_secondCounted);
                WriteJournal(false);
            } else {
                m_first.ForgetUncounted(m_firstCounted);
                m_second.ForgetUncounted(m_secondCounted);
            }
        } catch (...) {
            // The journal still names the counts before: the next run settles them.
        }
        m_uncommitted = 0;
        throw;
    }
    m_firstCounted += m_uncommitted;
    m_secondCounted += m_uncommitted;
    m_committed += m_uncommitted;
    m_uncommitted = 0;
}

bool DbfPairAppend::Recover(FileSystem& fs, const std::string& journalPath, DbfTable& first,
                            DbfTable& second) {
    if (!fs.Exists(journalPath))
        return false;
    auto file = fs.Open(journalPath, OpenMode::ReadWrite);
    std::array<uint8_t, kJournalSize> b{};
    if (file->ReadAt(0, b.data(), b.size()) != b.size() ||
        std::memcmp(b.data(), kMagic, sizeof kMagic) != 0 ||
        Get32(b.data() + 28) != Crc32(b.data(), 28) || Get32(b.data() + 8) != 1)
        return false;
    Counts c;
    c.firstBefore = Get32(b.data() + 12);
    c.firstAfter = Get32(b.data() + 16);
    c.secondBefore = Get32(b.data() + 20);
    c.secondAfter = Get32(b.data() + 24);
    const uint64_t a = first.CountedRecords(), s = second.CountedRecords();
    // Only one header counts the new rows: neither shall. Any other state is whole (both or
    // neither counted), or another program has changed the files since: left alone.
    const bool firstOnly = a == c.firstAfter && s == c.secondBefore;
    const bool secondOnly = a == c.firstBefore && s == c.secondAfter;
    const bool act = c.firstAfter != c.firstBefore && (firstOnly || secondOnly);
    if (firstOnly && act)
        first.CountOnly(c.firstBefore);
    if (secondOnly && act)
        second.CountOnly(c.secondBefore);
    const auto retired = JournalBytes({});
    file->WriteAt(0, retired.data(), retired.size());
    file->Sync();
    return act;
}

}  // namespace mirta::engine
