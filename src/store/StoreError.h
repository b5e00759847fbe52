#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A refusal by the database itself: carries SQLite's extended result code and the SQL text.
class StoreError : public std::runtime_error {
public:
    StoreError(int code, const QString& message, const QString& sql = QString())
        : std::runtime_error(message.toStdString()), m_code(code), m_message(message), m_sql(sql) {}

    int code() const { return m_code; }
    QString message() const { return m_message; }
    QString sql() const { return m_sql; }
    bool isConstraint() const { return (m_code & 0xff) == 19; } // SQLITE_CONSTRAINT family
    bool isUniqueViolation() const { return m_code == 2067 || m_code == 1555; } // UNIQUE, PRIMARYKEY

private:
    int m_code;
    QString m_message;
    QString m_sql;
};

// A record rule refuses an operation: the message is shown to the user, the cursor keeps its state.
class RuleError : public std::runtime_error {
public:
    explicit RuleError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A silent abandon of an operation: the handler has already told the user what it had to.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "aborted"; }
};

} // namespace store
