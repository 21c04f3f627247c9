#include "store/engine/undo_journal.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

#include "store/engine/engine_error.h"

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

std::array<uint8_t, kHeaderSize> HeaderBytes(uint32_t operation, uint64_t tableSize) {
    std::array<uint8_t, kHeaderSize> h{};
    std::memcpy(h.data(), kMagic, sizeof kMagic);
    Put32(h.data() + 8, operation);
    Put64(h.data() + 12, tableSize);
    Put32(h.data() + 20, Crc32(h.data(), 20));
    return h;
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
    if (m_file && !m_active) {
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
    std::vector<uint8_t> bytes(file->Size());
    bytes.resize(file->ReadAt(0, bytes.data(), bytes.size()));
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
        Get32(bytes.data() + 20) != Crc32(bytes.data(), 20))
        return false;
    const uint32_t operation = Get32(bytes.data() + 8);
    const uint64_t tableSize = Get64(bytes.data() + 12);
    if (operation == 0)
        return false;

    // Entries stop at the first one that is not whole: its overwrite never began.
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> entries;
    for (size_t pos = kHeaderSize; pos + kEntryHeaderSize <= bytes.size();) {
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
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        table.WriteAt(it->first, it->second.data(), it->second.size());
    if (table.Size() > tableSize)
        table.Truncate(tableSize);
    table.Sync();
    auto finished = HeaderBytes(0, 0);
    file->WriteAt(0, finished.data(), finished.size());
    file->Sync();
    return true;
}

void UndoJournal::Begin(uint64_t tableSize) {
    m_active = true;
    m_started = false;
    m_tableSize = tableSize;
    m_saved.clear();
    static uint32_t counter =
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    m_operation = ++counter;
    if (m_operation == 0)
        m_operation = ++counter;
}

void UndoJournal::BeforeOverwrite(File& table, uint64_t offset, size_t length) {
    if (!m_active || offset >= m_tableSize)
        return;
    length = static_cast<size_t>(std::min<uint64_t>(length, m_tableSize - offset));
    for (const auto& [start, end] : m_saved)
        if (offset >= start && offset + length <= end)
            return;
    if (!m_file)
        m_file = m_fs.Open(m_path, m_fs.Exists(m_path) ? OpenMode::ReadWrite : OpenMode::Create);
    if (!m_started) {
        // A new operation's header makes the entries of the previous one invalid.
        auto header = HeaderBytes(m_operation, m_tableSize);
        m_file->WriteAt(0, header.data(), header.size());
        m_end = kHeaderSize;
        m_started = true;
    }
    std::vector<uint8_t> entry(kEntryHeaderSize + length);
    const size_t got = table.ReadAt(offset, entry.data() + kEntryHeaderSize, length);
    entry.resize(kEntryHeaderSize + got);
    Put64(entry.data(), offset);
    Put32(entry.data() + 8, static_cast<uint32_t>(got));
    Put32(entry.data() + 12, EntryCrc(m_operation, offset, static_cast<uint32_t>(got),
                                      entry.data() + kEntryHeaderSize));
    m_file->WriteAt(m_end, entry.data(), entry.size());
    m_end += entry.size();
    m_saved.emplace_back(offset, offset + length);
}

void UndoJournal::Commit() {
    if (m_active && m_started) {
        auto finished = HeaderBytes(0, 0);
        m_file->WriteAt(0, finished.data(), finished.size());
    }
    m_active = false;
    m_started = false;
}

}  // namespace mirta::engine
