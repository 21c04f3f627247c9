// Record operations of the dataset: insert, edit, post, cancel, delete, and the checks that keep
// them from writing over rows changed meanwhile.

#include <cassert>

#include "engine/dataset.h"
#include "engine/field_text.h"

namespace mirta::engine {

// ---- Record operations

void Dataset::RequireWritable() const {
    if (m_table->ReadOnly()) {
        throw EngineError("Tabela " + m_table->Path() + " jest tylko do odczytu", m_table->Path(),
                          "write");
    }
}

void Dataset::Insert() {
    RequireWritable();
    CheckBrowseModeTree();
    Run(DatasetEvent::BeforeInsert);
    Record buffer(m_fields.size());
    if (m_link.master && m_link.values) {
        for (size_t i = 0; i < m_link.detailFields.size(); ++i) {
            const int f = m_link.detailFields[i];
            buffer[f] = CoerceToField(m_fields[f], (*m_link.values)[i]);
        }
    }
    m_buffer = std::move(buffer);
    m_original.clear();
    SetState(DatasetState::Insert);
    try {
        Run(DatasetEvent::NewRecord);
    } catch (...) {
        m_buffer.clear();
        SetState(DatasetState::Browse);
        throw;
    }
    Calculate(m_buffer);
    UpdateDetails();
    Run(DatasetEvent::AfterInsert);
}

void Dataset::Edit() {
    if (Editing())
        return;
    if (IsEmpty()) {
        Insert();
        return;
    }
    RequireWritable();
    Run(DatasetEvent::BeforeEdit);
    // Edit what the file holds now, not what was read earlier: another program or another
    // dataset on this table may have changed or moved the row.
    const bool reloaded = ReloadIfChangedOutside();
    const Record shown = m_current ? StoredPart(*m_current) : Record();
    std::optional<uint64_t> ordinal;
    if (!shown.empty())
        ordinal = Locate(shown, m_currentOrdinal, m_table->KeyFieldCount() > 0);
    if (!ordinal) {
        const std::optional<Bookmark> here = GetBookmark();
        RebuildView();
        AfterViewRebuilt(here);
        throw RecordChanged(m_table->Path());
    }
    Record fresh = ReadStored(*ordinal);
    if (reloaded || m_stale || *ordinal != m_currentOrdinal) {
        RebuildView();
        SetPosition(PositionOf(*ordinal, fresh).value_or(m_pos));
        Notify(DatasetChange::Kind::Reset);
    } else if (fresh != shown) {
        FetchCurrent();
        Notify(DatasetChange::Kind::RowChanged, m_pos);
    }
    m_currentOrdinal = *ordinal;
    m_original = fresh;
    m_buffer = WithCalculated(std::move(fresh));
    SetState(DatasetState::Edit);
    Run(DatasetEvent::AfterEdit);
}

void Dataset::Post() {
    if (!Editing())
        return;
    Run(DatasetEvent::BeforePost);
    const Record row = StoredPart(m_buffer);
    std::optional<uint64_t> removed;
    uint64_t added = 0;
    try {
        ReloadIfChangedOutside();
        if (m_state == DatasetState::Insert) {
            added = m_table->Insert(row);
        } else {
            removed = Locate(m_original, m_currentOrdinal, false);
            if (!removed)
                throw RecordChanged(m_table->Path());
            if (*removed != m_currentOrdinal)
                m_stale = true;
            added = m_table->Update(*removed, row);
        }
    } catch (const EngineError& error) {
        for (auto& handler : m_postErrorHandlers)
            handler(*this, error);
        throw;
    }
    const Record original = std::move(m_original);
    m_buffer.clear();
    m_original.clear();
    std::optional<int64_t> pos;
    if (m_stale) {
        RebuildView();
        pos = PositionOf(added, ReadStored(added));
        Notify(DatasetChange::Kind::Reset);
    } else {
        pos = ApplyWrite(removed, removed ? &original : nullptr, added);
        NoteOwnWrite();
    }
    m_state = DatasetState::Browse;
    SetPosition(pos.value_or(m_pos));
    m_bof = m_eof = IsEmpty();
    Notify(DatasetChange::Kind::State);
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    if (m_bulkDepth == 0)
        m_table->Sync();
    if (m_link.dirty)
        FollowMaster();
    UpdateDetails();
    Run(DatasetEvent::AfterPost);
}

void Dataset::Cancel() {
    if (!Editing())
        return;
    Run(DatasetEvent::BeforeCancel);
    m_buffer.clear();
    m_original.clear();
    m_state = DatasetState::Browse;
    SetPosition(m_pos);
    Notify(DatasetChange::Kind::State);
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    if (m_link.dirty)
        FollowMaster();
    UpdateDetails();
    Run(DatasetEvent::AfterCancel);
}

void Dataset::Delete() {
    if (m_state == DatasetState::Insert) {
        Cancel();
        return;
    }
    if (!m_current) {
        throw EngineError("Brak rekordu do usunięcia", m_table->Path(), "delete");
    }
    RequireWritable();
    Run(DatasetEvent::BeforeDelete);
    const Record target = m_state == DatasetState::Edit ? m_original : StoredPart(*m_current);
    ReloadIfChangedOutside();
    const auto ordinal = Locate(target, m_currentOrdinal, false);
    if (!ordinal)
        throw RecordChanged(m_table->Path());
    if (*ordinal != m_currentOrdinal)
        m_stale = true;
    m_table->Delete(*ordinal);
    const bool wasEditing = Editing();
    m_buffer.clear();
    m_original.clear();
    m_state = DatasetState::Browse;
    if (m_stale) {
        RebuildView();
        Notify(DatasetChange::Kind::Reset);
    } else {
        ApplyWrite(*ordinal, &target, std::nullopt);
        NoteOwnWrite();
    }
    SetPosition(m_pos);
    m_bof = m_eof = IsEmpty();
    if (wasEditing)
        Notify(DatasetChange::Kind::State);
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    if (m_bulkDepth == 0)
        m_table->Sync();
    UpdateDetails();
    Run(DatasetEvent::AfterDelete);
}

void Dataset::BeginBulk() {
    if (m_bulkDepth++ == 0)
        m_table->BeginBulk();
}

void Dataset::EndBulk() {
    assert(m_bulkDepth > 0);
    // A failed final sync leaves the dataset in bulk mode, so the caller can retry.
    if (m_bulkDepth == 1)
        m_table->EndBulk();
    --m_bulkDepth;
}

// ---- Freshness

bool Dataset::ReloadIfChangedOutside() {
    // In bulk mode the table holds its write lock and its stamp lags behind our own writes.
    if (m_bulkDepth > 0)
        return false;
    if (m_table->CurrentStamp() == m_table->LastStamp()) {
        // Another dataset sharing the table object wrote: our ordinals may be off.
        if (m_table->LastStamp() != m_seenStamp)
            m_stale = true;
        return false;
    }
    m_table->Reload();
    m_stale = true;
    return true;
}

void Dataset::NoteOwnWrite() {
    m_seenStamp = m_table->LastStamp();
}

std::optional<uint64_t> Dataset::Locate(const Record& stored, uint64_t hint, bool byKey) {
    const uint64_t count = m_table->RowCount();
    const size_t keyFields = static_cast<size_t>(m_table->KeyFieldCount());
    auto matches = [&](uint64_t ordinal) {
        const Record row = ReadStored(ordinal);
        if (!byKey || keyFields == 0)
            return row == stored;
        return std::equal(row.begin(), row.begin() + keyFields, stored.begin(), SameValue);
    };
    if (hint < count && matches(hint))
        return hint;
    if (keyFields > 0) {
        const uint64_t at = m_table->LowerBound(Record(stored.begin(), stored.begin() + keyFields));
        if (at < count && matches(at))
            return at;
        return std::nullopt;
    }
    for (uint64_t ordinal = 0; ordinal < count; ++ordinal) {
        if (ReadStored(ordinal) == stored)
            return ordinal;
    }
    return std::nullopt;
}

}  // namespace mirta::engine
