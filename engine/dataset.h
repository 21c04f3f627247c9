#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/engine_error.h"
#include "engine/observer.h"
#include "engine/table.h"

namespace mirta::engine {

class Dataset;

enum class DatasetState { Browse, Edit, Insert };

// The row to write was changed or deleted by another program or another dataset since it was
// read. Nothing was written; the caller shows the message and the user cancels and retries.
class RecordChanged : public EngineError {
public:
    explicit RecordChanged(const std::string& file);
};

// One row of a dataset: its stored fields followed by its calculated ones. Field lookups by
// name ignore ASCII case; an unknown name throws EngineError. Valid while its dataset lives.
class RowView {
public:
    RowView(const Dataset& dataset, Record values)
        : m_dataset(&dataset), m_values(std::move(values)) {}

    const Value& operator[](std::string_view field) const;
    const Value& At(int field) const { return m_values.at(field); }
    // The field's text through its get-text hook.
    std::string Text(std::string_view field) const;
    // Sets a calculated field (for calculated-field handlers).
    void Set(std::string_view field, Value value);
    const Record& Values() const { return m_values; }
    const Dataset& Owner() const { return *m_dataset; }

private:
    friend class Dataset;

    const Dataset* m_dataset;
    Record m_values;
};

struct FieldHooks {
    // Stores typed text (normally by calling SetField); without it the text is parsed by the
    // field's type. Throwing refuses the text and leaves the field unchanged.
    std::function<void(Dataset&, const std::string& text)> setText;
    // The text shown for a value; without it the default form of FormatFieldValue.
    std::function<std::string(const RowView& row, const Value& value)> getText;
    // Runs before a new value is stored in the field; throwing refuses the value.
    std::function<void(const Dataset&, const Value& newValue)> validate;
};

enum class DatasetEvent {
    BeforeInsert,
    NewRecord,  // fills the defaults of a new record
    AfterInsert,
    BeforeEdit,
    AfterEdit,
    BeforePost,
    AfterPost,
    BeforeDelete,
    AfterDelete,
    BeforeCancel,
    AfterCancel,
};

// What changed, for the windows. Row numbers are positions in the dataset's view, given after
// the change happened: an observer that mirrors the row count applies each change to its copy.
struct DatasetChange {
    enum class Kind {
        State,        // the dataset entered another state
        Scrolled,     // the cursor moved to another row (or the current row was re-read)
        Field,        // `field` of the current record's buffer changed
        RowInserted,  // a row appeared at `row`
        RowChanged,   // the row at `row` has new values
        RowDeleted,   // the row that was at `row` left the view
        Reset,        // anything may have changed: re-read the row count and every row
    };
    Kind kind;
    int64_t row = -1;
    int field = -1;
};

// A saved position: the row as it was and where it was.
struct Bookmark {
    uint64_t ordinal = 0;
    Record row;
};

// A cursor over a table, whatever its file format. It shows a view of the table's rows (all of
// them, or those of the master's current row, or those the filter admits) in an index order,
// holds the record states browse, edit and insert, and runs the record events around every
// operation on the one user-interface thread.
//
// Operations run their events in this order:
//   Insert:  BeforeInsert, (link fields stamped), NewRecord, AfterInsert
//   Edit:    BeforeEdit, (row re-read), AfterEdit
//   Post:    BeforePost, write (on failure: post-error handlers, then the error), sync,
//            AfterPost
//   Delete:  BeforeDelete, delete, sync, AfterDelete
//   Cancel:  BeforeCancel, (buffer dropped), AfterCancel
// An exception from a Before... handler (or NewRecord) abandons the operation: nothing is
// written and the dataset keeps its state and buffer (with the user's values and whatever the
// handlers that ran before it set, such as a defaulted 0). Handlers of one event run in the order
// they were added, and the first that throws stops the rest. Observers are told of every change;
// see DatasetChange.
//
// Rows are read on demand: a table viewed whole in storage order (or a link over the first
// key fields, unsorted and unfiltered) is never loaded; other views hold the ordinals of their
// rows and, for an index order, their sort keys.
//
// Writes go straight to the file: after a successful Post or Delete the change is in the file
// (synced unless in bulk mode). Before writing, the dataset checks that the file was not changed
// by another program and that the row it is about to replace is still the one it read.
class Dataset {
public:
    // REQUIRES: table != nullptr.
    explicit Dataset(std::shared_ptr<Table> table, std::string name = {});
    ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    const std::string& Name() const { return m_name; }
    Table& GetTable() const { return *m_table; }
    const std::shared_ptr<Table>& SharedTable() const { return m_table; }

