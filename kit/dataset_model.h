#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <optional>
#include <string>
#include <vector>

#include "engine/dataset.h"
#include "wspolne/dialogi.h"

namespace mirta::kit {

struct Column {
    std::string field;
    QString title;
    int width = 0;  // pixels; 0 leaves the view's default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Look of the cells and of the title; unset ones follow the view's font and palette.
    std::optional<QFont> font, titleFont;
    std::optional<QColor> background, foreground, titleBackground, titleForeground;
    // Shown but never edited in the grid: a coded field shown through its text, edited by a
    // control of its own.
    bool readOnly = false;
};

inline constexpr Qt::Alignment kAlignLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kAlignRight = Qt::AlignRight | Qt::AlignVCenter;

// A column of `field` under `title`, `width` pixels wide (0: the view's default), its cells
// and its title aligned as given; the look follows the view.
Column MakeColumn(std::string field, QString title, int width = 0,
                  Qt::Alignment alignment = kAlignLeft, Qt::Alignment titleAlignment = kAlignLeft);

// A table model over the rows of a dataset's view. Cells read RowAt, so painting never moves
// the cursor; the current row shows the edit buffer while it is edited, and a record being
// inserted is a row of its own (before the current row) until it is posted or dropped. The
// dataset's
// notifications become row insertions, removals, dataChanged and resets. Edited cells go
// through the field's set-text path; a refusal is reported through `dialogi`.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DatasetModel(engine::Dataset& dataset, std::vector<Column> columns, store::Dialogi& dialogi,
                 QObject* parent = nullptr);

    engine::Dataset& dataset() const { return m_dataset; }
    const std::vector<Column>& columns() const { return m_columns; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsReadOnly() const { return m_readOnly; }
    // True while the model takes in a change of the dataset: a view's current row moving then
    // is the model's doing, not the user's.
    bool IsApplyingChange() const { return m_applying > 0; }
    // The model row of the dataset's cursor (the inserted row while inserting); -1 for none.
    int CurrentRow() const;
    // The dataset row a model row shows; -1 for the inserted row.
    int DatasetRowOf(int modelRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The dataset's cursor is on `row` (-1: no current row). Emitted after the model has taken
    // in the change, so the row is valid in the model.
    void cursorMoved(int row);

private:
    void Apply(const engine::DatasetChange& change);
    void ApplyChange(const engine::DatasetChange& change);
    // The inserted row comes when an insert starts and goes when it ends; false when it was
    // already there or gone.
    bool ShowInsertedRow();
    bool DropInsertedRow(int realRow = -1);
    void FlushPendingRemoval();
    void RowDataChanged(int row);
    int DatasetRow(int row) const;
    QString CellText(int row, int column) const;

    engine::Dataset& m_dataset;
    std::vector<Column> m_columns;
    std::vector<int> m_fieldIndex;  // per column; -1 for an unknown field
    store::Dialogi& m_dialogi;
    bool m_readOnly = false;
    int m_applying = 0;
    // The row count as told by the notifications: between a change and its notification the
    // dataset already has the new count, the views must not see it yet.
    int m_rows = 0;
    int m_pendingRemoval = -1;  // a removal that may turn out to be a move
    int m_inserted = -1;        // the model row of the record being inserted
    struct Shift {
        enum Kind { None, Inserted, Removed, Moved } kind = None;
        int a = -1;  // the row inserted, removed, or moved away from
        int b = -1;  // where a moved row is now
    };
    Shift m_shift;
    // The last row read, since a view asks for its cells one by one.
    mutable std::optional<engine::RowView> m_cached;
    mutable int m_cachedRow = -1;
    engine::Subscription m_subscription;
};

}  // namespace mirta::kit
