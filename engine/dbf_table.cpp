#include "engine/dbf_table.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>

#include "engine/dbf_codec.h"
#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

// Header layout.
constexpr uint32_t kHeaderBaseSize = 32;
constexpr uint32_t kOffYear = 1;
constexpr uint32_t kOffCount = 4;
constexpr uint32_t kOffHeaderSize = 8;
constexpr uint32_t kOffRecordSize = 10;
constexpr uint32_t kOffEncrypted = 15;
constexpr uint32_t kOffTableFlags = 28;
constexpr uint32_t kOffLanguage = 29;
constexpr uint8_t kFlagProductionIndex = 0x01;

// Field descriptors: 32 bytes from offset 32; dBase 7 has 48-byte ones after a 68-byte header.
constexpr uint32_t kDescriptorSize = 32;
constexpr uint32_t kDescName = 0;
constexpr uint32_t kDescNameSize = 11;
constexpr uint32_t kDescType = 11;
constexpr uint32_t kDescLength = 16;
constexpr uint32_t kDescDecimals = 17;
constexpr uint32_t kDb7HeaderSize = 68;
constexpr uint32_t kDb7DescriptorSize = 48;
constexpr uint32_t kDb7NameSize = 32;
constexpr uint32_t kDb7DescType = 32;
constexpr uint32_t kDb7DescLength = 33;
constexpr uint32_t kDb7DescDecimals = 34;

constexpr uint8_t kTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kLive = ' ';
constexpr char kDeleted = '*';

// dBase III limits, for the files we create.
constexpr size_t kMaxCreateFields = 128;
constexpr uint32_t kMaxCreateRecordSize = 4000;
constexpr int kMaxNameLength = 10;

enum class Family { DBase, FoxPro, DBase7 };

struct VersionInfo {
    Family family;
    bool writable;
};

std::optional<VersionInfo> KnownVersion(uint8_t version) {
    switch (version) {
        case 0x03:
        case 0x83:
        case 0x8B:
        case 0x8E:
            return VersionInfo{Family::DBase, true};
        case 0xF5:
        case 0x30:
        case 0x31:
        case 0x32:
            return VersionInfo{Family::FoxPro, false};
        case 0x04:
        case 0x8C:
            return VersionInfo{Family::DBase7, false};
        default:
            return std::nullopt;
    }
}

bool IsVisualFoxPro(uint8_t version) {
    return version >= 0x30 && version <= 0x32;
}

int CodePageOfLanguageByte(uint8_t language) {
    switch (language) {
        case 0x01:
            return 437;
        case 0x02:
            return 850;
        case 0x03:
        case 0x57:
        case 0x59:
            return 1252;
        case 0x23:
        case 0x64:
            return 852;
        case 0x69:
            return 620;
        case 0xC8:
            return 1250;
        case 0xC9:
            return 1251;
        case 0x26:
        case 0x65:
            return 866;
        default:
            return 437;
    }
}

uint16_t GetU16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1])
                                                                   << 8);
}

void PutU32(char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>(v >> (8 * i));
}