    // ---- Structure

    // Stored fields followed by calculated ones.
    const std::vector<FieldDef>& Fields() const { return m_fields; }
    int StoredFieldCount() const { return m_storedCount; }
    // Index of the field, ignoring ASCII case; -1 when there is none.
    int FindField(std::string_view name) const;
    // Like FindField but throws EngineError for an unknown name.
    int FieldIndex(std::string_view name) const;

    // Declares a field that is not stored but computed by the calculated-field handler each
    // time a row is fetched. REQUIRES: no field of that name yet.
    void AddCalculatedField(FieldDef field);
    // Computes the calculated fields of a row; it reads any field and sets calculated ones.
    void SetCalcFieldsHandler(std::function<void(RowView&)> handler);

    void SetFieldHooks(std::string_view field, FieldHooks hooks);
    void AddHandler(DatasetEvent event, std::function<void(Dataset&)> handler);
    // Runs when the table refuses a post (a duplicate key, a write error). A handler may throw
    // its own error (for example a report for the user) in place of the engine's.
    void AddPostErrorHandler(std::function<void(Dataset&, const EngineError&)> handler);
    // Whether insert, edit and delete are open to the user at all (a right of the session), so
    // a window can show their commands disabled; the Before... handlers still decide each
    // operation. Without a check they are open.
    void SetModifyCheck(std::function<bool()> check) { m_modifyCheck = std::move(check); }
    bool ModifyAllowed() const { return !m_modifyCheck || m_modifyCheck(); }

    // ---- View

    // Orders the rows by the fields of `fieldList` ("Nazwisko;Imie1;Imie2"): text in Polish
    // collation, other types by value, empty first; "" for storage order. Moves to the first
    // row. REQUIRES: every name is a stored field.
    void SetIndexFields(std::string_view fieldList);
    const std::vector<int>& IndexFields() const { return m_indexFields; }

    // Shows only the rows whose `detailFields` equal the `masterFields` of master's current
    // record (empty or no current record: no rows), follows the master as it moves, and stamps
    // new rows with the master's values. REQUIRES: same number of fields on both sides; master
    // outlives the link or is destroyed first (which ends it).
    void SetMasterLink(Dataset& master, std::string_view detailFields,
                       std::string_view masterFields);
    void ClearMasterLink();

    // Shows only rows for which `filter` returns true (calculated fields are set); nullptr
    // shows all. Moves to the first row. A filter that names the stored fields it reads
    // sees only those (no calculated fields), so building a view of wide rows stays cheap.
    void SetFilter(std::function<bool(const RowView&)> filter, std::vector<int> fieldsRead = {});

    // Re-reads the file (also after another program changed it), rebuilds the view and stays on
    // the current row when it still exists. Posts a pending edit first.
    void Refresh();

    // Views another file of the same structure (field names and types). Posts a pending edit
    // first; throws EngineError and keeps the old table when the structure differs.
    void Repoint(std::shared_ptr<Table> table);
    // Creates an empty table file with the structure of this one; the dataset does not move.
    std::unique_ptr<Table> CreateLike(const std::string& path);

    // ---- Cursor. Rows are numbered 0 .. RecordCount() - 1 in the view.

    int64_t RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    // The current row; -1 when the view is empty.
    int64_t RecNo() const { return m_pos; }
    // Ends of the view: First sets Bof, Last sets Eof, Next on the last row sets Eof, Prior on
    // the first sets Bof; both are true for an empty view.
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }

