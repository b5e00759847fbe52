#include "report/PagePainter.h"

#include "report/Fonts.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace report {

void paintPage(QPainter& painter, const Page& page, double pxPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const double scale = pxPerMm / UnitsPerMm;
    painter.scale(scale, scale);
    for (const LineItem& line : page.lines) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(line.width * UnitsPerMm, 1.0 / scale));
        pen.setStyle(line.style == LineStyle::Dot ? Qt::DotLine : line.style == LineStyle::Dash ? Qt::DashLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(line.from * UnitsPerMm, line.to * UnitsPerMm);
    }
    painter.setPen(Qt::black);
    const Font* current = nullptr;
    for (const TextItem& item : page.texts) {
        if (!current || !(*current == item.font)) {
            painter.setFont(toQFont(item.font));
            current = &item.font;
        }
        const QRectF r(item.rect.topLeft() * UnitsPerMm, item.rect.size() * UnitsPerMm);
        painter.drawText(r, item.alignment | Qt::TextDontClip | Qt::TextSingleLine, item.text);
    }
    painter.restore();
}

bool printPageSet(const PageSet& pages, QPrinter& printer)
{
    if (pages.isEmpty())
        return false;
    printer.setFullPage(true);
    printer.setPageOrientation(pages.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (printer.docName().isEmpty())
        printer.setDocName(pages.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double pxPerMm = printer.resolution() / 25.4;
    // The printer may count pages from a physical origin shifted from the paper's corner.
    const QPointF origin = -printer.pageLayout().fullRectPixels(printer.resolution()).topLeft();
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.translate(origin);
        paintPage(painter, pages.pages[i], pxPerMm);
        painter.restore();
    }
    return painter.end();
}

} // namespace report
