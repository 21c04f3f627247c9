#include "engine/paradox_header.h"

#include <algorithm>
#include <ctime>

#include "engine/code_page.h"
#include "engine/engine_error.h"

namespace mirta::engine::paradox {

namespace {

constexpr uint8_t kLevel7Version = 12;
constexpr uint16_t kNewHeaderSize = 0x800;
constexpr char kNewSortOrderName[] = "ascii";
constexpr uint8_t kNewSortOrder = 0x00;

}  // namespace

int Header::KeySize() const {
    int size = 0;
    for (int i = 0; i < keyFields && i < static_cast<int>(stored.size()); ++i)
        size += stored[i].size;
    return size;
}

Header Header::Parse(const std::vector<uint8_t>& b, const std::string& path, bool dataFile,
                     const CodePage* names) {
    auto fail = [&](const std::string& why) -> CorruptFile { return CorruptFile(path, why); };
    if (b.size() < kFixedPartEnd)
        throw fail("nagłówek za krótki");
    Header h;
    h.raw = b;
    const uint8_t* p = b.data();
    h.recordSize = GetU16(p + kRecordSize);
    h.headerSize = GetU16(p + kHeaderSize);
    h.fileType = p[kFileType];
    h.maxTableSize = p[kMaxTableSize];
    h.numRecords = GetU32(p + kNumRecords);
    h.usedBlocks = GetU16(p + kUsedBlocks);
    h.fileBlocks = GetU16(p + kFileBlocks);
    h.firstBlock = GetU16(p + kFirstBlock);
    h.lastBlock = GetU16(p + kLastBlock);
    h.indexRoot = GetU16(p + kIndexRoot);
    h.indexLevels = p[kIndexLevels];
    h.numFields = GetS16(p + kNumFields);
    h.keyFields = GetS16(p + kKeyFields);
    h.sortOrder = p[kSortOrder];
    h.version = p[kFileVersion];
    h.autoIncValue = static_cast<int32_t>(GetU32(p + kAutoIncValue));
    h.firstFreeBlock = GetU16(p + kFirstFreeBlock);

    if (h.headerSize < kFixedPartEnd || h.headerSize > b.size())
        throw fail("niepoprawny rozmiar nagłówka");
    if (h.maxTableSize < 1 || h.maxTableSize > 32)
        throw fail("niepoprawny rozmiar bloku");
    if (h.recordSize == 0 || h.recordSize + kBlockHeaderSize > h.BlockSize())
        throw fail("niepoprawny rozmiar rekordu");
    if (h.numFields <= 0 || h.numFields > 255)
        throw fail("niepoprawna liczba pól");
    if (dataFile && h.fileType != kKeyedData && h.fileType != kUnkeyedData &&
        h.fileType != kSecondaryDataNonInc && h.fileType != kSecondaryDataInc &&
        h.fileType != kCompositeDataNonInc && h.fileType != kCompositeDataInc)
        throw fail("to nie jest plik danych Paradox");
    if (!dataFile && h.fileType != kPrimaryIndex && h.fileType != kSecondaryIndex &&
        h.fileType != kCompositeIndex)
        throw fail("to nie jest plik indeksu Paradox");
    if (h.keyFields < 0 || h.keyFields > h.numFields)
        throw fail("niepoprawna liczba pól klucza");

    h.hasExtension = HasDataExtension(h.fileType, h.version) && h.headerSize >= kExtensionEnd;
    uint32_t key1 = GetU32(p + kEncryption1);
    if (key1 != 0 && key1 != kEncryptionMarker)
        h.encryptionKey = key1;
    else if (h.hasExtension)
        h.encryptionKey = GetU32(p + kEncryption2);
    if (h.hasExtension) {
        h.codePage = GetU16(p + kCodePage);
        if (h.codePage == 0)
            h.codePage = 437;
    }

    size_t pos = h.hasExtension ? kExtensionEnd : kFixedPartEnd;
    auto need = [&](size_t n) {
        if (pos + n > h.headerSize)
            throw fail("nagłówek urwany");
    };
    need(2 * static_cast<size_t>(h.numFields));
    h.descriptors.assign(p + pos, p + pos + 2 * h.numFields);
    pos += 2 * h.numFields;

    int offset = 0;
    for (int i = 0; i < h.numFields; ++i) {
        uint8_t code = h.descriptors[2 * i], sizeByte = h.descriptors[2 * i + 1];
        FieldDef def;
        try {
            def = DescribeField(code, sizeByte);
        } catch (const EngineError& e) {
            throw fail(e.what());
        }
        if (def.size <= 0 && code != kBlob)
            throw fail("pole o zerowej długości");
        h.fields.push_back(def);
        h.stored.push_back(StoredField{code, def.size, def.decimals, offset});
        offset += def.size;
    }
    const int entryTrailer = dataFile ? 0 : 6;  // index entries add block, count, unused
    if (offset + entryTrailer != h.recordSize)
        throw fail("długość rekordu niezgodna z polami");

    if (!dataFile)
        return h;

    // Names of a table whose code page we lack still read, as the table itself does.
    const CodePage* cp = names;
    try {
        if (!cp)
            cp = &CodePage::ForNumber(h.codePage);
    } catch (const EngineError&) {
        cp = &CodePage::ForNumber(437);
    }
    const size_t nameSize = h.version >= kLevel7Version ? kTableNameSizeV7 : kTableNameSizeOld;
    pos += 4 + 4 * static_cast<size_t>(h.numFields);  // run-time pointers
    need(nameSize);
    {
        const char* name = reinterpret_cast<const char*>(p + pos);
        h.tableName.assign(name, strnlen(name, nameSize));
    }
    pos += nameSize;
    for (auto& field : h.fields) {
        const char* start = reinterpret_cast<const char*>(p + pos);
        size_t len = strnlen(start, h.headerSize - pos);
        if (pos + len >= h.headerSize)
            throw fail("nazwy pól urwane");
        field.name = cp->Decode({start, len});
        pos += len + 1;
    }
    if (h.hasExtension) {
        pos += 2 * static_cast<size_t>(h.numFields);  // field numbers
        if (pos < h.headerSize) {
            const char* start = reinterpret_cast<const char*>(p + pos);
            h.sortOrderName.assign(start, strnlen(start, h.headerSize - pos));
        }
    }
    return h;
}

std::vector<uint8_t> Header::Serialize() const {
    std::vector<uint8_t> b = raw;
    uint8_t* p = b.data();
    PutU16(p + kRecordSize, recordSize);
    PutU16(p + kHeaderSize, headerSize);
    p[kFileType] = fileType;
    p[kMaxTableSize] = maxTableSize;
    PutU32(p + kNumRecords, numRecords);
    PutU16(p + kUsedBlocks, usedBlocks);
    PutU16(p + kFileBlocks, fileBlocks);
    PutU16(p + kFirstBlock, firstBlock);
    PutU16(p + kLastBlock, lastBlock);
    PutU16(p + kIndexRoot, indexRoot);
    p[kIndexLevels] = indexLevels;
    PutU32(p + kAutoIncValue, static_cast<uint32_t>(autoIncValue));
    PutU16(p + kFirstFreeBlock, firstFreeBlock);
    if (HasDataExtension(fileType, version))
        PutU16(p + kMaxBlocks, fileBlocks);
    return b;
}

Header NewDataHeader(const std::vector<FieldDef>& fields, int keyFields, size_t blockSizeKb,
                     int codePageNumber, const std::string& tableName) {
    const CodePage& cp = CodePage::ForNumber(codePageNumber);
    std::vector<uint8_t> b(kNewHeaderSize, 0);
    uint8_t* p = b.data();
    const int n = static_cast<int>(fields.size());
    if (n == 0 || n > 255)
        throw EngineError("Niepoprawna liczba pól tabeli");
    if (keyFields < 0 || keyFields > n)
        throw EngineError("Niepoprawna liczba pól klucza");

    size_t pos = kExtensionEnd;
    int recordSize = 0;
    for (const auto& f : fields) {
        auto [code, size] = DescriptorFor(f);
        p[pos++] = code;
        p[pos++] = size;
        recordSize += StoredSize(code, size);
    }
    if (recordSize + kBlockHeaderSize > blockSizeKb * 1024)
        throw EngineError("Rekord nie mieści się w bloku tabeli");
    pos += 4 + 4 * n;  // run-time pointers, left zero
    std::string name = tableName.substr(0, kTableNameSizeV7 - 1);
    std::copy(name.begin(), name.end(), p + pos);
    pos += kTableNameSizeV7;
    for (const auto& f : fields) {
        std::string encoded = cp.Encode(f.name);
        if (pos + encoded.size() + 1 >= kNewHeaderSize)
            throw EngineError("Zbyt długie nazwy pól tabeli");
        std::copy(encoded.begin(), encoded.end(), p + pos);
        pos += encoded.size() + 1;
    }
    for (int i = 1; i <= n; ++i) {
        PutU16(p + pos, static_cast<uint16_t>(i));
        pos += 2;
    }
    std::copy(std::begin(kNewSortOrderName), std::end(kNewSortOrderName), p + pos);
    pos += sizeof kNewSortOrderName;

    PutU16(p + kRecordSize, static_cast<uint16_t>(recordSize));
    PutU16(p + kHeaderSize, kNewHeaderSize);
    p[kFileType] = keyFields > 0 ? kKeyedData : kUnkeyedData;
    p[kMaxTableSize] = static_cast<uint8_t>(blockSizeKb);
    PutU16(p + kNumFields, static_cast<uint16_t>(n));
    PutU16(p + kKeyFields, static_cast<uint16_t>(keyFields));
    PutU32(p + kEncryption1, kEncryptionMarker);
    p[kSortOrder] = kNewSortOrder;
    p[kChangeCount1] = 2;
    p[kFileVersion] = kLevel7Version;
    p[0x3E] = 0x1F;
    p[0x3F] = 0x0F;
    PutU16(p + kRealHeaderSize, static_cast<uint16_t>(pos));
    p[0x56] = 0x20;
    PutU16(p + 0x58, 0x0100 | kLevel7Version);
    PutU16(p + 0x5A, 0x0100 | kLevel7Version);
    PutU32(p + kFileUpdateTime, static_cast<uint32_t>(std::time(nullptr)));
    PutU16(p + 0x64, static_cast<uint16_t>(n + 1));
    PutU16(p + kCodePage, static_cast<uint16_t>(codePageNumber));
    return Header::Parse(b, tableName, true);
}

}  // namespace mirta::engine::paradox
