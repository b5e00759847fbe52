#pragma once

#include "store/FieldDef.h"
#include "store/TableRef.h"

namespace store {

class Database;

// What the program does with whole table files: does one exist, make one with a structure or with
// another table's structure, delete, copy, read a structure back.
class Tables {
public:
    explicit Tables(Database& db) : m_db(db) {}

    bool exists(const TableRef& table) const;
    void create(const TableRef& table, const TableStructure& structure) const;
    void createLike(const TableRef& table, const TableRef& model) const;
    void drop(const TableRef& table) const;
    // Makes target a copy of source: its structure and all its rows (an existing target is replaced).
    void copy(const TableRef& source, const TableRef& target) const;
    TableStructure structure(const TableRef& table) const;
    QStringList names(const QString& folder) const;
    qint64 rowCount(const TableRef& table) const;

    // Schema-qualified, quoted name for SQL. Creates the folder's database file when missing.
    QString qualified(const TableRef& table) const;

private:
    Database& m_db;
};

} // namespace store
