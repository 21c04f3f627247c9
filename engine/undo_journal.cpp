#include "engine/undo_journal.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

constexpr char kMagic[8] = {'M', 'I', 'R', 'T', 'A', 'J', 'N', 'L'};
constexpr size_t kHeaderSize = 32;
constexpr size_t kEntryHeaderSize = 16;

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

std::array<uint8_t, kHeaderSize> HeaderBytes(uint32_t operation, uint64_t tableSize,
                                             uint32_t entries) {
    std::array<uint8_t, kHeaderSize> h{};
    std::memcpy(h.data(), kMagic, sizeof kMagic);
    Put32(h.data() + 8, operation);
    Put64(h.data() + 12, tableSize);
    Put32(h.data() + 20, entries);
    Put32(h.data() + 24, Crc32(h.data(), 24));
    return h;
}

uint32_t NextOperation() {
    static uint32_t counter =
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    if (++counter == 0)
        ++counter;
    return counter;
}

uint32_t EntryCrc(uint32_t operation, uint64_t offset, uint32_t length, const uint8_t* data) {
    uint8_t head[16];
    Put32(head, operation);
    Put64(head + 4, offset);
    Put32(head + 12, length);
    return Crc32(data, length, Crc32(head, sizeof head));
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
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
        Get32(bytes.data() + 24) != Crc32(bytes.data(), 24))
        return false;
    const uint32_t operation = Get32(bytes.data() + 8);
    const uint64_t tableSize = Get64(bytes.data() + 12);
    const uint32_t count = Get32(bytes.data() + 20);
    if (operation == 0)
        return false;

    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> entries;
    for (size_t pos = kHeaderSize;
         entries.size() < count && pos + kEntryHeaderSize <= bytes.size();) {
        const uint64_t offset = Get64(bytes.data() + pos);
        const uint32_t length = Get32(bytes.data() + pos + 8);
        const uint32_t crc = Get32(bytes.data() + pos + 12);
        if (length > bytes.size() - pos - kEntryHeaderSize)
            break;
        const uint8_t* data = bytes.data() + pos + kEntryHeaderSize;
        if (EntryCrc(operation, offset, length, data) != crc)
            break;
        entries.emplace_back(offset, std::vector<uint8_t>(data, data + length));
        pos += kEntryHeaderSize + length;
    }
    if (entries.size() == count) {
        for (const auto& [offset, old] : entries)
            table.WriteAt(offset, old.data(), old.size());
        if (table.Size() > tableSize)
            table.Truncate(tableSize);
        table.Sync();
    }
    auto retired = HeaderBytes(0, 0, 0);
    file->WriteAt(0, retired.data(), retired.size());
    file->Truncate(retired.size());
    file->Sync();
    return entries.size() == count;
}

void UndoJournal::Record(File& table, uint64_t tableSize,
                         const std::vector<std::pair<uint64_t, uint64_t>>& ranges) {
    const uint32_t operation = NextOperation();
    std::vector<uint8_t> bytes(kHeaderSize);
    for (const auto& [start, end] : ranges) {
        const size_t at = bytes.size();
        const size_t length = static_cast<size_t>(end - start);
        bytes.resize(at + kEntryHeaderSize + length);
        uint8_t* entry = bytes.data() + at;
        table.ReadExact(start, entry + kEntryHeaderSize, length, "zapis zmienianych danych");
        Put64(entry, start);
        Put32(entry + 8, static_cast<uint32_t>(length));
        Put32(entry + 12,
              EntryCrc(operation, start, static_cast<uint32_t>(length), entry + kEntryHeaderSize));
    }
    const auto header = HeaderBytes(operation, tableSize, static_cast<uint32_t>(ranges.size()));
    std::memcpy(bytes.data(), header.data(), header.size());
    const bool created = !m_file && !m_fs.Exists(m_path);
    if (!m_file)
        m_file = m_fs.Open(m_path, created ? OpenMode::Create : OpenMode::ReadWrite);
    m_file->TryLock(true);
    m_file->WriteAt(0, bytes.data(), bytes.size());
    m_file->Sync();
    if (created)
        m_fs.SyncDirectory(DirectoryOf(m_path));
    m_pending = true;
}

void UndoJournal::Retire() {
    if (!m_pending)
        return;
    auto retired = HeaderBytes(0, 0, 0);
    m_file->WriteAt(0, retired.data(), retired.size());
    // The old bytes of the operation go too: a journal must not keep what a change removed
    // (an anonymised person's data) once the change is on the disk.
    m_file->Truncate(retired.size());
    m_file->Sync();
    m_file->Unlock();
    m_pending = false;
}

}  // namespace mirta::engine
