#pragma once

#include "widgets/CommandBoundary.h"
#include "widgets/GridColumn.h"

#include <QTableView>

namespace store {
class Cursor;
}

namespace widgets {

class CursorTableModel;
class CursorSelectionSync;

// A grid over a cursor. Its current row is the cursor's current record: moving in the grid by
// mouse or keyboard moves the cursor, moving the cursor moves the grid. Read-only unless made
// editable, in which case a typed cell goes to the field's setText inside the command boundary.
class CursorGrid : public QTableView {
    Q_OBJECT
public:
    explicit CursorGrid(kzp::Dialogs& dialogs, QWidget* parent = nullptr);
    ~CursorGrid() override;

    void bindCursor(store::Cursor& cursor, const QList<GridColumn>& columns);
    void unbind();
    bool isBound() const { return m_model != nullptr; }
    CursorTableModel* cursorModel() const { return m_model; }
    store::Cursor* boundCursor() const;

    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    const CommandBoundary& boundary() const { return m_boundary; }

Q_SIGNALS:
    // Enter or a double click on a row; the cursor is on that row.
    void rowActivated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyWidths();

    CommandBoundary m_boundary;
    CursorTableModel* m_model = nullptr;
    CursorSelectionSync* m_sync = nullptr;
    bool m_editable = false;
};

} // namespace widgets