std::string Hex(uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

// Parses the header and descriptors from `header`, which holds at least the first
// min(headerSize, fileSize) bytes. Throws for anything we cannot trust.
DbfTable::Layout ParseLayout(const std::string& path, const std::string& header,
                             uint64_t fileSize) {
    DbfTable::Layout layout;
    if (header.size() < kHeaderBaseSize)
        throw CorruptFile(path, "plik krótszy niż nagłówek dBase (32 bajty)");
    layout.version = static_cast<uint8_t>(header[0]);
    if (layout.version == 0x02)
        throw EngineError("Pliki dBase II nie są obsługiwane: " + path, path, "open");
    auto info = KnownVersion(layout.version);
    if (!info)
        throw EngineError(
            "Nieobsługiwany format pliku dBase (bajt wersji " + Hex(layout.version) + "): " + path,
            path, "open");
    if (header[kOffEncrypted] == 1)
        throw EngineError("Tabela dBase jest zaszyfrowana; odczyt nie jest możliwy: " + path, path,
                          "open");
    layout.count = ReadU32Le(header.data() + kOffCount);
    layout.headerSize = GetU16(header, kOffHeaderSize);
    layout.recordSize = GetU16(header, kOffRecordSize);
    layout.tableFlags = static_cast<uint8_t>(header[kOffTableFlags]);
    layout.language = static_cast<uint8_t>(header[kOffLanguage]);

    const bool db7 = info->family == Family::DBase7;
    const uint32_t first = db7 ? kDb7HeaderSize : kHeaderBaseSize;
    const uint32_t step = db7 ? kDb7DescriptorSize : kDescriptorSize;
    if (layout.headerSize < first + step)
        throw CorruptFile(path, "rozmiar nagłówka " + std::to_string(layout.headerSize) +
                                    " za mały na opis choćby jednego pola");
    if (fileSize < layout.headerSize || header.size() < layout.headerSize)
        throw CorruptFile(
            path, "plik krótszy niż nagłówek (" + std::to_string(layout.headerSize) + " bajtów)");

    uint32_t offset = 1;
    for (uint32_t at = first; at + step <= layout.headerSize; at += step) {
        uint8_t lead = static_cast<uint8_t>(header[at]);
        if (lead == kTerminator || lead == 0)
            break;
        DbfColumn column;
        const size_t nameSize = db7 ? kDb7NameSize : kDescNameSize;
        std::string_view name(header.data() + at + kDescName, nameSize);
        column.rawName = std::string(name.substr(0, name.find('\0')));
        column.type = header[at + (db7 ? kDb7DescType : kDescType)];
        column.length = static_cast<uint8_t>(header[at + (db7 ? kDb7DescLength : kDescLength)]);
        column.decimals =
            static_cast<uint8_t>(header[at + (db7 ? kDb7DescDecimals : kDescDecimals)]);
        if (column.length == 0)
            throw CorruptFile(path, "pole " + column.rawName + " ma zerową długość");
        column.offset = offset;
        offset += static_cast<uint32_t>(column.length);
        layout.columns.push_back(std::move(column));
    }
    if (layout.columns.empty())
        throw CorruptFile(path, "brak opisów pól");
    if (layout.recordSize != offset)
        throw CorruptFile(path, "długość rekordu w nagłówku (" + std::to_string(layout.recordSize) +
                                    ") różni się od sumy długości pól (" + std::to_string(offset) +
                                    ")");
    const uint64_t end =
        uint64_t(layout.headerSize) + uint64_t(layout.count) * uint64_t(layout.recordSize);
    if (fileSize < end)
        throw CorruptFile(path, "plik krótszy niż zapowiada nagłówek (" +
                                    std::to_string(layout.count) + " rekordów po " +
                                    std::to_string(layout.recordSize) + " bajtów)");
    layout.header = header.substr(0, layout.headerSize);
    return layout;
}

// Reads and parses the header through an open file.
DbfTable::Layout ReadLayout(File& file) {
    const uint64_t size = file.Size();
    std::string base(kHeaderBaseSize, '\0');
    base.resize(file.ReadAt(0, base.data(), base.size()));
    if (base.size() < kHeaderBaseSize)
        throw CorruptFile(file.Path(), "plik krótszy niż nagłówek dBase (32 bajty)");
    const uint32_t headerSize = GetU16(base, kOffHeaderSize);
    std::string header(std::max<uint32_t>(headerSize, kHeaderBaseSize), '\0');
    header.resize(file.ReadAt(0, header.data(), header.size()));
    return ParseLayout(file.Path(), header, size);
}

FieldDef FieldOf(const DbfColumn& column, uint8_t version, const CodePage& codePage) {
    FieldDef def;
    def.name = codePage.Decode(column.rawName);
    def.code = column.type;
    def.size = column.length;
    const bool vfp = IsVisualFoxPro(version) || version == 0xF5;
    const bool db7 = KnownVersion(version)->family == Family::DBase7;
    switch (column.type) {
        case 'C':
            def.type = FieldType::Alpha;
            break;
        case 'N':
        case 'F':
            def.type = FieldType::Number;
            def.decimals = column.decimals;
            break;
        case 'D':
            def.type = FieldType::Date;
            break;
        case 'L':
            def.type = FieldType::Logical;
            break;
        case 'M':
            def.type = FieldType::Memo;
            break;
        case 'I':
            def.type = (vfp || db7) && column.length == 4 ? FieldType::Long : FieldType::Bytes;
            break;
        case '+':
            def.type = db7 && column.length == 4 ? FieldType::AutoInc : FieldType::Bytes;
            break;
        case 'O':
            def.type = db7 && column.length == 8 ? FieldType::Number : FieldType::Bytes;
            break;
        case 'B':
            def.type = vfp && column.length == 8 ? FieldType::Number : FieldType::Bytes;
            break;
        case 'Y':
            def.type = vfp && column.length == 8 ? FieldType::Money : FieldType::Bytes;
            break;
        default:
            def.type = FieldType::Bytes;
            break;
    }
    return def;
}

CivilDate LocalToday() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

// The year byte in the file's own convention: year - 1900 as the format says, unless the file
// already shows the two-digit habit (a value below 80 can only be 20xx written modulo 100).
uint8_t YearByte(uint8_t stored, int year) {
    if (stored < 80)
        return static_cast<uint8_t>(year % 100);
    return static_cast<uint8_t>(std::clamp(year - 1900, 0, 255));
}

}  // namespace

