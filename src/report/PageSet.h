#pragma once

#include "report/Style.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace report {

// One line of text placed on a page. Coordinates are millimetres from the page's top-left corner.
struct TextItem {
    QRectF rect;
    QString text;
    Font font;
    int alignment = 0; // Qt::Alignment flags
    bool operator==(const TextItem&) const = default;
};

// A straight line on a page, in millimetres; width in millimetres.
struct LineItem {
    QPointF from;
    QPointF to;
    double width = 0.2;
    LineStyle style = LineStyle::Solid;
    bool operator==(const LineItem&) const = default;
};

struct Page {
    QSizeF size{A4ShortMm, A4LongMm};
    QList<TextItem> texts;
    QList<LineItem> lines;
    bool operator==(const Page&) const = default;
};

// The rendered form of a report: what the preview shows, the printer prints and the exporters write.
class PageSet {
public:
    QString title;
    Orientation orientation = Orientation::Portrait;
    QList<Page> pages;

    int pageCount() const { return int(pages.size()); }
    bool isEmpty() const { return pages.isEmpty(); }
    bool operator==(const PageSet&) const = default;
};

} // namespace report
