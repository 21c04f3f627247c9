#include "engine/dataset.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

#include "engine/field_text.h"

namespace mirta::engine {

namespace {

constexpr int kEventCount = static_cast<int>(DatasetEvent::AfterCancel) + 1;

const Value& NullValue() {
    static const Value kNull;
    return kNull;
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool SameStructure(const std::vector<FieldDef>& a, const std::vector<FieldDef>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || LowerAscii(a[i].name) != LowerAscii(b[i].name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

RecordChanged::RecordChanged(const std::string& file)
    : EngineError(
          "Rekord został zmieniony lub usunięty przez inny program albo w innym oknie. "
          "Anuluj zmiany, odśwież dane i wprowadź je ponownie.",
          file, "write") {}

// ---- RowView

const Value& RowView::operator[](std::string_view field) const {
    return m_values.at(m_dataset->FieldIndex(field));
}

std::string RowView::Text(std::string_view field) const {
    const int i = m_dataset->FieldIndex(field);
    const FieldHooks& hooks = m_dataset->m_hooks[i];
    if (hooks.getText)
        return hooks.getText(*this, m_values.at(i));
    return FormatFieldValue(m_dataset->m_fields[i], m_values.at(i));
}

void RowView::Set(std::string_view field, Value value) {
    const int i = m_dataset->FieldIndex(field);
    if (i < m_dataset->StoredFieldCount()) {
        throw EngineError("Pole " + std::string(field) + " nie jest polem wyliczanym",
                          m_dataset->GetTable().Path(), "calculate");
    }
    m_values.at(i) = std::move(value);
}

// ---- Construction and structure

Dataset::Dataset(std::shared_ptr<Table> table, std::string name)
    : m_name(std::move(name)), m_table(std::move(table)) {
    assert(m_table);
    m_fields = m_table->Fields();
    m_storedCount = static_cast<int>(m_fields.size());
    for (int i = 0; i < m_storedCount; ++i)
        m_fieldByName.emplace(LowerAscii(m_fields[i].name), i);
    m_hooks.resize(m_fields.size());
    m_handlers.resize(kEventCount);
    RebuildView();
    SetPosition(0);
    m_bof = true;
    m_eof = IsEmpty();
}

Dataset::~Dataset() {
    m_endObservers.Notify({});
    if (m_link.master)
        std::erase(m_link.master->m_details, this);
    for (Dataset* detail : m_details)
        detail->m_link = Link{};
}

int Dataset::FindField(std::string_view name) const {
    auto it = m_fieldByName.find(LowerAscii(name));
    return it == m_fieldByName.end() ? -1 : it->second;
}

int Dataset::FieldIndex(std::string_view name) const {
    const int i = FindField(name);
    if (i < 0) {
        throw EngineError("Nie ma pola " + std::string(name) + " w tabeli " + m_table->Path(),
                          m_table->Path(), "field");
    }
    return i;
}

void Dataset::AddCalculatedField(FieldDef field) {
    if (FindField(field.name) >= 0) {
        throw std::logic_error("duplicate field " + field.name);
    }
    m_fieldByName.emplace(LowerAscii(field.name), static_cast<int>(m_fields.size()));
    m_fields.push_back(std::move(field));
    m_hooks.emplace_back();
    if (m_current) {
        m_current->resize(m_fields.size());
        Calculate(*m_current);
    }
    if (Editing()) {
        m_buffer.resize(m_fields.size());
        Calculate(m_buffer);
    }
}

void Dataset::SetCalcFieldsHandler(std::function<void(RowView&)> handler) {
    m_calc = std::move(handler);
    if (m_current)
        Calculate(*m_current);
    if (Editing())
        Calculate(m_buffer);
}

void Dataset::SetFieldHooks(std::string_view field, FieldHooks hooks) {
    m_hooks[FieldIndex(field)] = std::move(hooks);
}

void Dataset::AddHandler(DatasetEvent event, std::function<void(Dataset&)> handler) {
    m_handlers[static_cast<int>(event)].push_back(std::move(handler));
}

void Dataset::AddPostErrorHandler(std::function<void(Dataset&, const EngineError&)> handler) {
    m_postErrorHandlers.push_back(std::move(handler));
}

Subscription Dataset::Observe(std::function<void(const DatasetChange&)> observer) {
    return m_observers.Add(std::move(observer));
}

Subscription Dataset::ObserveEnd(std::function<void()> observer) {
    return m_endObservers.Add([o = std::move(observer)](const Ending&) { o(); });
}

void Dataset::Run(DatasetEvent event) {
    const auto& handlers = m_handlers[static_cast<int>(event)];
    for (size_t i = 0; i < handlers.size(); ++i)
        handlers[i](*this);
}

void Dataset::Notify(DatasetChange::Kind kind, int64_t row, int field) {
    m_observers.Notify(DatasetChange{kind, row, field});
}

void Dataset::SetState(DatasetState state) {
    if (m_state == state)
        return;
    m_state = state;
    Notify(DatasetChange::Kind::State);
}

// ---- Rows

Record Dataset::ReadStored(uint64_t ordinal) const {
    return m_table->ReadRow(ordinal);
}

Record Dataset::WithCalculated(Record stored) const {
    stored.resize(m_fields.size());
    Calculate(stored);
    return stored;
}

void Dataset::Calculate(Record& row) const {
    if (!m_calc || static_cast<int>(m_fields.size()) == m_storedCount)
        return;
    for (size_t i = m_storedCount; i < row.size(); ++i)
        row[i] = Value();
    RowView view(*this, std::move(row));
    m_calc(view);
    row = std::move(view.m_values);
}

Record Dataset::StoredPart(const Record& row) const {
    return Record(row.begin(), row.begin() + std::min<size_t>(row.size(), m_storedCount));
}

void Dataset::ClearCurrent() {
    m_current.reset();
    m_currentOrdinal = 0;
}

void Dataset::FetchCurrent() {
    if (m_pos < 0) {
        ClearCurrent();
        return;
    }
    const uint64_t ordinal = OrdinalAt(m_pos);
    if (ordinal >= m_table->RowCount()) {
        ClearCurrent();
        return;
    }
    m_current = WithCalculated(ReadStored(ordinal));
    m_currentOrdinal = ordinal;
}

RowView Dataset::RowAt(int64_t row) const {
    if (row >= 0 && row < RecordCount()) {
        const uint64_t ordinal = OrdinalAt(row);
        if (ordinal < m_table->RowCount()) {
            return RowView(*this, WithCalculated(ReadStored(ordinal)));
        }
    }
    return RowView(*this, Record(m_fields.size()));
}

RowView Dataset::Current() const {
    if (Editing())
        return RowView(*this, m_buffer);
    return RowView(*this, m_current.value_or(Record(m_fields.size())));
}

const Value& Dataset::Field(int index) const {
    if (Editing())
        return m_buffer.at(index);
    if (!m_current)
        return NullValue();
    return m_current->at(index);
}

const Value& Dataset::Field(std::string_view name) const {
    return Field(FieldIndex(name));
}

std::string Dataset::FieldText(std::string_view name) const {
    const int i = FieldIndex(name);
    if (m_hooks[i].getText)
        return m_hooks[i].getText(Current(), Field(i));
    return FormatFieldValue(m_fields[i], Field(i));
}

void Dataset::SetField(std::string_view name, Value value) {
    const int i = FieldIndex(name);
    if (!Editing()) {
        throw EngineError("Tabela " + m_table->Path() + " nie jest w trybie edycji ani dopisywania",
                          m_table->Path(), "set field");
    }
    if (i >= m_storedCount || m_fields[i].type == FieldType::AutoInc) {
        throw EngineError("Pole " + m_fields[i].name + " jest tylko do odczytu", m_table->Path(),
                          "set field");
    }
    Value stored = CoerceToField(m_fields[i], value);
    if (m_hooks[i].validate)
        m_hooks[i].validate(*this, stored);
    m_buffer[i] = std::move(stored);
    Calculate(m_buffer);
    Notify(DatasetChange::Kind::Field, m_pos, i);
    UpdateDetails();
}

void Dataset::SetFieldText(std::string_view name, const std::string& text) {
    const int i = FieldIndex(name);
    if (m_hooks[i].setText) {
        m_hooks[i].setText(*this, text);
    } else {
        SetField(name, ParseFieldText(m_fields[i], text));
    }
}

// ---- Cursor

int64_t Dataset::RecordCount() const {
    switch (m_viewKind) {
        case ViewKind::Whole:
            return static_cast<int64_t>(m_table->RowCount());
        case ViewKind::Range:
            return static_cast<int64_t>(m_rangeEnd - m_rangeBegin);
        case ViewKind::Entries:
            return static_cast<int64_t>(m_entries.size());
    }
    return 0;
}

void Dataset::SetPosition(int64_t pos) {
    const int64_t n = RecordCount();
    if (n == 0) {
        m_pos = -1;
        m_bof = m_eof = true;
    } else {
        m_pos = std::clamp<int64_t>(pos, 0, n - 1);
    }
    FetchCurrent();
}

void Dataset::First() {
    CheckBrowseModeTree();
    SetPosition(0);
    m_bof = true;
    m_eof = IsEmpty();
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

void Dataset::Last() {
    CheckBrowseModeTree();
    SetPosition(RecordCount() - 1);
    m_eof = true;
    m_bof = IsEmpty();
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

void Dataset::Next() {
    CheckBrowseModeTree();
    if (m_pos + 1 >= RecordCount()) {
        m_eof = true;
        m_bof = m_bof || IsEmpty();
        return;
    }
    SetPosition(m_pos + 1);
    m_bof = m_eof = false;
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

void Dataset::Prior() {
    CheckBrowseModeTree();
    if (m_pos <= 0) {
        m_bof = true;
        m_eof = m_eof || IsEmpty();
        return;
    }
    SetPosition(m_pos - 1);
    m_bof = m_eof = false;
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

void Dataset::MoveTo(int64_t row) {
    CheckBrowseModeTree();
    SetPosition(row);
    m_bof = m_eof = IsEmpty();
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

bool Dataset::FindKey(const Record& key) {
    CheckBrowseModeTree();
    const auto pos = SearchPosition(key, false, true);
    if (!pos)
        return false;
    SetPosition(*pos);
    m_bof = m_eof = false;
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
    return true;
}

void Dataset::FindNearest(const Record& key) {
    CheckBrowseModeTree();
    const int64_t pos = *SearchPosition(key, true, false);
    const int64_t n = RecordCount();
    SetPosition(pos);
    m_eof = pos >= n;
    m_bof = n == 0;
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

Bookmark Dataset::GetBookmark() const {
    if (!m_current)
        return {};
    return Bookmark{m_currentOrdinal, StoredPart(*m_current)};
}

bool Dataset::GotoBookmark(const Bookmark& bookmark) {
    if (bookmark.row.empty())
        return false;
    CheckBrowseModeTree();
    const auto ordinal = Locate(bookmark.row, bookmark.ordinal, true);
    if (!ordinal)
        return false;
    const auto pos = PositionOf(*ordinal, ReadStored(*ordinal));
    if (!pos)
        return false;
    SetPosition(*pos);
    m_bof = m_eof = false;
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
    return true;
}

// ---- View changes

void Dataset::SetIndexFields(std::string_view fieldList) {
    std::vector<int> fields;
    size_t start = 0;
    while (start <= fieldList.size() && !fieldList.empty()) {
        size_t end = fieldList.find(';', start);
        if (end == std::string_view::npos)
            end = fieldList.size();
        std::string_view name = fieldList.substr(start, end - start);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        if (!name.empty()) {
            const int i = FieldIndex(name);
            if (i >= m_storedCount)
                throw std::logic_error("index on a calculated field");
            fields.push_back(i);
        }
        start = end + 1;
    }
    CheckBrowseModeTree();
    m_indexFields = std::move(fields);
    UpdateScanFields();
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

void Dataset::UpdateScanFields() {
    m_scanFields.clear();
    if (m_filterFields.empty())
        return;
    m_scanFields = m_filterFields;
    m_scanFields.insert(m_scanFields.end(), m_indexFields.begin(), m_indexFields.end());
    std::sort(m_scanFields.begin(), m_scanFields.end());
    m_scanFields.erase(std::unique(m_scanFields.begin(), m_scanFields.end()), m_scanFields.end());
}

void Dataset::SetFilter(std::function<bool(const RowView&)> filter, std::vector<int> fieldsRead) {
    CheckBrowseModeTree();
    m_filter = std::move(filter);
    m_filterFields = m_filter ? std::move(fieldsRead) : std::vector<int>();
    UpdateScanFields();
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

void Dataset::SetMasterLink(Dataset& master, std::string_view detailFields,
                            std::string_view masterFields) {
    auto parse = [](const Dataset& ds, std::string_view list) {
        std::vector<int> out;
        size_t start = 0;
        while (start < list.size()) {
            size_t end = list.find(';', start);
            if (end == std::string_view::npos)
                end = list.size();
            out.push_back(ds.FieldIndex(list.substr(start, end - start)));
            start = end + 1;
        }
        return out;
    };
    std::vector<int> detail = parse(*this, detailFields);
    std::vector<int> masterIdx = parse(master, masterFields);
    if (detail.empty() || detail.size() != masterIdx.size()) {
        throw std::logic_error("master link fields do not pair up");
    }
    CheckBrowseModeTree();
    ClearMasterLink();
    m_link.master = &master;
    m_link.detailFields = std::move(detail);
    m_link.masterFields = std::move(masterIdx);
    m_link.values = MasterValues();
    master.m_details.push_back(this);
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

void Dataset::ClearMasterLink() {
    if (!m_link.master)
        return;
    std::erase(m_link.master->m_details, this);
    m_link = Link{};
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

void Dataset::Refresh() {
    CheckBrowseModeTree();
    ReloadIfChangedOutside();
    std::optional<Bookmark> here;
    if (m_current)
        here = GetBookmark();
    RebuildView();
    AfterViewRebuilt(here);
}

void Dataset::AfterViewRebuilt(const std::optional<Bookmark>& stay) {
    std::optional<int64_t> pos;
    if (stay) {
        if (auto ordinal = Locate(stay->row, stay->ordinal, true)) {
            pos = PositionOf(*ordinal, ReadStored(*ordinal));
        }
    }
    SetPosition(pos.value_or(stay ? m_pos : 0));
    m_bof = !stay || IsEmpty();
    m_eof = IsEmpty();
    Notify(DatasetChange::Kind::Reset);
    Notify(DatasetChange::Kind::Scrolled, m_pos);
    UpdateDetails();
}

void Dataset::Repoint(std::shared_ptr<Table> table) {
    assert(table);
    CheckBrowseModeTree();
    if (!SameStructure(table->Fields(), m_table->Fields())) {
        throw EngineError("Tabela " + table->Path() + " ma inną strukturę niż " + m_table->Path(),
                          table->Path(), "open");
    }
    m_table = std::move(table);
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

std::unique_ptr<Table> Dataset::CreateLike(const std::string& path) {
    return m_table->CreateLike(path);
}

// ---- Master and details

std::optional<Record> Dataset::MasterValues() const {
    const Dataset& master = *m_link.master;
    const Record* source = master.Editing()   ? &master.m_buffer
                           : master.m_current ? &*master.m_current
                                              : nullptr;
    if (!source)
        return std::nullopt;
    Record values;
    for (size_t i = 0; i < m_link.masterFields.size(); ++i) {
        const Value& v = (*source)[m_link.masterFields[i]];
        if (v.IsNull())
            return std::nullopt;
        values.push_back(v);
    }
    return values;
}

void Dataset::UpdateDetails() {
    const std::vector<Dataset*> details = m_details;
    for (Dataset* detail : details)
        detail->FollowMaster();
}

void Dataset::FollowMaster() {
    if (!m_link.master)
        return;
    auto values = MasterValues();
    auto same = [](const std::optional<Record>& a, const std::optional<Record>& b) {
        if (a.has_value() != b.has_value())
            return false;
        if (!a)
            return true;
        return std::equal(a->begin(), a->end(), b->begin(), b->end(), SameValue);
    };
    if (same(values, m_link.values)) {
        m_link.dirty = false;
        return;
    }
    // An edit in progress keeps its row; the view follows once it is posted or cancelled.
    if (Editing()) {
        m_link.dirty = true;
        return;
    }
    m_link.dirty = false;
    m_link.values = std::move(values);
    RebuildView();
    AfterViewRebuilt(std::nullopt);
}

void Dataset::CheckBrowseModeTree() {
    const std::vector<Dataset*> details = m_details;
    for (Dataset* detail : details)
        detail->CheckBrowseModeTree();
    CheckBrowseMode();
}

void Dataset::CheckBrowseMode() {
    if (Editing())
        Post();
}

}  // namespace mirta::engine