bool DbfTable::Layout::SameStructure(const Layout& o) const {
    // Version, sizes, flags, language and descriptors; the date, the count and the
    // multi-user bytes may change under us.
    if (header.size() != o.header.size())
        return false;
    auto same = [&](size_t from, size_t to) {
        return std::equal(header.begin() + long(from), header.begin() + long(to),
                          o.header.begin() + long(from));
    };
    return same(0, 1) && same(kOffHeaderSize, kOffRecordSize + 2) &&
           same(kOffTableFlags, kOffLanguage + 1) && same(kHeaderBaseSize, header.size());
}

DbfTable::DbfTable(FileSystem& fs, std::string path, DbfOptions options)
    : m_fs(fs), m_path(std::move(path)), m_options(std::move(options)) {}

DbfTable::~DbfTable() {
    if (m_bulkDepth > 0) {
        m_bulkDepth = 1;
        try {
            EndBulk();
        } catch (const EngineError&) {
            // The rows written are complete; at worst they stay uncounted.
        }
    }
}

std::unique_ptr<DbfTable> DbfTable::Open(FileSystem& fs, const std::string& path,
                                         DbfOptions options) {
    std::unique_ptr<DbfTable> table(new DbfTable(fs, ResolvePath(fs, path), std::move(options)));
    table->m_file = fs.Open(table->m_path, OpenMode::Read);
    table->Load();
    return table;
}

void DbfTable::Load() {
    Layout layout = ReadLayout(*m_file);
    const CodePage* codePage = m_options.codePage;
    if (!codePage) {
        std::string cpg = ResolvePath(m_fs, ReplaceExtension(m_path, ".cpg"));
        if (m_fs.Exists(cpg)) {
            auto file = m_fs.Open(cpg, OpenMode::Read);
            std::string text(64, '\0');
            text.resize(file->ReadAt(0, text.data(), text.size()));
            std::string_view name = text;
            while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
                name.remove_suffix(1);
            size_t space = name.find_last_of(' ');  // "ANSI 1250", "OEM 852"
            if (space != std::string_view::npos)
                name.remove_prefix(space + 1);
            try {
                codePage = &CodePage::ForName(name);
            } catch (const EngineError&) {
                // UTF-8 and unknown names: fall back to the language byte.
            }
        }
    }
    if (!codePage)
        codePage = &CodePage::ForNumber(CodePageOfLanguageByte(layout.language));

    std::vector<FieldDef> fields;
    for (const auto& column : layout.columns)
        fields.push_back(FieldOf(column, layout.version, *codePage));

    m_layout = std::move(layout);
    m_fields = std::move(fields);
    m_codePage = codePage;
    m_count = m_headerCount = m_layout.count;
    m_headerCountKnown = true;
    m_deleted.clear();
    m_liveIndexReady = false;
    RefreshStamp();
}

