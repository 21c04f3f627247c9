#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/block_cache.h"
#include "engine/code_page.h"
#include "engine/file_system.h"
#include "engine/held_writes_file.h"
#include "engine/paradox_header.h"
#include "engine/paradox_index.h"
#include "engine/table.h"
#include "engine/undo_journal.h"

namespace mirta::engine {

struct ParadoxOpenOptions {
    bool readOnly = false;
    // Holds an exclusive lock on the table for as long as it is open.
    bool exclusive = false;
    // Passwords registered with the session; a protected table opens only when one of them
    // matches. Empty: the table opens without a check (its key is in the header).
    std::vector<std::string> passwords;
    // Code page of text and field names when the caller knows better than the header: a table
    // whose header names none (level 3.x, or 0 at the code page field) or a wrong one.
    const CodePage* codePage = nullptr;
};

struct ParadoxCreateOptions {
    int codePage = 1250;
    // Expected number of rows; the block size is chosen so that this many fit.
    uint64_t expectedRows = 0;
    // Block size in KiB (1, 2, 4, 8, 16 or 32); 0 chooses one by record size and expectedRows.
    int blockSizeKb = 0;
    // Protects the new table with this password.
    std::string password;
};

// A Paradox table (.DB) with its primary index (.PX) and secondary indexes (.Xnn/.Ynn,
// .XGn/.YGn), kept consistent after every change.
class ParadoxTable final : public Table {
public:
    static std::unique_ptr<ParadoxTable> Open(FileSystem& fs, const std::string& path,
                                              const ParadoxOpenOptions& options = {});
    // Creates (or replaces) an empty table and opens it.
    static std::unique_ptr<ParadoxTable> Create(FileSystem& fs, const std::string& path,
                                                const std::vector<FieldDef>& fields,
                                                int keyFieldCount,
                                                const ParadoxCreateOptions& options = {});
    // Creates (or replaces) an empty table with another's header: its fields, key, block size,
    // code page, password and autoincrement counter. The counts and blocks start empty.
    static std::unique_ptr<ParadoxTable> CreateWithHeader(FileSystem& fs, const std::string& path,
                                                          paradox::Header header);
    ~ParadoxTable() override;

    const std::string& Path() const override { return m_path; }
    const std::vector<FieldDef>& Fields() const override { return m_header.fields; }
    int KeyFieldCount() const override { return m_header.keyFields; }
    bool ReadOnly() const override { return m_readOnly; }

    uint64_t RowCount() const override { return m_rowCount; }
    Record ReadRow(uint64_t ordinal) override;
    Value ReadField(uint64_t ordinal, int field) override;
    Record ReadFields(uint64_t ordinal, const std::vector<int>& fields) override;
    uint64_t LowerBound(const Record& key) override;

    uint64_t Insert(const Record& row) override;
    uint64_t Update(uint64_t ordinal, Record row) override;
    void Delete(uint64_t ordinal) override;

    void Sync() override;
    void BeginBulk() override;
    void EndBulk() override;

    ChangeStamp LastStamp() const override { return m_stamp; }
    ChangeStamp CurrentStamp() override;
    void Reload() override;
    std::unique_ptr<Table> CreateLike(const std::string& path) override;

    // Calls `visit` with the raw bytes of every record in storage order; stops when it
    // returns false. The fastest way through a large table.
    void ForEachRawRecord(const std::function<bool(const uint8_t* record)>& visit);
    // The same, with the number of the data block holding each record.
    void ForEachRawRecordInBlock(const std::function<void(const uint8_t*, uint16_t)>& visit);

    const paradox::Header& FileHeader() const { return m_header; }
    const CodePage& TextCodePage() const { return *m_codePage; }
    // Whether `password` is the table's password (false for an unprotected table).
    bool CheckPassword(const std::string& password) const;
    // Rewrites the .PX and every secondary index from the data.
    void RebuildIndexes();
    // The .PX this table's data calls for, keeping the existing file's header bytes.
    std::vector<uint8_t> PrimaryIndexBytes();

private:
    struct BlockEntry {
        uint16_t number = 0;
        uint16_t count = 0;
    };

    static constexpr size_t kCacheBudget = 32 << 20;  // bytes of cached blocks per table

    ParadoxTable(FileSystem& fs, std::string path, std::unique_ptr<File> file, bool readOnly);

    static std::unique_ptr<ParadoxTable> CreateFromHeader(FileSystem& fs, const std::string& path,
                                                          const paradox::Header& header);
    void Load();
    void ReadDirectory();
    uint64_t PhysicalBlocks() const;
    uint64_t BlockOffset(uint16_t number) const;
    int Capacity() const;

