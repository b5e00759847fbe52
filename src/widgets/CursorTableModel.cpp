#include "widgets/CursorTableModel.h"

#include "store/StoreError.h"

#include <QFont>

namespace widgets {

using store::Cursor;
using store::Record;

CursorTableModel::CursorTableModel(Cursor& cursor, QObject* parent)
    : QAbstractTableModel(parent), m_cursor(&cursor)
{
    connect(&cursor, &Cursor::dataSetChanged, this, &CursorTableModel::reset);
    connect(&cursor, &Cursor::stateChanged, this, &CursorTableModel::onStateChanged);
    connect(&cursor, &Cursor::recordChanged, this, &CursorTableModel::onRecordChanged);
    connect(&cursor, &Cursor::fieldChanged, this, &CursorTableModel::onFieldChanged);
    connect(&cursor, &QObject::destroyed, this, &CursorTableModel::reset);
    reset();
}

void CursorTableModel::setColumns(const QList<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    resolveColumns();
    endResetModel();
    Q_EMIT currentRowChanged(currentRow());
}

int CursorTableModel::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void CursorTableModel::setEditable(bool editable, std::optional<CommandBoundary> boundary)
{
    m_editable = editable;
    if (boundary)
        m_boundary = boundary;
}

void CursorTableModel::setPaging(int pageSize, int maxPages)
{
    m_pageSize = qMax(1, pageSize);
    m_maxPages = qMax(1, maxPages);
    m_pages.clear();
    m_pageOrder.clear();
}

int CursorTableModel::cachedRowCount() const
{
    int rows = 0;
    for (const Page& p : std::as_const(m_pages))
        rows += int(p.records.size());
    return rows;
}

// --- rows -------------------------------------------------------------------------------------

int CursorTableModel::baseCount() const
{
    return m_cursor && m_cursor->isOpen() ? m_cursor->recordCount() : 0;
}

int CursorTableModel::currentRow() const
{
    if (!m_cursor || !m_cursor->isOpen())
        return -1;
    if (m_insertRow >= 0)
        return m_insertRow;
    const int pos = m_cursor->recNo();
    return pos >= 0 && pos < m_baseCount ? pos : -1;
}

CursorTableModel::RowKind CursorTableModel::rowKind(int row, int* position) const
{
    if (row < 0 || row >= m_rowCount || !m_cursor || !m_cursor->isOpen())
        return RowKind::None;
    int pos = row;
    if (m_insertRow >= 0) {
        if (row == m_insertRow)
            return RowKind::Inserted;
        if (row > m_insertRow)
            --pos;
    }
    if (pos >= m_cursor->recordCount())
        return RowKind::None;
    if (position)
        *position = pos;
    if (pos == m_cursor->recNo() && m_cursor->state() != Cursor::State::Insert)
        return RowKind::Current;
    return RowKind::Stored;
}

CursorTableModel::Page* CursorTableModel::page(int number) const
{
    auto it = m_pages.find(number);
    if (it != m_pages.end()) {
        m_pageOrder.removeOne(number);
        m_pageOrder.append(number);
        return &it.value();
    }
    Page loaded;
    try {
        loaded.records = m_cursor->recordsAt(number * m_pageSize, m_pageSize);
    } catch (const std::exception&) {
        return nullptr; // a grid shows empty cells rather than failing in the middle of painting
    }
    loaded.texts.resize(loaded.records.size());
    ++m_pageLoads;
    while (m_pageOrder.size() >= m_maxPages)
        m_pages.remove(m_pageOrder.takeFirst());
    m_pageOrder.append(number);
    return &m_pages.insert(number, loaded).value();
}

void CursorTableModel::dropPageOf(int position)
{
    if (position < 0)
        return;
    const int number = position / m_pageSize;
    m_pages.remove(number);
    m_pageOrder.removeOne(number);
}

const Record* CursorTableModel::storedRecord(int position) const
{
    // While inserting, the cursor answers its buffer for its own position: the stored row there
    // is the one remembered before the insert began.
    if (hidesStored(position))
        return &m_stored;
    Page* p = page(position / m_pageSize);
    const int offset = position % m_pageSize;
    if (!p || offset >= p->records.size())
        return nullptr;
    return &p->records[offset];
}

bool CursorTableModel::hidesStored(int position) const
{
    return m_cursor->state() == Cursor::State::Insert && position == m_storedPos && m_stored.rowid != 0;
}

QStringList CursorTableModel::rowTexts(const Record& record) const
{
    QStringList texts;
    try {
        m_cursor->withRecord(record, [&](Cursor& c) {
            for (int index : m_fieldIndexes)
                texts << (index >= 0 ? c.field(index).displayText() : QString());
        });
    } catch (const std::exception&) {
        texts.clear();
    }
    while (texts.size() < m_fieldIndexes.size())
        texts << QString();
    return texts;
}

QString CursorTableModel::storedText(int position, int column) const
{
    if (hidesStored(position))
        return rowTexts(m_stored).value(column);
    Page* p = page(position / m_pageSize);
    const int offset = position % m_pageSize;
    if (!p || offset >= p->records.size())
        return QString();
    QStringList& texts = p->texts[offset];
    if (texts.isEmpty())
        texts = rowTexts(p->records[offset]);
    return texts.value(column);
}

QString CursorTableModel::currentText(int column) const
{
    const int index = m_fieldIndexes.value(column, -1);
    if (index < 0)
        return QString();
    try {
        return m_cursor->field(index).displayText();
    } catch (const std::exception&) {
        return QString();
    }
}

void CursorTableModel::resolveColumns()
{
    m_fieldIndexes.clear();
    const bool open = m_cursor && m_cursor->isOpen();
    for (const GridColumn& column : std::as_const(m_columns))
        m_fieldIndexes << (open ? m_cursor->fieldIndex(column.field) : -1);
}

QVariant CursorTableModel::fieldValue(int row, const QString& field)
{
    int pos = -1;
    const RowKind kind = rowKind(row, &pos);
    const int index = kind == RowKind::None ? -1 : m_cursor->fieldIndex(field);
    if (index < 0)
        return QVariant();
    if (kind == RowKind::Current || kind == RowKind::Inserted)
        return m_cursor->field(index).value();
    const Record* record = storedRecord(pos);
    return record ? record->values.value(index) : QVariant();
}

void CursorTableModel::moveToRow(int row)
{
    int pos = -1;
    const RowKind kind = rowKind(row, &pos);
    if (kind != RowKind::Stored)
        return;
    Cursor& c = *m_cursor;
    if (!c.isEditing()) {
        c.setRecNo(pos);
        return;
    }
    // Posting may move rows around (a new or changed key): find the target again by its bookmark.
    const Record* record = storedRecord(pos);
    const qint64 target = record ? record->rowid : 0;
    c.checkBrowseMode();
    if (!target || !c.gotoBookmark(target))
        c.setRecNo(qMin(pos, c.recordCount() - 1));
}

// --- the model's interface --------------------------------------------------------------------

int CursorTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int CursorTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CursorTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return QVariant();
    const int column = index.column();
    const int field = m_fieldIndexes.value(column, -1);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case FieldValueRole: {
        int pos = -1;
        const RowKind kind = rowKind(index.row(), &pos);
        if (kind == RowKind::None || field < 0)
            return role == FieldValueRole ? QVariant() : QVariant(QString());
        if (kind == RowKind::Current || kind == RowKind::Inserted) {
            if (role == FieldValueRole)
                return m_cursor->field(field).value();
            if (role == Qt::EditRole) {
                try {
                    return m_cursor->field(field).text();
                } catch (const std::exception&) {
                    return QString();
                }
            }
            return currentText(column);
        }
        if (role == FieldValueRole) {
            const Record* record = storedRecord(pos);
            return record ? record->values.value(field) : QVariant();
        }
        return storedText(pos, column);
    }
    case Qt::TextAlignmentRole:
        if (field >= 0 && store::isNumericType(m_cursor->fieldInfo(field).type))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (m_columns[column].bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::ForegroundRole:
        return m_columns[column].color.isValid() ? QVariant(m_columns[column].color) : QVariant();
    default:
        return QVariant();
    }
}

