#include "engine/value.h"

#include <cmath>
#include <cstdio>

namespace mirta::engine {

namespace {

constexpr int32_t kDaysBefore1970 = 719163;  // day number of 1970-01-01, minus one
constexpr double kMsPerDay = 86400000.0;

// Days since 1970-01-01 for a civil date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

}  // namespace

bool Value::operator==(const Value& o) const {
    if (m_kind != o.m_kind)
        return false;
    switch (m_kind) {
        case Kind::Null:
            return true;
        case Kind::Text:
        case Kind::Bytes:
            return m_text == o.m_text;
        case Kind::Number:
        case Kind::Timestamp:
            return m_double == o.m_double;
        default:
            return m_int == o.m_int;
    }
}

std::string Value::ToString() const {
    char buf[64];
    switch (m_kind) {
        case Kind::Null:
            return "(null)";
        case Kind::Text:
            return m_text;
        case Kind::Bytes:
            return "bytes[" + std::to_string(m_text.size()) + "]";
        case Kind::Integer:
            return std::to_string(m_int);
        case Kind::Number:
            std::snprintf(buf, sizeof buf, "%.17g", m_double);
            return buf;
        case Kind::Logical:
            return m_int ? "T" : "F";
        case Kind::Date:
            return FormatDate(AsDay());
        case Kind::Time:
            return FormatTime(AsMilliseconds());
        case Kind::Timestamp:
            return FormatTimestamp(m_double);
    }
    return {};
}

int32_t DayNumberFromCivil(int year, int month, int day) {
    return static_cast<int32_t>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kDaysBefore1970);
}

CivilDate CivilFromDayNumber(int32_t dayNumber) {
    return CivilFromDays(static_cast<int64_t>(dayNumber) - kDaysBefore1970);
}

bool IsValidCivil(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string FormatDate(int32_t dayNumber) {
    CivilDate c = CivilFromDayNumber(dayNumber);
    char buf[32];
    if (c.year < 0)
        std::snprintf(buf, sizeof buf, "-%04d-%02d-%02d", -c.year, c.month, c.day);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

std::string FormatTime(int32_t ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms % 1000);
    return buf;
}

std::string FormatTimestamp(double milliseconds) {
    // A damaged file can hold any bit pattern; one that is no day number prints as a number.
    if (!std::isfinite(milliseconds) || std::fabs(milliseconds / kMsPerDay) >= 2147483647.0) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", milliseconds);
        return buf;
    }
    double days = std::floor(milliseconds / kMsPerDay);
    auto ms = static_cast<int32_t>(milliseconds - days * kMsPerDay);
    return FormatDate(static_cast<int32_t>(days)) + " " + FormatTime(ms);
}

}  // namespace mirta::engine
