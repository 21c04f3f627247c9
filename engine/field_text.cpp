#include "engine/field_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

bool IsNumberType(FieldType t) {
    return t == FieldType::Number || t == FieldType::Money || t == FieldType::Bcd;
}

bool IsNumericKind(Value::Kind k) {
    return k == Value::Kind::Integer || k == Value::Kind::Number;
}

[[noreturn]] void Refuse(const FieldDef& field, std::string_view text) {
    throw EngineError("'" + std::string(text) + "' nie jest poprawną wartością pola " + field.name,
                      {}, "convert");
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Reads a whole decimal number from the text; false when anything else is left.
bool ReadInt(std::string_view s, int64_t& out) {
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && !s.empty();
}

bool ReadDouble(std::string_view s, double& out) {
    std::string copy(s);
    for (char& c : copy) {
        if (c == ',')
            c = '.';
    }
    if (copy.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size() && errno != ERANGE && std::isfinite(out);
}

// "yyyy-mm-dd" with '-', '/' or '.' between the parts.
bool ReadDate(std::string_view s, int32_t& day) {
    int parts[3] = {0, 0, 0};
    int part = 0;
    size_t digits = 0;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            if (++digits > 4)
                return false;
            parts[part] = parts[part] * 10 + (c - '0');
        } else if ((c == '-' || c == '/' || c == '.') && digits > 0 && part < 2) {
            ++part, digits = 0;
        } else {
            return false;
        }
    }
    if (part != 2 || digits == 0 || !IsValidCivil(parts[0], parts[1], parts[2]))
        return false;
    if (parts[0] < 1)
        return false;
    day = DayNumberFromCivil(parts[0], parts[1], parts[2]);
    return true;
}

