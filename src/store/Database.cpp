#include "store/Database.h"

#include "store/PolishCollation.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace store {

namespace {

int polishCollation(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return comparePolish(QString::fromUtf8(static_cast<const char*>(a), lengthA),
                         QString::fromUtf8(static_cast<const char*>(b), lengthB));
}

constexpr int MaxAttached = 8; // SQLite's build here allows 10

} // namespace

QString quoteIdentifier(const QString& name)
{
    QString escaped = name;
    escaped.replace('"', "\"\"");
    return '"' + escaped + '"';
}

Database::Database() = default;

Database::~Database()
{
    close();
}

QString Database::databasePath(const QString& folder)
{
    return QDir(folder).filePath(FileName);
}

bool Database::hasDatabaseFile(const QString& folder)
{
    return QFileInfo(databasePath(folder)).isFile();
}

QString Database::canonical(const QString& folder) const
{
    return QDir::cleanPath(QDir(m_workDir).absoluteFilePath(folder));
}

void Database::open(const QString& workDir)
{
    close();
    m_workDir = QDir::cleanPath(QDir(workDir).absolutePath());
    const QByteArray path = databasePath(m_workDir).toUtf8();
    const int rc = sqlite3_open_v2(path.constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(rc, message);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_create_collation(m_db, "PL", SQLITE_UTF8, nullptr, polishCollation);
    // A transaction that spans the working and a fund database must commit atomically:
    // rollback journal, never WAL.
    exec("PRAGMA journal_mode=DELETE");
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=OFF");
    m_schemas.insert(m_workDir, "main");
}

void Database::close()
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_schemas.clear();
    m_attachOrder.clear();
}

void Database::exec(const QString& sql) const
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(m_db));
        sqlite3_free(error);
        throw StoreError(sqlite3_extended_errcode(m_db), message, sql);
    }
}

qint64 Database::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

bool Database::inTransaction() const
{
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

QString Database::schemaFor(const QString& folder, bool create)
{
    if (!m_db)
        throw StoreError(SQLITE_MISUSE, "database is not open");
    const QString key = canonical(folder);
    const auto found = m_schemas.constFind(key);
    if (found != m_schemas.constEnd())
        return found.value();
    if (!hasDatabaseFile(key)) {
        if (!create)
            return QString();
        if (!QFileInfo(key).isDir())
            throw StoreError(SQLITE_CANTOPEN, QString("Brak folderu: %1").arg(key));
    }
    if (m_attachOrder.size() >= MaxAttached && !inTransaction()) {
        const QString oldest = m_attachOrder.takeFirst();
        exec("DETACH DATABASE " + m_schemas.take(oldest));
    }
    const QString schema = QString("f%1").arg(m_nextSchema++);
    Statement attach(m_db, "ATTACH DATABASE ? AS " + schema);
    attach.bindText(1, databasePath(key));
    attach.exec();
    // Each attached file keeps its own journal mode; the same durable settings for all. Inside a
    // transaction they cannot change, and the defaults (rollback journal, full sync) hold anyway.
    if (!inTransaction()) {
        exec(QString("PRAGMA %1.journal_mode=DELETE").arg(schema));
        exec(QString("PRAGMA %1.synchronous=FULL").arg(schema));
    }
    m_schemas.insert(key, schema);
    m_attachOrder.append(key);
    return schema;
}

void Database::detach(const QString& folder)
{
    const QString key = canonical(folder);
    if (key == m_workDir || !m_schemas.contains(key))
        return;
    exec("DETACH DATABASE " + m_schemas.take(key));
    m_attachOrder.removeAll(key);
}

} // namespace store
