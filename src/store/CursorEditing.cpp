// Inserting, editing, posting, cancelling and deleting rows of a cursor.
#include "store/Cursor.h"

#include "store/Database.h"

namespace store {

void Cursor::insert()
{
    if (!isOpen())
        throw StoreError(1, QString("Tabela %1 nie jest otwarta").arg(m_name));
    checkBrowseMode();
    if (beforeInsert)
        beforeInsert(*this);
    m_saved = m_current;
    m_savedPos = m_pos;
    m_current = Record();
    m_current.values.resize(m_fields.size());
    m_state = State::Insert;
    m_modified = false;
    m_changedFields.clear();
    // A detail's new row belongs to the master's current row.
    if (m_master && !m_rangeEmpty)
        for (int i = 0; i < m_rangeFields.size(); ++i)
            if (const int index = fieldIndex(m_rangeFields[i]); index >= 0)
                m_current.values[index] = Field::normalize(m_fields[index].type, m_fields[index].size, m_rangeValues[i]);
    try {
        if (onNewRecord)
            onNewRecord(*this);
        calculate(m_current);
    } catch (...) {
        m_state = State::Browse;
        m_current = m_saved;
        throw;
    }
    m_modified = false;
    for (Cursor* detail : std::as_const(m_details))
        detail->masterChanged();
    if (afterInsert)
        afterInsert(*this);
    notifyState();
    notifyRecord();
}

void Cursor::append()
{
    insert();
}

void Cursor::edit()
{
    if (isEditing())
        return;
    if (!isOpen())
        throw StoreError(1, QString("Tabela %1 nie jest otwarta").arg(m_name));
    if (m_rows.isEmpty() || m_pos < 0) {
        insert();
        return;
    }
    if (beforeEdit)
        beforeEdit(*this);
    // Work on the row as stored now, not as it was read.
    m_current = readRow(m_current.rowid);
    if (m_current.rowid == 0) {
        refresh();
        throw StoreError(1, QString("Rekord tabeli %1 został usunięty").arg(m_name));
    }
    m_saved = m_current;
    m_savedPos = m_pos;
    m_state = State::Edit;
    m_modified = false;
    m_changedFields.clear();
    if (afterEdit)
        afterEdit(*this);
    notifyState();
}

void Cursor::checkBrowseMode()
{
    if (!isEditing())
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void Cursor::post()
{
    if (!isEditing())
        return;
    if (beforePost)
        beforePost(*this);
    for (;;) {
        try {
            write();
            break;
        } catch (const StoreError& error) {
            const PostErrorAction action = onPostError ? onPostError(*this, error) : PostErrorAction::Fail;
            if (action == PostErrorAction::Retry && isEditing())
                continue;
            if (action == PostErrorAction::Abort)
                throw Abort();
            throw;
        }
    }
    const bool inserted = m_state == State::Insert;
    const qint64 rowid = m_current.rowid;
    if (!inserted) {
        const int old = positionOf(rowid);
        if (old >= 0)
            m_rows.remove(old);
    }
    m_positionsValid = false;
    m_state = State::Browse;
    m_modified = false;
    m_changedFields.clear();
    Record stored = readRow(rowid);
    int pos = -1;
    if (stored.rowid != 0 && isVisible(stored)) {
        pos = insertPosition(stored);
        m_rows.insert(pos, rowid);
        m_positionsValid = false;
    } else if (!m_rows.isEmpty()) {
        pos = qBound(0, m_savedPos, int(m_rows.size()) - 1);
    }
    setCurrent(pos);
    m_bof = m_eof = m_rows.isEmpty();
    m_db.noteWrite();
    if (afterPost)
        afterPost(*this);
    notifyState();
    notifyDataSet();
}

void Cursor::write()
{
    const QString table = m_qualified;
    if (m_state == State::Insert) {
        QStringList cols, marks;
        QVariantList values;
        for (int i = 0; i < m_dataFieldCount; ++i) {
            const QVariant& v = m_current.values[i];
            if (i == m_autoIncField && v.isNull())
                continue;
            cols << quoteIdentifier(m_fields[i].name);
            marks << "?";
            values << Field::normalize(m_fields[i].type, m_fields[i].size, v);
        }
        const QString sql = cols.isEmpty() ? QString("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                           : QString("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols.join(", "), marks.join(", "));
        Statement q = m_db.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            q.bind(i + 1, values[i]);
        q.exec();
        m_current.rowid = m_db.lastInsertRowId();
        return;
    }
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < m_dataFieldCount; ++i) {
        if (!m_changedFields.contains(i))
            continue;
        sets << quoteIdentifier(m_fields[i].name) + " = ?";
        values << Field::normalize(m_fields[i].type, m_fields[i].size, m_current.values[i]);
    }
    if (sets.isEmpty())
        return;
    Statement q = m_db.prepare(QString("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(", ")));
    int n = 1;
    for (const QVariant& v : values)
        q.bind(n++, v);
    q.bindInt(n, m_current.rowid);
    q.exec();
}

void Cursor::cancel()
{
    if (!isEditing())
        return;
    if (beforeCancel)
        beforeCancel(*this);
    const bool wasInsert = m_state == State::Insert;
    m_state = State::Browse;
    m_modified = false;
    m_changedFields.clear();
    if (wasInsert) {
        m_current = m_saved;
        m_pos = m_savedPos;
        for (Cursor* detail : std::as_const(m_details))
            detail->masterChanged();
    } else {
        m_current = m_saved;
        calculate(m_current);
    }
    if (afterCancel)
        afterCancel(*this);
    notifyState();
    notifyRecord();
}

void Cursor::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (!isOpen() || m_rows.isEmpty() || m_pos < 0)
        throw StoreError(1, QString("Tabela %1 jest pusta: nie ma czego usunąć").arg(m_name));
    if (m_state == State::Edit)
        cancel();
    if (beforeDelete)
        beforeDelete(*this);
    Statement q = m_db.prepare(QString("DELETE FROM %1 WHERE rowid = ?").arg(m_qualified));
    q.bindInt(1, m_current.rowid);
    q.exec();
    m_db.noteWrite();
    const int pos = m_pos;
    m_rows.remove(pos);
    m_positionsValid = false;
    setCurrent(m_rows.isEmpty() ? -1 : qMin(pos, int(m_rows.size()) - 1));
    m_bof = m_eof = m_rows.isEmpty();
    if (afterDelete)
        afterDelete(*this);
    if (afterScroll)
        afterScroll(*this);
    notifyDataSet();
}

} // namespace store
