#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// One prepared SQL statement, finalized when it goes out of scope. Errors throw StoreError.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1. A null QVariant binds NULL, a QDate its yyyy-mm-dd text,
    // a bool 0/1.
    Statement& bind(int index, const QVariant& value);
    Statement& bindNull(int index);
    Statement& bindInt(int index, qint64 value);
    Statement& bindDouble(int index, double value);
    Statement& bindText(int index, const QString& value);

    // Steps once; true while a row is available.
    bool step();
    // Runs the statement to its end (for statements that return no rows).
    void exec();
    // Makes the statement ready to run again; bindings stay.
    void reset();
    void clearBindings();

    int columnCount() const;
    bool isNull(int column) const;
    qint64 int64(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QVariant value(int column) const;

    const QString& sql() const { return m_sql; }

private:
    void check(int rc) const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

} // namespace store
