#include "engine/paradox_index.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>

#include "engine/code_page.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"

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

std::vector<uint8_t> IndexTemplate(const std::vector<uint8_t>& file, const std::string& path,
                                   const Header& table) {
    if (file.size() < kFixedPartEnd)
        return {};
    const uint16_t headerSize = GetU16(file.data() + kHeaderSize);
    if (headerSize < kFixedPartEnd || headerSize > file.size())
        return {};
    std::vector<uint8_t> bytes(file.begin(), file.begin() + headerSize);
    try {
        Header h = Header::Parse(bytes, path, false);
        if ((h.fileType != kPrimaryIndex && h.fileType != kSecondaryIndex &&
             h.fileType != kCompositeIndex) ||
            h.numFields != table.keyFields || h.recordSize != table.KeySize() + kEntryTrailer)
            return {};
        for (int i = 0; i < 2 * table.keyFields; ++i)
            if (h.descriptors[i] != table.descriptors[i])
                return {};
    } catch (const EngineError&) {
        return {};
    }
    return bytes;
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
        std::vector<uint8_t> bytes(GetU16(fixed.data() + kHeaderSize));
        bytes.resize(file->ReadAt(0, bytes.data(), bytes.size()));
        return IndexTemplate(bytes, path, table);
    } catch (const EngineError&) {
        return {};
    }
}

namespace {

// Entries one index block of `kb` KiB takes; the engine leaves one slot of every block free.
int EntriesPerBlock(int kb, int entrySize) {
    const int capacity = static_cast<int>((static_cast<size_t>(kb) * 1024 - kBlockHeaderSize) /
                                          static_cast<size_t>(entrySize));
    return std::max(1, capacity - 1);
}

// Index blocks per level, leaves first, for `leaves` entries.
std::vector<size_t> BlocksPerLevel(size_t leaves, int perBlock) {
    std::vector<size_t> levels;
    size_t entries = leaves;
    while (entries > 0) {
        const size_t blocks = (entries + perBlock - 1) / perBlock;
        levels.push_back(blocks);
        if (blocks == 1)
            break;
        entries = blocks;
    }
    return levels;
}

// The smallest block size, from `kb` up, at which the index needs at most two levels (other
// readers descend no further); `kb` itself when none does.
int BlockSizeForTwoLevels(int kb, int entrySize, size_t leaves, uint8_t version) {
    if (BlocksPerLevel(leaves, EntriesPerBlock(kb, entrySize)).size() <= 2)
        return kb;
    static constexpr int kOlder[] = {1, 2, 4};
    static constexpr int kLevel7[] = {1, 2, 4, 8, 16, 32};
    const bool level7 = version >= 12;
    const int* sizes = level7 ? kLevel7 : kOlder;
    const size_t count = level7 ? std::size(kLevel7) : std::size(kOlder);
    for (size_t i = 0; i < count; ++i)
        if (sizes[i] > kb &&
            BlocksPerLevel(leaves, EntriesPerBlock(sizes[i], entrySize)).size() <= 2)
            return sizes[i];
    return kb;
}

}  // namespace