void DbfTable::RefreshStamp() {
    FileStamp s = m_fs.Stamp(m_path);
    m_stamp = {s.size, s.modifiedNs, static_cast<uint32_t>(m_headerCount)};
}

ChangeStamp DbfTable::CurrentStamp() {
    FileStamp s = m_fs.Stamp(m_path);
    char count[4] = {};
    m_file->ReadExact(kOffCount, count, sizeof count, "nagłówek");
    return {s.size, s.modifiedNs, ReadU32Le(count)};
}

void DbfTable::Reload() {
    if (m_writer)
        throw EngineError("Nie można odświeżyć tabeli w trakcie zapisu", m_path, "reload");
    m_file = m_fs.Open(m_path, OpenMode::Read);
    Load();
}

bool DbfTable::ReadOnly() const {
    return WriteRefusal().has_value();
}

void DbfTable::EnsureLiveIndex() const {
    if (m_liveIndexReady)
        return;
    std::vector<uint32_t> deleted;
    constexpr uint64_t kChunkBytes = 1 << 20;
    const uint64_t perChunk = std::max<uint64_t>(1, kChunkBytes / m_layout.recordSize);
    std::string chunk;
    for (uint64_t first = 0; first < m_count; first += perChunk) {
        const uint64_t n = std::min(perChunk, m_count - first);
        chunk.resize(n * m_layout.recordSize);
        m_file->ReadExact(RecordOffset(first), chunk.data(), chunk.size(), "rekordy");
        for (uint64_t i = 0; i < n; ++i)
            if (chunk[i * m_layout.recordSize] == kDeleted)
                deleted.push_back(static_cast<uint32_t>(first + i));
    }
    m_deleted = std::move(deleted);
    m_liveIndexReady = true;
}

uint64_t DbfTable::RowCount() const {
    EnsureLiveIndex();
    return m_count - m_deleted.size();
}

uint64_t DbfTable::RecordOf(uint64_t ordinal) const {
    EnsureLiveIndex();
    // Deleted record j has (m_deleted[j] - j) live records before it; skip every deleted
    // record that comes at or before the wanted live one.
    size_t lo = 0, hi = m_deleted.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (m_deleted[mid] - mid <= ordinal)
            lo = mid + 1;
        else
            hi = mid;
    }
    return ordinal + lo;
}

uint64_t DbfTable::RecordOffset(uint64_t record) const {
    return uint64_t(m_layout.headerSize) + record * m_layout.recordSize;
}

void DbfTable::ReadRawRecords(uint64_t first, uint64_t count, std::string& out) {
    if (first > m_count || count > m_count - first)
        throw EngineError("Odczyt poza końcem tabeli", m_path, "read");
    size_t at = out.size();
    out.resize(at + count * m_layout.recordSize);
    m_file->ReadExact(RecordOffset(first), out.data() + at, count * m_layout.recordSize, "rekordy");
}

Record DbfTable::ReadRow(uint64_t ordinal) {
    if (ordinal >= RowCount())
        throw EngineError("Brak wiersza o tym numerze", m_path, "read");
    const uint64_t record = RecordOf(ordinal);
    std::string raw;
    ReadRawRecords(record, 1, raw);
    Record row;
    row.reserve(m_layout.columns.size());
    for (const auto& column : m_layout.columns)
        row.push_back(Codec().Decode(
            column, std::string_view(raw).substr(column.offset, size_t(column.length)), record));
    return row;
}