// "hh:mm", "hh:mm:ss" or "hh:mm:ss.mmm".
bool ReadTime(std::string_view s, int32_t& ms) {
    int h = 0, m = 0, sec = 0, milli = 0, n = 0;
    std::string copy(s);
    char tail = 0;
    n = std::sscanf(copy.c_str(), "%2d:%2d:%2d.%3d%c", &h, &m, &sec, &milli, &tail);
    if (n < 2 || n > 4 || h > 23 || m > 59 || sec > 59 || h < 0 || m < 0 || sec < 0 || milli < 0) {
        return false;
    }
    ms = ((h * 60 + m) * 60 + sec) * 1000 + milli;
    return true;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

std::string FormatFieldValue(const FieldDef& field, const Value& value) {
    if (value.IsNull())
        return {};
    switch (value.kind()) {
        case Value::Kind::Text:
            return value.AsText();
        case Value::Kind::Integer:
            if (IsNumberType(field.type))
                break;
            return std::to_string(value.AsInteger());
        case Value::Kind::Logical:
            return value.AsLogical() ? "Tak" : "Nie";
        case Value::Kind::Date:
            return FormatDate(value.AsDay());
        case Value::Kind::Time:
            return FormatTime(value.AsMilliseconds()).substr(0, 8);
        case Value::Kind::Timestamp:
            return FormatTimestamp(value.AsTimestamp()).substr(0, 19);
        case Value::Kind::Bytes:
            return value.ToString();
        default:
            break;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value.AsNumber());
    std::string text = buf;
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

Value ParseFieldText(const FieldDef& field, std::string_view typed) {
    if (field.type == FieldType::Alpha || field.type == FieldType::Memo) {
        return typed.empty() ? Value() : Value::Text(std::string(typed));
    }
    const std::string_view text = Trim(typed);
    if (text.empty())
        return {};
    switch (field.type) {
        case FieldType::Short:
        case FieldType::Long:
        case FieldType::AutoInc: {
            int64_t v = 0;
            if (!ReadInt(text, v))
                Refuse(field, typed);
            return CoerceToField(field, Value::Integer(v));
        }
        case FieldType::Number:
        case FieldType::Money:
        case FieldType::Bcd: {
            double v = 0;
            if (!ReadDouble(text, v))
                Refuse(field, typed);
            return Value::Number(v);
        }
        case FieldType::Date: {
            int32_t day = 0;
            if (!ReadDate(text, day))
                Refuse(field, typed);
            return Value::Date(day);
        }
        case FieldType::Time: {
            int32_t ms = 0;
            if (!ReadTime(text, ms))
                Refuse(field, typed);
            return Value::Time(ms);
        }
        case FieldType::Timestamp: {
            const size_t space = text.find(' ');
            int32_t day = 0, ms = 0;
            if (!ReadDate(text.substr(0, space), day) ||
                (space != std::string_view::npos && !ReadTime(Trim(text.substr(space)), ms))) {
                Refuse(field, typed);
            }
            return Value::Timestamp(double(day) * 86400000.0 + ms);
        }
        case FieldType::Logical:
            for (const char* yes : {"tak", "t", "true", "1"}) {
                if (EqualsIgnoringAsciiCase(text, yes))
                    return Value::Logical(true);
            }
            for (const char* no : {"nie", "n", "f", "false", "0"}) {
                if (EqualsIgnoringAsciiCase(text, no))
                    return Value::Logical(false);
            }
            Refuse(field, typed);
        default:
            Refuse(field, typed);
    }
}

Value CoerceToField(const FieldDef& field, const Value& value) {
    if (value.IsNull())
        return value;
    const Value::Kind kind = value.kind();
    auto refuse = [&]() -> Value {
        throw EngineError("Niezgodny typ wartości " + value.ToString() + " dla pola " + field.name,
                          {}, "convert");
    };
    switch (field.type) {
        case FieldType::Alpha:
        case FieldType::Memo:
            return kind == Value::Kind::Text ? value : refuse();
        case FieldType::Short:
        case FieldType::Long:
        case FieldType::AutoInc: {
            int64_t v = 0;
            if (kind == Value::Kind::Integer) {
                v = value.AsInteger();
            } else if (kind == Value::Kind::Number &&
                       std::nearbyint(value.AsNumber()) == value.AsNumber() &&
                       std::abs(value.AsNumber()) < 1e15) {
                v = static_cast<int64_t>(value.AsNumber());
            } else {
                return refuse();
            }
            const int64_t limit = field.type == FieldType::Short
                                      ? std::numeric_limits<int16_t>::max()
                                      : std::numeric_limits<int32_t>::max();
            if (v > limit || v < -limit - 1) {
                throw EngineError(
                    "Wartość " + std::to_string(v) + " poza zakresem pola " + field.name, {},
                    "convert");
            }
            return Value::Integer(v);
        }
        case FieldType::Number:
        case FieldType::Money:
        case FieldType::Bcd:
            return IsNumericKind(kind) ? Value::Number(value.AsNumber()) : refuse();
        case FieldType::Date:
            return kind == Value::Kind::Date ? value : refuse();
        case FieldType::Time:
            return kind == Value::Kind::Time ? value : refuse();
        case FieldType::Timestamp:
            return kind == Value::Kind::Timestamp ? value : refuse();
        case FieldType::Logical:
            return kind == Value::Kind::Logical ? value : refuse();
        case FieldType::Bytes:
        case FieldType::Blob:
            return kind == Value::Kind::Bytes || kind == Value::Kind::Text
                       ? Value::Bytes(value.AsBytes())
                       : refuse();
    }
    return refuse();
}

bool SameValue(const Value& a, const Value& b) {
    if (IsNumericKind(a.kind()) && IsNumericKind(b.kind())) {
        if (a.kind() == Value::Kind::Integer && b.kind() == Value::Kind::Integer) {
            return a.AsInteger() == b.AsInteger();
        }
        return a.AsNumber() == b.AsNumber();
    }
    return a == b;
}

}  // namespace mirta::engine
