#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/paradox_codec.h"
#include "engine/value.h"

namespace mirta::engine {
class CodePage;
}

namespace mirta::engine::paradox {

// The parsed header of a Paradox data or index file. `raw` keeps every byte as read so that
// bytes we do not interpret are written back unchanged.
struct Header {
    std::vector<uint8_t> raw;

    uint16_t recordSize = 0;
    uint16_t headerSize = 0;
    uint8_t fileType = 0;
    uint8_t maxTableSize = 0;
    uint32_t numRecords = 0;
    uint16_t usedBlocks = 0;
    uint16_t fileBlocks = 0;
    uint16_t firstBlock = 0;
    uint16_t lastBlock = 0;
    uint16_t indexRoot = 0;
    uint8_t indexLevels = 0;
    int numFields = 0;
    int keyFields = 0;
    uint8_t version = 0;
    uint8_t sortOrder = 0;
    int32_t autoIncValue = 0;
    uint16_t firstFreeBlock = 0;
    uint32_t encryptionKey = 0;  // 0 when not protected
    int codePage = 437;          // 437 when the header names none
    bool hasExtension = false;
    std::string tableName;
    std::string sortOrderName;

    std::vector<uint8_t> descriptors;  // (type, size) pairs as stored
    std::vector<FieldDef> fields;      // names decoded from the code page
    std::vector<StoredField> stored;   // offsets and codecs

    size_t BlockSize() const { return static_cast<size_t>(maxTableSize) * 1024; }
    bool Keyed() const { return fileType == kKeyedData; }
    bool Encrypted() const { return encryptionKey != 0; }
    int KeySize() const;

    // Parses and checks the header bytes of a data file (`dataFile`) or an index file.
    // Throws CorruptFile naming `path` for anything inconsistent. Field names are decoded from
    // `names` when given, else from the header's code page.
    static Header Parse(const std::vector<uint8_t>& bytes, const std::string& path, bool dataFile,
                        const CodePage* names = nullptr);
    // The header bytes with the counters above written back into `raw`.
    std::vector<uint8_t> Serialize() const;
};

// A new level-7 data file header for the given fields, in code page `codePage`.
Header NewDataHeader(const std::vector<FieldDef>& fields, int keyFields, size_t blockSizeKb,
                     int codePage, const std::string& tableName);

}  // namespace mirta::engine::paradox
