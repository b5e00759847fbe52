#include "data/FundTables.h"

#include "data/Catalogue.h"
#include "data/TableNames.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "store/Transaction.h"

#include <QDir>

namespace kzp {

namespace {

bool createMissing(store::Database& db, const store::TableRef& ref, const store::TableStructure& structure)
{
    store::Tables tables(db);
    if (tables.exists(ref))
        return false;
    tables.create(ref, structure);
    return true;
}

} // namespace

QString FundTables::folderPath(const QString& folder) const
{
    const QString path = QDir::cleanPath(QDir(m_db.workDir()).absoluteFilePath(folder));
    if (!QDir().mkpath(path))
        throw store::StoreError(1, QString("Błąd generowania katalogu: %1").arg(path));
    return path;
}

void FundTables::createFundTables(const QString& folder) const
{
    const QString path = folderPath(folder);
    store::Tables(m_db).qualified({path, table::Czlonkowie}); // attach before the transaction begins
    store::Transaction tx(m_db);
    for (const auto& [name, structure] : Catalogue::fundBaseTables())
        createMissing(m_db, {path, name}, structure);
    tx.commit();
}

QString FundTables::firstMissingBaseTable(const QString& folder) const
{
    const QString path = QDir::cleanPath(QDir(m_db.workDir()).absoluteFilePath(folder));
    const store::Tables tables(m_db);
    for (const QString& name : {table::OperacjeKonta, table::Czlonkowie, table::Pozyczki, table::Wplaty, table::Raty})
        if (!tables.exists({path, name}))
            return name;
    return QString();
}

bool FundTables::yearTablesExist(const QString& folder, int year) const
{
    const QString path = QDir::cleanPath(QDir(m_db.workDir()).absoluteFilePath(folder));
    return store::Tables(m_db).exists({path, dokTableName(year)});
}

bool FundTables::ensureYearTables(const QString& folder, int year) const
{
    const QString path = folderPath(folder);
    store::Tables(m_db).qualified({path, dokTableName(year)});
    store::Transaction tx(m_db);
    const bool documents = createMissing(m_db, {path, dokTableName(year)}, Catalogue::dokumenty());
    const bool entries = createMissing(m_db, {path, dokPozTableName(year)}, Catalogue::dokPozycje());
    tx.commit();
    return documents || entries;
}

bool FundTables::ensureMonthTable(const QString& folder, int year, int month) const
{
    const QString path = folderPath(folder);
    return createMissing(m_db, {path, potrTableName(year, month)}, Catalogue::potracenia());
}

void FundTables::ensureMonthTables(const QString& folder, int year, int month) const
{
    ensureMonthTable(folder, year, month);
    const YearMonth before = previousMonth(year, month);
    ensureMonthTable(folder, before.year, before.month);
}

} // namespace kzp
