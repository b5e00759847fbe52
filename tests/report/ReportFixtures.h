#pragma once

#include "report/Report.h"

#include <QStringList>

#include <ostream>

#include <memory>

namespace reporttest {

// Texts of one page in reading order (top to bottom, then left to right).
QStringList pageTexts(const report::Page& page);
// Texts of every page, in order.
QStringList allTexts(const report::PageSet& pages);
// The item with exactly this text, or nullptr.
const report::TextItem* findText(const report::Page& page, const QString& text);

// A simple list report: page header with a page number, a detail line "Wiersz n" per row and a
// summary "Koniec". rows counts the rows; the returned report keeps reading it.
std::unique_ptr<report::Report> listReport(int rows, int* current);

} // namespace reporttest

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']'; }
