#pragma once

#include "report/PageSet.h"

#include <QString>

namespace report {

// Comma-separated text: one record per row of texts in reading order, fields left to right,
// quoted when they hold the separator, a quote or a line break.
QString toCsv(const PageSet& pages, QChar separator = QLatin1Char(','));
bool saveCsv(const PageSet& pages, const QString& path, QString* error = nullptr);

} // namespace report
