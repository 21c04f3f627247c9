#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/file_system.h"

namespace mirta::engine {

// Keeps the old bytes of every region of a table file that an operation overwrites, so that an
// operation cut short (a failed write, a killed process, a power cut) is undone on the next
// open and no record is left half old, half new. The journal is on the disk before the first
// old byte is overwritten, and it is retired only once the table's new bytes are on the disk.
// Bytes appended past the file's old end need no copy: the undo cuts the file back.
//
// File: a 48-byte header (magic, operation id, the table's size before and after the
// operation, the number of entries, the CRC of the bytes appended past the old size, whether
// the operation can be checked for completion, CRC), then the entries (offset, length, CRC of
// the new bytes, CRC over the operation id, place, new bytes' CRC and old bytes; the old
// bytes). An operation is retired when the header's id is zero. A journal with fewer whole
// entries than its header counts never reached the disk whole, so no overwrite of its
// operation began: it is ignored.
//
// Retiring is not flushed when the operation can be checked: a journal found unretired after
// a power cut whose table already holds every new byte describes a finished operation, which
// is kept. So a change costs two ordered flushes, the journal's and then the table's.
class UndoJournal {
public:
    UndoJournal(FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
    ~UndoJournal();

    // Puts back what an unfinished operation overwrote in `table`, or keeps it when the table
    // holds all of it already; true when the journal named an operation either way (the
    // table's indexes may then be behind it).
    static bool Recover(FileSystem& fs, const std::string& path, File& table);

    // Saves the bytes of `table` in `ranges` ([offset, end), within `tableSize`) and makes
    // the journal durable; the caller overwrites them only then. `after` reads as the table
    // will once the operation is written: its new bytes in `ranges` and past `tableSize`.
    void Record(File& table, File& after, uint64_t tableSize,
                const std::vector<std::pair<uint64_t, uint64_t>>& ranges);
    // The recorded operation's writes are durable: the journal is retired.
    void Retire();
    // Makes a retirement that was written but not flushed durable (before the table is let
    // go, so that no later change of another program is ever taken for ours).
    void SettleRetirement();
    // An operation is recorded and not yet retired.
    bool Pending() const { return m_pending; }

private:
    FileSystem& m_fs;
    std::string m_path;
    std::unique_ptr<File> m_file;
    bool m_pending = false;
    bool m_checkable = false;         // the pending operation can be checked for completion
    bool m_retiredUnflushed = false;  // retired by a write not yet flushed
};

uint32_t Crc32(const uint8_t* data, size_t length, uint32_t crc = 0);

}  // namespace mirta::engine