bool CursorTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int field = m_fieldIndexes.value(index.column(), -1);
    Cursor& c = *m_cursor;
    const bool ok = m_boundary->run([&] {
        if (!c.isEditing())
            c.edit();
        c.field(field).setText(value.toString());
    });
    const int row = currentRow();
    if (row >= 0)
        Q_EMIT dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    return ok;
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_columns.size())
            return QVariant();
        const GridColumn& column = m_columns[section];
        return column.title.isEmpty() ? column.field : column.title;
    }
    if (section < 0 || section >= m_rowCount || section != currentRow())
        return QString();
    switch (m_cursor->state()) {
    case Cursor::State::Insert:
        return QStringLiteral("*");
    case Cursor::State::Edit:
        return QStringLiteral("I");
    default:
        return QStringLiteral("▶");
    }
}

Qt::ItemFlags CursorTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    const int field = m_fieldIndexes.value(index.column(), -1);
    if (isEditable() && field >= 0 && index.row() == currentRow()
        && m_cursor->fieldInfo(field).kind == store::FieldKind::Data
        && m_cursor->fieldInfo(field).type != store::FieldType::AutoInc)
        flags |= Qt::ItemIsEditable;
    return flags;
}

// --- following the cursor ---------------------------------------------------------------------

void CursorTableModel::rememberCurrent()
{
    if (m_cursor && m_cursor->state() == Cursor::State::Browse) {
        m_stored = m_cursor->currentRecord();
        m_storedPos = m_cursor->recNo();
    }
}

