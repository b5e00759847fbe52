#pragma once

#include "store/Statement.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace store {

// One SQLite connection. The working directory's database file is the main schema; the database
// of any other folder (a fund folder) is attached under its own schema name when first needed.
class Database {
public:
    static constexpr const char* FileName = "dane.sqlite";

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (creating when missing) the database file of the working directory.
    void open(const QString& workDir);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString workDir() const { return m_workDir; }
    sqlite3* handle() const { return m_db; }

    // The schema under which the folder's database is reached. With create false, a folder without
    // its database file answers an empty text and nothing is created.
    QString schemaFor(const QString& folder, bool create = true);
    // Forgets a folder's database (closing the attachment), e.g. before its folder is removed.
    void detach(const QString& folder);
    static bool hasDatabaseFile(const QString& folder);
    static QString databasePath(const QString& folder);

    Statement prepare(const QString& sql) const { return Statement(m_db, sql); }
    void exec(const QString& sql) const;
    qint64 lastInsertRowId() const;
    bool inTransaction() const;

    // Changes whenever the data of any table is written through this connection.
    quint64 writeCounter() const { return m_writes; }
    void noteWrite() { ++m_writes; }

    // A fresh name for a savepoint of a nested transaction.
    QString nextSavepointName() { return QString("sp%1").arg(++m_savepoints); }

private:
    QString canonical(const QString& folder) const;

    sqlite3* m_db = nullptr;
    QString m_workDir;
    QHash<QString, QString> m_schemas; // canonical folder -> schema name
    QStringList m_attachOrder;          // oldest first, for detaching when the limit is reached
    int m_nextSchema = 1;
    quint64 m_writes = 0;
    int m_savepoints = 0;
};

QString quoteIdentifier(const QString& name);

} // namespace store
