#include "report/Band.h"

namespace report {

TextElement& Band::addLabel(const QRectF& rect, const QString& text, int qtAlignment)
{
    TextElement& e = m_texts.emplace_back();
    e.rect = rect;
    e.text = text;
    e.font = m_font;
    e.alignment = qtAlignment;
    return e;
}

TextElement& Band::addField(const QRectF& rect, std::function<QString()> value, int qtAlignment)
{
    TextElement& e = addLabel(rect, QString(), qtAlignment);
    e.value = std::move(value);
    return e;
}

TextElement& Band::addMemo(const QRectF& rect, std::function<QString()> value)
{
    TextElement& e = addField(rect, std::move(value), 0x0001 | 0x0020); // left, top
    e.memo = true;
    return e;
}

TextElement& Band::addPageNumber(const QRectF& rect, const QString& pattern, int qtAlignment)
{
    TextElement& e = addLabel(rect, pattern, qtAlignment);
    e.pageNumber = true;
    return e;
}

LineElement& Band::addLine(const QPointF& from, const QPointF& to, double width, LineStyle style)
{
    LineElement& l = m_lines.emplace_back();
    l.from = from;
    l.to = to;
    l.width = width;
    l.style = style;
    return l;
}

LineElement& Band::addHLine(double y, double x, double length, double width, LineStyle style)
{
    return addLine(QPointF(x, y), QPointF(x + length, y), width, style);
}

Band& Band::addChild(double heightMm)
{
    m_children.push_back(std::make_unique<Band>(heightMm));
    m_children.back()->setFont(m_font);
    return *m_children.back();
}

} // namespace report
