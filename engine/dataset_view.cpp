// The dataset's view: which rows of the table it shows, in which order, and how it finds them.

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/collation.h"
#include "engine/dataset.h"
#include "engine/field_text.h"

namespace mirta::engine {

namespace {

// Sort-key bytes of one field: the empty value before any other, then the value's weights.
constexpr char kEmptyTag = 0x01;
constexpr char kValueTag = 0x02;

bool IsText(FieldType t) {
    return t == FieldType::Alpha || t == FieldType::Memo;
}

bool IsIntegerLike(FieldType t) {
    return t == FieldType::Short || t == FieldType::Long || t == FieldType::AutoInc ||
           t == FieldType::Date || t == FieldType::Time || t == FieldType::Logical;
}

int64_t IntegerOf(const Value& v) {
    return v.kind() == Value::Kind::Number ? std::llround(v.AsNumber()) : v.AsInteger();
}

double NumberOf(const Value& v) {
    return v.kind() == Value::Kind::Timestamp ? v.AsTimestamp() : v.AsNumber();
}

void AppendBigEndian(std::string& out, uint64_t bits) {
    for (int shift = 56; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>(bits >> shift));
}

// Appends the primary weights of a field value. Text gets its tie-break weights in `secondary`
// and `tertiary`; `partial` leaves a text open so that it is a prefix of longer texts.
void AppendFieldKey(std::string& out, const FieldDef& field, const Value& value, bool partial,
                    std::string* secondary, std::string* tertiary) {
    if (value.IsNull()) {
        out.push_back(kEmptyTag);
        return;
    }
    out.push_back(kValueTag);
    if (IsText(field.type)) {
        const std::string text =
            value.kind() == Value::Kind::Text ? value.AsText() : value.ToString();
        AppendCollationWeights(text, &out, secondary, tertiary);
        if (!partial)
            out.push_back('\0');
        if (secondary)
            secondary->push_back('\0');
        if (tertiary)
            tertiary->push_back('\0');
    } else if (IsIntegerLike(field.type)) {
        AppendBigEndian(out, static_cast<uint64_t>(IntegerOf(value)) ^ (uint64_t{1} << 63));
    } else if (field.type == FieldType::Bytes || field.type == FieldType::Blob) {
        // 0 and 1 are escaped so that 0 can end the value.
        for (char c : value.AsBytes()) {
            if (c == 0 || c == 1) {
                out.push_back(1);
                out.push_back(static_cast<char>(c + 1));
            } else {
                out.push_back(c);
            }
        }
        out.push_back('\0');
    } else {
        double d = NumberOf(value);
        if (d == 0)
            d = 0;  // -0 sorts with 0
        uint64_t bits = std::bit_cast<uint64_t>(d);
        bits = (bits >> 63) ? ~bits : bits | (uint64_t{1} << 63);
        AppendBigEndian(out, bits);
    }
}

// The smallest value after `v` in a key of this type, when there is one.
std::optional<Value> NextUp(const Value& v) {
    switch (v.kind()) {
        case Value::Kind::Integer:
            if (v.AsInteger() == std::numeric_limits<int64_t>::max())
                return std::nullopt;
            return Value::Integer(v.AsInteger() + 1);
        case Value::Kind::Date:
            return Value::Date(v.AsDay() + 1);
        case Value::Kind::Time:
            return Value::Time(v.AsMilliseconds() + 1);
        case Value::Kind::Logical:
            if (v.AsLogical())
                return std::nullopt;
            return Value::Logical(true);
        case Value::Kind::Number:
            if (!std::isfinite(v.AsNumber()))
                return std::nullopt;
            return Value::Number(std::nextafter(v.AsNumber(), HUGE_VAL));
        case Value::Kind::Timestamp:
            return Value::Timestamp(std::nextafter(v.AsTimestamp(), HUGE_VAL));
        default:
            return std::nullopt;
    }
}

}  // namespace

bool Dataset::StorageOrderSuffices() const {
    const int keyFields = m_table->KeyFieldCount();
    if (static_cast<int>(m_indexFields.size()) > keyFields)
        return false;
    for (size_t i = 0; i < m_indexFields.size(); ++i) {
        const int f = m_indexFields[i];
        const FieldType t = m_fields[f].type;
        // The table orders text its own way, not in Polish collation.
        if (f != static_cast<int>(i) || IsText(t) || t == FieldType::Bytes ||
            t == FieldType::Blob) {
            return false;
        }
    }
    return true;
}

bool Dataset::LinkIsKeyPrefix() const {
    if (!m_link.master)
        return false;
    const int keyFields = m_table->KeyFieldCount();
    for (size_t i = 0; i < m_link.detailFields.size(); ++i) {
        const int f = m_link.detailFields[i];
        if (f != static_cast<int>(i) || f >= keyFields || IsText(m_fields[f].type) ||
            m_fields[f].type == FieldType::Bytes || m_fields[f].type == FieldType::Blob) {
            return false;
        }
    }
    return true;
}

// The ordinals of the rows matching the master, for a link over the first key fields.
std::optional<std::pair<uint64_t, uint64_t>> Dataset::LinkRange() const {
    if (!m_link.values)
        return std::pair<uint64_t, uint64_t>{0, 0};
    Record key = CoerceKey(*m_link.values, m_link.detailFields);
    const uint64_t begin = m_table->LowerBound(key);
    const auto next = NextUp(key.back());
    if (!next)
        return std::nullopt;
    key.back() = *next;
    const uint64_t end = std::max(begin, m_table->LowerBound(key));
    return std::pair{begin, end};
}

bool Dataset::LinkMatches(const Record& row) const {
    if (!m_link.master)
        return true;
    if (!m_link.values)
        return false;
    for (size_t i = 0; i < m_link.detailFields.size(); ++i) {
        if (!SameValue(row[m_link.detailFields[i]], (*m_link.values)[i]))
            return false;
    }
    return true;
}

bool Dataset::Admits(const RowView& row) const {
    return LinkMatches(row.Values()) && (!m_filter || m_filter(row));
}

std::string Dataset::SortKey(const Record& row) const {
    std::string key, secondary, tertiary;
    for (int f : m_indexFields)
        AppendFieldKey(key, m_fields[f], row[f], false, &secondary, &tertiary);
    key += secondary;
    key += tertiary;
    return key;
}

std::string Dataset::SearchKey(const Record& key, bool partialLast) const {
    std::string out;
    for (size_t i = 0; i < key.size(); ++i) {
        const bool partial = partialLast && i + 1 == key.size();
        AppendFieldKey(out, m_fields[m_indexFields[i]], key[i], partial, nullptr, nullptr);
    }
    return out;
}

void Dataset::RebuildView() {
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_sorted = !StorageOrderSuffices();
    m_stale = false;
    m_seenStamp = m_table->LastStamp();
    const uint64_t count = m_table->RowCount();
    const bool rangeLink = LinkIsKeyPrefix();
    std::optional<std::pair<uint64_t, uint64_t>> range;
    if (rangeLink)
        range = LinkRange();

    if (!m_sorted && !m_filter) {
        if (!m_link.master) {
            m_viewKind = ViewKind::Whole;
            return;
        }
        if (range) {
            m_viewKind = ViewKind::Range;
            std::tie(m_rangeBegin, m_rangeEnd) = *range;
            return;
        }
    }
    m_viewKind = ViewKind::Entries;
    if (m_link.master && !m_link.values)
        return;
    uint64_t begin = 0, end = count;
    if (range)
        std::tie(begin, end) = *range;
    for (uint64_t ordinal = begin; ordinal < end; ++ordinal) {
        if (m_link.master && !range) {
            bool match = true;
            for (size_t i = 0; i < m_link.detailFields.size() && match; ++i) {
                match = SameValue(m_table->ReadField(ordinal, m_link.detailFields[i]),
                                  (*m_link.values)[i]);
            }
            if (!match)
                continue;
        }
        if (!m_filter && !m_sorted) {
            m_entries.push_back({{}, ordinal});
            continue;
        }
        if (!m_scanFields.empty()) {
            RowView view(*this, m_table->ReadFields(ordinal, m_scanFields));
            if (!m_filter(view))
                continue;
            m_entries.push_back({m_sorted ? SortKey(view.m_values) : std::string(), ordinal});
            continue;
        }
        Record row = ReadStored(ordinal);
        if (m_filter) {
            RowView view(*this, WithCalculated(row));
            if (!m_filter(view))
                continue;
        }
        m_entries.push_back({m_sorted ? SortKey(row) : std::string(), ordinal});
    }
    if (m_sorted) {
        std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
            return a.key != b.key ? a.key < b.key : a.ordinal < b.ordinal;
        });
    }
}

