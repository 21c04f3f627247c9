#include "store/engine/paradox_index.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "store/engine/engine_error.h"

namespace mirta::engine::paradox {

namespace {

constexpr uint16_t kIndexHeaderSize = 0x800;
constexpr size_t kEntryTrailer = 6;  // block, count, unused

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool IsIndexExtension(const std::string& ext) {
    if (ext == "PX")
        return true;
    if (ext.size() != 3)
        return false;
    if (ext[0] != 'X' && ext[0] != 'Y')
        return false;
    return std::isxdigit(static_cast<unsigned char>(ext[1])) ||
           (ext[1] == 'G' && std::isalnum(static_cast<unsigned char>(ext[2])));
}

std::vector<uint8_t> NewIndexHeader(const Header& table) {
    std::vector<uint8_t> h(kIndexHeaderSize, 0);
    uint8_t* p = h.data();
    PutU16(p + kHeaderSize, kIndexHeaderSize);
    p[kFileType] = kPrimaryIndex;
    p[kMaxTableSize] = table.maxTableSize;
    PutU16(p + kNumFields, static_cast<uint16_t>(table.keyFields));
    p[kSortOrder] = table.sortOrder;
    p[kFileVersion] = table.version;
    size_t pos = kFixedPartEnd;
    for (int i = 0; i < table.keyFields; ++i) {
        p[pos++] = table.descriptors[2 * i];
        p[pos++] = table.descriptors[2 * i + 1];
    }
    pos += 4;
    std::string name = table.tableName.substr(0, kTableNameSizeOld - 1);
    std::memcpy(p + pos, name.data(), name.size());
    return h;
}

}  // namespace

std::vector<std::string> ListIndexFiles(FileSystem& fs, const std::string& tablePath) {
    size_t slash = tablePath.find_last_of('/');
    std::string dir = slash == std::string::npos ? "" : tablePath.substr(0, slash);
    std::string file = slash == std::string::npos ? tablePath : tablePath.substr(slash + 1);
    std::string stem = Upper(file.substr(0, file.find_last_of('.')));
    std::vector<std::string> found;
    for (const auto& name : fs.List(dir)) {
        size_t dot = name.find_last_of('.');
        if (dot == std::string::npos)
            continue;
        if (Upper(name.substr(0, dot)) != stem)
            continue;
        if (!IsIndexExtension(Upper(name.substr(dot + 1))))
            continue;
        found.push_back(dir.empty() ? name : dir + "/" + name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<uint8_t> ReadIndexTemplate(FileSystem& fs, const std::string& path,
                                       const Header& table) {
    if (!fs.Exists(path))
        return {};
    try {
        auto file = fs.Open(path, OpenMode::Read);
        std::vector<uint8_t> fixed(kFixedPartEnd);
        if (file->ReadAt(0, fixed.data(), fixed.size()) != fixed.size())
            return {};
        uint16_t headerSize = GetU16(fixed.data() + kHeaderSize);
        if (headerSize < kFixedPartEnd)
            return {};
        std::vector<uint8_t> bytes(headerSize);
        if (file->ReadAt(0, bytes.data(), bytes.size()) != bytes.size())
            return {};
        Header h = Header::Parse(bytes, path, false);
        if (h.fileType != kPrimaryIndex || h.numFields != table.keyFields ||
            h.recordSize != table.KeySize() + kEntryTrailer)
            return {};
        for (int i = 0; i < 2 * table.keyFields; ++i)
            if (h.descriptors[i] != table.descriptors[i])
                return {};
        return bytes;
    } catch (const EngineError&) {
        return {};
    }
}

std::vector<uint8_t> BuildPrimaryIndex(const Header& table, const std::vector<IndexEntry>& leaves,
                                       const std::vector<uint8_t>& templateHeader) {
    std::vector<uint8_t> header = templateHeader.empty() ? NewIndexHeader(table) : templateHeader;
    const uint16_t headerSize = GetU16(header.data() + kHeaderSize);
    const size_t blockSize = static_cast<size_t>(header[kMaxTableSize]) * 1024;
    const int keySize = table.KeySize();
    const int entrySize = keySize + static_cast<int>(kEntryTrailer);
    const int capacity = static_cast<int>((blockSize - kBlockHeaderSize) / entrySize);
    // The engine leaves one slot of every index block free.
    const int perBlock = std::max(1, capacity - 1);

    struct Block {
        std::vector<IndexEntry> entries;
    };
    std::vector<Block> blocks;
    std::vector<IndexEntry> level = leaves;
    int levels = 0;
    uint16_t root = 0;
    if (!level.empty()) {
        while (true) {
            ++levels;
            std::vector<IndexEntry> parents;
            for (size_t i = 0; i < level.size(); i += perBlock) {
                Block b;
                b.entries.assign(level.begin() + i,
                                 level.begin() + std::min(level.size(), i + perBlock));
                blocks.push_back(b);
                uint32_t total = 0;
                for (const auto& e : b.entries)
                    total += e.count;
                parents.push_back(
                    {b.entries.front().key, static_cast<uint16_t>(blocks.size()), total});
            }
            if (parents.size() == 1) {
                root = static_cast<uint16_t>(blocks.size());
                break;
            }
            level = std::move(parents);
        }
    }

    std::vector<uint8_t> out(headerSize + blocks.size() * blockSize, 0);
    std::memcpy(out.data(), header.data(), std::min<size_t>(header.size(), headerSize));
    uint32_t entries = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        uint8_t* b = out.data() + headerSize + i * blockSize;
        const auto& list = blocks[i].entries;
        BlockHeader{static_cast<uint16_t>(i + 1 < blocks.size() ? i + 2 : 0),
                    static_cast<uint16_t>(i),
                    BlockHeader::AddDataSizeFor(static_cast<int>(list.size()), entrySize)}
            .Write(b);
        uint8_t* e = b + kBlockHeaderSize;
        for (const auto& entry : list) {
            std::memcpy(e, entry.key.data(), keySize);
            uint8_t* t = e + keySize;
            t[0] = static_cast<uint8_t>(0x80 | (entry.block >> 8));
            t[1] = static_cast<uint8_t>(entry.block);
            uint32_t count = std::min<uint32_t>(entry.count, 0x7FFF);
            t[2] = static_cast<uint8_t>(0x80 | (count >> 8));
            t[3] = static_cast<uint8_t>(count);
            t[4] = 0x80;
            t[5] = 0x00;
            e += entrySize;
        }
        entries += static_cast<uint32_t>(list.size());
    }
    uint8_t* p = out.data();
    PutU16(p + kRecordSize, static_cast<uint16_t>(entrySize));
    PutU32(p + kNumRecords, entries);
    const auto n = static_cast<uint16_t>(blocks.size());
    PutU16(p + kUsedBlocks, n);
    PutU16(p + kFileBlocks, n);
    PutU16(p + kFirstBlock, n ? 1 : 0);
    PutU16(p + kLastBlock, n);
    PutU16(p + kIndexRoot, root);
    p[kIndexLevels] = static_cast<uint8_t>(levels);
    PutU16(p + kKeyFields, 0);
    p[kIndexChangeCount] = table.raw[kChangeCount1];
    return out;
}

void WriteIndexFile(FileSystem& fs, const std::string& path, const std::vector<uint8_t>& bytes,
                    bool sync) {
    std::unique_ptr<File> file;
    std::vector<uint8_t> old;
    if (fs.Exists(path)) {
        file = fs.Open(path, OpenMode::ReadWrite);
        old.resize(file->Size());
        old.resize(file->ReadAt(0, old.data(), old.size()));
    } else {
        file = fs.Open(path, OpenMode::Create);
    }
    // Compare in 4 KiB pages: an interactive change rewrites one or two of them.
    constexpr size_t kPage = 4096;
    for (size_t off = 0; off < bytes.size(); off += kPage) {
        size_t len = std::min(kPage, bytes.size() - off);
        if (off + len <= old.size() && std::memcmp(old.data() + off, bytes.data() + off, len) == 0)
            continue;
        file->WriteAt(off, bytes.data() + off, len);
    }
    if (old.size() > bytes.size())
        file->Truncate(bytes.size());
    if (sync)
        file->Sync();
}

}  // namespace mirta::engine::paradox

namespace mirta::engine::paradox {

void RebuildSecondaryIndexes(FileSystem&, ParadoxTable&) {}

}  // namespace mirta::engine::paradox