    // Block access; returned buffers are plaintext and stay valid until the next block call.
    std::vector<uint8_t>& LoadBlock(uint16_t number);
    void ReadBlockBytes(uint16_t number, std::vector<uint8_t>& buffer);
    void WriteBlock(uint16_t number, std::vector<uint8_t>& plain);
    void WriteHeader();
    void InvalidateCache() {
        m_cache = std::make_unique<BlockCache>(m_header.BlockSize(), kCacheBudget);
        m_scanCache = std::make_unique<BlockCache>(m_header.BlockSize(), 0);
        m_nextInChain = 0;
    }

    // Locating rows.
    std::pair<size_t, int> Locate(uint64_t ordinal) const;  // directory index, slot
    uint64_t OrdinalOf(size_t dirIndex, int slot) const;
    void RecountPrefix(size_t fromIndex);
    int CompareKey(const uint8_t* a, const uint8_t* b) const;
    uint64_t LowerBoundRaw(const uint8_t* key, int keyBytes, bool* equal);

    std::vector<uint8_t> EncodeRecord(const Record& row) const;
    void EncodeRecordInto(const Record& row, std::vector<uint8_t>& record) const;
    Record DecodeRecord(const uint8_t* record) const;

    // Writing.
    void BeginWrite();
    void FinishWrite();
    uint64_t InsertEncoded(const std::vector<uint8_t>& record);
    // Where a record goes (directory index, slot); throws KeyViolation for a taken key.
    std::pair<size_t, int> InsertPosition(const std::vector<uint8_t>& record);
    uint64_t InsertIntoEmptyTable(const std::vector<uint8_t>& record);
    uint64_t InsertIntoBlock(size_t index, int slot, const std::vector<uint8_t>& record,
                             bool appendAtEnd);
    uint64_t AppendBlockWith(const std::vector<uint8_t>& record);
    uint64_t SplitBlockFor(size_t index, int slot, const std::vector<uint8_t>& record);
    void DeleteAt(size_t dirIndex, int slot);
    uint16_t AllocateBlock();
    void FreeBlock(uint16_t number);
    void FlushPending();
    // Sets a block's `next` link with the smallest write the format allows.
    void WriteLink(uint16_t number, uint16_t next);
    void WritePrevLink(uint16_t number, uint16_t prev);
    void WriteLinkField(uint16_t number, size_t offset, uint16_t value);
    void RememberFirstKey(size_t dirIndex, const uint8_t* block);
    void CheckStamp(bool allowReload);
    void SyncIndexes();
    // Every write to the table file goes here; overwrites are held until CommitHeld.
    void WriteData(uint64_t offset, const void* data, size_t n);
    // Saves the old bytes of the held overwrites in the journal, then writes them.
    void CommitHeld();
    // After a failed write the in-memory picture may be wrong: undo and read the file again.
    void RecoverAfterFailure();
    void RequireSound();
    void FailWrite();

    FileSystem& m_fs;
    std::string m_path;
    std::unique_ptr<HeldWritesFile> m_file;
    bool m_readOnly;
    bool m_exclusive = false;
    paradox::Header m_header;
    const CodePage* m_codePage = nullptr;
    const CodePage* m_givenCodePage = nullptr;  // the caller's, over the header's
    int m_keySize = 0;
    bool m_hasOutsideBlobs = false;

    std::vector<BlockEntry> m_directory;  // chain order
    std::vector<uint64_t> m_prefix;       // rows before each directory entry, plus total
    std::vector<uint8_t> m_firstKeys;     // key bytes of each block's first record
    uint64_t m_rowCount = 0;

    std::unique_ptr<BlockCache> m_cache;
    std::unique_ptr<BlockCache> m_scanCache;  // the minimum of blocks, for chain walks
    uint16_t m_nextInChain = 0;               // the block a chain walk would read next

    bool m_bulk = false;
    bool m_dirtyHeader = false;
    // Bulk appends keep the chain's last block in memory until it is full.
    std::optional<uint16_t> m_pendingBlock;
    std::vector<uint8_t> m_pendingBytes;
    std::optional<uint16_t> m_pendingLinkFrom;  // block whose `next` must point at it
    ChangeStamp m_stamp;

    std::unique_ptr<paradox::IndexFile> m_primaryIndex;
    std::unique_ptr<UndoJournal> m_journal;
    bool m_broken = false;
    bool m_wroteInCall = false;
    std::vector<uint8_t> m_recordBuffer;
    bool m_hasSecondaryIndexes = false;
    bool m_secondaryDirty = false;
};

}  // namespace mirta::engine
