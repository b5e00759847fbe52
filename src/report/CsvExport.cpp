#include "report/CsvExport.h"

#include "report/FileWrite.h"
#include "report/ReadingOrder.h"

namespace report {

namespace {

QString field(const QString& text, QChar separator)
{
    QString t = text.trimmed();
    if (t.contains(separator) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n'))
        || t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

} // namespace

QString toCsv(const PageSet& pages, QChar separator)
{
    QString out;
    for (const Page& page : pages.pages) {
        for (const ReadingRow& row : readingRows(page, false)) {
            QStringList fields;
            for (const TextItem* item : row.texts)
                fields.append(field(item->text, separator));
            out += fields.join(separator) + QLatin1String("\r\n");
        }
    }
    return out;
}

bool saveCsv(const PageSet& pages, const QString& path, QString* error)
{
    return writeWholeFile(path, toCsv(pages).toUtf8(), error);
}

} // namespace report
