#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/table.h"

// The rows the write-safety tests (a disk that fills up, a power cut) change and check.

namespace mirta::engine::testing {

// 4 + 40 + 200 bytes: eight records in a 2 KiB block, so a few dozen rows span several blocks.
inline std::vector<FieldDef> SampleFields() {
    return {{"Id", FieldType::Long, 0, 0, 0},
            {"Nazwa", FieldType::Alpha, 40, 0, 0},
            {"Opis", FieldType::Alpha, 200, 0, 0}};
}

// A record that names its own id and version in every field, so a torn one stands out.
inline Record SampleRow(int id, int version = 0) {
    const std::string tag = std::to_string(id) + "v" + std::to_string(version);
    std::string desc;
    while (desc.size() + tag.size() + 1 <= 180)
        desc += tag + ".";
    return {Value::Integer(id), Value::Text("N" + tag), Value::Text(desc)};
}

// A row as one line, its fields joined by '|' and NULL written "\N", as pxlib prints it.
inline std::string RowText(const std::vector<std::string>& fields) {
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i)
        text += (i > 0 ? "|" : "") + fields[i];
    return text;
}

inline std::string RowText(const Record& row) {
    std::vector<std::string> fields;
    for (const Value& v : row)
        fields.push_back(v.IsNull()                         ? std::string("\\N")
                         : v.kind() == Value::Kind::Integer ? std::to_string(v.AsInteger())
                                                            : v.AsText());
    return RowText(fields);
}

inline void InsertIds(Table& table, int from, int to, int step) {
    for (int id = from; id <= to; id += step)
        table.Insert(SampleRow(id));
}

// The ordinal of the row keyed `id`, which the table holds.
inline uint64_t OrdinalOf(Table& table, int id) {
    const uint64_t ordinal = table.LowerBound({Value::Integer(id)});
    EXPECT_LT(ordinal, table.RowCount());
    return ordinal;
}

}  // namespace mirta::engine::testing
