#pragma once

#include <QTableView>
#include <memory>
#include <vector>

#include "kit/data_source.h"
#include "kit/dataset_model.h"

namespace mirta::kit {

// A grid over a data source. Its model exists only while the grid is attached, so an unbound
// grid on a hidden page reads nothing. The grid's current row and the dataset's cursor are
// kept equal here and nowhere else. Cells are editable under the automatic-edit rule unless
// the grid is read-only.
class DbGrid : public QTableView, public DataLink {
    Q_OBJECT
public:
    explicit DbGrid(QWidget* parent = nullptr);

    void SetColumns(std::vector<Column> columns);
    // The columns as shown: widths are the current ones (after the user dragged them), or,
    // for a column never shown, the header's default.
    std::vector<Column> Columns() const;
    // Replaces one column (another field, title or look), keeping the others as shown.
    // REQUIRES: 0 <= index < number of columns.
    void SetColumn(int index, Column column);
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return m_readOnly; }
    DatasetModel* datasetModel() const { return m_model.get(); }
    // The text of the cell when the column is too narrow for it, or empty.
    QString CutText(const QModelIndex& index) const;

protected:
    void Refresh() override;
    void Changed(const engine::DatasetChange& change) override;
    void Attached() override;
    void Detached() override;
    bool Flush() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // A cell too narrow for its text shows it whole in a tooltip.
    bool viewportEvent(QEvent* event) override;

public:
    // Keeps a few rows above and below the current one in sight, so it never sits on the
    // window's edge.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
private:
    void SyncToCursor();
    void ApplyEditing();
    void KeepWidths();

    std::vector<Column> m_columns;
    std::unique_ptr<DatasetModel> m_model;
    bool m_readOnly = false;
    bool m_syncing = false;
};

}  // namespace mirta::kit
