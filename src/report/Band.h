#pragma once

#include "report/Style.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace report {

// A text on a band. Its rectangle is in millimetres from the band's top-left corner (x from the
// left margin). The text is either fixed (text) or computed when the band prints (value).
struct TextElement {
    QRectF rect;
    QString text;
    std::function<QString()> value;
    Font font;
    int alignment = 0x0001 | 0x0080; // Qt::AlignLeft | Qt::AlignVCenter
    // A memo breaks its text into lines within its width and makes the band as tall as needed.
    bool memo = false;
    // A page number field: "%1" in text is replaced by the page number, "%2" by the page count.
    bool pageNumber = false;
    int frame = NoFrame; // FrameSide flags
    double frameWidth = 0.2;
    bool visible = true;

    TextElement& align(int qtAlignment) { alignment = qtAlignment; return *this; }
    TextElement& bold(bool on = true) { font.bold = on; return *this; }
    TextElement& size(double points) { font.pointSize = points; return *this; }
    TextElement& framed(int sides, double width = 0.2) { frame = sides; frameWidth = width; return *this; }
    QString currentText() const { return value ? value() : text; }
};

// A line on a band, in millimetres from the band's top-left corner.
struct LineElement {
    QPointF from;
    QPointF to;
    double width = 0.2;
    LineStyle style = LineStyle::Solid;
    bool visible = true;
};

// A horizontal strip of a report printed as a whole: a page header, a detail line, a summary...
// Before it prints, its handler runs; the handler fills fields and answers whether the band
// prints (false leaves no trace of it on the page). Child bands follow their band: each child is
// asked on its own, also when its parent was suppressed.
class Band {
public:
    explicit Band(double heightMm = 5.0) : m_height(heightMm) {}
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    double height() const { return m_height; }
    void setHeight(double mm) { m_height = mm; }

    // Font given to the elements added afterwards.
    void setFont(const Font& font) { m_font = font; }
    const Font& font() const { return m_font; }

    // Elements; the returned references stay valid for the life of the band.
    TextElement& addLabel(const QRectF& rect, const QString& text, int qtAlignment = 0x0001 | 0x0080);
    TextElement& addField(const QRectF& rect, std::function<QString()> value, int qtAlignment = 0x0001 | 0x0080);
    TextElement& addMemo(const QRectF& rect, std::function<QString()> value);
    TextElement& addPageNumber(const QRectF& rect, const QString& pattern = QStringLiteral("Str: %1"),
                               int qtAlignment = 0x0002 | 0x0080);
    LineElement& addLine(const QPointF& from, const QPointF& to, double width = 0.2,
                         LineStyle style = LineStyle::Solid);
    // A horizontal line across the band at height y, from x to x + length.
    LineElement& addHLine(double y, double x, double length, double width = 0.2,
                          LineStyle style = LineStyle::Solid);

    const std::deque<TextElement>& texts() const { return m_texts; }
    const std::deque<LineElement>& lines() const { return m_lines; }

    // Runs before each printing; return false to suppress the band this time.
    std::function<bool()> beforePrint;

    // Starts a new page before the band unless the page is still empty.
    bool newPageBefore = false;

    // A band printed right after this one.
    Band& addChild(double heightMm = 5.0);
    const std::vector<std::unique_ptr<Band>>& children() const { return m_children; }

private:
    double m_height;
    Font m_font;
    std::deque<TextElement> m_texts;
    std::deque<LineElement> m_lines;
    std::vector<std::unique_ptr<Band>> m_children;
};

} // namespace report
