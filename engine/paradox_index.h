#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "engine/paradox_header.h"

namespace mirta::engine::paradox {

// One entry of a primary index: the key of a data block's first record, the block's number
// and the number of records in it (or, in upper levels, an index block and its total).
struct IndexEntry {
    const uint8_t* key = nullptr;  // points into the caller's data; KeySize() bytes
    uint16_t block = 0;
    uint32_t count = 0;
};

// The index files that belong to a table file (.PX, .Xnn/.Ynn, .XGn/.YGn), as they are
// spelled in the directory.
std::vector<std::string> ListIndexFiles(FileSystem& fs, const std::string& tablePath);

// Where the root of a multi-level index goes in its block chain.
enum class RootPlacement {
    // Block 1, the levels below it after it in key order, and a block size at which two
    // levels suffice where one exists: readers that take the chain's first block for the
    // root and read no third level attach it.
    First,
    // After the leaves and every level above them, as secondary indexes keep it.
    Last,
};

// The bytes of a primary index over `leaves` (one per data block, in chain order).
// `templateHeader`, when not empty, is the header of the existing index: its bytes are kept
// and only the counts, block links, sizes and (for a larger index) the block size are
// rewritten. An index of one block is the same either way.
std::vector<uint8_t> BuildPrimaryIndex(const Header& table, const std::vector<IndexEntry>& leaves,
                                       const std::vector<uint8_t>& templateHeader,
                                       RootPlacement placement = RootPlacement::First);

// An index file kept open with the bytes last written, so that an interactive change writes
// only the pages that differ and reads nothing.
class IndexFile {
public:
    IndexFile(FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
    const std::string& Path() const { return m_path; }
    // The file's bytes as they are on disk (read once).
    const std::vector<uint8_t>& Image();
    void Write(const std::vector<uint8_t>& bytes);
    void StartSync();
    void Sync();
    // Like Sync when the file kept its length; then its pages reach the disk and become
    // durable with the table's own sync that follows.
    void WriteOutBeforeTableSync();

private:
    void OpenFile();

    FileSystem& m_fs;
    std::string m_path;
    std::unique_ptr<File> m_file;
    std::vector<uint8_t> m_image;
    bool m_loaded = false;
    bool m_dirty = false;
    bool m_resized = false;
    bool m_created = false;  // its directory entry is not yet durable
};

// Writes an index file, touching only the blocks whose bytes changed.
void WriteIndexFile(FileSystem& fs, const std::string& path, const std::vector<uint8_t>& bytes,
                    bool sync);

// Reads the header bytes of an existing index file, or an empty vector when there is none or
// it cannot serve as a template for `table`.
// The same for index bytes already in memory (at least the header).
std::vector<uint8_t> IndexTemplate(const std::vector<uint8_t>& file, const std::string& path,
                                   const Header& table);
std::vector<uint8_t> ReadIndexTemplate(FileSystem& fs, const std::string& path,
                                       const Header& table);

}  // namespace mirta::engine::paradox

namespace mirta::engine {
class ParadoxTable;
namespace paradox {

using RecordVisitor = std::function<void(const uint8_t* record, uint16_t block)>;

// A secondary index rebuilt in memory: the .Xnn/.XGn file and the leaves of its .Ynn/.YGn.
struct SecondaryIndexImage {
    std::vector<uint8_t> data;
    std::vector<IndexEntry> leaves;
    Header header;
};

// Rebuilds a secondary index, whose file now holds `existing`, from the table rows `scan`
// visits with their block numbers. Its header bytes are kept; `bump` advances its counter.
SecondaryIndexImage BuildSecondaryIndex(const Header& table, const std::string& xPath,
                                        const std::vector<uint8_t>& existing,
                                        const std::function<void(const RecordVisitor&)>& scan,
                                        bool bump);

// Rebuilds every secondary index file (.Xnn/.Ynn, .XGn/.YGn) of a table from its data.
void RebuildSecondaryIndexes(FileSystem& fs, ParadoxTable& table);
}  // namespace paradox
}  // namespace mirta::engine
