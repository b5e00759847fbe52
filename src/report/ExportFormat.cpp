#include "report/ExportFormat.h"

#include "report/CsvExport.h"
#include "report/HtmlExport.h"
#include "report/PdfExport.h"
#include "report/QrpFile.h"
#include "report/TextExport.h"

namespace report {

QString ExportFormat::filter() const
{
    QStringList patterns;
    for (const QString& e : extensions)
        patterns << QStringLiteral("*.") + e << QStringLiteral("*.") + e.toLower();
    return name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

bool ExportFormat::acceptsExtension(const QString& extension) const
{
    return extensions.contains(extension.toUpper());
}

QList<ExportFormat> exportFormats()
{
    return {
        {ExportFormat::Report, QStringLiteral("Report"), {QStringLiteral("QRP")}},
        {ExportFormat::Text, QStringLiteral("Text"), {QStringLiteral("TXT")}},
        {ExportFormat::Html, QStringLiteral("HTML"), {QStringLiteral("HTML"), QStringLiteral("HTM")}},
        {ExportFormat::Csv, QStringLiteral("CSV"), {QStringLiteral("CSV")}},
        {ExportFormat::Pdf, QStringLiteral("PDF"), {QStringLiteral("PDF")}},
    };
}

bool exportPages(const PageSet& pages, const QString& path, ExportFormat::Kind kind, QString* error)
{
    switch (kind) {
    case ExportFormat::Report: return QrpFile::save(pages, path, error);
    case ExportFormat::Text: return saveText(pages, path, error);
    case ExportFormat::Html: return saveHtml(pages, path, error);
    case ExportFormat::Csv: return saveCsv(pages, path, error);
    case ExportFormat::Pdf: return savePdf(pages, path, error);
    }
    return false;
}

} // namespace report