std::vector<uint8_t> BuildPrimaryIndex(const Header& table, const std::vector<IndexEntry>& leaves,
                                       const std::vector<uint8_t>& templateHeader,
                                       RootPlacement placement) {
    std::vector<uint8_t> header = templateHeader.empty() ? NewIndexHeader(table) : templateHeader;
    const uint16_t headerSize = GetU16(header.data() + kHeaderSize);
    const int keySize = table.KeySize();
    const int entrySize = keySize + static_cast<int>(kEntryTrailer);
    if (placement == RootPlacement::First)
        header[kMaxTableSize] = static_cast<uint8_t>(BlockSizeForTwoLevels(
            header[kMaxTableSize], entrySize, leaves.size(), header[kFileVersion]));
    const size_t blockSize = static_cast<size_t>(header[kMaxTableSize]) * 1024;
    const int perBlock = EntriesPerBlock(header[kMaxTableSize], entrySize);

    // Block numbers of each level's first block: the root first and each level below after
    // the one above it, or the leaves first and the root last.
    const std::vector<size_t> counts = BlocksPerLevel(leaves.size(), perBlock);
    const size_t levels = counts.size();
    std::vector<size_t> firstNumber(levels, 1);
    if (placement == RootPlacement::First && levels > 1) {
        for (size_t l = levels - 1; l-- > 0;)
            firstNumber[l] = firstNumber[l + 1] + counts[l + 1];
    } else {
        for (size_t l = 1; l < levels; ++l)
            firstNumber[l] = firstNumber[l - 1] + counts[l - 1];
    }
    size_t total = 0;
    for (size_t c : counts)
        total += c;

    std::vector<uint8_t> out(headerSize + total * blockSize, 0);
    std::memcpy(out.data(), header.data(), std::min<size_t>(header.size(), headerSize));
    uint32_t entries = 0;
    std::vector<IndexEntry> level = leaves;
    for (size_t l = 0; l < levels; ++l) {
        std::vector<IndexEntry> parents;
        for (size_t i = 0, b = 0; i < level.size(); i += perBlock, ++b) {
            const size_t n = std::min<size_t>(perBlock, level.size() - i);
            const size_t number = firstNumber[l] + b;
            uint8_t* block = out.data() + headerSize + (number - 1) * blockSize;
            BlockHeader{static_cast<uint16_t>(number < total ? number + 1 : 0),
                        static_cast<uint16_t>(number - 1),
                        BlockHeader::AddDataSizeFor(static_cast<int>(n), entrySize)}
                .Write(block);
            uint8_t* e = block + kBlockHeaderSize;
            uint32_t sum = 0;
            for (size_t k = i; k < i + n; ++k) {
                const IndexEntry& entry = level[k];
                std::memcpy(e, entry.key, keySize);
                uint8_t* t = e + keySize;
                t[0] = static_cast<uint8_t>(0x80 | (entry.block >> 8));
                t[1] = static_cast<uint8_t>(entry.block);
                uint32_t count = std::min<uint32_t>(entry.count, 0x7FFF);
                t[2] = static_cast<uint8_t>(0x80 | (count >> 8));
                t[3] = static_cast<uint8_t>(count);
                t[4] = 0x80;
                t[5] = 0x00;
                e += entrySize;
                sum += entry.count;
            }
            entries += static_cast<uint32_t>(n);
            parents.push_back({level[i].key, static_cast<uint16_t>(number), sum});
        }
        level = std::move(parents);
    }
    uint8_t* p = out.data();
    PutU16(p + kRecordSize, static_cast<uint16_t>(entrySize));
    PutU32(p + kNumRecords, entries);
    const auto n = static_cast<uint16_t>(total);
    PutU16(p + kUsedBlocks, n);
    PutU16(p + kFileBlocks, n);
    PutU16(p + kFirstBlock, n ? 1 : 0);
    PutU16(p + kLastBlock, n);
    PutU16(p + kIndexRoot, static_cast<uint16_t>(levels ? firstNumber[levels - 1] : 0));
    p[kIndexLevels] = static_cast<uint8_t>(levels);
    PutU16(p + kKeyFields, 0);
    p[kIndexChangeCount] = table.raw[kChangeCount1];
    return out;
}

void IndexFile::OpenFile() {
    if (m_file)
        return;
    m_created = !m_fs.Exists(m_path);
    m_file = m_fs.Open(m_path, m_created ? OpenMode::Create : OpenMode::ReadWrite);
}

const std::vector<uint8_t>& IndexFile::Image() {
    if (!m_loaded) {
        m_image.clear();
        if (m_fs.Exists(m_path)) {
            OpenFile();
            m_image.resize(m_file->Size());
            m_image.resize(m_file->ReadAt(0, m_image.data(), m_image.size()));
        }
        m_loaded = true;
    }
    return m_image;
}

void IndexFile::Write(const std::vector<uint8_t>& bytes) {
    Image();
    OpenFile();
    // Compare in 4 KiB pages: an interactive change rewrites one or two of them.
    constexpr size_t kPage = 4096;
    try {
        for (size_t off = 0; off < bytes.size(); off += kPage) {
            size_t len = std::min(kPage, bytes.size() - off);
            if (off + len <= m_image.size() &&
                std::memcmp(m_image.data() + off, bytes.data() + off, len) == 0)
                continue;
            m_file->WriteAt(off, bytes.data() + off, len);
            m_dirty = true;
        }
        if (m_image.size() > bytes.size()) {
            m_file->Truncate(bytes.size());
            m_dirty = true;
        }
        if (m_image.size() != bytes.size())
            m_resized = true;
    } catch (...) {
        m_loaded = false;  // the file is now partly written: read it again next time
        throw;
    }
    m_image = bytes;
}

