#include "kit/db_grid.h"

#include <algorithm>

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

namespace mirta::kit {

DbGrid::DbGrid(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void DbGrid::SetColumns(std::vector<Column> columns) {
    const bool attached = IsAttached();
    Detach();
    m_columns = std::move(columns);
    if (attached)
        Attach();
}

std::vector<Column> DbGrid::Columns() const {
    std::vector<Column> columns = m_columns;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (m_model)
            columns[c].width = columnWidth(static_cast<int>(c));
        if (columns[c].width <= 0)
            columns[c].width = horizontalHeader()->defaultSectionSize();
    }
    return columns;
}

void DbGrid::SetColumn(int index, Column column) {
    std::vector<Column> columns = Columns();
    columns.at(static_cast<size_t>(index)) = std::move(column);
    SetColumns(std::move(columns));
}

// Widths the user dragged outlive the model, which goes when the grid detaches.
void DbGrid::KeepWidths() {
    if (!m_model)
        return;
    for (size_t c = 0; c < m_columns.size(); ++c)
        m_columns[c].width = columnWidth(static_cast<int>(c));
}

void DbGrid::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    // A list that is only read lets Tab go on to the next control instead of trapping it
    // between its cells.
    setTabKeyNavigation(!readOnly);
    if (m_model)
        m_model->SetReadOnly(readOnly);
    ApplyEditing();
}

void DbGrid::Attached() {
    m_model = std::make_unique<DatasetModel>(Source()->dataset(), m_columns, Source()->dialogi());
    m_model->SetReadOnly(m_readOnly);
    connect(m_model.get(), &DatasetModel::cursorMoved, this, &DbGrid::SyncToCursor);
    setModel(m_model.get());
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].width > 0)
            setColumnWidth(static_cast<int>(c), m_columns[c].width);
}

void DbGrid::Detached() {
    KeepWidths();
    setModel(nullptr);
    m_model.reset();
}

// A cell being typed into is stored with the record's other pending text; otherwise its editor
// would write it later, when it loses focus, after the record was posted or dropped.
bool DbGrid::Flush() {
    if (state() != QAbstractItemView::EditingState)
        return true;
    for (QObject* o : viewport()->children()) {
        auto* editor = qobject_cast<QWidget*>(o);
        if (editor && editor->isVisible()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
            break;
        }
    }
    return true;
}

void DbGrid::Refresh() {
    ApplyEditing();
    SyncToCursor();
}

void DbGrid::Changed(const engine::DatasetChange& change) {
    if (change.kind == engine::DatasetChange::Kind::State)
        ApplyEditing();
}

void DbGrid::ApplyEditing() {
    const bool editable = IsAttached() && !m_readOnly && Source()->ControlsEnabled();
    setEditTriggers(editable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void DbGrid::SyncToCursor() {
    if (!m_model)
        return;
    const int row = m_model->CurrentRow();
    m_syncing = true;
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clearSelection();
        setCurrentIndex({});
    } else if (currentIndex().row() != row) {
        const int column = std::max(currentIndex().column(), 0);
        setCurrentIndex(m_model->index(row, column));
        scrollTo(currentIndex());
    }
    m_syncing = false;
}

// The user moved the grid: move the cursor there, or, when the dataset refuses (a pending edit
// that does not post), put the grid back on the cursor's row.
void DbGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (m_syncing || !m_model || m_model->IsApplyingChange() || !current.isValid() ||
        current.row() == m_model->CurrentRow())
        return;
    // Leaving the inserted row posts it first, as moving the cursor does.
    const int row = m_model->DatasetRowOf(current.row());
    if (row < 0 || !Source()->Run([row](engine::Dataset& ds) {
            int64_t target = row;
            if (ds.State() == engine::DatasetState::Insert) {
                // The posted record takes a row of its own, which may push the target down.
                ds.Post();
                if (ds.RecNo() <= target)
                    ++target;
            }
            ds.MoveTo(std::min(target, ds.RecordCount() - 1));
        }))
        SyncToCursor();
}

QString DbGrid::CutText(const QModelIndex& index) const {
    if (!index.isValid() || !model())
        return {};
    const QString text = model()->data(index, Qt::DisplayRole).toString();
    // The cell's text keeps the focus frame's margin plus one pixel on each side.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = visualRect(index).width() - 2 * margin;
    return fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

bool DbGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = CutText(indexAt(help->pos()));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(indexAt(help->pos())));
    return true;
}

void DbGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (hint != EnsureVisible || !index.isValid() || !model()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    constexpr int kRowsAround = 3;
    const int rowCount = model()->rowCount();
    const int visible = viewport()->height() / std::max(1, rowHeight(index.row()));
    const int around = std::clamp((visible - 1) / 2, 0, kRowsAround);
    const int below = std::min(index.row() + around, rowCount - 1);
    const int above = std::max(index.row() - around, 0);
    // Both neighbours fit with the row between them, so the second call keeps the first.
    QTableView::scrollTo(model()->index(below, index.column()), EnsureVisible);
    QTableView::scrollTo(model()->index(above, index.column()), EnsureVisible);
    QTableView::scrollTo(index, EnsureVisible);
}

}  // namespace mirta::kit
