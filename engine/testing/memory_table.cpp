#include "engine/testing/memory_table.h"

#include <algorithm>

#include "engine/engine_error.h"

namespace mirta::engine::testing {

namespace {

int CompareValues(const Value& a, const Value& b) {
    if (a.IsNull() || b.IsNull())
        return int(!a.IsNull()) - int(!b.IsNull());
    switch (a.kind()) {
        case Value::Kind::Text:
        case Value::Kind::Bytes: {
            int c = a.AsText().compare(b.AsText());
            return (c > 0) - (c < 0);
        }
        case Value::Kind::Number:
        case Value::Kind::Timestamp: {
            double x = a.AsNumber(), y = b.AsNumber();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        default:
            return a.AsInteger() < b.AsInteger() ? -1 : (a.AsInteger() > b.AsInteger());
    }
}

}  // namespace

std::shared_ptr<MemoryDisk::File> MemoryDisk::Find(const std::string& path) const {
    auto it = m_files.find(path);
    return it == m_files.end() ? nullptr : it->second;
}

std::shared_ptr<MemoryDisk::File> MemoryDisk::Create(const std::string& path,
                                                     std::vector<FieldDef> fields,
                                                     int keyFieldCount) {
    auto file = std::make_shared<File>();
    file->fields = std::move(fields);
    file->keyFieldCount = keyFieldCount;
    m_files[path] = file;
    return file;
}

MemoryTable::MemoryTable(MemoryDisk& disk, std::string path, std::shared_ptr<MemoryDisk::File> file)
    : m_disk(disk), m_path(std::move(path)), m_file(std::move(file)) {
    Reload();
}

std::unique_ptr<MemoryTable> MemoryTable::Create(MemoryDisk& disk, const std::string& path,
                                                 std::vector<FieldDef> fields, int keyFieldCount) {
    auto file = disk.Create(path, std::move(fields), keyFieldCount);
    return std::unique_ptr<MemoryTable>(new MemoryTable(disk, path, std::move(file)));
}

std::unique_ptr<MemoryTable> MemoryTable::Open(MemoryDisk& disk, const std::string& path) {
    auto file = disk.Find(path);
    if (!file)
        throw EngineError("Nie znaleziono pliku " + path, path, "open");
    return std::unique_ptr<MemoryTable>(new MemoryTable(disk, path, std::move(file)));
}

Record MemoryTable::ReadRow(uint64_t ordinal) {
    return m_rows.at(ordinal);
}

Value MemoryTable::ReadField(uint64_t ordinal, int field) {
    return m_rows.at(ordinal).at(field);
}

int MemoryTable::CompareKeys(const Record& a, const Record& b, size_t fields) const {
    for (size_t i = 0; i < fields; ++i) {
        if (int c = CompareValues(a[i], b[i]))
            return c;
    }
    return 0;
}

uint64_t MemoryTable::LowerBound(const Record& key) {
    if (KeyFieldCount() == 0)
        return RowCount();
    const size_t n = std::min<size_t>(key.size(), KeyFieldCount());
    auto it = std::lower_bound(m_rows.begin(), m_rows.end(), key, [&](const Record& row, auto&) {
        return CompareKeys(row, key, n) < 0;
    });
    return it - m_rows.begin();
}

void MemoryTable::CheckFresh() const {
    if (m_seen != m_file->counter) {
        throw EngineError("Tabela została zmieniona przez inny program", m_path, "write");
    }
}

void MemoryTable::Publish() {
    m_file->rows = m_rows;
    m_seen = ++m_file->counter;
}

uint64_t MemoryTable::Insert(const Record& given) {
    CheckFresh();
    Record row = given;
    row.resize(Fields().size());
    for (size_t i = 0; i < row.size(); ++i) {
        if (Fields()[i].type == FieldType::AutoInc && row[i].IsNull()) {
            row[i] = Value::Integer(m_file->nextAutoInc++);
        }
    }
    uint64_t at = m_rows.size();
    if (KeyFieldCount() > 0) {
        at = LowerBound(row);
        if (at < m_rows.size() && CompareKeys(m_rows[at], row, KeyFieldCount()) == 0) {
            throw KeyViolation(m_path);
        }
    }
    m_rows.insert(m_rows.begin() + at, std::move(row));
    Publish();
    return at;
}

uint64_t MemoryTable::Update(uint64_t ordinal, Record row) {
    CheckFresh();
    row.resize(Fields().size());
    std::vector<Record> before = m_rows;
    m_rows.erase(m_rows.begin() + ordinal);
    uint64_t at = ordinal;
    if (KeyFieldCount() > 0) {
        at = LowerBound(row);
        if (at < m_rows.size() && CompareKeys(m_rows[at], row, KeyFieldCount()) == 0) {
            m_rows = std::move(before);
            throw KeyViolation(m_path);
        }
    }
    m_rows.insert(m_rows.begin() + at, std::move(row));
    Publish();
    return at;
}

void MemoryTable::Delete(uint64_t ordinal) {
    CheckFresh();
    m_rows.erase(m_rows.begin() + ordinal);
    Publish();
}

void MemoryTable::Reload() {
    m_rows = m_file->rows;
    m_seen = m_file->counter;
}

std::unique_ptr<Table> MemoryTable::CreateLike(const std::string& path) {
    return Create(m_disk, path, Fields(), KeyFieldCount());
}

}  // namespace mirta::engine::testing