void IndexFile::StartSync() {
    if (m_dirty && m_file)
        m_file->StartSync();
}

void IndexFile::Sync() {
    if (!m_dirty || !m_file)
        return;
    m_file->Sync();
    if (m_created)
        m_fs.SyncDirectory(DirectoryOf(m_path));
    m_created = false;
    m_dirty = false;
    m_resized = false;
}

void IndexFile::WriteOutBeforeTableSync() {
    if (!m_dirty || !m_file)
        return;
    if (m_resized || m_created) {
        Sync();
        return;
    }
    m_file->WriteOut();
    m_dirty = false;
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

namespace {

std::string Extension(const std::string& path) {
    size_t dot = path.find_last_of('.');
    return dot == std::string::npos ? "" : Upper(path.substr(dot + 1));
}

// Upper-case form of stored alpha bytes, for case-insensitive indexes.
void UpperAlpha(uint8_t* p, int size, const CodePage& cp) {
    for (int i = 0; i < size && p[i]; ++i) {
        int32_t c = cp.ToUnicode(p[i]);
        if (c < 0)
            continue;
        char32_t upper = static_cast<char32_t>(c);
        if (c >= 'a' && c <= 'z') {
            upper = static_cast<char32_t>(c - 32);
        } else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
            upper = static_cast<char32_t>(c - 32);  // Latin-1 letters
        } else if (c >= 0x100 && c <= 0x17F && (c & 1) && c != 0x131 && c != 0x138 && c != 0x149 &&
                   c != 0x17F) {
            // Latin Extended-A pairs: ą ć ę ł ń ś ź ż ...; the lower case is odd
            // except in the 0x139-0x148 and 0x179-0x17E runs, handled below.
            upper = static_cast<char32_t>(c - 1);
        }
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            upper = static_cast<char32_t>((c & 1) ? c : c - 1);
        int b = cp.FromUnicode(upper);
        if (b >= 0)
            p[i] = static_cast<uint8_t>(b);
    }
}

}  // namespace

namespace {

// Whether the existing entries of an index hold any lower-case letter in its alpha fields.
bool EntriesHaveLowerCase(const std::vector<uint8_t>& file, const Header& x, int indexed,
                          const CodePage& cp) {
    const size_t blockSize = x.BlockSize();
    std::vector<bool> seen(x.fileBlocks + 1u, false);
    for (uint16_t b = x.firstBlock; b != 0 && b <= x.fileBlocks && !seen[b];) {
        seen[b] = true;
        const size_t base = x.headerSize + (b - 1u) * blockSize;
        if (base + blockSize > file.size() && base + kBlockHeaderSize > file.size())
            break;
        BlockHeader bh = BlockHeader::Read(file.data() + base);
        const int count = bh.Count(x.recordSize);
        for (int r = 0; r < count; ++r) {
            const size_t rec = base + kBlockHeaderSize + static_cast<size_t>(r) * x.recordSize;
            if (rec + x.recordSize > file.size())
                break;
            for (int i = 0; i < indexed; ++i) {
                if (x.stored[i].code != kAlpha)
                    continue;
                for (int c = 0; c < x.stored[i].size; ++c) {
                    int32_t u = cp.ToUnicode(file[rec + x.stored[i].offset + c]);
                    if (u >= 'a' && u <= 'z')
                        return true;
                }
            }
        }
        b = bh.next;
    }
    return false;
}

}  // namespace

