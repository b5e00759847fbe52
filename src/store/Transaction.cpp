#include "store/Transaction.h"

#include "store/Database.h"

namespace store {

Transaction::Transaction(Database& db) : m_db(db)
{
    if (db.inTransaction()) {
        m_savepoint = db.nextSavepointName();
        db.exec("SAVEPOINT " + m_savepoint);
    } else {
        db.exec("BEGIN IMMEDIATE");
    }
    m_active = true;
}

Transaction::~Transaction()
{
    if (m_active) {
        try {
            rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    if (!m_active)
        return;
    if (m_savepoint.isEmpty())
        m_db.exec("COMMIT");
    else
        m_db.exec("RELEASE " + m_savepoint);
    m_active = false;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_savepoint.isEmpty()) {
        if (m_db.inTransaction())
            m_db.exec("ROLLBACK");
    } else {
        m_db.exec("ROLLBACK TO " + m_savepoint);
        m_db.exec("RELEASE " + m_savepoint);
    }
}

} // namespace store
