#include "engine/undo_journal.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <optional>

#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

constexpr char kMagic[8] = {'M', 'I', 'R', 'T', 'A', 'J', 'N', '2'};
// Journals of the earlier layout: no new bytes' CRCs, always undone.
constexpr char kMagicV1[8] = {'M', 'I', 'R', 'T', 'A', 'J', 'N', 'L'};
constexpr size_t kHeaderSizeV1 = 32;
constexpr size_t kEntryHeaderSizeV1 = 16;
constexpr size_t kHeaderSize = 48;
constexpr size_t kEntryHeaderSize = 20;
// Bytes appended by one operation that are read back for the completion check; a larger
// operation (a bulk append) flushes its retirement instead.
constexpr uint64_t kCheckedAppendLimit = 4u << 20;

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get32(const uint8_t* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}
uint64_t Get64(const uint8_t* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

struct JournalHeader {
    uint32_t operation = 0;
    uint64_t tableSize = 0;  // before the operation
    uint32_t entries = 0;
    uint64_t newSize = 0;  // after it
    uint32_t appendedCrc = 0;
    bool checkable = false;
};

std::array<uint8_t, kHeaderSize> HeaderBytes(const JournalHeader& j) {
    std::array<uint8_t, kHeaderSize> h{};
    std::memcpy(h.data(), kMagic, sizeof kMagic);
    Put32(h.data() + 8, j.operation);
    Put64(h.data() + 12, j.tableSize);
    Put32(h.data() + 20, j.entries);
    Put64(h.data() + 24, j.newSize);
    Put32(h.data() + 32, j.appendedCrc);
    Put32(h.data() + 36, j.checkable ? 1 : 0);
    Put32(h.data() + 40, Crc32(h.data(), 40));
    return h;
}

uint32_t NextOperation() {
    static uint32_t counter =
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    if (++counter == 0)
        ++counter;
    return counter;
}

// The earlier layout's entries cover no new bytes' CRC (`after` null).
uint32_t EntryCrc(uint32_t operation, uint64_t offset, uint32_t length, const uint8_t* data,
                  const uint32_t* after) {
    uint8_t head[20];
    Put32(head, operation);
    Put64(head + 4, offset);
    Put32(head + 12, length);
    if (after)
        Put32(head + 16, *after);
    return Crc32(data, length, Crc32(head, after ? 20 : 16));
}

// CRC of `length` bytes of `file` from `offset`; nullopt when the file ends before them.
std::optional<uint32_t> CrcOfFile(File& file, uint64_t offset, uint64_t length) {
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<uint64_t>(length, 1 << 16)));
    uint32_t crc = 0;
    while (length > 0) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(length, buffer.size()));
        if (file.ReadAt(offset, buffer.data(), n) != n)
            return std::nullopt;
        crc = Crc32(buffer.data(), n, crc);
        offset += n;
        length -= n;
    }
    return crc;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t length, uint32_t crc) {
    static const auto kTable = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < length; ++i)
        crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

UndoJournal::~UndoJournal() {
    if (m_file && !m_pending) {
        try {
            SettleRetirement();
        } catch (...) {
        }
        m_file.reset();
        try {
            m_fs.Remove(m_path);  // nothing to undo: leave no file behind
        } catch (...) {
        }
    }
}

