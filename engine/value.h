#pragma once

#include <cstdint>
#include <string>

namespace mirta::engine {

// Field types as the engine presents them, whatever the file format.
enum class FieldType : uint8_t {
    Alpha,      // text of fixed maximum width
    Date,       // day number, 1 = 0001-01-01
    Time,       // milliseconds since midnight
    Timestamp,  // milliseconds since 0001-01-01 00:00 minus one day, as Paradox keeps it
    Number,     // double
    Money,      // double shown as an amount
    Short,      // int16
    Long,       // int32
    AutoInc,    // int32 handed out by the table
    Logical,
    Bcd,    // decimal held as digits; read only
    Bytes,  // raw bytes of fixed width
    Memo,   // text blob (in the record or a companion file)
    Blob,   // binary, formatted memo, OLE or graphic blob
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Alpha;
    int size = 0;      // bytes in the record (Paradox) or width (dBase)
    int decimals = 0;  // BCD and dBase numbers
    char code = 0;     // the format's own type code: Paradox type byte, dBase letter

    bool operator==(const FieldDef&) const = default;
};

// One field value. Dates, times and timestamps keep the engine's numbering.
class Value {
public:
    enum class Kind : uint8_t {
        Null,
        Text,
        Integer,
        Number,
        Logical,
        Date,
        Time,
        Timestamp,
        Bytes
    };

    Value() = default;
    static Value Text(std::string text) { return Value(Kind::Text, std::move(text)); }
    static Value Integer(int64_t v) { return Value(Kind::Integer, v); }
    static Value Number(double v) {
        Value r;
        r.m_kind = Kind::Number;
        r.m_double = v;
        return r;
    }
    static Value Logical(bool v) { return Value(Kind::Logical, v ? 1 : 0); }
    static Value Date(int32_t dayNumber) { return Value(Kind::Date, dayNumber); }
    static Value Time(int32_t milliseconds) { return Value(Kind::Time, milliseconds); }
    static Value Timestamp(double milliseconds) {
        Value r = Number(milliseconds);
        r.m_kind = Kind::Timestamp;
        return r;
    }
    static Value Bytes(std::string bytes) { return Value(Kind::Bytes, std::move(bytes)); }

    Kind kind() const { return m_kind; }
    bool IsNull() const { return m_kind == Kind::Null; }

    const std::string& AsText() const { return m_text; }
    const std::string& AsBytes() const { return m_text; }
    int64_t AsInteger() const { return m_int; }
    double AsNumber() const { return m_kind == Kind::Integer ? double(m_int) : m_double; }
    bool AsLogical() const { return m_int != 0; }
    int32_t AsDay() const { return static_cast<int32_t>(m_int); }
    int32_t AsMilliseconds() const { return static_cast<int32_t>(m_int); }
    double AsTimestamp() const { return m_double; }

    bool operator==(const Value& o) const;

    // A readable form for messages and tests.
    std::string ToString() const;

private:
    Value(Kind kind, std::string text) : m_kind(kind), m_text(std::move(text)) {}
    Value(Kind kind, int64_t v) : m_kind(kind), m_int(v) {}

    Kind m_kind = Kind::Null;
    int64_t m_int = 0;
    double m_double = 0;
    std::string m_text;
};

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate&) const = default;
};

// Proleptic Gregorian calendar with astronomical years; day 1 = 0001-01-01.
int32_t DayNumberFromCivil(int year, int month, int day);
CivilDate CivilFromDayNumber(int32_t dayNumber);
bool IsValidCivil(int year, int month, int day);

// "YYYY-MM-DD" (negative years as "-0001-12-31"), "HH:MM:SS.mmm".
std::string FormatDate(int32_t dayNumber);
std::string FormatTime(int32_t milliseconds);
std::string FormatTimestamp(double milliseconds);

}  // namespace mirta::engine