namespace {

EngineError RebuildError(const std::string& xPath, const std::string& why) {
    return EngineError("Nie można odbudować indeksu " + xPath + ": " + why, xPath, "index");
}

// Which table field each indexed field of `x` copies, checked against the table.
std::vector<int> IndexedFieldSources(const Header& table, const Header& x, const std::string& xPath,
                                     int indexed) {
    std::vector<int> source;
    const std::string ext = Extension(xPath);
    if (ext.size() == 3 && ext[1] != 'G') {
        if (indexed != 1)
            throw RebuildError(xPath, "indeks jednopolowy z wieloma polami");
        source.push_back(std::stoi(ext.substr(1), nullptr, 16) - 1);
    } else {
        for (int i = 0; i < indexed; ++i) {
            int found = -1;
            for (size_t f = 0; f < table.fields.size(); ++f)
                if (table.fields[f].name == x.fields[i].name)
                    found = static_cast<int>(f);
            source.push_back(found);
        }
    }
    for (int i = 0; i < indexed; ++i) {
        int f = source[i];
        if (f < 0 || f >= table.numFields || table.stored[f].code != x.stored[i].code ||
            table.stored[f].size != x.stored[i].size)
            throw RebuildError(xPath, "pole " + x.fields[i].name + " nie odpowiada tabeli");
    }
    for (int k = 0; k < table.keyFields; ++k) {
        const StoredField& a = table.stored[k];
        const StoredField& b = x.stored[indexed + k];
        if (a.code != b.code || a.size != b.size)
            throw RebuildError(xPath, "pola klucza nie odpowiadają tabeli");
    }
    return source;
}

// A maintained composite index over alpha fields is kept in upper case when the engine made
// it case-insensitive; its existing entries tell which kind it is. Upper-cases `records`
// then.
void MatchIndexCase(const Header& x, int indexed, const std::vector<uint8_t>& existing,
                    std::vector<uint8_t>& records, uint32_t count, const CodePage& cp) {
    if (x.fileType != kCompositeDataInc && x.fileType != kCompositeDataNonInc)
        return;
    const int rs = x.recordSize;
    bool tableLower = false;
    for (int i = 0; i < indexed; ++i) {
        if (x.stored[i].code != kAlpha)
            continue;
        for (uint32_t r = 0; r < count; ++r) {
            const uint8_t* p = records.data() + static_cast<size_t>(r) * rs + x.stored[i].offset;
            for (int c = 0; c < x.stored[i].size && p[c]; ++c) {
                int32_t u = cp.ToUnicode(p[c]);
                if (u >= 'a' && u <= 'z')
                    tableLower = true;
            }
        }
    }
    if (!tableLower || EntriesHaveLowerCase(existing, x, indexed, cp))
        return;
    for (uint32_t r = 0; r < count; ++r)
        for (int i = 0; i < indexed; ++i)
            if (x.stored[i].code == kAlpha)
                UpperAlpha(records.data() + static_cast<size_t>(r) * rs + x.stored[i].offset,
                           x.stored[i].size, cp);
}

// The index file for `count` entries of `records`, sorted on every field but the block
// number, with the leaves of its primary index.
SecondaryIndexImage LayOutSecondaryIndex(Header x, const Header& table,
                                         const std::vector<uint8_t>& records, uint32_t count,
                                         const std::string& xPath, bool bump) {
    const int rs = x.recordSize;
    std::vector<uint32_t> order(count);
    for (uint32_t i = 0; i < count; ++i)
        order[i] = i;
    const size_t keyBytes = static_cast<size_t>(rs) - 2;
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return std::memcmp(records.data() + static_cast<size_t>(a) * rs,
                           records.data() + static_cast<size_t>(b) * rs, keyBytes) < 0;
    });

    const size_t blockSize = x.BlockSize();
    const int capacity = static_cast<int>((blockSize - kBlockHeaderSize) / rs);
    const int perBlock = std::max(1, capacity - 1);
    const uint32_t blocks = (count + perBlock - 1) / perBlock;
    if (blocks > 0xFFFF)
        throw RebuildError(xPath, "indeks za duży");

    SecondaryIndexImage image;
    image.data.assign(x.headerSize + blocks * blockSize, 0);
    std::vector<IndexEntry> leaves;
    for (uint32_t b = 0; b < blocks; ++b) {
        uint8_t* block = image.data.data() + x.headerSize + b * blockSize;
        const uint32_t first = b * perBlock;
        const int n = static_cast<int>(std::min<uint32_t>(perBlock, count - first));
        BlockHeader{static_cast<uint16_t>(b + 1 < blocks ? b + 2 : 0), static_cast<uint16_t>(b),
                    BlockHeader::AddDataSizeFor(n, rs)}
            .Write(block);
        for (int i = 0; i < n; ++i)
            std::memcpy(block + kBlockHeaderSize + static_cast<size_t>(i) * rs,
                        records.data() + static_cast<size_t>(order[first + i]) * rs, rs);
        leaves.push_back(
            {block + kBlockHeaderSize, static_cast<uint16_t>(b + 1), static_cast<uint32_t>(n)});
    }
    x.numRecords = count;
    x.usedBlocks = x.fileBlocks = static_cast<uint16_t>(blocks);
    x.firstBlock = blocks ? 1 : 0;
    x.lastBlock = static_cast<uint16_t>(blocks);
    x.firstFreeBlock = 0;
    if (bump) {
        uint8_t counter = static_cast<uint8_t>(x.raw[kChangeCount1] + 1);
        x.raw[kChangeCount1] = counter < 2 ? 2 : counter;
        x.raw[kChangeCount1 + 1] = table.raw[kChangeCount1 + 1];
    }
    std::vector<uint8_t> header = x.Serialize();
    std::memcpy(image.data.data(), header.data(), x.headerSize);
    image.leaves = std::move(leaves);
    image.header = std::move(x);
    return image;
}

}  // namespace