void CursorTableModel::reset()
{
    beginResetModel();
    m_pages.clear();
    m_pageOrder.clear();
    resolveColumns();
    m_open = m_cursor && m_cursor->isOpen();
    m_baseCount = baseCount();
    m_insertRow = -1;
    if (m_cursor && m_cursor->state() == Cursor::State::Insert)
        m_insertRow = qBound(0, m_cursor->recNo(), m_baseCount);
    m_rowCount = m_baseCount + (m_insertRow >= 0 ? 1 : 0);
    rememberCurrent();
    endResetModel();
    emitRowChanged(currentRow());
}

void CursorTableModel::onStateChanged()
{
    const bool open = m_cursor && m_cursor->isOpen();
    if (!open || open != m_open || baseCount() != m_baseCount) {
        reset();
        return;
    }
    int wanted = -1;
    if (m_cursor->state() == Cursor::State::Insert)
        wanted = qBound(0, m_cursor->recNo(), m_baseCount);
    if (wanted != m_insertRow) {
        if (m_insertRow >= 0) {
            beginRemoveRows(QModelIndex(), m_insertRow, m_insertRow);
            m_insertRow = -1;
            m_rowCount = m_baseCount;
            endRemoveRows();
        }
        if (wanted >= 0) {
            beginInsertRows(QModelIndex(), wanted, wanted);
            m_insertRow = wanted;
            m_rowCount = m_baseCount + 1;
            endInsertRows();
        }
    }
    // A page read during an edit holds the edit buffer at the cursor's position.
    if (m_insertRow < 0)
        dropPageOf(m_cursor->recNo());
    rememberCurrent();
    const int row = currentRow();
    if (row >= 0 && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    emitRowChanged(row);
}

void CursorTableModel::onRecordChanged()
{
    if (!m_cursor || !m_cursor->isOpen() || !m_open || baseCount() != m_baseCount) {
        reset();
        return;
    }
    rememberCurrent();
    const int old = m_currentRow;
    const int row = currentRow();
    for (int r : {old, row})
        if (r >= 0 && r < m_rowCount && !m_columns.isEmpty())
            Q_EMIT dataChanged(index(r, 0), index(r, columnCount() - 1));
    emitRowChanged(row);
}

void CursorTableModel::onFieldChanged(int)
{
    const int row = currentRow();
    if (row >= 0 && row < m_rowCount && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CursorTableModel::emitRowChanged(int row)
{
    const int old = m_currentRow;
    m_currentRow = row;
    if (old != row) {
        if (old >= 0 && old < m_rowCount)
            Q_EMIT headerDataChanged(Qt::Vertical, old, old);
    }
    if (row >= 0)
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    Q_EMIT currentRowChanged(row);
}

} // namespace widgets
