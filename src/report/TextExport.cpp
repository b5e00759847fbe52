#include "report/TextExport.h"

#include "report/FileWrite.h"
#include "report/ReadingOrder.h"

#include <cmath>
#include <limits>

namespace report {

namespace {

void putAt(QString& line, int column, const QString& text)
{
    // Never write over a text already on the row: keep one blank after it instead.
    int end = int(line.size());
    while (end > 0 && line[end - 1] == QLatin1Char(' '))
        --end;
    column = std::max(column, end > 0 ? end + 1 : 0);
    if (line.size() < column)
        line += QString(column - line.size(), QLatin1Char(' '));
    line = line.left(column) + text;
}

QString pageText(const Page& page, double cw, double leftMm)
{
    QStringList out;
    for (const ReadingRow& row : readingRows(page, true)) {
        QString line;
        if (row.line) {
            const int from = int(std::lround((row.lineFrom - leftMm) / cw));
            const int to = int(std::lround((row.lineTo - leftMm) / cw));
            const QChar c = row.line->style == LineStyle::Dot ? QLatin1Char('.') : QLatin1Char('-');
            line = QString(from, QLatin1Char(' ')) + QString(std::max(0, to - from), c);
        } else {
            for (const TextItem* item : row.texts) {
                const QString text = item->text;
                const int h = item->alignment & 0x000f;
                int column;
                if (h & 0x0002) // right
                    column = int(std::lround((item->rect.right() - leftMm) / cw)) - int(text.size());
                else if (h & 0x0004) // centred
                    column = int(std::lround((item->rect.center().x() - leftMm) / cw)) - int(text.size()) / 2;
                else
                    column = int(std::lround((item->rect.left() - leftMm) / cw));
                putAt(line, column, text);
            }
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out.append(line);
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

QString toText(const PageSet& pages, double charWidthMm)
{
    // The left margin of the paper is not repeated as blanks on every line.
    double left = std::numeric_limits<double>::max();
    for (const Page& page : pages.pages) {
        for (const TextItem& t : page.texts)
            left = std::min(left, t.rect.left());
        for (const LineItem& l : page.lines)
            left = std::min({left, l.from.x(), l.to.x()});
    }
    if (left == std::numeric_limits<double>::max())
        left = 0;
    QStringList out;
    for (const Page& page : pages.pages)
        out.append(pageText(page, charWidthMm, left));
    return out.join(QLatin1Char('\f'));
}

bool saveText(const PageSet& pages, const QString& path, QString* error)
{
    return writeWholeFile(path, toText(pages).toUtf8(), error);
}

} // namespace report