Value DbfTable::ReadField(uint64_t ordinal, int field) {
    if (ordinal >= RowCount() || field < 0 || size_t(field) >= m_layout.columns.size())
        throw EngineError("Brak wiersza lub pola o tym numerze", m_path, "read");
    const uint64_t record = RecordOf(ordinal);
    const DbfColumn& column = m_layout.columns[size_t(field)];
    std::string raw(size_t(column.length), '\0');
    m_file->ReadExact(RecordOffset(record) + column.offset, raw.data(), raw.size(), "rekord");
    return Codec().Decode(column, raw, record);
}

DbfFieldCodec DbfTable::Codec() const {
    return DbfFieldCodec(IsVisualFoxPro(m_layout.version) || m_layout.version == 0xF5,
                         KnownVersion(m_layout.version)->family == Family::DBase7, *m_codePage,
                         m_path);
}

std::string DbfTable::EncodeText(std::string_view utf8, const DbfColumn& column) const {
    return Codec().EncodeText(utf8, column);
}

std::string DbfTable::BuildRecord(const Record& row) const {
    if (row.size() != m_layout.columns.size())
        throw EngineError("Liczba wartości (" + std::to_string(row.size()) +
                              ") nie zgadza się z liczbą pól tabeli (" +
                              std::to_string(m_layout.columns.size()) + ")",
                          m_path, "write");
    std::string record(m_layout.recordSize, ' ');
    record[0] = kLive;
    const DbfFieldCodec codec = Codec();
    for (size_t i = 0; i < row.size(); ++i) {
        const DbfColumn& column = m_layout.columns[i];
        codec.Encode(column, row[i], record.data() + column.offset);
    }
    return record;
}

std::optional<std::string> DbfTable::WriteRefusal() const {
    if (m_options.readOnly)
        return "Tabela otwarta tylko do odczytu: " + m_path;
    if (!KnownVersion(m_layout.version)->writable)
        return "Zapis do tabel tego rodzaju (bajt wersji " + Hex(m_layout.version) +
               ") nie jest obsługiwany: " + m_path;
    if ((m_layout.tableFlags & kFlagProductionIndex) && !m_options.allowStaleIndex)
        return "Tabela " + m_path + " ma indeks, którego nie umiemy uzupełnić; zapis wstrzymany";
    return std::nullopt;
}

void DbfTable::RequireWritable() const {
    if (auto why = WriteRefusal())
        throw EngineError(*why, m_path, "write");
}

File& DbfTable::BeginWrite() {
    if (m_writer)
        return *m_writer;
    RequireWritable();
    auto writer = m_fs.Open(m_path, OpenMode::ReadWrite);
    if (!writer->TryLock(true))
        throw EngineError("Tabela " + m_path +
                              " jest używana przez inny program; spróbuj ponownie po jego "
                              "zamknięciu",
                          m_path, "lock");
    Layout fresh = ReadLayout(*writer);
    if (!fresh.SameStructure(m_layout))
        throw EngineError(
            "Struktura tabeli " + m_path + " zmieniła się od otwarcia; nic nie zapisano", m_path,
            "write");
    FileStamp s = m_fs.Stamp(m_path);
    ChangeStamp now{s.size, s.modifiedNs, fresh.count};
    if (now != m_stamp || fresh.count != m_headerCount || fresh.count != m_count) {
        // Another program wrote since we looked: take its rows into account, through a
        // fresh handle in case it replaced the file.
        m_file = m_fs.Open(m_path, OpenMode::Read);
        m_layout = std::move(fresh);
        m_count = m_headerCount = m_layout.count;
        m_headerCountKnown = true;
        m_liveIndexReady = false;
        EnsureLiveIndex();
    }
    m_writer = std::move(writer);
    return *m_writer;
}

void DbfTable::EndWrite() noexcept {
    if (!m_writer || m_bulkDepth > 0 || m_holdDepth > 0)
        return;
    try {
        RefreshStamp();
    } catch (const EngineError&) {
        m_stamp = {};  // unknown: the next write re-reads the header
    }
    m_writer->Unlock();
    m_writer.reset();
}

