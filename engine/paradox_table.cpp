#include "engine/paradox_table.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>

#include "engine/engine_error.h"
#include "engine/paradox_crypt.h"
#include "engine/paradox_index.h"

namespace mirta::engine {

using namespace paradox;

namespace {

// A backup reads a table under a shared lock, another writer holds it for one change: a
// write waits a while for them rather than failing at once.
template <typename F>
bool LockForWrite(F& file) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!file.TryLock(true)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

constexpr uint32_t kMaxBlockNumber = 0xFFFF;
constexpr uint32_t kGrowthStartBlocks = 16;
constexpr uint32_t kMaxGrowthBlocks = 64;

// Smallest standard block size that holds a few records and lets `expectedRows` fit in the
// 65535 block numbers a table has, with room to spare.
int ChooseBlockSizeKb(int recordSize, uint64_t expectedRows) {
    for (int kb : {2, 4, 8, 16, 32}) {
        const uint64_t perBlock = (kb * 1024 - kBlockHeaderSize) / recordSize;
        if (perBlock < 4 && kb < 32)
            continue;
        if (perBlock == 0)
            continue;
        // Splits leave blocks about half full; plan for that.
        const uint64_t blocksNeeded = expectedRows / std::max<uint64_t>(1, perBlock * 3 / 4) + 1;
        if (blocksNeeded < kMaxBlockNumber)
            return kb;
    }
    return 32;
}

}  // namespace

ParadoxTable::ParadoxTable(FileSystem& fs, std::string path, std::unique_ptr<File> file,
                           bool readOnly)
    : m_fs(fs),
      m_path(std::move(path)),
      m_file(std::make_unique<HeldWritesFile>(std::move(file))),
      m_readOnly(readOnly) {}

ParadoxTable::~ParadoxTable() {
    try {
        if (m_bulk)
            EndBulk();
        else if (m_journal && m_journal->Pending())
            Sync();  // an unsynced change must not be undone at the next open
    } catch (...) {
        // The journal undoes the unfinished change at the next open.
    }
}

std::unique_ptr<ParadoxTable> ParadoxTable::Open(FileSystem& fs, const std::string& path,
                                                 const ParadoxOpenOptions& options) {
    const std::string resolved = ResolvePath(fs, path);
    auto file = fs.Open(resolved, options.readOnly ? OpenMode::Read : OpenMode::ReadWrite);
    std::unique_ptr<ParadoxTable> table(
        new ParadoxTable(fs, resolved, std::move(file), options.readOnly));
    if (options.exclusive) {
        if (!table->m_file->TryLock(true))
            throw EngineError("Tabela " + resolved + " jest używana przez inny program", resolved,
                              "open");
        table->m_exclusive = true;
    }
    table->m_givenCodePage = options.codePage;
    table->Load();
    if (table->m_header.Encrypted() && !options.passwords.empty()) {
        bool ok = std::any_of(options.passwords.begin(), options.passwords.end(),
                              [&](const std::string& p) { return table->CheckPassword(p); });
        if (!ok)
            throw EngineError("Nieprawidłowe hasło tabeli " + resolved, resolved, "open");
    }
    return table;
}

std::unique_ptr<ParadoxTable> ParadoxTable::Create(FileSystem& fs, const std::string& path,
                                                   const std::vector<FieldDef>& fields,
                                                   int keyFieldCount,
                                                   const ParadoxCreateOptions& options) {
    int recordSize = 0;
    for (const auto& f : fields) {
        auto [code, size] = DescriptorFor(f);
        recordSize += StoredSize(code, size);
    }
    int kb = options.blockSizeKb ? options.blockSizeKb
                                 : ChooseBlockSizeKb(recordSize, options.expectedRows);
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    Header header = NewDataHeader(fields, keyFieldCount, kb, options.codePage, name);
    if (!options.password.empty()) {
        uint32_t key = PasswordKey(CodePage::ForNumber(options.codePage).Encode(options.password));
        PutU32(header.raw.data() + kEncryption2, key);
    }
    return CreateFromHeader(fs, path, header);
}

std::unique_ptr<ParadoxTable> ParadoxTable::CreateFromHeader(FileSystem& fs,
                                                             const std::string& path,
                                                             const Header& header) {
    const std::string resolved = ResolvePath(fs, path);
    // Written aside and renamed, so a half-written header never stands under the name.
    const std::string temporary = resolved + ".tmp";
    const auto bytes = header.Serialize();
    {
        auto file = fs.Open(temporary, OpenMode::Create);
        file->WriteAt(0, bytes.data(), bytes.size());
        file->Sync();
    }
    // Index files and an undo journal of an earlier table of the same name would describe
    // other data.
    if (fs.Exists(ReplaceExtension(resolved, ".JNL")))
        fs.Remove(ReplaceExtension(resolved, ".JNL"));
    for (const auto& stale : ListIndexFiles(fs, resolved))
        fs.Remove(stale);
    if (header.Keyed()) {
        // The empty table's index is there before the table's name is, so that a power cut
        // never leaves a keyed table without one.
        const auto index = BuildPrimaryIndex(Header::Parse(bytes, resolved, true), {}, {});
        auto file = fs.Open(ReplaceExtension(resolved, ".PX"), OpenMode::Create);
        file->WriteAt(0, index.data(), index.size());
        file->Sync();
    }
    fs.Rename(temporary, resolved);
    fs.SyncDirectory(DirectoryOf(resolved));
    auto table = Open(fs, resolved);
    if (table->m_header.Keyed()) {
        table->RebuildIndexes();
        table->Sync();
    }
    return table;
}

void ParadoxTable::WriteData(uint64_t offset, const void* data, size_t n) {
    m_wroteInCall = true;
    m_file->WriteAt(offset, data, n);
}

void ParadoxTable::CommitHeld() {
    const auto ranges = m_file->HeldRanges();
    if (!ranges.empty())
        m_journal->Record(m_file->Base(), *m_file, m_file->HeldFrom(), ranges);
    m_file->Release();
}

void ParadoxTable::RecoverAfterFailure() {
    m_file->Drop();
    m_bulk = false;
    m_dirtyHeader = false;
    m_pendingBlock.reset();
    m_pendingLinkFrom.reset();
    m_broken = true;
    try {
        Load();
    } catch (...) {
        // Still failing: the next call tries again.
    }
    if (!m_exclusive)
        m_file->Unlock();
}

void ParadoxTable::FailWrite() {
    if (m_wroteInCall) {
        RecoverAfterFailure();
        return;
    }
    // Refused before anything reached the file (a bad value, a duplicate key).
    if (!m_bulk) {
        m_file->Drop();
        if (!m_exclusive)
            m_file->Unlock();
    }
}

void ParadoxTable::RequireSound() {
    if (m_broken)
        Load();
}

void ParadoxTable::Load() {
    bool recovered = false;
    if (!m_readOnly) {
        const std::string journalPath = ReplaceExtension(m_path, ".JNL");
        m_journal = std::make_unique<UndoJournal>(m_fs, journalPath);
        recovered = UndoJournal::Recover(m_fs, journalPath, m_file->Base());
    } else {
        m_journal = std::make_unique<UndoJournal>(m_fs, std::string());
    }
    std::vector<uint8_t> fixed(kFixedPartEnd);
    m_file->ReadExact(0, fixed.data(), fixed.size(), "nagłówek");
    uint16_t headerSize = GetU16(fixed.data() + kHeaderSize);
    if (headerSize < kFixedPartEnd)
        throw CorruptFile(m_path, "niepoprawny rozmiar nagłówka");
    std::vector<uint8_t> bytes(headerSize);
    m_file->ReadExact(0, bytes.data(), bytes.size(), "nagłówek");
    m_header = Header::Parse(bytes, m_path, true, m_givenCodePage);
    try {
        m_codePage = m_givenCodePage ? m_givenCodePage : &CodePage::ForNumber(m_header.codePage);
    } catch (const EngineError&) {
        m_codePage = &CodePage::ForNumber(437);
    }
    m_keySize = m_header.KeySize();
    m_hasOutsideBlobs = false;
    for (const auto& f : m_header.stored)
        if (f.code == kMemo || f.code == kBlob || f.code == kFmtMemo || f.code == kOle ||
            f.code == kGraphic)
            m_hasOutsideBlobs = true;
    InvalidateCache();
    ReadDirectory();
    m_primaryIndex.reset();
    m_hasSecondaryIndexes = false;
    for (const auto& path : ListIndexFiles(m_fs, m_path)) {
        const char kind = static_cast<char>(std::toupper(path[path.find_last_of('.') + 1]));
        if (kind == 'X')
            m_hasSecondaryIndexes = true;
    }
    m_broken = false;
    // The undone operation may have rewritten the indexes already.
    if (recovered && m_header.Keyed()) {
        RebuildIndexes();
        SyncIndexes();
    }
    m_stamp = CurrentStamp();
}

uint64_t ParadoxTable::PhysicalBlocks() const {
    // A last block cut short after its records still counts (some writers do not pad it).
    uint64_t size = m_file->Size();
    if (size < m_header.headerSize + kBlockHeaderSize)
        return 0;
    return (size - m_header.headerSize - kBlockHeaderSize) / m_header.BlockSize() + 1;
}

uint64_t ParadoxTable::BlockOffset(uint16_t number) const {
    return m_header.headerSize + static_cast<uint64_t>(number - 1) * m_header.BlockSize();
}

int ParadoxTable::Capacity() const {
    return static_cast<int>((m_header.BlockSize() - kBlockHeaderSize) / m_header.recordSize);
}

void ParadoxTable::ReadDirectory() {
    m_directory.clear();
    m_firstKeys.clear();
    const uint64_t physical = PhysicalBlocks();
    std::vector<bool> seen(physical + 1, false);
    uint16_t number = m_header.firstBlock;
    const int capacity = Capacity();
    while (number != 0) {
        if (number > physical)
            throw CorruptFile(
                m_path, "łańcuch bloków wskazuje poza plik (blok " + std::to_string(number) + ")");
        if (seen[number])
            throw CorruptFile(m_path, "zapętlony łańcuch bloków");
        seen[number] = true;
        BlockHeader bh;
        if (m_header.Encrypted()) {
            bh = BlockHeader::Read(LoadBlock(number).data());
        } else {
            uint8_t raw[kBlockHeaderSize];
            m_file->ReadExact(BlockOffset(number), raw, sizeof raw, "nagłówek bloku");
            bh = BlockHeader::Read(raw);
        }
        if ((bh.addDataSize + m_header.recordSize) % m_header.recordSize != 0)
            throw CorruptFile(m_path, "niepoprawna długość danych bloku " + std::to_string(number));
        int count = bh.Count(m_header.recordSize);
        if (count < 0 || count > capacity)
            throw CorruptFile(m_path,
                              "niepoprawna liczba rekordów w bloku " + std::to_string(number));
        m_directory.push_back({number, static_cast<uint16_t>(count)});
        number = bh.next;
    }
    // A free list that loops, leaves the file or reaches into the chain would hand out live
    // blocks to the next insert; it is dropped instead and its blocks stay unused.
    uint16_t lastFree = 0;
    try {
        for (uint16_t free = m_header.firstFreeBlock; free != 0;) {
            if (free > physical || seen[free])
                throw CorruptFile(m_path, "niepoprawna lista wolnych bloków");
            seen[free] = true;
            lastFree = std::max(lastFree, free);
            uint8_t raw[kBlockHeaderSize];
            if (m_header.Encrypted())
                std::memcpy(raw, LoadBlock(free).data(), sizeof raw);
            else
                m_file->ReadExact(BlockOffset(free), raw, sizeof raw, "wolny blok");
            free = BlockHeader::Read(raw).next;
        }
    } catch (const CorruptFile&) {
        m_header.firstFreeBlock = 0;
        lastFree = 0;
    }
    m_header.fileBlocks = static_cast<uint16_t>(
        std::min<uint64_t>(std::max<uint64_t>(m_header.fileBlocks, 0), physical));
    m_header.fileBlocks = std::max(m_header.fileBlocks, lastFree);
    for (const auto& e : m_directory)
        m_header.fileBlocks = std::max(m_header.fileBlocks, e.number);
    RecountPrefix(0);
    if (m_keySize > 0) {
        m_firstKeys.assign(m_directory.size() * m_keySize, 0);
        for (size_t i = 0; i < m_directory.size(); ++i)
            RememberFirstKey(i, LoadBlock(m_directory[i].number).data());
    }
}

void ParadoxTable::RecountPrefix(size_t fromIndex) {
    m_prefix.resize(m_directory.size() + 1);
    if (fromIndex == 0)
        m_prefix[0] = 0;
    for (size_t i = std::max<size_t>(fromIndex, 1); i <= m_directory.size(); ++i)
        m_prefix[i] = m_prefix[i - 1] + m_directory[i - 1].count;
    if (m_directory.empty())
        m_prefix[0] = 0;
    m_rowCount = m_prefix.back();
}

void ParadoxTable::RememberFirstKey(size_t dirIndex, const uint8_t* block) {
    if (m_keySize == 0)
        return;
    uint8_t* dest = m_firstKeys.data() + dirIndex * m_keySize;
    if (m_directory[dirIndex].count > 0)
        std::memcpy(dest, block + kBlockHeaderSize, m_keySize);
    else if (dirIndex > 0)  // an empty block sorts with its predecessor
        std::memcpy(dest, dest - m_keySize, m_keySize);
    else
        std::memset(dest, 0, m_keySize);
}

void ParadoxTable::ReadBlockBytes(uint16_t number, std::vector<uint8_t>& buffer) {
    size_t got = m_file->ReadAt(BlockOffset(number), buffer.data(), buffer.size());
    if (got < buffer.size()) {
        // Only a block cut short after its last record is acceptable.
        std::fill(buffer.begin() + static_cast<long>(got), buffer.end(), 0);
        if (m_header.Encrypted() || got < kBlockHeaderSize ||
            BlockHeader::Read(buffer.data()).Count(m_header.recordSize) * m_header.recordSize +
                    kBlockHeaderSize >
                got)
            throw CorruptFile(m_path, "plik urwany (blok " + std::to_string(number) + ")");
    }
}

std::vector<uint8_t>& ParadoxTable::LoadBlock(uint16_t number) {
    if (m_pendingBlock && *m_pendingBlock == number)
        return m_pendingBytes;
    if (auto* cached = m_cache->Find(number))
        return *cached;
    if (auto* cached = m_scanCache->Find(number))
        return *cached;
    // Walking the chain in order (a scan) goes through a few reused buffers, so that a pass
    // over a large table neither fills nor flushes the cache that random access relies on.
    BlockCache& cache = number == m_nextInChain ? *m_scanCache : *m_cache;
    std::vector<uint8_t>& bytes = cache.Slot(number);
    try {
        ReadBlockBytes(number, bytes);
    } catch (...) {
        cache.Clear();  // the slot holds a partial read
        throw;
    }
    if (m_header.Encrypted())
        DecryptBlock(bytes.data(), bytes.size(), m_header.encryptionKey, number);
    m_nextInChain = GetU16(bytes.data());
    return bytes;
}

void ParadoxTable::WriteBlock(uint16_t number, std::vector<uint8_t>& plain) {
    m_cache->Update(number, plain);
    m_scanCache->Update(number, plain);
    if (m_header.Encrypted()) {
        std::vector<uint8_t> cipher = plain;
        EncryptBlock(cipher.data(), cipher.size(), m_header.encryptionKey, number);
        WriteData(BlockOffset(number), cipher.data(), cipher.size());
    } else {
        WriteData(BlockOffset(number), plain.data(), plain.size());
    }
}

void ParadoxTable::WriteHeader() {
    m_header.numRecords = static_cast<uint32_t>(m_rowCount);
    m_header.usedBlocks = static_cast<uint16_t>(m_directory.size());
    m_header.firstBlock = m_directory.empty() ? 0 : m_directory.front().number;
    m_header.lastBlock = m_directory.empty() ? 0 : m_directory.back().number;
    uint8_t* raw = m_header.raw.data();
    // The engine ignores an index whose table counter is below 2.
    uint8_t counter = raw[kChangeCount1];
    counter = static_cast<uint8_t>(counter + 1);
    if (counter < 2)
        counter = 2;
    raw[kChangeCount1] = counter;
    if (m_header.hasExtension)
        PutU32(raw + kFileUpdateTime, static_cast<uint32_t>(std::time(nullptr)));
    auto bytes = m_header.Serialize();
    m_header.raw = bytes;
    WriteData(0, bytes.data(), std::min<size_t>(bytes.size(), kExtensionEnd));
}

std::pair<size_t, int> ParadoxTable::Locate(uint64_t ordinal) const {
    if (ordinal >= m_rowCount)
        throw EngineError("Numer rekordu poza tabelą", m_path, "read");
    auto it = std::upper_bound(m_prefix.begin(), m_prefix.begin() + m_directory.size(), ordinal);
    size_t index = static_cast<size_t>(it - m_prefix.begin()) - 1;
    return {index, static_cast<int>(ordinal - m_prefix[index])};
}

uint64_t ParadoxTable::OrdinalOf(size_t dirIndex, int slot) const {
    return m_prefix[dirIndex] + static_cast<uint64_t>(slot);
}

Record ParadoxTable::DecodeRecord(const uint8_t* record) const {
    Record row;
    row.reserve(m_header.stored.size());
    for (const auto& f : m_header.stored)
        row.push_back(DecodeField(f, record, *m_codePage));
    return row;
}

Record ParadoxTable::ReadRow(uint64_t ordinal) {
    auto [index, slot] = Locate(ordinal);
    const auto& block = LoadBlock(m_directory[index].number);
    return DecodeRecord(block.data() + kBlockHeaderSize +
                        static_cast<size_t>(slot) * m_header.recordSize);
}

Value ParadoxTable::ReadField(uint64_t ordinal, int field) {
    auto [index, slot] = Locate(ordinal);
    const auto& block = LoadBlock(m_directory[index].number);
    return DecodeField(
        m_header.stored.at(field),
        block.data() + kBlockHeaderSize + static_cast<size_t>(slot) * m_header.recordSize,
        *m_codePage);
}

Record ParadoxTable::ReadFields(uint64_t ordinal, const std::vector<int>& fields) {
    auto [index, slot] = Locate(ordinal);
    const auto& block = LoadBlock(m_directory[index].number);
    const uint8_t* record =
        block.data() + kBlockHeaderSize + static_cast<size_t>(slot) * m_header.recordSize;
    Record row(m_header.stored.size());
    for (int f : fields)
        row[f] = DecodeField(m_header.stored.at(f), record, *m_codePage);
    return row;
}

void ParadoxTable::ForEachRawRecord(const std::function<bool(const uint8_t*)>& visit) {
    FlushPending();
    std::vector<uint8_t> buffer(m_header.BlockSize());
    for (const auto& entry : m_directory) {
        ReadBlockBytes(entry.number, buffer);
        if (m_header.Encrypted())
            DecryptBlock(buffer.data(), buffer.size(), m_header.encryptionKey, entry.number);
        for (int i = 0; i < entry.count; ++i)
            if (!visit(buffer.data() + kBlockHeaderSize +
                       static_cast<size_t>(i) * m_header.recordSize))
                return;
    }
}

void ParadoxTable::ForEachRawRecordInBlock(
    const std::function<void(const uint8_t*, uint16_t)>& visit) {
    FlushPending();
    for (const auto& entry : m_directory) {
        const auto& block = LoadBlock(entry.number);
        for (int i = 0; i < entry.count; ++i)
            visit(block.data() + kBlockHeaderSize + static_cast<size_t>(i) * m_header.recordSize,
                  entry.number);
    }
}

int ParadoxTable::CompareKey(const uint8_t* a, const uint8_t* b) const {
    return std::memcmp(a, b, m_keySize);
}

uint64_t ParadoxTable::LowerBoundRaw(const uint8_t* key, int keyBytes, bool* equal) {
    if (equal)
        *equal = false;
    if (m_rowCount == 0)
        return 0;
    // The last block whose first key is below the key holds the answer or ends just before it.
    size_t lo = 0, hi = m_directory.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (std::memcmp(m_firstKeys.data() + mid * m_keySize, key, keyBytes) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    size_t index = lo == 0 ? 0 : lo - 1;
    while (index < m_directory.size() && m_directory[index].count == 0)
        ++index;
    if (index == m_directory.size())
        return m_rowCount;
    const auto& block = LoadBlock(m_directory[index].number);
    const int count = m_directory[index].count;
    int slotLo = 0, slotHi = count;
    while (slotLo < slotHi) {
        int mid = (slotLo + slotHi) / 2;
        const uint8_t* rec =
            block.data() + kBlockHeaderSize + static_cast<size_t>(mid) * m_header.recordSize;
        if (std::memcmp(rec, key, keyBytes) < 0)
            slotLo = mid + 1;
        else
            slotHi = mid;
    }
    if (slotLo == count) {
        // The key falls after this block: the answer is the next non-empty block's first row.
        size_t next = index + 1;
        while (next < m_directory.size() && m_directory[next].count == 0)
            ++next;
        if (next == m_directory.size())
            return m_rowCount;
        if (equal)
            *equal = std::memcmp(m_firstKeys.data() + next * m_keySize, key, keyBytes) == 0;
        return OrdinalOf(next, 0);
    }
    if (equal) {
        const uint8_t* rec =
            block.data() + kBlockHeaderSize + static_cast<size_t>(slotLo) * m_header.recordSize;
        *equal = std::memcmp(rec, key, keyBytes) == 0;
    }
    return OrdinalOf(index, slotLo);
}

uint64_t ParadoxTable::LowerBound(const Record& key) {
    if (m_keySize == 0)
        throw EngineError("Tabela nie ma klucza", m_path, "seek");
    FlushPending();
    const size_t n = std::min<size_t>(key.size(), static_cast<size_t>(m_header.keyFields));
    std::vector<uint8_t> record(m_header.recordSize, 0);
    int bytes = 0;
    for (size_t i = 0; i < n; ++i) {
        EncodeField(m_header.stored[i], key[i], record.data(), *m_codePage,
                    m_header.fields[i].name);
        bytes += m_header.stored[i].size;
    }
    return LowerBoundRaw(record.data(), bytes, nullptr);
}

void ParadoxTable::EncodeRecordInto(const Record& row, std::vector<uint8_t>& record) const {
    if (row.size() != m_header.stored.size())
        throw EngineError("Liczba wartości niezgodna z liczbą pól tabeli", m_path, "write");
    record.assign(m_header.recordSize, 0);
    for (size_t i = 0; i < row.size(); ++i)
        EncodeField(m_header.stored[i], row[i], record.data(), *m_codePage,
                    m_header.fields[i].name);
}

std::vector<uint8_t> ParadoxTable::EncodeRecord(const Record& row) const {
    std::vector<uint8_t> record;
    EncodeRecordInto(row, record);
    return record;
}

ChangeStamp ParadoxTable::CurrentStamp() {
    FileStamp fs = m_fs.Stamp(m_path);
    // The header's counters change with every write by any program, even within one tick of
    // the file time and without a change of size.
    uint8_t head[kChangeCount1 + 1] = {};
    m_file->ReadAt(0, head, sizeof head);
    uint32_t counter = GetU32(head + kNumRecords) ^ (uint32_t{head[kChangeCount1]} << 24) ^
                       (uint32_t{GetU16(head + kChangeCounter12)} << 8) ^
                       GetU16(head + kFirstBlock);
    return {fs.size, fs.modifiedNs, counter};
}

void ParadoxTable::CheckStamp(bool allowReload) {
    if (CurrentStamp() == m_stamp)
        return;
    if (!allowReload)
        throw EngineError(
            "Tabela " + m_path + " została zmieniona przez inny program. Odśwież dane i powtórz.",
            m_path, "write");
    Reload();
}

void ParadoxTable::Reload() {
    // Nothing changed on disk: keep the directory and the cached blocks.
    if (!m_broken && !m_pendingBlock && CurrentStamp() == m_stamp)
        return;
    FlushPending();
    // Our last change is kept, not undone, by the reading that follows.
    if (m_journal && m_journal->Pending())
        Sync();
    Load();
}

void ParadoxTable::BeginWrite() {
    RequireSound();
    m_wroteInCall = false;
    if (m_readOnly)
        throw EngineError("Tabela " + m_path + " jest tylko do odczytu", m_path, "write");
    if (m_hasOutsideBlobs)
        throw EngineError("Tabela " + m_path + " ma pola notatek; zapis nieobsługiwany", m_path,
                          "write");
    // Text of a code page we lack is read as CP437: written back, its letters would be lost.
    if (!m_givenCodePage && m_codePage->Number() != m_header.codePage)
        throw EngineError("Tabela " + m_path + " ma w nagłówku stronę kodową " +
                              std::to_string(m_header.codePage) +
                              ", której program nie zna; zapis zgubiłby litery, więc jest "
                              "zablokowany",
                          m_path, "write");
    if (m_bulk)
        return;
    if (!m_exclusive && !LockForWrite(*m_file))
        throw EngineError("Tabela " + m_path + " jest używana przez inny program", m_path, "write");
    // The journal holds one operation: the one before must be on the disk first.
    if (m_journal->Pending())
        Sync();
    m_file->Hold();
}

void ParadoxTable::FinishWrite() {
    if (m_bulk) {
        m_dirtyHeader = true;
        return;
    }
    WriteHeader();
    CommitHeld();
    if (m_header.Keyed())
        RebuildIndexes();
    m_stamp = CurrentStamp();
    if (!m_exclusive)
        m_file->Unlock();
}

uint16_t ParadoxTable::AllocateBlock() {
    if (m_header.firstFreeBlock != 0) {
        uint16_t number = m_header.firstFreeBlock;
        uint8_t raw[kBlockHeaderSize];
        if (m_header.Encrypted()) {
            std::memcpy(raw, LoadBlock(number).data(), sizeof raw);
        } else {
            m_file->ReadExact(BlockOffset(number), raw, sizeof raw, "wolny blok");
        }
        uint16_t next = BlockHeader::Read(raw).next;
        m_header.firstFreeBlock = next <= m_header.fileBlocks ? next : 0;
        return number;
    }
    if (m_header.fileBlocks >= kMaxBlockNumber)
        throw EngineError("Tabela " + m_path + " osiągnęła największy możliwy rozmiar", m_path,
                          "write");
    if (!m_bulk && m_header.fileBlocks >= kGrowthStartBlocks) {
        // Interactive growth takes a few blocks at a time onto the free list, so that most
        // posts leave the file's length alone and its sync writes no metadata.
        const uint32_t extra = std::min<uint32_t>({m_header.fileBlocks / 16u, kMaxGrowthBlocks,
                                                   kMaxBlockNumber - m_header.fileBlocks - 1u});
        if (extra > 0) {
            const uint16_t first = static_cast<uint16_t>(m_header.fileBlocks + 2);
            std::vector<uint8_t> run(extra * m_header.BlockSize(), 0);
            for (uint32_t i = 0; i < extra; ++i) {
                const uint16_t number = static_cast<uint16_t>(first + i);
                const uint16_t next = i + 1 < extra ? static_cast<uint16_t>(number + 1) : 0;
                uint8_t* block = run.data() + i * m_header.BlockSize();
                BlockHeader{next, 0, static_cast<int16_t>(-m_header.recordSize)}.Write(block);
                if (m_header.Encrypted())
                    EncryptBlock(block, m_header.BlockSize(), m_header.encryptionKey, number);
            }
            // Beyond the counted blocks until the header names them: harmless after a crash.
            WriteData(BlockOffset(first), run.data(), run.size());
            m_header.firstFreeBlock = first;
            const uint16_t number = ++m_header.fileBlocks;
            m_header.fileBlocks = static_cast<uint16_t>(m_header.fileBlocks + extra);
            return number;
        }
    }
    return ++m_header.fileBlocks;
}

void ParadoxTable::FreeBlock(uint16_t number) {
    std::vector<uint8_t> block(m_header.BlockSize(), 0);
    BlockHeader{m_header.firstFreeBlock, 0, static_cast<int16_t>(-m_header.recordSize)}.Write(
        block.data());
    WriteBlock(number, block);
    m_header.firstFreeBlock = number;
}

void ParadoxTable::WriteLinkField(uint16_t number, size_t offset, uint16_t value) {
    auto& block = LoadBlock(number);
    PutU16(block.data() + offset, value);
    if (m_header.Encrypted())
        WriteBlock(number, block);
    else
        WriteData(BlockOffset(number) + offset, block.data() + offset, 2);
}

void ParadoxTable::WriteLink(uint16_t number, uint16_t next) {
    WriteLinkField(number, 0, next);
}

void ParadoxTable::WritePrevLink(uint16_t number, uint16_t prev) {
    WriteLinkField(number, 2, prev);
}

void ParadoxTable::FlushPending() {
    if (!m_pendingBlock)
        return;
    const uint16_t number = *m_pendingBlock;
    std::vector<uint8_t> bytes = std::move(m_pendingBytes);
    m_pendingBlock.reset();
    WriteBlock(number, bytes);
    if (m_pendingLinkFrom) {
        // Linked only now that the block it points at is on disk.
        WriteLink(*m_pendingLinkFrom, number);
        m_pendingLinkFrom.reset();
    }
}

namespace {

uint8_t* RecordAt(std::vector<uint8_t>& block, int slot, int recordSize) {
    return block.data() + kBlockHeaderSize + static_cast<size_t>(slot) * recordSize;
}

}  // namespace

uint64_t ParadoxTable::Insert(const Record& row) {
    if (!m_bulk)
        CheckStamp(true);
    BeginWrite();
    try {
        // One buffer serves every insert: bulk jobs append millions of rows.
        std::vector<uint8_t>& record = m_recordBuffer;
        EncodeRecordInto(row, record);
        // The table hands out autoincrement values; a value given by the caller is kept, so
        // copies of a table keep their identifiers.
        const int32_t autoIncBefore = m_header.autoIncValue;
        for (size_t i = 0; i < m_header.stored.size(); ++i) {
            const StoredField& f = m_header.stored[i];
            if (f.code != kAutoInc)
                continue;
            if (row[i].IsNull()) {
                EncodeInt(record.data() + f.offset, 4, ++m_header.autoIncValue);
            } else if (row[i].kind() == Value::Kind::Integer &&
                       row[i].AsInteger() > m_header.autoIncValue) {
                m_header.autoIncValue = static_cast<int32_t>(row[i].AsInteger());
            }
        }
        uint64_t ordinal;
        try {
            ordinal = InsertEncoded(record);
        } catch (...) {
            m_header.autoIncValue = autoIncBefore;
            throw;
        }
        FinishWrite();
        return ordinal;
    } catch (...) {
        FailWrite();
        throw;
    }
}

uint64_t ParadoxTable::InsertEncoded(const std::vector<uint8_t>& record) {
    const auto [index, slot] = InsertPosition(record);
    const bool appendAtEnd = m_directory.empty() ||
                             (index == m_directory.size() - 1 && slot == m_directory[index].count);
    if (!(m_bulk && appendAtEnd))
        FlushPending();
    if (m_directory.empty())
        return InsertIntoEmptyTable(record);
    if (m_directory[index].count < Capacity())
        return InsertIntoBlock(index, slot, record, appendAtEnd);
    if (appendAtEnd)
        return AppendBlockWith(record);
    return SplitBlockFor(index, slot, record);
}

std::pair<size_t, int> ParadoxTable::InsertPosition(const std::vector<uint8_t>& record) {
    size_t index = m_directory.empty() ? 0 : m_directory.size() - 1;
    int slot = m_directory.empty() ? 0 : m_directory.back().count;
    if (m_keySize == 0 || m_rowCount == 0)
        return {index, slot};
    // Appending in key order is the common bulk case: test the last row first.
    const auto& lastBlock = LoadBlock(m_directory.back().number);
    const uint8_t* lastRec =
        lastBlock.data() + kBlockHeaderSize + static_cast<size_t>(slot - 1) * m_header.recordSize;
    const int cmp = CompareKey(lastRec, record.data());
    if (cmp == 0)
        throw KeyViolation(m_path);
    if (cmp < 0)
        return {index, slot};
    if (!m_bulk || m_pendingBlock)
        FlushPending();
    bool equal = false;
    const uint64_t pos = LowerBoundRaw(record.data(), m_keySize, &equal);
    if (equal)
        throw KeyViolation(m_path);
    if (pos == 0)
        return {0, 0};
    std::tie(index, slot) = Locate(pos - 1);
    return {index, slot + 1};
}

uint64_t ParadoxTable::InsertIntoEmptyTable(const std::vector<uint8_t>& record) {
    const int rs = m_header.recordSize;
    uint16_t number = AllocateBlock();
    std::vector<uint8_t> block(m_header.BlockSize(), 0);
    BlockHeader{0, 0, BlockHeader::AddDataSizeFor(1, rs)}.Write(block.data());
    std::memcpy(RecordAt(block, 0, rs), record.data(), rs);
    m_directory.push_back({number, 1});
    if (m_keySize)
        m_firstKeys.assign(record.begin(), record.begin() + m_keySize);
    RecountPrefix(0);
    if (m_bulk) {
        m_pendingBlock = number;
        m_pendingBytes = std::move(block);
    } else {
        WriteBlock(number, block);
    }
    return 0;
}

uint64_t ParadoxTable::InsertIntoBlock(size_t index, int slot, const std::vector<uint8_t>& record,
                                       bool appendAtEnd) {
    const int rs = m_header.recordSize;
    BlockEntry& entry = m_directory[index];
    std::vector<uint8_t>& block = LoadBlock(entry.number);
    uint8_t* at = RecordAt(block, slot, rs);
    std::memmove(at + rs, at, static_cast<size_t>(entry.count - slot) * rs);
    std::memcpy(at, record.data(), rs);
    ++entry.count;
    BlockHeader bh = BlockHeader::Read(block.data());
    bh.addDataSize = BlockHeader::AddDataSizeFor(entry.count, rs);
    bh.Write(block.data());
    if (slot == 0)
        RememberFirstKey(index, block.data());
    if (!(m_bulk && m_pendingBlock && *m_pendingBlock == entry.number)) {
        if (m_bulk && appendAtEnd) {
            // Keep the growing last block in memory until it is full.
            m_pendingBytes = block;
            m_pendingBlock = entry.number;
        } else {
            WriteBlock(entry.number, block);
        }
    }
    if (index + 1 == m_directory.size()) {
        ++m_prefix.back();
        ++m_rowCount;
    } else {
        RecountPrefix(index + 1);
    }
    return OrdinalOf(index, slot);
}

uint64_t ParadoxTable::AppendBlockWith(const std::vector<uint8_t>& record) {
    // A full last block: the record starts a new block after it.
    const int rs = m_header.recordSize;
    const uint16_t oldNumber = m_directory.back().number;
    const uint16_t newNumber = AllocateBlock();
    std::vector<uint8_t> fresh(m_header.BlockSize(), 0);
    BlockHeader{0, oldNumber, BlockHeader::AddDataSizeFor(1, rs)}.Write(fresh.data());
    std::memcpy(RecordAt(fresh, 0, rs), record.data(), rs);
    m_directory.push_back({newNumber, 1});
    if (m_keySize)
        m_firstKeys.insert(m_firstKeys.end(), record.begin(), record.begin() + m_keySize);
    RecountPrefix(m_directory.size() - 1);
    if (m_bulk) {
        FlushPending();
        m_pendingBlock = newNumber;
        m_pendingBytes = std::move(fresh);
        m_pendingLinkFrom = oldNumber;
    } else {
        WriteBlock(newNumber, fresh);
        WriteLink(oldNumber, newNumber);
    }
    return OrdinalOf(m_directory.size() - 1, 0);
}

uint64_t ParadoxTable::SplitBlockFor(size_t index, int slot, const std::vector<uint8_t>& record) {
    // The upper half moves to a new block linked right after the full one. The new block is
    // written first, so until the old one is rewritten nothing points at it.
    const int rs = m_header.recordSize;
    BlockEntry& entry = m_directory[index];
    const uint16_t oldNumber = entry.number;
    const uint16_t newNumber = AllocateBlock();
    std::vector<uint8_t> fresh(m_header.BlockSize(), 0);
    std::vector<uint8_t> old = LoadBlock(oldNumber);
    BlockHeader oldHeader = BlockHeader::Read(old.data());
    std::vector<uint8_t> all(static_cast<size_t>(entry.count + 1) * rs);
    std::memcpy(all.data(), RecordAt(old, 0, rs), static_cast<size_t>(slot) * rs);
    std::memcpy(all.data() + static_cast<size_t>(slot) * rs, record.data(), rs);
    std::memcpy(all.data() + static_cast<size_t>(slot + 1) * rs, RecordAt(old, slot, rs),
                static_cast<size_t>(entry.count - slot) * rs);
    const int total = entry.count + 1;
    const int lower = (total + 1) / 2;
    const int upper = total - lower;

    BlockHeader{oldHeader.next, oldNumber, BlockHeader::AddDataSizeFor(upper, rs)}.Write(
        fresh.data());
    std::memcpy(RecordAt(fresh, 0, rs), all.data() + static_cast<size_t>(lower) * rs,
                static_cast<size_t>(upper) * rs);
    WriteBlock(newNumber, fresh);

    std::fill(old.begin() + kBlockHeaderSize, old.end(), 0);
    BlockHeader{newNumber, oldHeader.prev, BlockHeader::AddDataSizeFor(lower, rs)}.Write(
        old.data());
    std::memcpy(RecordAt(old, 0, rs), all.data(), static_cast<size_t>(lower) * rs);
    WriteBlock(oldNumber, old);

    if (oldHeader.next != 0)
        WritePrevLink(oldHeader.next, newNumber);

    entry.count = static_cast<uint16_t>(lower);
    m_directory.insert(m_directory.begin() + static_cast<long>(index) + 1,
                       {newNumber, static_cast<uint16_t>(upper)});
    if (m_keySize) {
        m_firstKeys.insert(m_firstKeys.begin() + static_cast<long>((index + 1) * m_keySize),
                           m_keySize, 0);
        RememberFirstKey(index, old.data());
        RememberFirstKey(index + 1, fresh.data());
    }
    RecountPrefix(index);
    return slot < lower ? OrdinalOf(index, slot) : OrdinalOf(index + 1, slot - lower);
}

uint64_t ParadoxTable::Update(uint64_t ordinal, Record row) {
    CheckStamp(false);
    BeginWrite();
    try {
        FlushPending();
        auto [index, slot] = Locate(ordinal);
        const int rs = m_header.recordSize;
        std::vector<uint8_t> oldRecord(rs);
        {
            auto& block = LoadBlock(m_directory[index].number);
            std::memcpy(oldRecord.data(), RecordAt(block, slot, rs), rs);
        }
        // An autoincrement value left empty keeps the stored one.
        for (size_t i = 0; i < m_header.stored.size() && i < row.size(); ++i)
            if (m_header.stored[i].code == kAutoInc && row[i].IsNull())
                row[i] = DecodeField(m_header.stored[i], oldRecord.data(), *m_codePage);
        std::vector<uint8_t> record = EncodeRecord(row);
        uint64_t result = ordinal;
        if (m_keySize > 0 && std::memcmp(oldRecord.data(), record.data(), m_keySize) != 0) {
            bool equal = false;
            LowerBoundRaw(record.data(), m_keySize, &equal);
            if (equal)
                throw KeyViolation(m_path);
            result = InsertEncoded(record);
            // The old row may have moved with the insert; find it again by its key.
            uint64_t oldPos = LowerBoundRaw(oldRecord.data(), m_keySize, nullptr);
            auto [oi, os] = Locate(oldPos);
            DeleteAt(oi, os);
            result = LowerBoundRaw(record.data(), m_keySize, nullptr);
        } else {
            auto& block = LoadBlock(m_directory[index].number);
            std::memcpy(RecordAt(block, slot, rs), record.data(), rs);
            WriteBlock(m_directory[index].number, block);
        }
        FinishWrite();
        return result;
    } catch (...) {
        FailWrite();
        throw;
    }
}

void ParadoxTable::Delete(uint64_t ordinal) {
    CheckStamp(false);
    BeginWrite();
    try {
        FlushPending();
        auto [index, slot] = Locate(ordinal);
        DeleteAt(index, slot);
        FinishWrite();
    } catch (...) {
        FailWrite();
        throw;
    }
}

void ParadoxTable::DeleteAt(size_t index, int slot) {
    const int rs = m_header.recordSize;
    BlockEntry& entry = m_directory[index];
    const uint16_t number = entry.number;
    std::vector<uint8_t> block = LoadBlock(number);
    BlockHeader bh = BlockHeader::Read(block.data());

    if (entry.count > 1) {
        uint8_t* at = RecordAt(block, slot, rs);
        std::memmove(at, at + rs, static_cast<size_t>(entry.count - slot - 1) * rs);
        --entry.count;
        std::memset(RecordAt(block, entry.count, rs), 0, rs);
        bh.addDataSize = BlockHeader::AddDataSizeFor(entry.count, rs);
        bh.Write(block.data());
        WriteBlock(number, block);
        if (slot == 0)
            RememberFirstKey(index, block.data());
        RecountPrefix(index);
        return;
    }

    // The block empties.
    if (m_directory.size() == 1) {
        m_directory.clear();
        m_firstKeys.clear();
        RecountPrefix(0);
        FreeBlock(number);
        return;
    }
    if (number == 1 && bh.next != 0) {
        // Block 1 stays at the head of the chain: the following block's rows move into it,
        // and one write both adds them and unlinks their old block.
        const uint16_t moved = bh.next;
        std::vector<uint8_t> source = LoadBlock(moved);
        BlockHeader sh = BlockHeader::Read(source.data());
        std::vector<uint8_t> merged(m_header.BlockSize(), 0);
        BlockHeader{sh.next, bh.prev, sh.addDataSize}.Write(merged.data());
        const int movedCount = m_directory[index + 1].count;
        std::memcpy(RecordAt(merged, 0, rs), RecordAt(source, 0, rs),
                    static_cast<size_t>(movedCount) * rs);
        WriteBlock(number, merged);
        if (sh.next != 0) {
            WritePrevLink(sh.next, number);
        }
        entry.count = static_cast<uint16_t>(movedCount);
        m_directory.erase(m_directory.begin() + static_cast<long>(index) + 1);
        if (m_keySize) {
            m_firstKeys.erase(m_firstKeys.begin() + static_cast<long>((index + 1) * m_keySize),
                              m_firstKeys.begin() + static_cast<long>((index + 2) * m_keySize));
            RememberFirstKey(index, merged.data());
        }
        RecountPrefix(index);
        FreeBlock(moved);
        return;
    }
    // Unlink: the predecessor skips the block first, so its rows vanish in one write.
    if (bh.prev != 0) {
        WriteLink(bh.prev, bh.next);
    }
    if (bh.next != 0) {
        WritePrevLink(bh.next, bh.prev);
    }
    m_directory.erase(m_directory.begin() + static_cast<long>(index));
    if (m_keySize)
        m_firstKeys.erase(m_firstKeys.begin() + static_cast<long>(index * m_keySize),
                          m_firstKeys.begin() + static_cast<long>((index + 1) * m_keySize));
    RecountPrefix(index == 0 ? 0 : index - 1);
    if (index == 0) {
        // The chain now starts at the next block; the header names it.
        WriteHeader();
    }
    FreeBlock(number);
}

void ParadoxTable::Sync() {
    FlushPending();
    // The index's pages reach the disk first; the table's sync then flushes the disk's cache
    // once for both, instead of one flush per file. Both files' pages are sent together, so
    // the wait for the index's is the table's too.
    if (m_primaryIndex)
        m_primaryIndex->StartSync();
    m_file->StartSync();
    if (m_primaryIndex)
        m_primaryIndex->WriteOutBeforeTableSync();
    m_file->Sync();
    SyncIndexes();
    // Retired only now that the change it would undo is on the disk.
    if (m_journal->Pending())
        m_journal->Retire();
}

void ParadoxTable::BeginBulk() {
    if (m_bulk)
        return;
    RequireSound();
    CheckStamp(true);
    BeginWrite();
    m_bulk = true;
}

void ParadoxTable::EndBulk() {
    if (!m_bulk)
        return;
    m_bulk = false;
    try {
        FlushPending();
        if (m_dirtyHeader) {
            WriteHeader();
            CommitHeld();
            if (m_header.Keyed())
                RebuildIndexes();
            m_dirtyHeader = false;
        } else {
            CommitHeld();
        }
        Sync();
        m_stamp = CurrentStamp();
    } catch (...) {
        RecoverAfterFailure();
        throw;
    }
    if (!m_exclusive)
        m_file->Unlock();
}

std::unique_ptr<ParadoxTable> ParadoxTable::CreateWithHeader(FileSystem& fs,
                                                             const std::string& path,
                                                             Header header) {
    header.numRecords = 0;
    header.usedBlocks = header.fileBlocks = header.firstBlock = header.lastBlock = 0;
    header.firstFreeBlock = 0;
    return CreateFromHeader(fs, path, header);
}

std::unique_ptr<Table> ParadoxTable::CreateLike(const std::string& path) {
    Header header = m_header;
    header.numRecords = 0;
    header.usedBlocks = header.fileBlocks = header.firstBlock = header.lastBlock = 0;
    header.firstFreeBlock = 0;
    header.autoIncValue = 0;
    return CreateFromHeader(m_fs, path, header);
}

bool ParadoxTable::CheckPassword(const std::string& password) const {
    if (!m_header.Encrypted())
        return false;
    return PasswordKey(m_codePage->Encode(password)) == m_header.encryptionKey;
}

}  // namespace mirta::engine

namespace mirta::engine {

std::vector<uint8_t> ParadoxTable::PrimaryIndexBytes() {
    if (!m_header.Keyed() || m_keySize == 0)
        return {};
    std::vector<IndexEntry> leaves;
    leaves.reserve(m_directory.size());
    for (size_t i = 0; i < m_directory.size(); ++i) {
        if (m_directory[i].count == 0)
            continue;
        const uint8_t* key = m_firstKeys.data() + i * m_keySize;
        leaves.push_back({key, m_directory[i].number, m_directory[i].count});
    }
    if (!m_primaryIndex)
        m_primaryIndex =
            std::make_unique<IndexFile>(m_fs, ResolvePath(m_fs, ReplaceExtension(m_path, ".PX")));
    // The existing file's header serves as the template when it fits the table.
    return BuildPrimaryIndex(
        m_header, leaves, IndexTemplate(m_primaryIndex->Image(), m_primaryIndex->Path(), m_header));
}

void ParadoxTable::RebuildIndexes() {
    if (!m_header.Keyed() || m_keySize == 0)
        return;
    std::vector<uint8_t> bytes = PrimaryIndexBytes();
    m_primaryIndex->Write(bytes);
    if (m_hasSecondaryIndexes) {
        RebuildSecondaryIndexes(m_fs, *this);
        m_secondaryDirty = true;
    }
}

void ParadoxTable::SyncIndexes() {
    if (m_primaryIndex)
        m_primaryIndex->Sync();
    if (m_secondaryDirty) {
        for (const auto& path : ListIndexFiles(m_fs, m_path))
            m_fs.Open(path, OpenMode::ReadWrite)->Sync();
        m_secondaryDirty = false;
    }
}

}  // namespace mirta::engine
