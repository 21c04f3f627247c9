#pragma once

// Byte layout of Paradox table and index files. Headers and block headers are little-endian;
// field data are big-endian with the sign bit inverted so that bytes compare like values.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace mirta::engine::paradox {

// Fixed header part, in every Paradox file.
inline constexpr size_t kRecordSize = 0x00;        // u16
inline constexpr size_t kHeaderSize = 0x02;        // u16
inline constexpr size_t kFileType = 0x04;          // u8
inline constexpr size_t kMaxTableSize = 0x05;      // u8, block size in KiB
inline constexpr size_t kNumRecords = 0x06;        // u32
inline constexpr size_t kUsedBlocks = 0x0A;        // u16
inline constexpr size_t kFileBlocks = 0x0C;        // u16
inline constexpr size_t kFirstBlock = 0x0E;        // u16
inline constexpr size_t kLastBlock = 0x10;         // u16
inline constexpr size_t kChangeCounter12 = 0x12;   // u16
inline constexpr size_t kIndexFieldNumber = 0x15;  // u8
inline constexpr size_t kIndexRoot = 0x1E;         // u16
inline constexpr size_t kIndexLevels = 0x20;       // u8
inline constexpr size_t kNumFields = 0x21;         // s16
inline constexpr size_t kKeyFields = 0x23;         // s16
inline constexpr size_t kEncryption1 = 0x25;       // u32
inline constexpr size_t kSortOrder = 0x29;         // u8
inline constexpr size_t kIndexChangeCount = 0x2C;  // u8, in a .PX: the .DB's 0x2D
inline constexpr size_t kChangeCount1 = 0x2D;      // u8
inline constexpr size_t kFileVersion = 0x39;       // u8
inline constexpr size_t kMaxBlocks = 0x3A;         // u16
inline constexpr size_t kAutoIncValue = 0x49;      // s32
inline constexpr size_t kFirstFreeBlock = 0x4D;    // u16
inline constexpr size_t kRealHeaderSize = 0x51;    // u16
inline constexpr size_t kFixedPartEnd = 0x58;

// Extension of level 4+ data files.
inline constexpr size_t kEncryption2 = 0x5C;     // u32
inline constexpr size_t kFileUpdateTime = 0x60;  // u32, Unix seconds
inline constexpr size_t kCodePage = 0x6A;        // u16
inline constexpr size_t kExtensionEnd = 0x78;

inline constexpr size_t kBlockHeaderSize = 6;  // next u16, prev u16, addDataSize s16
inline constexpr size_t kTableNameSizeOld = 79;
inline constexpr size_t kTableNameSizeV7 = 261;
inline constexpr uint32_t kEncryptionMarker = 0xFF00FF00;
inline constexpr size_t kBcdSize = 17;
inline constexpr size_t kBlobTrailerSize = 10;

enum FileType : uint8_t {
    kKeyedData = 0,
    kPrimaryIndex = 1,
    kUnkeyedData = 2,
    kSecondaryDataNonInc = 3,
    kSecondaryIndex = 4,
    kSecondaryDataInc = 5,
    kCompositeDataNonInc = 6,
    kCompositeIndex = 7,
    kCompositeDataInc = 8,
};

enum TypeCode : uint8_t {
    kAlpha = 0x01,
    kDate = 0x02,
    kShort = 0x03,
    kLong = 0x04,
    kMoney = 0x05,
    kNumber = 0x06,
    kLogical = 0x09,
    kMemo = 0x0C,
    kBlob = 0x0D,
    kFmtMemo = 0x0E,
    kOle = 0x0F,
    kGraphic = 0x10,
    kTime = 0x14,
    kTimestamp = 0x15,
    kAutoInc = 0x16,
    kBcd = 0x17,
    kBytes = 0x18,
};

inline uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline int16_t GetS16(const uint8_t* p) {
    return static_cast<int16_t>(GetU16(p));
}
inline uint32_t GetU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The 6-byte header at the start of every data or index block.
struct BlockHeader {
    uint16_t next = 0;
    uint16_t prev = 0;
    int16_t addDataSize = 0;

    static BlockHeader Read(const uint8_t* p) { return {GetU16(p), GetU16(p + 2), GetS16(p + 4)}; }
    void Write(uint8_t* p) const {
        PutU16(p, next);
        PutU16(p + 2, prev);
        PutU16(p + 4, static_cast<uint16_t>(addDataSize));
    }
    // Records held, given the record size; negative sizes mean an empty block.
    int Count(int recordSize) const { return addDataSize / recordSize + 1; }
    static int16_t AddDataSizeFor(int count, int recordSize) {
        return static_cast<int16_t>((count - 1) * recordSize);
    }
};

// Whether a file of this type and version carries the 0x58..0x77 data-file extension.
inline bool HasDataExtension(uint8_t fileType, uint8_t version) {
    bool dataLike = fileType == kKeyedData || fileType == kUnkeyedData ||
                    fileType == kSecondaryDataNonInc || fileType == kSecondaryDataInc ||
                    fileType == kCompositeDataNonInc || fileType == kCompositeDataInc;
    return dataLike && version >= 5;
}

}  // namespace mirta::engine::paradox
