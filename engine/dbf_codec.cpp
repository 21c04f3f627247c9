#include "engine/dbf_codec.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "engine/engine_error.h"

namespace mirta::engine {

namespace {

// A decimal number as sign, integer digits and fraction digits.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

std::optional<Decimal> ParseDecimal(std::string_view text) {
    text = TrimSpaces(text);
    Decimal d;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        d.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    size_t dot = text.find('.');
    d.whole = std::string(text.substr(0, dot));
    if (dot != std::string_view::npos)
        d.fraction = std::string(text.substr(dot + 1));
    auto digits = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (d.whole.empty() && d.fraction.empty())
        return std::nullopt;
    if (!digits(d.whole) || !digits(d.fraction))
        return std::nullopt;
    return d;
}

// Right-aligned, exactly `decimals` places, rounded half away from zero.
std::string FormatNumber(const Decimal& value, int width, int decimals) {
    std::string whole = value.whole.empty() ? "0" : value.whole;
    std::string fraction = value.fraction;
    bool roundUp = fraction.size() > size_t(decimals) && fraction[size_t(decimals)] >= '5';
    fraction.resize(size_t(decimals), '0');
    if (roundUp) {
        std::string digits = whole + fraction;
        int i = int(digits.size()) - 1;
        for (; i >= 0 && digits[size_t(i)] == '9'; --i)
            digits[size_t(i)] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[size_t(i)];
        whole = digits.substr(0, digits.size() - size_t(decimals));
        fraction = digits.substr(digits.size() - size_t(decimals));
    }
    size_t nonZero = whole.find_first_not_of('0');
    whole = nonZero == std::string::npos ? "0" : whole.substr(nonZero);
    bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (value.negative && !zero ? "-" : "") + whole;
    if (decimals > 0)
        text += "." + fraction;
    if (int(text.size()) > width)
        return {};
    return std::string(size_t(width) - text.size(), ' ') + text;
}

}  // namespace

uint32_t ReadU32Le(const char* p) {
    const auto* u = reinterpret_cast<const uint8_t*>(p);
    return uint32_t(u[0]) | uint32_t(u[1]) << 8 | uint32_t(u[2]) << 16 | uint32_t(u[3]) << 24;
}

std::string ColumnLabel(const DbfColumn& c) {
    std::string label = c.rawName + " (" + c.type + std::to_string(c.length);
    if (c.type == 'N' || c.type == 'F')
        label += "." + std::to_string(c.decimals);
    return label + ")";
}

Value DbfFieldCodec::Decode(const DbfColumn& column, std::string_view raw, uint64_t record) const {
    const bool vfp = m_visualFoxPro;
    const bool db7 = m_dBase7;
    switch (column.type) {
        case 'C': {
            while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0'))
                raw.remove_suffix(1);
            if (raw.empty())
                return {};
            return Value::Text(m_codePage.Decode(raw));
        }
        case 'N':
        case 'F': {
            std::string text(TrimSpaces(raw));
            if (text.empty())
                return {};
            std::replace(text.begin(), text.end(), ',', '.');
            if (text[0] == '+')
                text.erase(0, 1);
            double v = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
            // Asterisks of an overflowed value and other junk read as no value.
            if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
                return {};
            return Value::Number(v);
        }
        case 'D': {
            if (AllSpaces(raw) || raw == "00000000")
                return {};
            int y = 0, m = 0, d = 0;
            bool digits = raw.size() == 8 && std::all_of(raw.begin(), raw.end(), [](char c) {
                              return c >= '0' && c <= '9';
                          });
            if (digits) {
                std::from_chars(raw.data(), raw.data() + 4, y);
                std::from_chars(raw.data() + 4, raw.data() + 6, m);
                std::from_chars(raw.data() + 6, raw.data() + 8, d);
            }
            if (!digits || y < 1 || !IsValidCivil(y, m, d))
                throw CorruptFile(m_path, "nieprawidłowa data '" + m_codePage.Decode(raw) +
                                              "' w polu " + column.rawName + ", rekord " +
                                              std::to_string(record + 1));
            return Value::Date(DayNumberFromCivil(y, m, d));
        }
        case 'L': {
            switch (raw.empty() ? ' ' : raw[0]) {
                case 'T':
                case 't':
                case 'Y':
                case 'y':
                    return Value::Logical(true);
                case 'F':
                case 'f':
                case 'N':
                case 'n':
                    return Value::Logical(false);
                default:
                    return {};
            }
        }
        case 'M': {
            if (vfp && raw.size() == 4) {
                uint32_t block = ReadU32Le(raw.data());
                return block == 0 ? Value() : Value::Integer(block);
            }
            std::string_view text = TrimSpaces(raw);
            uint64_t block = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), block);
            if (text.empty() || ec != std::errc() || end != text.data() + text.size())
                return {};
            return Value::Integer(static_cast<int64_t>(block));
        }
        default:
            break;
    }
    if (db7 && (column.type == 'I' || column.type == '+') && raw.size() == 4) {
        // Big-endian with the sign bit flipped, so the bytes sort as the numbers do.
        uint32_t u = 0;
        for (char c : raw)
            u = u << 8 | static_cast<uint8_t>(c);
        if (u == 0)
            return {};
        return Value::Integer(static_cast<int32_t>(u ^ 0x80000000u));
    }
    if (db7 && column.type == 'O' && raw.size() == 8) {
        uint64_t u = 0;
        for (char c : raw)
            u = u << 8 | static_cast<uint8_t>(c);
        if (u == 0)
            return {};
        u = (u & (uint64_t(1) << 63)) ? u ^ (uint64_t(1) << 63) : ~u;
        return Value::Number(std::bit_cast<double>(u));
    }
    if (vfp && raw.size() == 4 && column.type == 'I')
        return Value::Integer(static_cast<int32_t>(ReadU32Le(raw.data())));
    if (vfp && raw.size() == 8 && (column.type == 'B' || column.type == 'Y')) {
        uint64_t u = uint64_t(ReadU32Le(raw.data())) | uint64_t(ReadU32Le(raw.data() + 4)) << 32;
        if (column.type == 'B')
            return Value::Number(std::bit_cast<double>(u));
        return Value::Number(double(static_cast<int64_t>(u)) / 10000.0);
    }
    return Value::Bytes(std::string(raw));
}