void DbfTable::WriteHeaderCount(File& file, uint64_t count) {
    CivilDate today = m_options.today ? m_options.today() : LocalToday();
    char bytes[7];
    bytes[0] =
        static_cast<char>(YearByte(static_cast<uint8_t>(m_layout.header[kOffYear]), today.year));
    bytes[1] = static_cast<char>(today.month);
    bytes[2] = static_cast<char>(today.day);
    PutU32(bytes + 3, static_cast<uint32_t>(count));
    // One write, date first and the count's low byte first, so a torn write never counts a
    // record that is not there.
    m_headerCountKnown = false;
    file.WriteAt(kOffYear, bytes, sizeof bytes);
    m_headerCountKnown = true;
    m_headerCount = count;
    m_layout.count = static_cast<uint32_t>(count);
    std::memcpy(m_layout.header.data() + kOffYear, bytes, sizeof bytes);
}

uint64_t DbfTable::Insert(const Record& row) {
    RequireWritable();
    std::string record = BuildRecord(row);
    File& file = BeginWrite();
    struct Release {
        DbfTable* t;
        ~Release() { t->EndWrite(); }
    } release{this};
    if (m_count >= UINT32_MAX)
        throw EngineError("Tabela jest pełna", m_path, "write");
    EnsureLiveIndex();
    record += kEndOfFile;
    file.WriteAt(RecordOffset(m_count), record.data(), record.size());
    if (m_bulkDepth == 0) {
        file.Sync();
        WriteHeaderCount(file, m_count + 1);
        ++m_count;
        file.Sync();
    } else {
        ++m_count;
    }
    return RowCount() - 1;
}

void DbfTable::RequireRowUnchanged(uint64_t recordNo,
                                   const std::vector<uint32_t>& deletedBefore) const {
    if (recordNo >= m_count || m_deleted != deletedBefore)
        throw EngineError("Tabela " + m_path +
                              " została zmieniona przez inny program; "
                              "odśwież dane i powtórz zmianę",
                          m_path, "write");
}

uint64_t DbfTable::RewriteInRow(uint64_t ordinal, size_t offset, const char* bytes, size_t n) {
    if (ordinal >= RowCount())
        throw EngineError("Brak wiersza o tym numerze", m_path, "write");
    const uint64_t recordNo = RecordOf(ordinal);
    const auto deletedBefore = m_deleted;
    File& file = BeginWrite();
    struct Release {
        DbfTable* t;
        ~Release() { t->EndWrite(); }
    } release{this};
    RequireRowUnchanged(recordNo, deletedBefore);
    file.WriteAt(RecordOffset(recordNo) + offset, bytes, n);
    if (m_bulkDepth == 0)
        file.Sync();
    return recordNo;
}

uint64_t DbfTable::Update(uint64_t ordinal, Record row) {
    RequireWritable();
    std::string record = BuildRecord(row);
    // The deletion flag stays as it is.
    RewriteInRow(ordinal, 1, record.data() + 1, record.size() - 1);
    return ordinal;
}

void DbfTable::Delete(uint64_t ordinal) {
    RequireWritable();
    const uint64_t recordNo = RewriteInRow(ordinal, 0, &kDeleted, 1);
    m_deleted.insert(std::upper_bound(m_deleted.begin(), m_deleted.end(), recordNo),
                     static_cast<uint32_t>(recordNo));
}

void DbfTable::Sync() {
    if (m_writer)
        m_writer->Sync();
}

void DbfTable::BeginBulk() {
    // A table we may not write gets no lock; its writes fail one by one.
    if (m_bulkDepth == 0 && !WriteRefusal())
        BeginWrite();
    ++m_bulkDepth;
}

void DbfTable::EndBulk() {
    if (m_bulkDepth == 0)
        return;
    if (--m_bulkDepth > 0)
        return;
    try {
        if (m_writer) {
            // Rows first, then the count that makes them visible.
            m_writer->Sync();
            if (m_count != m_headerCount) {
                WriteHeaderCount(*m_writer, m_count);
                m_writer->Sync();
            }
        }
    } catch (...) {
        if (m_writer)
            m_writer->Unlock();
        m_writer.reset();
        try {
            Reload();
        } catch (const EngineError&) {
            // The first failure is the one to report.
        }
        throw;
    }
    EndWrite();
}

