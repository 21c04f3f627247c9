#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/table.h"

namespace mirta::engine::testing {

// Files of the memory tables: what the "disk" holds, shared by every table opened on a path.
class MemoryDisk {
public:
    struct File {
        std::vector<FieldDef> fields;
        int keyFieldCount = 0;
        std::vector<Record> rows;
        uint32_t counter = 0;  // changes with every write, like a header change counter
        int32_t nextAutoInc = 1;
    };

    std::shared_ptr<File> Find(const std::string& path) const;
    std::shared_ptr<File> Create(const std::string& path, std::vector<FieldDef> fields,
                                 int keyFieldCount);

private:
    std::map<std::string, std::shared_ptr<File>> m_files;
};

// A table held in memory, for tests of the layers above the formats. Keyed tables keep rows in
// key order (text by byte order, empty first). Each table keeps its own copy of the rows, as a
// real one caches blocks, so a write through another table shows only after Reload.
class MemoryTable final : public Table {
public:
    static std::unique_ptr<MemoryTable> Create(MemoryDisk& disk, const std::string& path,
                                               std::vector<FieldDef> fields, int keyFieldCount);
    // Throws EngineError when the path holds no table.
    static std::unique_ptr<MemoryTable> Open(MemoryDisk& disk, const std::string& path);

    const std::string& Path() const override { return m_path; }
    const std::vector<FieldDef>& Fields() const override { return m_file->fields; }
    int KeyFieldCount() const override { return m_file->keyFieldCount; }
    bool ReadOnly() const override { return false; }

    uint64_t RowCount() const override { return m_rows.size(); }
    Record ReadRow(uint64_t ordinal) override;
    Value ReadField(uint64_t ordinal, int field) override;
    uint64_t LowerBound(const Record& key) override;

    uint64_t Insert(const Record& row) override;
    uint64_t Update(uint64_t ordinal, Record row) override;
    void Delete(uint64_t ordinal) override;

    void Sync() override { ++m_syncs; }
    void BeginBulk() override { m_bulk = true; }
    void EndBulk() override {
        m_bulk = false;
        Sync();
    }

    ChangeStamp LastStamp() const override { return {0, 0, m_seen}; }
    ChangeStamp CurrentStamp() override { return {0, 0, m_file->counter}; }
    void Reload() override;
    std::unique_ptr<Table> CreateLike(const std::string& path) override;

    int Syncs() const { return m_syncs; }
    bool InBulk() const { return m_bulk; }

private:
    MemoryTable(MemoryDisk& disk, std::string path, std::shared_ptr<MemoryDisk::File> file);

    int CompareKeys(const Record& a, const Record& b, size_t fields) const;
    void CheckFresh() const;
    void Publish();

    MemoryDisk& m_disk;
    std::string m_path;
    std::shared_ptr<MemoryDisk::File> m_file;
    std::vector<Record> m_rows;
    uint32_t m_seen = 0;
    int m_syncs = 0;
    bool m_bulk = false;
};

}  // namespace mirta::engine::testing
