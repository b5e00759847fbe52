#include "report/Fonts.h"

#include <cmath>

namespace report {

QFont toQFont(const Font& font)
{
    QFont f(font.family);
    f.setPixelSize(std::max(1, int(std::lround(font.pointSize * 25.4 / 72.0 * UnitsPerMm))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Hinting would make widths depend on the output device and the zoom.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

const QFontMetricsF& TextMeasure::metrics(const Font& font)
{
    const QString key = QStringLiteral("%1|%2|%3%4%5")
                            .arg(font.family)
                            .arg(font.pointSize)
                            .arg(int(font.bold))
                            .arg(int(font.italic))
                            .arg(int(font.underline));
    auto it = m_cache.find(key);
    if (it == m_cache.end())
        it = m_cache.insert(key, std::make_shared<QFontMetricsF>(toQFont(font)));
    return *it.value();
}

double TextMeasure::width(const Font& font, const QString& text)
{
    return metrics(font).horizontalAdvance(text) / UnitsPerMm;
}

double TextMeasure::lineHeight(const Font& font)
{
    return metrics(font).height() / UnitsPerMm;
}

double TextMeasure::ascent(const Font& font)
{
    return metrics(font).ascent() / UnitsPerMm;
}

QStringList TextMeasure::wrap(const Font& font, const QString& text, double widthMm)
{
    QStringList out;
    const QStringList paragraphs = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        const QStringList words = paragraph.split(QLatin1Char(' '));
        QString line;
        for (const QString& word : words) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (line.isEmpty() || width(font, candidate) <= widthMm) {
                line = candidate;
            } else {
                out.append(line);
                line = word;
            }
            // A single word wider than the element is cut by characters.
            while (width(font, line) > widthMm && line.size() > 1) {
                int n = line.size() - 1;
                while (n > 1 && width(font, line.left(n)) > widthMm)
                    --n;
                out.append(line.left(n));
                line = line.mid(n);
            }
        }
        out.append(line);
    }
    return out;
}

} // namespace report