void DbfTable::HoldLock() {
    if (m_holdDepth == 0) {
        BeginWrite();
        m_heldFrom = m_count;
    }
    ++m_holdDepth;
}

void DbfTable::ReleaseLock() noexcept {
    if (m_holdDepth == 0 || --m_holdDepth > 0)
        return;
    EndWrite();
}

void DbfTable::TakeBackAppends(uint64_t records) {
    if (m_holdDepth == 0 || !m_writer || records < m_heldFrom || records > m_count)
        throw EngineError("Cofnąć można tylko wiersze dopisane pod własną blokadą", m_path,
                          "write");
    if (m_headerCountKnown && m_headerCount == records && m_count == records)
        return;  // nothing of ours past `records` is counted or known
    // The count first: from then on readers stop before the withdrawn rows, whatever
    // happens to the end mark.
    WriteHeaderCount(*m_writer, records);
    m_writer->Sync();
    m_count = records;
    m_deleted.erase(std::lower_bound(m_deleted.begin(), m_deleted.end(), records), m_deleted.end());
    m_writer->WriteAt(RecordOffset(records), &kEndOfFile, 1);
    m_writer->Sync();
}

void DbfTable::ForgetUncounted(uint64_t records) {
    if (!m_writer || records < m_headerCount || records > m_count)
        throw EngineError("Cofnąć można tylko wiersze jeszcze niepoliczone", m_path, "write");
    // Forgotten first, so that nothing counts them even when the end mark cannot be written
    // (it lies within the file's length: a full disk does not stop it).
    m_count = records;
    m_writer->WriteAt(RecordOffset(records), &kEndOfFile, 1);
}

void DbfTable::WriteCount() {
    if (!m_writer)
        throw EngineError("Zapis licznika bez blokady tabeli", m_path, "write");
    if (m_count != m_headerCount || !m_headerCountKnown)
        WriteHeaderCount(*m_writer, m_count);
}

void DbfTable::CountOnly(uint64_t records) {
    if (!m_writer || records > m_count)
        throw EngineError("Nie można ustawić licznika rekordów tabeli", m_path, "write");
    WriteHeaderCount(*m_writer, records);
    m_writer->Sync();
    m_count = records;
    m_heldFrom = std::min(m_heldFrom, records);
    m_deleted.erase(std::lower_bound(m_deleted.begin(), m_deleted.end(), records), m_deleted.end());
    m_writer->WriteAt(RecordOffset(records), &kEndOfFile, 1);
    m_writer->Sync();
}