uint64_t Dataset::OrdinalAt(int64_t pos) const {
    switch (m_viewKind) {
        case ViewKind::Whole:
            return static_cast<uint64_t>(pos);
        case ViewKind::Range:
            return m_rangeBegin + static_cast<uint64_t>(pos);
        case ViewKind::Entries:
            return m_entries.at(static_cast<size_t>(pos)).ordinal;
    }
    return 0;
}

std::optional<int64_t> Dataset::PositionOf(uint64_t ordinal, const Record& row) const {
    switch (m_viewKind) {
        case ViewKind::Whole:
            if (ordinal < m_table->RowCount())
                return static_cast<int64_t>(ordinal);
            return std::nullopt;
        case ViewKind::Range:
            if (ordinal >= m_rangeBegin && ordinal < m_rangeEnd) {
                return static_cast<int64_t>(ordinal - m_rangeBegin);
            }
            return std::nullopt;
        case ViewKind::Entries:
            break;
    }
    const Entry target{m_sorted ? SortKey(row) : std::string(), ordinal};
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), target,
                               [](const Entry& a, const Entry& b) {
                                   return a.key != b.key ? a.key < b.key : a.ordinal < b.ordinal;
                               });
    if (it == m_entries.end() || it->ordinal != ordinal)
        return std::nullopt;
    return it - m_entries.begin();
}

