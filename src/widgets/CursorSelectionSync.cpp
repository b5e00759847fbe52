#include "widgets/CursorSelectionSync.h"

#include "widgets/CursorTableModel.h"

#include <QItemSelectionModel>

namespace widgets {

CursorSelectionSync::CursorSelectionSync(QItemSelectionModel& selection, CursorTableModel& model,
                                         const CommandBoundary& boundary, QObject* parent)
    : QObject(parent), m_selection(&selection), m_model(&model), m_boundary(boundary)
{
    connect(&model, &CursorTableModel::currentRowChanged, this, &CursorSelectionSync::followCursor);
    connect(&model, &QAbstractItemModel::modelReset, this, &CursorSelectionSync::followCursor);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &CursorSelectionSync::followCursor);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &CursorSelectionSync::followCursor);
    connect(&selection, &QItemSelectionModel::currentChanged, this, &CursorSelectionSync::onViewCurrentChanged);
    followCursor();
}

void CursorSelectionSync::followCursor()
{
    if (!m_selection || !m_model || m_updating)
        return;
    const int row = m_model->currentRow();
    const QModelIndex current = m_selection->currentIndex();
    if (row < 0) {
        if (current.isValid()) {
            m_updating = true;
            m_selection->clear();
            m_updating = false;
        }
        return;
    }
    if (current.isValid() && current.row() == row && m_selection->isRowSelected(row))
        return;
    const int column = current.isValid() ? current.column() : 0;
    if (column >= m_model->columnCount())
        return;
    m_updating = true;
    m_selection->setCurrentIndex(m_model->index(row, column),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_updating = false;
}

void CursorSelectionSync::onViewCurrentChanged(const QModelIndex& current, const QModelIndex&)
{
    if (m_updating || !m_model || !current.isValid())
        return;
    if (current.row() != m_model->currentRow()) {
        m_updating = true;
        const int row = current.row();
        m_boundary.run([&] { m_model->moveToRow(row); });
        m_updating = false;
    }
    // Refused or not, the view shows where the cursor really is.
    followCursor();
}

} // namespace widgets
