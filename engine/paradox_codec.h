#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/code_page.h"
#include "engine/paradox_format.h"
#include "engine/value.h"

namespace mirta::engine::paradox {

// One field as stored: where it sits in the record and how its bytes read.
struct StoredField {
    uint8_t code = 0;  // paradox::TypeCode
    int size = 0;      // bytes in the record (17 for BCD)
    int decimals = 0;  // BCD only
    int offset = 0;
};

// FieldDef for a stored field (name left empty); throws EngineError for an unknown type code.
FieldDef DescribeField(uint8_t code, uint8_t sizeByte);
// Stored size of a field from its descriptor's size byte.
int StoredSize(uint8_t code, uint8_t sizeByte);
// Type code and descriptor size byte for a field definition; throws for types not writable.
std::pair<uint8_t, uint8_t> DescriptorFor(const FieldDef& field);
// The dump's type label: "A20", "N", "#2", "M10" ...
std::string TypeLabel(uint8_t code, uint8_t sizeByte);

bool IsEmpty(const uint8_t* p, int size);

// Decoding of the order-preserving numeric forms.
int64_t DecodeInt(const uint8_t* p, int size);
double DecodeDouble(const uint8_t* p);
void EncodeInt(uint8_t* p, int size, int64_t value);
void EncodeDouble(uint8_t* p, double value);
// The decimal text of a BCD field, or empty for an empty one.
std::string DecodeBcd(const uint8_t* p, int decimals);

struct BlobRef {
    uint32_t offset = 0;  // into the .MB file; 0 when held wholly in the record
    uint32_t length = 0;
    int leaderSize = 0;
    bool InRecord() const { return offset == 0 && length <= static_cast<uint32_t>(leaderSize); }
};
BlobRef ReadBlobRef(const uint8_t* p, int size);

// Field bytes to a Value (alpha decoded from the code page). Blobs kept outside the record
// come out empty; the engine keeps no blob data of its own.
Value DecodeField(const StoredField& f, const uint8_t* record, const CodePage& codePage);
// A Value into the field's bytes, which must be zero on entry (the empty value); throws
// EngineError for a value that does not fit the type.
void EncodeField(const StoredField& f, const Value& value, uint8_t* record,
                 const CodePage& codePage, const std::string& fieldName);

}  // namespace mirta::engine::paradox