std::optional<int64_t> Dataset::ApplyWrite(std::optional<uint64_t> removed,
                                           const Record* removedRow,
                                           std::optional<uint64_t> added) {
    std::optional<int64_t> oldPos, newPos;
    switch (m_viewKind) {
        case ViewKind::Whole:
            if (removed)
                oldPos = static_cast<int64_t>(*removed);
            if (added)
                newPos = static_cast<int64_t>(*added);
            break;
        case ViewKind::Range: {
            if (removed && *removed >= m_rangeBegin && *removed < m_rangeEnd) {
                oldPos = static_cast<int64_t>(*removed - m_rangeBegin);
            }
            if (auto range = LinkRange())
                std::tie(m_rangeBegin, m_rangeEnd) = *range;
            if (added && *added >= m_rangeBegin && *added < m_rangeEnd) {
                newPos = static_cast<int64_t>(*added - m_rangeBegin);
            }
            break;
        }
        case ViewKind::Entries: {
            if (removed && removedRow) {
                oldPos = PositionOf(*removed, *removedRow);
                if (oldPos)
                    m_entries.erase(m_entries.begin() + *oldPos);
            }
            for (Entry& e : m_entries) {
                if (removed && e.ordinal > *removed)
                    --e.ordinal;
                if (added && e.ordinal >= *added)
                    ++e.ordinal;
            }
            if (added) {
                Record row = ReadStored(*added);
                RowView view(*this, WithCalculated(row));
                if (Admits(view)) {
                    Entry entry{m_sorted ? SortKey(row) : std::string(), *added};
                    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), entry,
                                               [](const Entry& a, const Entry& b) {
                                                   return a.key != b.key ? a.key < b.key
                                                                         : a.ordinal < b.ordinal;
                                               });
                    newPos = it - m_entries.begin();
                    m_entries.insert(it, std::move(entry));
                }
            }
            break;
        }
    }
    if (oldPos && newPos && *oldPos == *newPos) {
        Notify(DatasetChange::Kind::RowChanged, *newPos);
    } else {
        if (oldPos)
            Notify(DatasetChange::Kind::RowDeleted, *oldPos);
        if (newPos)
            Notify(DatasetChange::Kind::RowInserted, *newPos);
    }
    return newPos;
}

