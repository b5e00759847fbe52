#include "store/Tables.h"

#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

#include <QRegularExpression>

namespace store {

namespace {

QString declaredType(const FieldDef& f)
{
    switch (f.type) {
    case FieldType::AutoInc: return "INTEGER PRIMARY KEY AUTOINCREMENT";
    case FieldType::Integer: return "INTEGER";
    case FieldType::Smallint: return "SMALLINT";
    case FieldType::String: return QString("VARCHAR(%1)").arg(f.size);
    case FieldType::Money: return "MONEY REAL";
    case FieldType::Float: return "FLOAT";
    case FieldType::Date: return "DATE TEXT";
    case FieldType::Boolean: return "BOOLEAN INTEGER";
    case FieldType::Memo: return "MEMO TEXT";
    }
    return "TEXT";
}

FieldDef parseField(const QString& name, const QString& declared, bool primaryKey)
{
    const QString t = declared.toUpper();
    FieldDef f{name, FieldType::Integer, 0};
    static const QRegularExpression varchar("^VARCHAR\\((\\d+)\\)$");
    if (const auto m = varchar.match(t); m.hasMatch()) {
        f.type = FieldType::String;
        f.size = m.captured(1).toInt();
    } else if (t == "INTEGER" && primaryKey) {
        f.type = FieldType::AutoInc;
    } else if (t == "INTEGER") {
        f.type = FieldType::Integer;
    } else if (t == "SMALLINT") {
        f.type = FieldType::Smallint;
    } else if (t == "MONEY REAL") {
        f.type = FieldType::Money;
    } else if (t == "FLOAT") {
        f.type = FieldType::Float;
    } else if (t == "DATE TEXT") {
        f.type = FieldType::Date;
    } else if (t == "BOOLEAN INTEGER") {
        f.type = FieldType::Boolean;
    } else if (t == "MEMO TEXT") {
        f.type = FieldType::Memo;
    } else {
        f.type = FieldType::Memo;
    }
    return f;
}

QString indexName(const TableRef& table, int number)
{
    return quoteIdentifier(QString("%1__ix%2").arg(table.name.toLower()).arg(number));
}

} // namespace

QString Tables::qualified(const TableRef& table) const
{
    return m_db.schemaFor(table.folder) + '.' + quoteIdentifier(table.name);
}

bool Tables::exists(const TableRef& table) const
{
    const QString schema = m_db.schemaFor(table.folder, false);
    if (schema.isEmpty())
        return false;
    Statement q = m_db.prepare("SELECT 1 FROM " + schema +
                               ".sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
    q.bindText(1, table.name);
    return q.step();
}

void Tables::create(const TableRef& table, const TableStructure& structure) const
{
    if (structure.fields.isEmpty())
        throw StoreError(1, QString("Tabela %1 nie ma pól").arg(table.name));
    const QString name = qualified(table);
    QStringList columns;
    for (const FieldDef& f : structure.fields)
        columns << quoteIdentifier(f.name) + ' ' + declaredType(f);
    Transaction tx(m_db);
    m_db.exec(QString("CREATE TABLE %1 (%2)").arg(name, columns.join(", ")));
    const QString schema = m_db.schemaFor(table.folder);
    int number = 0;
    for (const IndexDef& index : structure.indexes) {
        QStringList cols;
        for (const QString& field : index.fields)
            cols << quoteIdentifier(field);
        QString sql = QString("CREATE %1INDEX %2.%3 ON %4 (%5)")
                          .arg(index.unique ? "UNIQUE " : "", schema, indexName(table, ++number),
                               quoteIdentifier(table.name), cols.join(", "));
        if (!index.where.isEmpty())
            sql += " WHERE " + index.where;
        m_db.exec(sql);
    }
    tx.commit();
    m_db.noteWrite();
}

void Tables::createLike(const TableRef& table, const TableRef& model) const
{
    create(table, structure(model));
}

void Tables::drop(const TableRef& table) const
{
    if (!exists(table))
        return;
    m_db.exec("DROP TABLE " + qualified(table));
    m_db.noteWrite();
}

void Tables::copy(const TableRef& source, const TableRef& target) const
{
    const TableStructure s = structure(source);
    qualified(target); // attach the target's database before the transaction begins
    Transaction tx(m_db);
    drop(target);
    create(target, s);
    QStringList cols;
    for (const FieldDef& f : s.fields)
        cols << quoteIdentifier(f.name);
    m_db.exec(QString("INSERT INTO %1 (%2) SELECT %2 FROM %3").arg(qualified(target), cols.join(", "), qualified(source)));
    tx.commit();
}

TableStructure Tables::structure(const TableRef& table) const
{
    if (!exists(table))
        throw StoreError(1, QString("Brak zbioru : %1").arg(table.name));
    const QString schema = m_db.schemaFor(table.folder);
    TableStructure s;
    Statement info = m_db.prepare(QString("PRAGMA %1.table_info(%2)").arg(schema, quoteIdentifier(table.name)));
    while (info.step())
        s.fields << parseField(info.text(1), info.text(2), info.int64(5) > 0);

    Statement list = m_db.prepare(QString("PRAGMA %1.index_list(%2)").arg(schema, quoteIdentifier(table.name)));
    struct Found { QString name; bool unique; bool partial; };
    QList<Found> found;
    while (list.step()) {
        if (list.text(3) == "c") // created by CREATE INDEX, not by a constraint
            found.append({list.text(1), list.int64(2) != 0, list.int64(4) != 0});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        const auto number = [](const QString& n) { return n.section("__ix", 1).toInt(); };
        return number(a.name) < number(b.name);
    });
    for (const Found& f : found) {
        IndexDef index;
        index.unique = f.unique;
        Statement cols = m_db.prepare(QString("PRAGMA %1.index_info(%2)").arg(schema, quoteIdentifier(f.name)));
        while (cols.step())
            index.fields << cols.text(2);
        if (f.partial) {
            Statement sql = m_db.prepare("SELECT sql FROM " + schema + ".sqlite_master WHERE type='index' AND name=?");
            sql.bindText(1, f.name);
            if (sql.step())
                index.where = sql.text(0).section(" WHERE ", 1);
        }
        s.indexes << index;
    }
    return s;
}

QStringList Tables::names(const QString& folder) const
{
    QStringList result;
    const QString schema = m_db.schemaFor(folder, false);
    if (schema.isEmpty())
        return result;
    Statement q = m_db.prepare("SELECT name FROM " + schema +
                               ".sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name");
    while (q.step())
        result << q.text(0);
    return result;
}

qint64 Tables::rowCount(const TableRef& table) const
{
    Statement q = m_db.prepare("SELECT count(*) FROM " + qualified(table));
    q.step();
    return q.int64(0);
}

} // namespace store
