#pragma once

#include "report/Style.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <memory>

namespace report {

// Text is laid out and painted in hundredths of a millimetre, so a page looks the same on the
// screen at any zoom, on paper and in a PDF: fonts get a pixel size in those units.
inline constexpr double UnitsPerMm = 100.0;

QFont toQFont(const Font& font);

// Measures texts in millimetres, keeping the metrics of each font it has seen.
class TextMeasure {
public:
    double width(const Font& font, const QString& text);
    double lineHeight(const Font& font);
    double ascent(const Font& font);
    // Breaks the text into lines no wider than widthMm (at blanks when possible; explicit line
    // breaks are kept).
    QStringList wrap(const Font& font, const QString& text, double widthMm);

private:
    const QFontMetricsF& metrics(const Font& font);
    QHash<QString, std::shared_ptr<QFontMetricsF>> m_cache;
};

} // namespace report