Record Dataset::CoerceKey(const Record& key, const std::vector<int>& fields) const {
    Record out;
    for (size_t i = 0; i < key.size(); ++i) {
        const FieldDef& field = m_fields[fields[i]];
        if (key[i].kind() == Value::Kind::Text && !IsText(field.type)) {
            out.push_back(ParseFieldText(field, key[i].AsText()));
        } else {
            try {
                out.push_back(CoerceToField(field, key[i]));
            } catch (const EngineError&) {
                out.push_back(key[i]);
            }
        }
    }
    return out;
}

const std::vector<int>& Dataset::SearchFields() const {
    static const std::vector<std::vector<int>> kKeyPrefixes = [] {
        std::vector<std::vector<int>> prefixes(256);
        for (int n = 0; n < 256; ++n) {
            for (int i = 0; i < n; ++i)
                prefixes[n].push_back(i);
        }
        return prefixes;
    }();
    if (!m_indexFields.empty())
        return m_indexFields;
    return kKeyPrefixes.at(m_table->KeyFieldCount());
}

// The position of the first row at or after `key` (RecordCount() when none); with `exact`, of
// the matching row (an exact match preferred among equal ones), or none.
std::optional<int64_t> Dataset::SearchPosition(const Record& rawKey, bool partialLast, bool exact) {
    const std::vector<int>& fields = SearchFields();
    if (fields.empty() || rawKey.size() > fields.size()) {
        throw std::logic_error("key search needs index fields or a keyed table");
    }
    const Record key = CoerceKey(rawKey, fields);
    const int64_t n = RecordCount();
    auto rowMatches = [&](int64_t pos, bool exactText) {
        const uint64_t ordinal = OrdinalAt(pos);
        for (size_t i = 0; i < key.size(); ++i) {
            const Value v = m_table->ReadField(ordinal, fields[i]);
            const bool textField = IsText(m_fields[fields[i]].type);
            const bool same = textField && !exactText && !v.IsNull() && !key[i].IsNull()
                                  ? CollateEqualPrimary(v.AsText(), key[i].AsText())
                                  : SameValue(v, key[i]);
            if (!same)
                return false;
        }
        return true;
    };

    if (m_sorted) {
        const std::string prefix = SearchKey(key, partialLast);
        auto it = std::lower_bound(m_entries.begin(), m_entries.end(), prefix,
                                   [](const Entry& e, const std::string& p) { return e.key < p; });
        const int64_t first = it - m_entries.begin();
        if (!exact)
            return first;
        auto startsWith = [&](int64_t pos) {
            return pos < n && m_entries[pos].key.compare(0, prefix.size(), prefix) == 0;
        };
        if (!startsWith(first))
            return std::nullopt;
        for (int64_t pos = first; startsWith(pos); ++pos) {
            if (rowMatches(pos, true))
                return pos;
        }
        return first;
    }

    // Storage order is the table's key order: let the table search.
    const uint64_t ordinal = m_table->LowerBound(key);
    int64_t pos = 0;
    switch (m_viewKind) {
        case ViewKind::Whole:
            pos = static_cast<int64_t>(ordinal);
            break;
        case ViewKind::Range:
            pos =
                static_cast<int64_t>(std::clamp(ordinal, m_rangeBegin, m_rangeEnd) - m_rangeBegin);
            break;
        case ViewKind::Entries:
            pos = std::lower_bound(m_entries.begin(), m_entries.end(), ordinal,
                                   [](const Entry& e, uint64_t o) { return e.ordinal < o; }) -
                  m_entries.begin();
            break;
    }
    pos = std::min(pos, n);
    if (!exact)
        return pos;
    if (pos < n && rowMatches(pos, false))
        return pos;
    return std::nullopt;
}

}  // namespace mirta::engine
