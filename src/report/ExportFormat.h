#pragma once

#include "report/PageSet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace report {

// The formats a rendered report can be saved in. The first is the report's own format.
struct ExportFormat {
    enum Kind { Report, Text, Html, Csv, Pdf };
    Kind kind;
    QString name;
    QStringList extensions; // upper case, without the dot; the first is the one to suggest

    // A filter for a file dialog: "Text (*.TXT *.txt)".
    QString filter() const;
    bool acceptsExtension(const QString& extension) const;
};

QList<ExportFormat> exportFormats();

// Writes the pages in the given format; false (with the reason in error) when it cannot.
bool exportPages(const PageSet& pages, const QString& path, ExportFormat::Kind kind, QString* error = nullptr);

} // namespace report