    // Navigation posts a pending edit of this dataset and of its details first; when that post
    // throws, the cursor does not move.
    void First();
    void Last();
    void Next();
    void Prior();
    // REQUIRES: 0 <= row < RecordCount().
    void MoveTo(int64_t row);

    // Reads a row of the view without moving the cursor (grids paint with it). A row past the
    // end of a view that went stale reads as all empty.
    RowView RowAt(int64_t row) const;

    // Key search on the index fields (or, with none, the table's key): positions on the first
    // row whose leading fields equal `key` (text compared ignoring case and foreign accents; an
    // exact match wins among such rows) and returns true; returns false and does not move when
    // there is none. Text typed for a non-text field is parsed.
    // REQUIRES: index fields set or a keyed table; key.size() <= number of those fields.
    bool FindKey(const Record& key);
    // Positions on the first row at or after `key`, whose last text value may be partial (the
    // first letters of a surname). Afterwards Eof() is true iff no such row exists (the cursor
    // is then on the last row).
    void FindNearest(const Record& key);

    Bookmark GetBookmark() const;
    // Moves to the bookmarked row; false (cursor unchanged) when it is gone from the view.
    bool GotoBookmark(const Bookmark& bookmark);

    // ---- Current record: the buffer in edit and insert state, else the current row.

    DatasetState State() const { return m_state; }
    bool Editing() const { return m_state != DatasetState::Browse; }
    // Empty values when there is no current record.
    const Value& Field(std::string_view name) const;
    const Value& Field(int index) const;
    std::string FieldText(std::string_view name) const;
    // The current record as a row (stored and calculated fields).
    RowView Current() const;

    // Stores a value after the validate hook accepts it, converted to the field's kind.
    // REQUIRES: Editing(); a stored field. Throws EngineError for a value of another kind.
    void SetField(std::string_view name, Value value);
    // Typed text through the set-text hook, or parsed by the field's type.
    void SetFieldText(std::string_view name, const std::string& text);

    // ---- Record operations

    // Starts a new record: the buffer is empty, then link fields are stamped and NewRecord
    // handlers fill defaults. The new record is not in the view until posted. Posts a pending
    // edit first. Throws EngineError for a read-only table.
    void Insert();
    // Starts editing the current row, re-read from the file. On an empty view starts an
    // Insert instead. Nothing to do when already editing.
    void Edit();
    // Writes the buffer (nothing to do in browse state). On success the state is browse and the
    // cursor is on the written row, or where it was when the row left the view. On failure the
    // state and buffer stay as they were; a duplicate key throws KeyViolation ("Key
    // violation."), a row changed meanwhile throws RecordChanged.
    void Post();
    // Drops the buffer and returns to browse (nothing to do in browse state).
    void Cancel();
    // Deletes the current row (in insert state: cancels). The cursor stays at the same
    // position. Throws EngineError on an empty view.
    void Delete();
    // Posts a pending edit, if any.
    void CheckBrowseMode();

    // Bulk mode: posts and deletes are not synced one by one; the outermost EndBulk syncs. When
    // that sync throws, bulk mode stays on and EndBulk may be called again.
    void BeginBulk();
    void EndBulk();

    // Calls `observer` after every change until the subscription ends.
    Subscription Observe(std::function<void(const DatasetChange&)> observer);
    // Calls `observer` once, when the dataset is being destroyed and still readable, so that
    // whatever follows it lets go first.
    Subscription ObserveEnd(std::function<void()> observer);

private:
    friend class RowView;

    enum class ViewKind { Whole, Range, Entries };
    struct Entry {
        std::string key;  // sort key; empty for a view in storage order
        uint64_t ordinal = 0;
    };
    struct Link {
        Dataset* master = nullptr;
        std::vector<int> detailFields;
        std::vector<int> masterFields;
        // The master's values the view was built for; none = no rows.
        std::optional<Record> values;
        bool dirty = false;  // the master moved while this dataset was editing
    };

