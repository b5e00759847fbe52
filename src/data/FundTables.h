#pragma once

#include <QString>

namespace store {
class Database;
}

namespace kzp {

// Making the tables of a fund folder: the base tables of a new fund, the accounting pair of a year
// and the deductions table of a month. Each table is made only when missing, empty, with its
// catalogue structure. `folder` is the fund folder's path (relative paths are taken from the
// working directory); it is made when missing.
class FundTables {
public:
    explicit FundTables(store::Database& db) : m_db(db) {}

    // NUMERYDOK, OPERACJEKONTA, POZYCZKI, CZLONKOWIE, WPLATY, RATY.
    void createFundTables(const QString& folder) const;
    // The first of the base tables a fund cannot be opened without (OPERACJEKONTA, CZLONKOWIE,
    // POZYCZKI, WPLATY, RATY, in that order) that the folder lacks; empty when all are there.
    QString firstMissingBaseTable(const QString& folder) const;

    // Whether the year's documents table exists.
    bool yearTablesExist(const QString& folder, int year) const;
    // Dok<year> and DokPoz<year>; each one that is missing is made, so a year never has documents
    // without a table for their entries. True when anything was made.
    bool ensureYearTables(const QString& folder, int year) const;
    // POTR<year><month>; true when it was made.
    bool ensureMonthTable(const QString& folder, int year, int month) const;
    // The deductions tables of the month and of the month before it.
    void ensureMonthTables(const QString& folder, int year, int month) const;

private:
    QString folderPath(const QString& folder) const;

    store::Database& m_db;
};

} // namespace kzp