std::string DbfFieldCodec::EncodeText(std::string_view utf8, const DbfColumn& column) const {
    bool lossless = true;
    std::string bytes = m_codePage.Encode(utf8, &lossless);
    if (!lossless)
        throw EngineError("Tekstu \"" + std::string(utf8) + "\" nie da się zapisać w polu " +
                              column.rawName + " w kodowaniu " + m_codePage.Name(),
                          m_path, "write");
    return bytes;
}

void DbfFieldCodec::Encode(const DbfColumn& column, const Value& value, char* out) const {
    const size_t width = size_t(column.length);
    std::memset(out, ' ', width);
    if (value.IsNull())
        return;
    auto refuse = [&](const std::string& why) {
        throw EngineError("Nie można zapisać wartości " + value.ToString() + " w polu " +
                              ColumnLabel(column) + ": " + why,
                          m_path, "write");
    };
    // Bytes the caller already translated go in as they are, whatever the column.
    if (value.kind() == Value::Kind::Bytes) {
        const std::string& b = value.AsBytes();
        std::memcpy(out, b.data(), std::min(width, b.size()));
        return;
    }
    switch (column.type) {
        case 'C': {
            if (value.kind() != Value::Kind::Text)
                refuse("pole tekstowe");
            std::string bytes = EncodeText(value.AsText(), column);
            // Single-byte code pages: every byte is a character boundary.
            std::memcpy(out, bytes.data(), std::min(width, bytes.size()));
            return;
        }
        case 'N':
        case 'F': {
            std::optional<Decimal> decimal;
            char buf[400];
            if (value.kind() == Value::Kind::Integer) {
                decimal = ParseDecimal(std::to_string(value.AsInteger()));
            } else if (value.kind() == Value::Kind::Number) {
                double v = value.AsNumber();
                if (!std::isfinite(v))
                    refuse("to nie jest liczba");
                // The shortest text that reads back as v is the decimal value meant.
                auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
                if (ec != std::errc())
                    refuse("liczba poza zakresem");
                decimal = ParseDecimal(std::string_view(buf, size_t(end - buf)));
            } else if (value.kind() == Value::Kind::Text) {
                decimal = ParseDecimal(value.AsText());
                if (!decimal)
                    refuse("to nie jest liczba");
            } else {
                refuse("pole liczbowe");
            }
            std::string text = FormatNumber(*decimal, column.length, column.decimals);
            if (text.empty())
                refuse("liczba nie mieści się w polu");
            std::memcpy(out, text.data(), width);
            return;
        }
        case 'D': {
            if (value.kind() != Value::Kind::Date)
                refuse("pole daty");
            CivilDate c = CivilFromDayNumber(value.AsDay());
            if (c.year < 1 || c.year > 9999 || width != 8)
                refuse("data poza zakresem");
            char buf[16];
            std::snprintf(buf, sizeof buf, "%04d%02d%02d", c.year, c.month, c.day);
            std::memcpy(out, buf, 8);
            return;
        }
        case 'L':
            if (value.kind() != Value::Kind::Logical)
                refuse("pole logiczne");
            out[0] = value.AsLogical() ? 'T' : 'F';
            return;
        case 'M': {
            if (value.kind() != Value::Kind::Integer || value.AsInteger() < 0)
                refuse("numer bloku notatki");
            std::string text = std::to_string(value.AsInteger());
            if (text.size() > width)
                refuse("numer nie mieści się w polu");
            std::memcpy(out + width - text.size(), text.data(), text.size());
            return;
        }
        default:
            refuse("nieobsługiwany typ pola");
    }
}

}  // namespace mirta::engine
