#pragma once

#include "report/PageSet.h"

#include <QString>

namespace report {

// An HTML document that shows every page as it is printed: texts and lines placed in millimetres.
QString toHtml(const PageSet& pages);
bool saveHtml(const PageSet& pages, const QString& path, QString* error = nullptr);

} // namespace report
