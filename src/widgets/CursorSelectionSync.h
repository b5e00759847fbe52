#pragma once

#include "widgets/CommandBoundary.h"

#include <QObject>
#include <QPointer>

class QItemSelectionModel;
class QModelIndex;

namespace widgets {

class CursorTableModel;

// Keeps a view's current row and its cursor's current record together: when the cursor moves the
// view's current index follows; when the user moves the current index the cursor moves there
// inside the command boundary. If the move is refused (a pending change the rules do not store),
// the view goes back to the cursor's row.
class CursorSelectionSync : public QObject {
    Q_OBJECT
public:
    CursorSelectionSync(QItemSelectionModel& selection, CursorTableModel& model, const CommandBoundary& boundary,
                        QObject* parent = nullptr);

    // Puts the view's current index on the cursor's row.
    void followCursor();

private:
    void onViewCurrentChanged(const QModelIndex& current, const QModelIndex& previous);

    QPointer<QItemSelectionModel> m_selection;
    QPointer<CursorTableModel> m_model;
    CommandBoundary m_boundary;
    bool m_updating = false;
};

} // namespace widgets