    // Events and notifications.
    void Run(DatasetEvent event);
    void Notify(DatasetChange::Kind kind, int64_t row = -1, int field = -1);
    void SetState(DatasetState state);

    // Rows.
    Record ReadStored(uint64_t ordinal) const;
    Record WithCalculated(Record stored) const;
    void Calculate(Record& row) const;
    void FetchCurrent();
    void ClearCurrent();
    Record StoredPart(const Record& row) const;

    // View (dataset_view.cpp).
    void RebuildView();
    void UpdateScanFields();
    bool Admits(const RowView& row) const;
    bool LinkMatches(const Record& row) const;
    bool StorageOrderSuffices() const;
    bool LinkIsKeyPrefix() const;
    std::optional<std::pair<uint64_t, uint64_t>> LinkRange() const;
    std::string SortKey(const Record& row) const;
    std::string SearchKey(const Record& key, bool partialLast) const;
    uint64_t OrdinalAt(int64_t pos) const;
    std::optional<int64_t> PositionOf(uint64_t ordinal, const Record& row) const;
    // Applies a write to the view: the row that left ordinal `removed` and the row that arrived
    // at `added`; notifies and returns the arrived row's position when it is in the view.
    std::optional<int64_t> ApplyWrite(std::optional<uint64_t> removed, const Record* removedRow,
                                      std::optional<uint64_t> added);
    Record CoerceKey(const Record& key, const std::vector<int>& fields) const;
    const std::vector<int>& SearchFields() const;
    std::optional<int64_t> SearchPosition(const Record& key, bool partialLast, bool exact);

    // Freshness.
    bool ReloadIfChangedOutside();
    std::optional<uint64_t> Locate(const Record& stored, uint64_t hint, bool byKey);
    void NoteOwnWrite();

    // Cursor.
    void SetPosition(int64_t pos);
    void AfterViewRebuilt(const std::optional<Bookmark>& stay);
    void CheckBrowseModeTree();
    void UpdateDetails();
    void FollowMaster();
    std::optional<Record> MasterValues() const;
    void RequireWritable() const;

    std::string m_name;
    std::shared_ptr<Table> m_table;
    std::vector<FieldDef> m_fields;
    int m_storedCount = 0;
    std::unordered_map<std::string, int> m_fieldByName;  // lower-case ASCII names
    std::vector<FieldHooks> m_hooks;
    std::vector<std::vector<std::function<void(Dataset&)>>> m_handlers;
    std::vector<std::function<void(Dataset&, const EngineError&)>> m_postErrorHandlers;
    std::function<bool()> m_modifyCheck;
    std::function<void(RowView&)> m_calc;
    std::function<bool(const RowView&)> m_filter;
    // Fields a view rebuild decodes when the filter named its fields; empty: whole rows.
    std::vector<int> m_scanFields;
    std::vector<int> m_filterFields;

    std::vector<int> m_indexFields;
    bool m_sorted = false;  // the view is ordered by sort keys
    Link m_link;
    std::vector<Dataset*> m_details;

    ViewKind m_viewKind = ViewKind::Whole;
    uint64_t m_rangeBegin = 0, m_rangeEnd = 0;
    std::vector<Entry> m_entries;
    // The table's stamp after our last look; another value means a write we did not see.
    ChangeStamp m_seenStamp;
    bool m_stale = false;

    DatasetState m_state = DatasetState::Browse;
    int64_t m_pos = -1;
    bool m_bof = true, m_eof = true;
    std::optional<Record> m_current;  // the current row, stored and calculated fields
    uint64_t m_currentOrdinal = 0;
    Record m_buffer;    // edit and insert
    Record m_original;  // edit: the stored row as read when the edit began
    int m_bulkDepth = 0;

    ObserverList<DatasetChange> m_observers;
    struct Ending {};
    ObserverList<Ending> m_endObservers;
};

}  // namespace mirta::engine