bool UndoJournal::Recover(FileSystem& fs, const std::string& path, File& table) {
    if (!fs.Exists(path))
        return false;
    auto file = fs.Open(path, OpenMode::ReadWrite);
    // A live writer of this table holds its journal: its change is not to be undone.
    if (!file->TryLock(true))
        return false;
    std::vector<uint8_t> bytes(file->Size());
    bytes.resize(file->ReadAt(0, bytes.data(), bytes.size()));
    const bool v1 = bytes.size() >= kHeaderSizeV1 &&
                    std::memcmp(bytes.data(), kMagicV1, sizeof kMagicV1) == 0 &&
                    Get32(bytes.data() + 24) == Crc32(bytes.data(), 24);
    const bool v2 = bytes.size() >= kHeaderSize &&
                    std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0 &&
                    Get32(bytes.data() + 40) == Crc32(bytes.data(), 40);
    if (!v1 && !v2)
        return false;
    JournalHeader head;
    head.operation = Get32(bytes.data() + 8);
    head.tableSize = Get64(bytes.data() + 12);
    head.entries = Get32(bytes.data() + 20);
    if (v2) {
        head.newSize = Get64(bytes.data() + 24);
        head.appendedCrc = Get32(bytes.data() + 32);
        head.checkable = Get32(bytes.data() + 36) == 1;
    }
    if (head.operation == 0)
        return false;

    struct Entry {
        uint64_t offset;
        uint32_t afterCrc;
        std::vector<uint8_t> old;
    };
    std::vector<Entry> entries;
    const size_t entryHeader = v2 ? kEntryHeaderSize : kEntryHeaderSizeV1;
    for (size_t pos = v2 ? kHeaderSize : kHeaderSizeV1;
         entries.size() < head.entries && pos + entryHeader <= bytes.size();) {
        const uint8_t* at = bytes.data() + pos;
        const uint64_t offset = Get64(at);
        const uint32_t length = Get32(at + 8);
        const uint32_t afterCrc = v2 ? Get32(at + 12) : 0;
        const uint32_t crc = Get32(at + entryHeader - 4);
        if (length > bytes.size() - pos - entryHeader)
            break;
        const uint8_t* data = at + entryHeader;
        if (EntryCrc(head.operation, offset, length, data, v2 ? &afterCrc : nullptr) != crc)
            break;
        entries.push_back({offset, afterCrc, std::vector<uint8_t>(data, data + length)});
        pos += entryHeader + length;
    }
    const bool whole = entries.size() == head.entries;
    if (whole) {
        // A finished operation whose retirement the cut took: the table holds every new byte.
        bool finished = head.checkable && head.newSize >= head.tableSize &&
                        CrcOfFile(table, head.tableSize, head.newSize - head.tableSize) ==
                            std::optional<uint32_t>(head.appendedCrc);
        for (size_t i = 0; finished && i < entries.size(); ++i)
            finished = CrcOfFile(table, entries[i].offset, entries[i].old.size()) ==
                       std::optional<uint32_t>(entries[i].afterCrc);
        if (!finished) {
            for (const auto& e : entries)
                table.WriteAt(e.offset, e.old.data(), e.old.size());
            if (table.Size() > head.tableSize)
                table.Truncate(head.tableSize);
            table.Sync();
        }
    }
    auto retired = HeaderBytes({});
    file->WriteAt(0, retired.data(), retired.size());
    file->Truncate(retired.size());
    file->Sync();
    return whole;
}

void UndoJournal::Record(File& table, File& after, uint64_t tableSize,
                         const std::vector<std::pair<uint64_t, uint64_t>>& ranges) {
    JournalHeader head;
    head.operation = NextOperation();
    head.tableSize = tableSize;
    head.entries = static_cast<uint32_t>(ranges.size());
    head.newSize = after.Size();
    head.checkable = head.newSize >= tableSize && head.newSize - tableSize <= kCheckedAppendLimit;
    if (head.checkable)
        head.appendedCrc = CrcOfFile(after, tableSize, head.newSize - tableSize).value_or(0);
    std::vector<uint8_t> bytes(kHeaderSize);
    for (const auto& [start, end] : ranges) {
        const size_t at = bytes.size();
        const size_t length = static_cast<size_t>(end - start);
        bytes.resize(at + kEntryHeaderSize + length);
        uint8_t* entry = bytes.data() + at;
        table.ReadExact(start, entry + kEntryHeaderSize, length, "zapis zmienianych danych");
        const uint32_t afterCrc = CrcOfFile(after, start, length).value_or(0);
        Put64(entry, start);
        Put32(entry + 8, static_cast<uint32_t>(length));
        Put32(entry + 12, afterCrc);
        Put32(entry + 16, EntryCrc(head.operation, start, static_cast<uint32_t>(length),
                                   entry + kEntryHeaderSize, &afterCrc));
    }
    const auto header = HeaderBytes(head);
    std::memcpy(bytes.data(), header.data(), header.size());
    const bool created = !m_file && !m_fs.Exists(m_path);
    if (!m_file)
        m_file = m_fs.Open(m_path, created ? OpenMode::Create : OpenMode::ReadWrite);
    m_file->TryLock(true);
    m_file->WriteAt(0, bytes.data(), bytes.size());
    m_file->Sync();
    m_retiredUnflushed = false;
    if (created)
        m_fs.SyncDirectory(DirectoryOf(m_path));
    m_pending = true;
    m_checkable = head.checkable;
}

void UndoJournal::Retire() {
    if (!m_pending)
        return;
    auto retired = HeaderBytes({});
    m_file->WriteAt(0, retired.data(), retired.size());
    // The old bytes of the operation go too: a journal must not keep what a change removed
    // (an anonymised person's data) once the change is on the disk.
    m_file->Truncate(retired.size());
    if (m_checkable) {
        // Recovery tells the finished operation by its new bytes; the flush can wait.
        m_file->StartSync();
        m_retiredUnflushed = true;
    } else {
        m_file->Sync();
    }
    m_file->Unlock();
    m_pending = false;
}

void UndoJournal::SettleRetirement() {
    if (!m_retiredUnflushed || !m_file)
        return;
    m_file->Sync();
    m_retiredUnflushed = false;
}

}  // namespace mirta::engine
