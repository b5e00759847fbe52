#include "widgets/FieldLookupCombo.h"

#include "store/Cursor.h"
#include "widgets/CursorTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>
#include <QTableView>

namespace widgets {

namespace {

bool sameKey(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return false;
    return a == b || a.toString() == b.toString();
}

} // namespace

FieldLookupCombo::FieldLookupCombo(kzp::Dialogs& dialogs, QWidget* parent)
    : QComboBox(parent), m_binding(dialogs), m_models(new QObject(this)), m_empty(new QStringListModel(m_models))
{
    setEditable(false);
    setMaxVisibleItems(20);
    // Never measure every row of a long list to size the box.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    setModel(m_empty);
    connect(&m_binding, &FieldBinding::refreshNeeded, this, &FieldLookupCombo::refresh);
    connect(this, &QComboBox::activated, this, [this](int row) {
        if (!choose(row))
            refresh();
    });
}

FieldLookupCombo::~FieldLookupCombo() = default;

void FieldLookupCombo::bind(store::Cursor& cursor, const QString& field, store::Cursor& list, const QString& keyField,
                            const QList<GridColumn>& listColumns)
{
    unbind();
    m_keyField = keyField;
    m_list = new CursorTableModel(list, m_models);
    m_list->setColumns(listColumns);
    auto* view = new QTableView(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    view->setShowGrid(false);
    view->setWordWrap(false);
    setModel(m_list);
    setView(view);
    setModelColumn(0);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int width = 0;
    for (int i = 0; i < listColumns.size(); ++i) {
        const int w = listColumns[i].width > 0 ? listColumns[i].width * digit + 12 : view->horizontalHeader()->defaultSectionSize();
        view->setColumnWidth(i, w);
        width += w;
    }
    view->setMinimumWidth(width + view->verticalScrollBar()->sizeHint().width() + 4);
    connect(m_list, &QAbstractItemModel::modelReset, this, &FieldLookupCombo::refresh);
    m_binding.bind(cursor, field);
}

void FieldLookupCombo::unbind()
{
    m_binding.unbind();
    if (!m_list)
        return;
    disconnect(m_list, nullptr, this, nullptr);
    setModel(m_empty); // the models belong to m_models, so the combo deletes neither
    delete m_list;
    m_list = nullptr;
    refresh();
}

void FieldLookupCombo::refresh()
{
    if (m_updating)
        return;
    m_updating = true;
    const store::Field f = m_binding.field();
    int row = -1;
    const QVariant value = f.isValid() ? f.value() : QVariant();
    if (m_list && !value.isNull()) {
        store::Cursor& list = m_list->cursor();
        row = m_list->currentRow();
        if (row < 0 || !sameKey(m_list->fieldValue(row, m_keyField), value)) {
            row = -1;
            // Moving a list cursor that is being edited would store its row: leave it alone then.
            if (list.isOpen() && !list.isEditing()) {
                try {
                    if (list.locate(m_keyField, {value}))
                        row = m_list->currentRow();
                } catch (const std::exception&) {
                    row = -1;
                }
            }
        }
    }
    setCurrentIndex(row);
    setEnabled(m_binding.canWrite());
    m_updating = false;
}

bool FieldLookupCombo::choose(int row)
{
    if (!m_list || row < 0 || row >= m_list->rowCount())
        return false;
    const QVariant key = m_list->fieldValue(row, m_keyField);
    return m_binding.write([&](store::Field& f) { f.setValue(key); });
}

void FieldLookupCombo::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && m_binding.canWrite()) {
        if (!m_binding.write([](store::Field& f) { f.clear(); }))
            refresh();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace widgets
