#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/code_page.h"
#include "engine/dbf_table.h"
#include "engine/value.h"

namespace mirta::engine {

// Field values of one dBase table to and from their stored bytes: the letters of the column
// types, the file version's binary forms, and the table's code page for text.
class DbfFieldCodec {
public:
    DbfFieldCodec(bool visualFoxPro, bool dBase7, const CodePage& codePage, const std::string& path)
        : m_visualFoxPro(visualFoxPro), m_dBase7(dBase7), m_codePage(codePage), m_path(path) {}

    // `record` (0-based) only names the record in the message of a corrupt value.
    Value Decode(const DbfColumn& column, std::string_view raw, uint64_t record) const;
    // Writes column.length bytes at `out`; throws EngineError when the value does not fit.
    void Encode(const DbfColumn& column, const Value& value, char* out) const;
    // Text in the table's code page; throws when a character has no place in it.
    std::string EncodeText(std::string_view utf8, const DbfColumn& column) const;

private:
    bool m_visualFoxPro;
    bool m_dBase7;
    const CodePage& m_codePage;
    const std::string& m_path;
};

// A little-endian 32-bit number of the file.
uint32_t ReadU32Le(const char* p);
// "NAME (N10.2)", for messages.
std::string ColumnLabel(const DbfColumn& column);

}  // namespace mirta::engine
