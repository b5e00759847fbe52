#include "report/HtmlExport.h"

#include "report/FileWrite.h"

#include <cmath>

namespace report {

namespace {

QString mm(double v)
{
    return QString::number(v, 'f', 2) + QLatin1String("mm");
}

QString textStyle(const TextItem& t)
{
    const int h = t.alignment & 0x000f;
    const QString align = (h & 0x0002) ? QStringLiteral("right") : (h & 0x0004) ? QStringLiteral("center") : QStringLiteral("left");
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4;line-height:%4;font-family:'%5';font-size:%6pt;"
                          "text-align:%7%8%9%10")
        .arg(mm(t.rect.left()), mm(t.rect.top()), mm(t.rect.width()), mm(t.rect.height()),
             t.font.family.toHtmlEscaped(), QString::number(t.font.pointSize), align,
             t.font.bold ? QStringLiteral(";font-weight:bold") : QString(),
             t.font.italic ? QStringLiteral(";font-style:italic") : QString(),
             t.font.underline ? QStringLiteral(";text-decoration:underline") : QString());
}

QString lineStyle(const LineItem& l)
{
    const QString kind = l.style == LineStyle::Dot ? QStringLiteral("dotted") : l.style == LineStyle::Dash ? QStringLiteral("dashed") : QStringLiteral("solid");
    const bool horizontal = std::fabs(l.from.y() - l.to.y()) <= std::fabs(l.from.x() - l.to.x());
    const double x = std::min(l.from.x(), l.to.x());
    const double y = std::min(l.from.y(), l.to.y());
    if (horizontal)
        return QStringLiteral("left:%1;top:%2;width:%3;border-top:%4 %5 #000")
            .arg(mm(x), mm(y), mm(std::fabs(l.to.x() - l.from.x())), mm(l.width), kind);
    return QStringLiteral("left:%1;top:%2;height:%3;border-left:%4 %5 #000")
        .arg(mm(x), mm(y), mm(std::fabs(l.to.y() - l.from.y())), mm(l.width), kind);
}

} // namespace

QString toHtml(const PageSet& pages)
{
    QString out;
    out += QLatin1String("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>")
           + pages.title.toHtmlEscaped() + QLatin1String("</title>\n<style>\n"
           "body{background:#888;margin:0}\n"
           ".page{position:relative;background:#fff;margin:5mm auto;overflow:hidden;page-break-after:always}\n"
           ".page div{position:absolute;white-space:pre}\n"
           "@media print{body{background:none}.page{margin:0}}\n"
           "</style></head><body>\n");
    for (const Page& page : pages.pages) {
        out += QStringLiteral("<div class=\"page\" style=\"width:%1;height:%2\">\n").arg(mm(page.size.width()), mm(page.size.height()));
        for (const LineItem& l : page.lines)
            out += QStringLiteral("<div style=\"%1\"></div>\n").arg(lineStyle(l));
        for (const TextItem& t : page.texts)
            out += QStringLiteral("<div style=\"%1\">%2</div>\n").arg(textStyle(t), t.text.toHtmlEscaped());
        out += QLatin1String("</div>\n");
    }
    out += QLatin1String("</body></html>\n");
    return out;
}

bool saveHtml(const PageSet& pages, const QString& path, QString* error)
{
    return writeWholeFile(path, toHtml(pages).toUtf8(), error);
}

} // namespace report
