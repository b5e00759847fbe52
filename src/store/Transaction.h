#pragma once

#include <QString>

namespace store {

class Database;

// A scoped transaction: begun on construction, rolled back on destruction unless committed.
// Nested guards become savepoints of the outer transaction.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_active; }

private:
    Database& m_db;
    QString m_savepoint; // empty for the outermost transaction
    bool m_active = false;
};

} // namespace store
