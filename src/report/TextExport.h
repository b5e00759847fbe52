#pragma once

#include "report/PageSet.h"

#include <QString>

namespace report {

// Plain text of a page set: the texts of each page in reading order, placed in columns of
// charWidthMm millimetres so that columns stay aligned; long horizontal lines become rows of '-'
// ('.' when dotted). Pages are separated by a form feed.
QString toText(const PageSet& pages, double charWidthMm = 2.0);

// Writes toText() to the file in UTF-8; false (with the reason in error) when it cannot.
bool saveText(const PageSet& pages, const QString& path, QString* error = nullptr);

} // namespace report
