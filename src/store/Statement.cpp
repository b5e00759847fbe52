#include "store/Statement.h"

#include "store/StoreError.h"

#include <QDate>
#include <sqlite3.h>

namespace store {

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throw StoreError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)), sql);
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_sql(std::move(other.m_sql))
{
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        m_sql = std::move(other.m_sql);
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        throw StoreError(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)), m_sql);
}

Statement& Statement::bind(int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return bindInt(index, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return bindInt(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return bindDouble(index, value.toDouble());
    case QMetaType::QDate:
        return bindText(index, value.toDate().toString(Qt::ISODate));
    default:
        return bindText(index, value.toString());
    }
}

Statement& Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

Statement& Statement::bindInt(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement& Statement::bindDouble(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value));
    return *this;
}

Statement& Statement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const int code = sqlite3_extended_errcode(m_db);
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw StoreError(code, message, m_sql);
}

void Statement::exec()
{
    while (step()) {
    }
    sqlite3_reset(m_stmt);
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

void Statement::clearBindings()
{
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 Statement::int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QString Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER: return QVariant(int64(column));
    case SQLITE_FLOAT: return QVariant(real(column));
    case SQLITE_TEXT: return QVariant(text(column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default: return QVariant();
    }
}

} // namespace store
