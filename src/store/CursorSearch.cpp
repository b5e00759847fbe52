// Ordering keys, key search and locate.
#include "store/Cursor.h"

#include "store/Database.h"
#include "store/PolishCollation.h"

namespace store {

namespace {

int compareValues(const QVariant& a, const QVariant& b, FieldType type)
{
    const bool nullA = a.isNull() || !a.isValid();
    const bool nullB = b.isNull() || !b.isValid();
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    switch (type) {
    case FieldType::String:
    case FieldType::Memo:
        return comparePolish(a.toString(), b.toString());
    case FieldType::Date: {
        const QDate da = a.typeId() == QMetaType::QDate ? a.toDate() : QDate::fromString(a.toString(), Qt::ISODate);
        const QDate db = b.typeId() == QMetaType::QDate ? b.toDate() : QDate::fromString(b.toString(), Qt::ISODate);
        return da < db ? -1 : (db < da ? 1 : 0);
    }
    default: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    }
}

} // namespace

QVariantList Cursor::keyOf(qint64 rowid)
{
    QVariantList key;
    m_fetchKey->reset();
    m_fetchKey->bindInt(1, rowid);
    if (m_fetchKey->step()) {
        for (int i = 0; i < m_indexFieldPos.size(); ++i)
            key << Field::normalize(m_fields[m_indexFieldPos[i]].type, 0, m_fetchKey->value(i + 1));
    }
    m_fetchKey->reset();
    key << rowid;
    return key;
}

QVariantList Cursor::keyOf(const Record& record) const
{
    QVariantList key;
    for (int pos : m_indexFieldPos)
        key << record.values.value(pos);
    key << record.rowid;
    return key;
}

int Cursor::compareKeys(const QVariantList& a, const QVariantList& b, int count) const
{
    for (int i = 0; i < count; ++i) {
        const FieldType type = i < m_indexFieldPos.size() ? m_fields[m_indexFieldPos[i]].type : FieldType::Integer;
        if (const int c = compareValues(a.value(i), b.value(i), type))
            return c;
    }
    return 0;
}

int Cursor::lowerBound(const QVariantList& key, int count)
{
    int lo = 0, hi = int(m_rows.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (compareKeys(keyOf(m_rows[mid]), key, count) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int Cursor::insertPosition(const Record& record)
{
    const QVariantList key = keyOf(record);
    return lowerBound(key, int(key.size()));
}

bool Cursor::isVisible(const Record& record)
{
    if (m_rangeEmpty)
        return false;
    const QString where = whereSql();
    if (!where.isEmpty()) {
        Statement q = m_db.prepare(QString("SELECT 1 FROM %1 WHERE rowid = ? AND %2").arg(m_qualified, where));
        q.bindInt(1, record.rowid);
        bindWhere(q, 2);
        if (!q.step())
            return false;
    }
    if (m_filtered && m_filter) {
        bool pass = false;
        withRecord(record, [&](Cursor& c) { pass = m_filter(c); });
        return pass;
    }
    return true;
}

bool Cursor::findKey(const QVariantList& values)
{
    if (!isOpen() || values.isEmpty())
        return false;
    const int count = int(qMin(values.size(), m_indexFieldPos.size()));
    const QVariantList key = values.mid(0, count);
    const int pos = lowerBound(key, count);
    if (pos >= m_rows.size() || compareKeys(keyOf(m_rows[pos]), key, count) != 0)
        return false;
    moveTo(pos);
    return true;
}

void Cursor::findNearest(const QVariantList& values)
{
    if (!isOpen() || m_rows.isEmpty())
        return;
    const int count = int(qMin(values.size(), m_indexFieldPos.size()));
    const int pos = qMin(lowerBound(values.mid(0, count), count), int(m_rows.size()) - 1);
    moveTo(pos);
}

bool Cursor::locate(const QString& fields, const QVariantList& values, LocateOptions options)
{
    if (!isOpen() || m_rows.isEmpty())
        return false;
    const QStringList names = splitFieldList(fields);
    QList<int> indexes;
    for (const QString& name : names) {
        const int i = fieldIndex(name);
        if (i < 0 || i >= m_dataFieldCount)
            throw StoreError(1, QString("%1: brak pola %2").arg(m_name, name));
        indexes << i;
    }
    const auto matches = [&](int field, const QVariant& stored, const QVariant& wanted) {
        const FieldType type = m_fields[field].type;
        const QVariant w = Field::normalize(type, 0, wanted);
        if (isTextType(type) && !stored.isNull() && !w.isNull()) {
            QString s = stored.toString(), t = w.toString();
            if (options.partialKey)
                s.truncate(t.size());
            return options.caseInsensitive ? s.compare(t, Qt::CaseInsensitive) == 0 : s == t;
        }
        return compareValues(stored, w, type) == 0;
    };
    // Read the candidates in one pass, then take the first in the cursor's order.
    QStringList cols{"rowid"};
    for (int i : indexes)
        cols << quoteIdentifier(m_fields[i].name);
    QString sql = QString("SELECT %1 FROM %2").arg(cols.join(", "), m_qualified);
    const QString where = whereSql();
    if (!where.isEmpty())
        sql += " WHERE " + where;
    Statement q = m_db.prepare(sql);
    bindWhere(q, 1);
    int best = -1;
    while (q.step()) {
        bool all = true;
        for (int k = 0; k < indexes.size() && all; ++k)
            all = matches(indexes[k], Field::normalize(m_fields[indexes[k]].type, 0, q.value(k + 1)), values.value(k));
        if (!all)
            continue;
        const int pos = positionOf(q.int64(0));
        if (pos >= 0 && (best < 0 || pos < best))
            best = pos;
    }
    if (best < 0)
        return false;
    moveTo(best);
    return true;
}

} // namespace store
