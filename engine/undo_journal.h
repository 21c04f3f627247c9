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
// File: a 32-byte header (magic, operation id, the table's size before the operation, the
// number of entries, CRC), then the entries (offset, length, CRC over the operation id, place
// and bytes; the old bytes). An operation is retired when the header's id is zero. A journal
// with fewer whole entries than its header counts never reached the disk whole, so no
// overwrite of its operation began: it is ignored.
class UndoJournal {
public:
    UndoJournal(FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
    ~UndoJournal();

    // Puts back what an unfinished operation overwrote in `table`; true when it did.
    static bool Recover(FileSystem& fs, const std::string& path, File& table);

    // Saves the bytes of `table` in `ranges` ([offset, end), within `tableSize`) and makes
    // the journal durable; the caller overwrites them only then.
    void Record(File& table, uint64_t tableSize,
                const std::vector<std::pair<uint64_t, uint64_t>>& ranges);
    // The recorded operation's writes are durable: the journal is retired.
    void Retire();
    // An operation is recorded and not yet retired.
    bool Pending() const { return m_pending; }

private:
    FileSystem& m_fs;
    std::string m_path;
    std::unique_ptr<File> m_file;
    bool m_pending = false;
};

uint32_t Crc32(const uint8_t* data, size_t length, uint32_t crc = 0);

}  // namespace mirta::engine
