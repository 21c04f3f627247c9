#include "kit/dataset_model.h"

#include <QTimer>
#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <utility>

#include "kit/run_guarded.h"

namespace mirta::kit {

using engine::DatasetChange;

namespace {

struct Applying {
    explicit Applying(int& depth) : m_depth(depth) { ++m_depth; }
    ~Applying() { --m_depth; }
    int& m_depth;
};

QVariant LookData(const std::optional<QFont>& font, const std::optional<QColor>& background,
                  const std::optional<QColor>& foreground, int role) {
    if (role == Qt::FontRole && font)
        return *font;
    if (role == Qt::BackgroundRole && background)
        return *background;
    if (role == Qt::ForegroundRole && foreground)
        return *foreground;
    return {};
}

int ToRow(int64_t row) {
    return row < 0 || row > INT_MAX ? -1 : static_cast<int>(row);
}

}  // namespace

Column MakeColumn(std::string field, QString title, int width, Qt::Alignment alignment,
                  Qt::Alignment titleAlignment) {
    Column c;
    c.field = std::move(field);
    c.title = std::move(title);
    c.width = width;
    c.alignment = alignment;
    c.titleAlignment = titleAlignment;
    return c;
}

DatasetModel::DatasetModel(engine::Dataset& dataset, std::vector<Column> columns,
                           store::Dialogi& dialogi, QObject* parent)
    : QAbstractTableModel(parent),
      m_dataset(dataset),
      m_columns(std::move(columns)),
      m_dialogi(dialogi),
      m_rows(ToRow(dataset.RecordCount())) {
    for (const Column& c : m_columns) {
        m_fieldIndex.push_back(m_dataset.FindField(c.field));
        if (m_fieldIndex.back() < 0)
            qWarning("Kolumna bez pola: %s", c.field.c_str());
    }
    m_subscription = m_dataset.Observe([this](const DatasetChange& change) { Apply(change); });
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

// The dataset is always ahead of the model: during the begin.. signals of a change the views
// still number rows as before it, while the dataset already holds the changed view.
int DatasetModel::DatasetRow(int row) const {
    if (m_inserted >= 0) {
        if (row == m_inserted)
            return -1;
        if (row > m_inserted)
            --row;
    }
    switch (m_shift.kind) {
        case Shift::None:
            return row;
        case Shift::Inserted:
            return row < m_shift.a ? row : row + 1;
        case Shift::Removed:
            return row < m_shift.a ? row : row == m_shift.a ? -1 : row - 1;
        case Shift::Moved: {
            if (row == m_shift.a)
                return m_shift.b;
            const int afterRemoval = row < m_shift.a ? row : row - 1;
            return afterRemoval < m_shift.b ? afterRemoval : afterRemoval + 1;
        }
    }
    return row;
}

int DatasetModel::DatasetRowOf(int modelRow) const {
    return DatasetRow(modelRow);
}

int DatasetModel::CurrentRow() const {
    if (m_inserted >= 0)
        return m_inserted;
    const int row = ToRow(m_dataset.RecNo());
    return row >= 0 && row < m_rows ? row : -1;
}

QString DatasetModel::CellText(int modelRow, int column) const {
    const int field = m_fieldIndex[column];
    if (field < 0)
        return {};
    const std::string& name = m_columns[column].field;
    if (modelRow == m_inserted)
        return m_dataset.State() == engine::DatasetState::Insert
                   ? QString::fromStdString(m_dataset.FieldText(name))
                   : QString();
    const int row = DatasetRow(modelRow);
    if (row < 0 || row >= m_dataset.RecordCount())
        return {};
    if (m_dataset.State() == engine::DatasetState::Edit && row == m_dataset.RecNo())
        return QString::fromStdString(m_dataset.FieldText(name));
    if (m_cachedRow != row || !m_cached) {
        m_cached.reset();
        m_cached.emplace(m_dataset.RowAt(row));
        m_cachedRow = row;
    }
    return QString::fromStdString(m_cached->Text(name));
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // A paint is no user operation: a failing get-text hook shows an empty cell.
            try {
                return CellText(index.row(), index.column());
            } catch (const std::exception& e) {
                qWarning("Komórka nie została odczytana: %s", e.what());
                return QString();
            }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(m_columns[index.column()].alignment);
        default:
            return LookData(m_columns[index.column()].font, m_columns[index.column()].background,
                            m_columns[index.column()].foreground, role);
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[section].titleAlignment);
    const Column& c = m_columns[section];
    return LookData(c.titleFont, c.titleBackground, c.titleForeground, role);
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !m_readOnly && !m_columns[index.column()].readOnly &&
        m_fieldIndex[index.column()] >= 0 &&
        m_fieldIndex[index.column()] < m_dataset.StoredFieldCount() &&
        !m_dataset.GetTable().ReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::string& field = m_columns[index.column()].field;
    const std::string text = value.toString().toStdString();
    const int row = DatasetRow(index.row());
    return RunGuarded(m_dialogi, [&] {
        if (row >= 0 && m_dataset.RecNo() != row)
            m_dataset.MoveTo(row);
        m_dataset.Edit();
        m_dataset.SetFieldText(field, text);
    });
}

void DatasetModel::RowDataChanged(int row) {
    if (row >= 0 && row < m_rows && !m_columns.empty())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DatasetModel::FlushPendingRemoval() {
    if (m_pendingRemoval < 0)
        return;
    const int row = std::exchange(m_pendingRemoval, -1);
    const Applying applying(m_applying);
    beginRemoveRows({}, row, row);
    --m_rows;
    m_shift = {};
    endRemoveRows();
}

// The dataset reports a row that moved (a changed sort key) as a removal and an insertion, both
// after the move. Until the insertion arrives the views would read the moved row's neighbours
// under shifted numbers, so a removal waits for the next change and becomes a move when that
// is the insertion.
bool DatasetModel::ShowInsertedRow() {
    if (m_inserted >= 0 || m_dataset.State() != engine::DatasetState::Insert)
        return false;
    const int at = std::clamp(ToRow(m_dataset.RecNo()), 0, m_rows);
    beginInsertRows({}, at, at);
    m_inserted = at;
    ++m_rows;
    endInsertRows();
    return true;
}

// `realRow`: the posted record's row, already in the dataset, takes the inserted row's place.
// Until the model has taken it in, the views number the rows without it.
bool DatasetModel::DropInsertedRow(int realRow) {
    if (m_inserted < 0)
        return false;
    const int at = m_inserted;
    if (realRow == at) {
        m_inserted = -1;
        RowDataChanged(at);
        return true;
    }
    if (realRow >= 0)
        m_shift = {Shift::Inserted, realRow, -1};
    beginRemoveRows({}, at, at);
    m_inserted = -1;
    --m_rows;
    endRemoveRows();
    if (realRow >= 0 && realRow <= m_rows) {
        beginInsertRows({}, realRow, realRow);
        ++m_rows;
        m_shift = {};
        endInsertRows();
    }
    m_shift = {};
    return true;
}

void DatasetModel::Apply(const DatasetChange& change) {
    const Applying applying(m_applying);
    m_cached.reset();
    m_cachedRow = -1;
    const bool inserting = m_dataset.State() == engine::DatasetState::Insert;
    if (m_inserted >= 0 && change.kind == DatasetChange::Kind::RowInserted) {
        // The posted record: its row replaces the inserted one.
        FlushPendingRemoval();
        DropInsertedRow(ToRow(change.row));
        emit cursorMoved(CurrentRow());
        return;
    }
    if (change.kind == DatasetChange::Kind::Reset) {
        m_inserted = -1;
    } else if (m_inserted >= 0 && !inserting) {
        DropInsertedRow();
    }
    ApplyChange(change);
    if (inserting && change.kind != DatasetChange::Kind::Reset && ShowInsertedRow())
        emit cursorMoved(CurrentRow());
}

void DatasetModel::ApplyChange(const DatasetChange& change) {
    const int row = ToRow(change.row);
    if (change.kind == DatasetChange::Kind::RowInserted && m_pendingRemoval >= 0) {
        const int from = std::exchange(m_pendingRemoval, -1);
        m_shift = {};
        if (row == from) {
            RowDataChanged(row);
        } else if (row >= 0 && row < m_rows) {
            m_shift = {Shift::Moved, from, row};
            beginMoveRows({}, from, from, {}, row > from ? row + 1 : row);
            m_shift = {};
            endMoveRows();
        } else {
            beginResetModel();
            m_rows = ToRow(m_dataset.RecordCount());
            endResetModel();
        }
        emit cursorMoved(CurrentRow());
        return;
    }
    FlushPendingRemoval();
    switch (change.kind) {
        case DatasetChange::Kind::RowInserted:
            if (row < 0 || row > m_rows)
                break;
            m_shift = {Shift::Inserted, row, -1};
            beginInsertRows({}, row, row);
            ++m_rows;
            m_shift = {};
            endInsertRows();
            break;
        case DatasetChange::Kind::RowDeleted:
            if (row < 0 || row >= m_rows)
                break;
            m_pendingRemoval = row;
            m_shift = {Shift::Removed, row, -1};
            // Every write ends with more notifications; this only guards against one that
            // does not.
            QTimer::singleShot(0, this, [this] {
                FlushPendingRemoval();
                emit cursorMoved(CurrentRow());
            });
            return;
        case DatasetChange::Kind::RowChanged:
            RowDataChanged(row);
            return;
        case DatasetChange::Kind::Field:
        case DatasetChange::Kind::State:
            // Calculated fields may follow any field, so the whole row is repainted.
            RowDataChanged(CurrentRow());
            return;
        case DatasetChange::Kind::Scrolled:
            RowDataChanged(CurrentRow());
            break;
        case DatasetChange::Kind::Reset:
            beginResetModel();
            m_rows = ToRow(m_dataset.RecordCount());
            endResetModel();
            break;
    }
    emit cursorMoved(CurrentRow());
}

}  // namespace mirta::kit
