#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/code_page.h"
#include "engine/file_system.h"
#include "engine/table.h"

namespace mirta::engine {

class DbfFieldCodec;

struct DbfOptions {
    // Code page of character data when the caller knows better than the file (Mazovia).
    const CodePage* codePage = nullptr;
    bool readOnly = false;
    // Appending to a table whose header announces a production index leaves that index
    // without the new rows; allowed only when the caller makes the owner reindex.
    bool allowStaleIndex = false;
    // Date written as "last update"; the local date when empty.
    std::function<CivilDate()> today;
};

// One column as the file describes it.
struct DbfColumn {
    std::string rawName;  // bytes up to the first NUL
    char type = 0;        // the dBase letter
    int length = 0;
    int decimals = 0;
    uint32_t offset = 0;  // within the record; byte 0 is the deletion flag
};

// A dBase III/IV table (read and append), or a FoxPro / dBase 7 one (read only). Rows are the
// records not marked deleted, in file order. Writes follow the owner-safe order: record and
// end mark first, then the header count, each step flushed, under an exclusive lock.
class DbfTable final : public Table {
public:
    static std::unique_ptr<DbfTable> Open(FileSystem& fs, const std::string& path,
                                          DbfOptions options = {});
    // A new empty dBase III file with C, N (F), D and L columns; replaces an existing one.
    static std::unique_ptr<DbfTable> Create(FileSystem& fs, const std::string& path,
                                            const std::vector<FieldDef>& fields,
                                            uint8_t languageByte, DbfOptions options = {});
    ~DbfTable() override;

    const std::string& Path() const override { return m_path; }
    const std::vector<FieldDef>& Fields() const override { return m_fields; }
    int KeyFieldCount() const override { return 0; }
    bool ReadOnly() const override;

    uint64_t RowCount() const override;
    Record ReadRow(uint64_t ordinal) override;
    Value ReadField(uint64_t ordinal, int field) override;
    uint64_t LowerBound(const Record&) override { return RowCount(); }

    uint64_t Insert(const Record& row) override;
    uint64_t Update(uint64_t ordinal, Record row) override;
    void Delete(uint64_t ordinal) override;

    void Sync() override;
    void BeginBulk() override;
    void EndBulk() override;

    // Keeps the write lock from now until the matching ReleaseLock, so no other program can
    // write between our appends. Unlike bulk mode nothing is deferred: every Insert still
    // leaves its row, the end mark and the header count on the disk before it returns.
    // Throws, holding nothing, when the file cannot be locked or changed its structure.
    void HoldLock();
    void ReleaseLock() noexcept;
    // Takes back the records appended after the first `records`: the header counts `records`
    // again and the end mark follows them; the file is never shortened. Also settles a header
    // whose count an interrupted Insert may or may not have written; writes nothing when the
    // file is known to count exactly `records` already.
    // REQUIRES: the lock held (HoldLock) since before those records were appended.
    void TakeBackAppends(uint64_t records);

    // For appending in step with another table (DbfPairAppend), in bulk mode under a hold.
    // Records the header on the disk counts.
    uint64_t CountedRecords() const { return m_headerCount; }
    // Forgets the appended records after the first `records` (which the header does not
    // count yet) and puts the end mark after them; flushes nothing.
    void ForgetUncounted(uint64_t records);
    // Writes the header's count of every appended record; flushes nothing.
    void WriteCount();
    // Counts only the first `records` again, with the end mark after them, and makes it
    // durable: settles appends a power cut left counted in one table of a pair only.
    void CountOnly(uint64_t records);

    ChangeStamp LastStamp() const override { return m_stamp; }
    ChangeStamp CurrentStamp() override;
    void Reload() override;

    std::unique_ptr<Table> CreateLike(const std::string& path) override;

    // The file's own view, for the dump and the payroll export.
    uint8_t Version() const { return m_layout.version; }
    uint8_t LanguageByte() const { return m_layout.language; }
    const CodePage& TextCodePage() const { return *m_codePage; }
    const std::vector<DbfColumn>& Columns() const { return m_layout.columns; }
    uint32_t RecordSize() const { return m_layout.recordSize; }
    // Records the header announces, deleted ones included.
    uint64_t RecordCount() const { return m_count; }
    // Appends records [first, first + count) with their deletion flags to `out`.
    void ReadRawRecords(uint64_t first, uint64_t count, std::string& out);

    // Text of a stored character value as the table would write it; throws when a character
    // has no place in the code page.
    std::string EncodeText(std::string_view utf8, const DbfColumn& column) const;

    struct Layout {
        uint8_t version = 0;
        uint8_t language = 0;
        uint8_t tableFlags = 0;
        uint32_t count = 0;
        uint32_t headerSize = 0;
        uint32_t recordSize = 0;
        std::vector<DbfColumn> columns;
        std::string header;  // the whole header as read
        bool SameStructure(const Layout& o) const;
    };

private:
    DbfTable(FileSystem& fs, std::string path, DbfOptions options);

    void Load();
    void EnsureLiveIndex() const;
    uint64_t RecordOf(uint64_t ordinal) const;
    uint64_t RecordOffset(uint64_t record) const;
    DbfFieldCodec Codec() const;
    std::string BuildRecord(const Record& row) const;
    std::optional<std::string> WriteRefusal() const;
    void RequireWritable() const;

    // Opens and locks the file for a write and makes sure our view matches the disk.
    File& BeginWrite();
    // Overwrites bytes of one stored row under the write lock; returns its record number.
    uint64_t RewriteInRow(uint64_t ordinal, size_t offset, const char* bytes, size_t n);
    // Throws when another program removed or deleted rows since we read the table.
    void RequireRowUnchanged(uint64_t recordNo, const std::vector<uint32_t>& deletedBefore) const;
    void EndWrite() noexcept;
    void WriteHeaderCount(File& file, uint64_t count);
    void RefreshStamp();

    FileSystem& m_fs;
    std::string m_path;
    DbfOptions m_options;
    std::unique_ptr<File> m_file;  // reads
    Layout m_layout;
    std::vector<FieldDef> m_fields;
    const CodePage* m_codePage = nullptr;
    uint64_t m_count = 0;            // records in the file, ours included
    uint64_t m_headerCount = 0;      // records the header on the disk counts
    bool m_headerCountKnown = true;  // false after a count write that failed part-way
    ChangeStamp m_stamp;

    // Record numbers of deleted records, ascending; built on first use.
    mutable std::vector<uint32_t> m_deleted;
    mutable bool m_liveIndexReady = false;

    std::unique_ptr<File> m_writer;  // open and locked during a write, a bulk or a hold
    int m_bulkDepth = 0;
    int m_holdDepth = 0;
    uint64_t m_heldFrom = 0;  // records in the file when the hold began
};

// dBase pads values with spaces on both sides.
std::string_view TrimSpaces(std::string_view s);
bool AllSpaces(std::string_view s);

}  // namespace mirta::engine
