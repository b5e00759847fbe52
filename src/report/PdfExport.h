#pragma once

#include "report/PageSet.h"

#include <QString>

namespace report {

// Writes the pages to a PDF file; false (with the reason in error) when it cannot.
bool savePdf(const PageSet& pages, const QString& path, QString* error = nullptr);

} // namespace report
