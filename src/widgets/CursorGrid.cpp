#include "widgets/CursorGrid.h"

#include "store/Cursor.h"
#include "widgets/CursorSelectionSync.h"
#include "widgets/CursorTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace widgets {

CursorGrid::CursorGrid(kzp::Dialogs& dialogs, QWidget* parent) : QTableView(parent), m_boundary(dialogs)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    // Fixed row heights: the view never asks thousands of rows for their size.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶")) + 10);
    horizontalHeader()->setHighlightSections(false);
}

CursorGrid::~CursorGrid() = default;

store::Cursor* CursorGrid::boundCursor() const
{
    return m_model ? &m_model->cursor() : nullptr;
}

void CursorGrid::bindCursor(store::Cursor& cursor, const QList<GridColumn>& columns)
{
    unbind();
    m_model = new CursorTableModel(cursor, this);
    m_model->setColumns(columns);
    m_model->setEditable(m_editable, m_boundary);
    setModel(m_model);
    m_sync = new CursorSelectionSync(*selectionModel(), *m_model, m_boundary, this);
    applyWidths();
}

void CursorGrid::unbind()
{
    if (!m_model)
        return;
    QItemSelectionModel* selection = selectionModel();
    delete m_sync;
    m_sync = nullptr;
    setModel(nullptr);
    delete selection;
    delete m_model;
    m_model = nullptr;
}

void CursorGrid::setEditable(bool editable)
{
    m_editable = editable;
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed
                             : QAbstractItemView::NoEditTriggers);
    if (m_model)
        m_model->setEditable(editable, m_boundary);
}

void CursorGrid::applyWidths()
{
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const QList<GridColumn>& columns = m_model->columns();
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].width > 0)
            setColumnWidth(i, columns[i].width * digit + 12);
}

void CursorGrid::keyPressEvent(QKeyEvent* event)
{
    if (m_model && state() != QAbstractItemView::EditingState) {
        store::Cursor& cursor = m_model->cursor();
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_model->currentRow() >= 0)
                Q_EMIT rowActivated();
            event->accept();
            return;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (event->modifiers() & Qt::ControlModifier) {
                const bool toFirst = event->key() == Qt::Key_Home;
                m_boundary.run([&] { toFirst ? cursor.first() : cursor.last(); });
                event->accept();
                return;
            }
            break;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

void CursorGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_model && indexAt(event->position().toPoint()).isValid() && state() != QAbstractItemView::EditingState)
        Q_EMIT rowActivated();
}

} // namespace widgets
