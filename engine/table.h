#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/value.h"

namespace mirta::engine {

using Record = std::vector<Value>;

// What a table looked like on disk when last read or written by us; a different stamp
// means another program changed the file.
struct ChangeStamp {
    uint64_t fileSize = 0;
    int64_t modifiedNs = 0;
    uint32_t headerCounter = 0;
    bool operator==(const ChangeStamp&) const = default;
};

// A stored table as the dataset layer sees it, whatever the file format. Rows are addressed
// by their ordinal in storage order (key order for keyed tables, insertion order otherwise);
// ordinals after a changed row may shift. Every call either completes or throws EngineError
// and leaves the file as it was or with the change wholly applied.
class Table {
public:
    virtual ~Table() = default;

    virtual const std::string& Path() const = 0;
    virtual const std::vector<FieldDef>& Fields() const = 0;
    // The primary key is the first KeyFieldCount() fields; 0 for an unkeyed table.
    virtual int KeyFieldCount() const = 0;
    virtual bool ReadOnly() const = 0;

    virtual uint64_t RowCount() const = 0;
    // REQUIRES: ordinal < RowCount().
    virtual Record ReadRow(uint64_t ordinal) = 0;
    // Reads one field of a row without decoding the others.
    virtual Value ReadField(uint64_t ordinal, int field) = 0;
    // A row with only `fields` decoded; the others are empty. For scans that look at a few
    // columns of wide rows.
    virtual Record ReadFields(uint64_t ordinal, const std::vector<int>& fields) {
        Record row(Fields().size());
        for (int f : fields)
            row[f] = ReadField(ordinal, f);
        return row;
    }

    // Keyed tables: the ordinal of the first row whose key is at or after `key` (a prefix of
    // the key fields is allowed); RowCount() when there is none.
    virtual uint64_t LowerBound(const Record& key) = 0;

    // Stores a new row and returns its ordinal. Autoincrement fields are filled by the table.
    // Throws KeyViolation when a keyed table already has a row with the same key.
    virtual uint64_t Insert(const Record& row) = 0;
    // Replaces a row and returns its new ordinal (a changed key may move it).
    virtual uint64_t Update(uint64_t ordinal, Record row) = 0;
    virtual void Delete(uint64_t ordinal) = 0;

    // After Sync returns, every change so far is on the disk.
    virtual void Sync() = 0;
    // In bulk mode writes are not synced one by one; EndBulk syncs once.
    virtual void BeginBulk() = 0;
    virtual void EndBulk() = 0;

    // The file as we last saw it, and the file as it is now.
    virtual ChangeStamp LastStamp() const = 0;
    virtual ChangeStamp CurrentStamp() = 0;
    // Re-reads the file after another program changed it.
    virtual void Reload() = 0;

    // Creates an empty table file with this table's structure at `path` and opens it.
    virtual std::unique_ptr<Table> CreateLike(const std::string& path) = 0;
};

}  // namespace mirta::engine
