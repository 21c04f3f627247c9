#include "engine/paradox_codec.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "engine/engine_error.h"

namespace mirta::engine::paradox {

namespace {

struct TypeInfo {
    uint8_t code;
    FieldType type;
    char letter;
    int fixedSize;  // 0: the descriptor's size byte gives it
};

constexpr TypeInfo kTypes[] = {
    {kAlpha, FieldType::Alpha, 'A', 0},     {kDate, FieldType::Date, 'D', 4},
    {kShort, FieldType::Short, 'S', 2},     {kLong, FieldType::Long, 'I', 4},
    {kMoney, FieldType::Money, '$', 8},     {kNumber, FieldType::Number, 'N', 8},
    {kLogical, FieldType::Logical, 'L', 1}, {kMemo, FieldType::Memo, 'M', 0},
    {kBlob, FieldType::Blob, 'B', 0},       {kFmtMemo, FieldType::Blob, 'F', 0},
    {kOle, FieldType::Blob, 'O', 0},        {kGraphic, FieldType::Blob, 'G', 0},
    {kTime, FieldType::Time, 'T', 4},       {kTimestamp, FieldType::Timestamp, '@', 8},
    {kAutoInc, FieldType::AutoInc, '+', 4}, {kBcd, FieldType::Bcd, '#', kBcdSize},
    {kBytes, FieldType::Bytes, 'Y', 0},
};

const TypeInfo* FindType(uint8_t code) {
    for (const auto& t : kTypes)
        if (t.code == code)
            return &t;
    return nullptr;
}

const TypeInfo& RequireType(uint8_t code) {
    const TypeInfo* t = FindType(code);
    if (!t)
        throw EngineError("Nieznany typ pola Paradox: " + std::to_string(code), {}, "read");
    return *t;
}

[[noreturn]] void ThrowBadValue(const std::string& field, const std::string& why) {
    throw EngineError("Niepoprawna wartość pola " + field + ": " + why, {}, "write");
}

}  // namespace

FieldDef DescribeField(uint8_t code, uint8_t sizeByte) {
    const TypeInfo& t = RequireType(code);
    FieldDef def;
    def.type = t.type;
    def.code = static_cast<char>(code);
    def.size = StoredSize(code, sizeByte);
    def.decimals = code == kBcd ? sizeByte : 0;
    return def;
}

int StoredSize(uint8_t code, uint8_t sizeByte) {
    const TypeInfo& t = RequireType(code);
    return t.fixedSize ? t.fixedSize : sizeByte;
}

std::pair<uint8_t, uint8_t> DescriptorFor(const FieldDef& field) {
    auto fixed = [&](uint8_t code, uint8_t size) { return std::make_pair(code, size); };
    switch (field.type) {
        case FieldType::Alpha:
            if (field.size < 1 || field.size > 255)
                throw EngineError("Pole " + field.name + ": długość tekstu poza zakresem 1..255");
            return fixed(kAlpha, static_cast<uint8_t>(field.size));
        case FieldType::Date:
            return fixed(kDate, 4);
        case FieldType::Time:
            return fixed(kTime, 4);
        case FieldType::Timestamp:
            return fixed(kTimestamp, 8);
        case FieldType::Number:
            return fixed(kNumber, 8);
        case FieldType::Money:
            return fixed(kMoney, 8);
        case FieldType::Short:
            return fixed(kShort, 2);
        case FieldType::Long:
            return fixed(kLong, 4);
        case FieldType::AutoInc:
            return fixed(kAutoInc, 4);
        case FieldType::Logical:
            return fixed(kLogical, 1);
        default:
            throw EngineError("Pole " + field.name + ": typ nieobsługiwany przy tworzeniu tabeli");
    }
}

std::string TypeLabel(uint8_t code, uint8_t sizeByte) {
    const TypeInfo& t = RequireType(code);
    std::string label(1, t.letter);
    if (!t.fixedSize || code == kBcd)
        label += std::to_string(sizeByte);
    return label;
}

bool IsEmpty(const uint8_t* p, int size) {
    for (int i = 0; i < size; ++i)
        if (p[i])
            return false;
    return true;
}

int64_t DecodeInt(const uint8_t* p, int size) {
    uint64_t raw = p[0] ^ 0x80u;
    for (int i = 1; i < size; ++i)
        raw = (raw << 8) | p[i];
    // Sign-extend from the field's width.
    const int shift = 64 - 8 * size;
    return static_cast<int64_t>(raw << shift) >> shift;
}

void EncodeInt(uint8_t* p, int size, int64_t value) {
    auto raw = static_cast<uint64_t>(value);
    for (int i = size - 1; i >= 0; --i) {
        p[i] = static_cast<uint8_t>(raw);
        raw >>= 8;
    }
    p[0] ^= 0x80;
}

double DecodeDouble(const uint8_t* p) {
    uint64_t raw = 0;
    for (int i = 0; i < 8; ++i)
        raw = (raw << 8) | p[i];
    if (raw & (1ull << 63))
        raw &= ~(1ull << 63);
    else
        raw = ~raw;
    return std::bit_cast<double>(raw);
}

void EncodeDouble(uint8_t* p, double value) {
    auto raw = std::bit_cast<uint64_t>(value);
    if (raw & (1ull << 63))
        raw = ~raw;
    else
        raw |= 1ull << 63;
    for (int i = 7; i >= 0; --i) {
        p[i] = static_cast<uint8_t>(raw);
        raw >>= 8;
    }
}

std::string DecodeBcd(const uint8_t* p, int decimals) {
    const bool positive = p[0] & 0x80;
    bool digitsZero = IsEmpty(p + 1, kBcdSize - 1);
    if (!positive && (digitsZero || p[0] == 0))
        return {};
    const uint8_t flip = positive ? 0x0 : 0xF;
    std::string digits;
    digits.reserve(32);
    for (size_t i = 1; i < kBcdSize; ++i) {
        digits += static_cast<char>('0' + (((p[i] >> 4) ^ flip) % 10));
        digits += static_cast<char>('0' + (((p[i] & 0xF) ^ flip) % 10));
    }
    decimals = std::min(decimals, 32);
    std::string whole = digits.substr(0, 32 - decimals);
    size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    std::string text = positive ? whole : "-" + whole;
    if (decimals > 0)
        text += "." + digits.substr(32 - decimals);
    return text;
}

BlobRef ReadBlobRef(const uint8_t* p, int size) {
    BlobRef ref;
    ref.leaderSize = size - static_cast<int>(kBlobTrailerSize);
    if (ref.leaderSize < 0)
        return ref;
    const uint8_t* trailer = p + ref.leaderSize;
    ref.offset = GetU32(trailer);
    ref.length = GetU32(trailer + 4);
    return ref;
}

Value DecodeField(const StoredField& f, const uint8_t* record, const CodePage& codePage) {
    const uint8_t* p = record + f.offset;
    switch (f.code) {
        case kAlpha: {
            if (p[0] == 0)
                return {};
            const void* nul = std::memchr(p, 0, f.size);
            size_t len = nul ? static_cast<const uint8_t*>(nul) - p : f.size;
            return Value::Text(codePage.Decode({reinterpret_cast<const char*>(p), len}));
        }
        case kMemo: {
            BlobRef ref = ReadBlobRef(p, f.size);
            if (ref.length == 0 || !ref.InRecord())
                return {};
            std::string_view leader(reinterpret_cast<const char*>(p), ref.length);
            leader = leader.substr(0, leader.find('\0'));
            return Value::Text(codePage.Decode(leader));
        }
        case kBlob:
        case kFmtMemo:
        case kOle:
        case kGraphic: {
            BlobRef ref = ReadBlobRef(p, f.size);
            if (ref.length == 0 || !ref.InRecord())
                return {};
            return Value::Bytes(std::string(reinterpret_cast<const char*>(p), ref.length));
        }
        default:
            break;
    }
    if (IsEmpty(p, f.size))
        return {};
    switch (f.code) {
        case kDate:
            return Value::Date(static_cast<int32_t>(DecodeInt(p, 4)));
        case kTime:
            return Value::Time(static_cast<int32_t>(DecodeInt(p, 4)));
        case kShort:
        case kLong:
        case kAutoInc:
            return Value::Integer(DecodeInt(p, f.size));
        case kNumber:
        case kMoney:
            return Value::Number(DecodeDouble(p));
        case kTimestamp:
            return Value::Timestamp(DecodeDouble(p));
        case kLogical:
            return Value::Logical(p[0] == 0x81);
        case kBcd: {
            std::string text = DecodeBcd(p, f.decimals);
            return text.empty() ? Value() : Value::Text(text);
        }
        case kBytes:
            return Value::Bytes(std::string(reinterpret_cast<const char*>(p), f.size));
        default:
            return {};
    }
}

void EncodeField(const StoredField& f, const Value& value, uint8_t* record,
                 const CodePage& codePage, const std::string& fieldName) {
    uint8_t* p = record + f.offset;
    if (value.IsNull())
        return;
    using K = Value::Kind;
    auto integer = [&](int64_t lo, int64_t hi) {
        if (value.kind() != K::Integer && value.kind() != K::Number)
            ThrowBadValue(fieldName, "oczekiwano liczby całkowitej");
        double d = value.AsNumber();
        if (value.kind() == K::Number && d != std::floor(d))
            ThrowBadValue(fieldName, "oczekiwano liczby całkowitej");
        int64_t v = value.kind() == K::Integer ? value.AsInteger() : static_cast<int64_t>(d);
        if (v < lo || v > hi)
            ThrowBadValue(fieldName, "liczba poza zakresem");
        EncodeInt(p, f.size, v);
    };
    switch (f.code) {
        case kAlpha: {
            if (value.kind() != K::Text)
                ThrowBadValue(fieldName, "oczekiwano tekstu");
            if (value.AsText().empty())
                return;
            bool lossless = true;
            size_t n =
                codePage.EncodeInto(value.AsText(), p, static_cast<size_t>(f.size), &lossless);
            if (n == CodePage::kTooLong)
                ThrowBadValue(fieldName, "tekst dłuższy niż " + std::to_string(f.size) + " znaków");
            if (!lossless)
                ThrowBadValue(fieldName, "znak spoza strony kodowej " + codePage.Name());
            return;
        }
        case kShort:
            return integer(-32767, 32767);
        case kLong:
        case kAutoInc:
            return integer(-2147483647, 2147483647);
        case kDate:
            if (value.kind() != K::Date)
                ThrowBadValue(fieldName, "oczekiwano daty");
            if (value.AsDay() == INT32_MIN)
                ThrowBadValue(fieldName, "data poza zakresem");
            EncodeInt(p, 4, value.AsDay());
            return;
        case kTime:
            if (value.kind() != K::Time || value.AsMilliseconds() < 0 ||
                value.AsMilliseconds() >= 86400000)
                ThrowBadValue(fieldName, "oczekiwano godziny");
            EncodeInt(p, 4, value.AsMilliseconds());
            return;
        case kNumber:
        case kMoney:
            if (value.kind() != K::Number && value.kind() != K::Integer)
                ThrowBadValue(fieldName, "oczekiwano liczby");
            if (!std::isfinite(value.AsNumber()))
                ThrowBadValue(fieldName, "liczba nieskończona");
            EncodeDouble(p, value.AsNumber());
            return;
        case kTimestamp:
            if (value.kind() != K::Timestamp)
                ThrowBadValue(fieldName, "oczekiwano daty i godziny");
            EncodeDouble(p, value.AsTimestamp());
            return;
        case kLogical:
            if (value.kind() != K::Logical)
                ThrowBadValue(fieldName, "oczekiwano wartości logicznej");
            p[0] = value.AsLogical() ? 0x81 : 0x80;
            return;
        case kBytes:
            if (value.kind() != K::Bytes || value.AsBytes().size() > static_cast<size_t>(f.size))
                ThrowBadValue(fieldName, "oczekiwano bajtów");
            std::memcpy(p, value.AsBytes().data(), value.AsBytes().size());
            return;
        default:
            ThrowBadValue(fieldName, "typ pola tylko do odczytu");
    }
}

}  // namespace mirta::engine::paradox
