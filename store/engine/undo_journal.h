#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/engine/file_system.h"

namespace mirta::engine {

// Keeps the old bytes of every region of a table file that an operation overwrites, so that an
// operation cut short (a failed write, a killed process) is undone on the next open and no
// record is left half old, half new. Bytes appended past the file's old end need no copy.
//
// File: a 32-byte header (magic, operation id, the table's size before the operation, CRC),
// then entries (offset, length, CRC over the operation id, place and bytes; the old bytes).
// An operation is finished when the header's id is zero.
class UndoJournal {
public:
    UndoJournal(FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
    ~UndoJournal();

    // Puts back what an unfinished operation overwrote in `table`; true when it did.
    static bool Recover(FileSystem& fs, const std::string& path, File& table);

    void Begin(uint64_t tableSize);
    // Saves the bytes of `table` at [offset, offset + length) before they are overwritten.
    void BeforeOverwrite(File& table, uint64_t offset, size_t length);
    void Commit();
    bool Active() const { return m_active; }

private:
    FileSystem& m_fs;
    std::string m_path;
    std::unique_ptr<File> m_file;
    bool m_active = false;
    bool m_started = false;  // the header of this operation is written
    uint32_t m_operation = 0;
    uint64_t m_tableSize = 0;
    uint64_t m_end = 0;
    std::vector<std::pair<uint64_t, uint64_t>> m_saved;  // regions saved in this operation
};

uint32_t Crc32(const uint8_t* data, size_t length, uint32_t crc = 0);

}  // namespace mirta::engine
