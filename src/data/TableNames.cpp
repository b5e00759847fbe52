#include "data/TableNames.h"

#include <QDir>

namespace kzp {

QString fundFolderName(int fundId)
{
    return QStringLiteral("Kas") + QString::number(fundId);
}

QString fundFolderPath(const QString& workDir, int fundId)
{
    return QDir::cleanPath(QDir(workDir).filePath(fundFolderName(fundId)));
}

QString dokTableName(int year)
{
    return QStringLiteral("Dok") + QString::number(year);
}

QString dokPozTableName(int year)
{
    return QStringLiteral("DokPoz") + QString::number(year);
}

QString potrTableName(int year, int month)
{
    return QStringLiteral("POTR") + QString::number(year) + QString::number(month);
}

YearMonth previousMonth(int year, int month)
{
    if (month <= 1)
        return {year - 1, 12};
    return {year, month - 1};
}

} // namespace kzp