SecondaryIndexImage BuildSecondaryIndex(const Header& table, const std::string& xPath,
                                        const std::vector<uint8_t>& existing,
                                        const std::function<void(const RecordVisitor&)>& scan,
                                        bool bump) {
    if (existing.size() < kFixedPartEnd || existing.size() < GetU16(existing.data() + kHeaderSize))
        throw EngineError("Uszkodzony indeks " + xPath, xPath, "index");
    Header x = Header::Parse(
        std::vector<uint8_t>(existing.begin(),
                             existing.begin() + GetU16(existing.data() + kHeaderSize)),
        xPath, true);
    const int keyFields = table.keyFields;
    const int indexed = x.numFields - 1 - keyFields;
    if (indexed < 1)
        throw RebuildError(xPath, "nieoczekiwana liczba pól");
    if (x.stored.back().code != kShort)
        throw RebuildError(xPath, "brak pola numeru bloku");
    const std::vector<int> source = IndexedFieldSources(table, x, xPath, indexed);

    // One entry per row: the indexed fields, the key, and the row's block as a hint.
    const int rs = x.recordSize;
    std::vector<uint8_t> records;
    uint32_t count = 0;
    scan([&](const uint8_t* record, uint16_t block) {
        size_t at = records.size();
        records.resize(at + rs);
        uint8_t* out = records.data() + at;
        for (int i = 0; i < indexed; ++i) {
            const StoredField& f = table.stored[source[i]];
            std::memcpy(out + x.stored[i].offset, record + f.offset, f.size);
        }
        for (int k = 0; k < keyFields; ++k)
            std::memcpy(out + x.stored[indexed + k].offset, record + table.stored[k].offset,
                        table.stored[k].size);
        uint8_t* hint = out + x.stored.back().offset;
        hint[0] = static_cast<uint8_t>(0x80 | (block >> 8));
        hint[1] = static_cast<uint8_t>(block);
        ++count;
    });
    MatchIndexCase(x, indexed, existing, records, count, CodePage::ForNumber(table.codePage));
    return LayOutSecondaryIndex(std::move(x), table, records, count, xPath, bump);
}

void RebuildSecondaryIndexes(FileSystem& fs, ParadoxTable& table) {
    for (const auto& path : ListIndexFiles(fs, table.Path())) {
        const std::string ext = Extension(path);
        if (ext.empty() || ext[0] != 'X')
            continue;
        std::vector<uint8_t> existing;
        {
            auto file = fs.Open(path, OpenMode::Read);
            existing.resize(file->Size());
            existing.resize(file->ReadAt(0, existing.data(), existing.size()));
        }
        SecondaryIndexImage image = BuildSecondaryIndex(
            table.FileHeader(), path, existing,
            [&](const RecordVisitor& visit) { table.ForEachRawRecordInBlock(visit); }, true);
        WriteIndexFile(fs, path, image.data, false);
        std::string yPath = path;
        yPath[yPath.size() - 3] = path[path.size() - 3] == 'X' ? 'Y' : 'y';
        yPath = ResolvePath(fs, yPath);
        std::vector<uint8_t> yBytes =
            BuildPrimaryIndex(image.header, image.leaves,
                              ReadIndexTemplate(fs, yPath, image.header), RootPlacement::Last);
        WriteIndexFile(fs, yPath, yBytes, false);
    }
}

}  // namespace mirta::engine::paradox