std::unique_ptr<DbfTable> DbfTable::Create(FileSystem& fs, const std::string& path,
                                           const std::vector<FieldDef>& fields,
                                           uint8_t languageByte, DbfOptions options) {
    auto refuse = [&](const std::string& why) {
        throw EngineError("Nie można utworzyć tabeli " + path + ": " + why, path, "create");
    };
    if (fields.empty())
        refuse("brak pól");
    if (fields.size() > kMaxCreateFields)
        refuse("więcej niż 128 pól");
    const std::string target = ResolvePath(fs, path);

    std::string header(kHeaderBaseSize + kDescriptorSize * fields.size() + 1, '\0');
    uint32_t recordSize = 1;
    std::vector<std::string> names;
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& f = fields[i];
        char type = 0;
        int length = f.size;
        int decimals = 0;
        switch (f.type) {
            case FieldType::Alpha:
                type = 'C';
                if (length < 1 || length > 254)
                    refuse("pole " + f.name + ": szerokość 1..254");
                break;
            case FieldType::Number:
                type = f.code == 'F' ? 'F' : 'N';
                decimals = f.decimals;
                if (length < 1 || length > 20)
                    refuse("pole " + f.name + ": szerokość 1..20");
                if (decimals < 0 || (decimals > 0 && decimals > length - 2))
                    refuse("pole " + f.name + ": za dużo miejsc po przecinku");
                break;
            case FieldType::Date:
                type = 'D';
                length = 8;
                break;
            case FieldType::Logical:
                type = 'L';
                length = 1;
                break;
            default:
                refuse("pole " + f.name + ": typ niedostępny w dBase III");
        }
        std::string upper = f.name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        bool ascii = std::all_of(f.name.begin(), f.name.end(), [](char c) {
            return c > ' ' && static_cast<unsigned char>(c) < 0x7F;
        });
        if (f.name.empty() || int(f.name.size()) > kMaxNameLength || !ascii)
            refuse("nazwa pola \"" + f.name + "\" (do 10 znaków ASCII)");
        if (std::find(names.begin(), names.end(), upper) != names.end())
            refuse("powtórzona nazwa pola " + f.name);
        names.push_back(upper);

        char* d = header.data() + kHeaderBaseSize + kDescriptorSize * i;
        std::memcpy(d + kDescName, f.name.data(), f.name.size());
        d[kDescType] = type;
        d[kDescLength] = static_cast<char>(length);
        d[kDescDecimals] = static_cast<char>(decimals);
        recordSize += static_cast<uint32_t>(length);
    }
    if (recordSize > kMaxCreateRecordSize)
        refuse("rekord dłuższy niż 4000 bajtów");
    header.back() = static_cast<char>(kTerminator);

    CivilDate today = options.today ? options.today() : LocalToday();
    header[0] = 0x03;
    header[kOffYear] = static_cast<char>(YearByte(100, today.year));
    header[kOffYear + 1] = static_cast<char>(today.month);
    header[kOffYear + 2] = static_cast<char>(today.day);
    header[kOffHeaderSize] = static_cast<char>(header.size() & 0xFF);
    header[kOffHeaderSize + 1] = static_cast<char>(header.size() >> 8);
    header[kOffRecordSize] = static_cast<char>(recordSize & 0xFF);
    header[kOffRecordSize + 1] = static_cast<char>(recordSize >> 8);
    header[kOffLanguage] = static_cast<char>(languageByte);
    header += kEndOfFile;

    // Written aside and renamed, so the name never shows a half-made header.
    const std::string temp = target + ".tmp";
    {
        auto file = fs.Open(temp, OpenMode::Create);
        file->WriteAt(0, header.data(), header.size());
        file->Sync();
    }
    fs.Rename(temp, target);
    fs.SyncDirectory(DirectoryOf(target));
    return Open(fs, target, std::move(options));
}

std::unique_ptr<Table> DbfTable::CreateLike(const std::string& path) {
    if (KnownVersion(m_layout.version)->family != Family::DBase || m_layout.version != 0x03)
        throw EngineError(
            "Tworzenie pustej kopii jest możliwe tylko dla tabel dBase III bez "
            "notatek: " +
                m_path,
            m_path, "create");
    const std::string target = ResolvePath(m_fs, path);
    std::string header = m_layout.header;
    CivilDate today = m_options.today ? m_options.today() : LocalToday();
    header[kOffYear] =
        static_cast<char>(YearByte(static_cast<uint8_t>(header[kOffYear]), today.year));
    header[kOffYear + 1] = static_cast<char>(today.month);
    header[kOffYear + 2] = static_cast<char>(today.day);
    PutU32(header.data() + kOffCount, 0);
    // The new file has no index beside it.
    header[kOffTableFlags] = static_cast<char>(header[kOffTableFlags] & ~kFlagProductionIndex);
    header += kEndOfFile;
    const std::string temp = target + ".tmp";
    {
        auto file = m_fs.Open(temp, OpenMode::Create);
        file->WriteAt(0, header.data(), header.size());
        file->Sync();
    }
    m_fs.Rename(temp, target);
    m_fs.SyncDirectory(DirectoryOf(target));
    return Open(m_fs, target, m_options);
}

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool AllSpaces(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

}  // namespace mirta::engine
