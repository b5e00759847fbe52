#include "report/NumberFormat.h"

#include <cmath>

namespace report {

namespace {

bool isDigitPlace(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

} // namespace

NumberFormat::NumberFormat(const QString& pattern, QChar decimalSeparator)
    : m_decimalSeparator(decimalSeparator)
{
    int first = -1;
    int last = -1;
    for (int i = 0; i < pattern.size(); ++i) {
        if (isDigitPlace(pattern[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        m_prefix = pattern;
        return;
    }
    m_prefix = pattern.left(first);
    m_suffix = pattern.mid(last + 1);
    const QString body = pattern.mid(first, last - first + 1);
    const int point = body.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? body : body.left(point);
    m_hasDecimalPoint = point >= 0;
    // "0.##" written as "##0." is a decimal point with no decimals.
    if (point >= 0) {
        const QString decimals = body.mid(point + 1);
        for (QChar c : decimals) {
            if (c == QLatin1Char('0') && m_optionalDecimals == 0)
                ++m_requiredDecimals;
            else if (isDigitPlace(c))
                ++m_optionalDecimals;
        }
    }
    for (QChar c : integerPart) {
        if (c == QLatin1Char('0'))
            ++m_minIntegerDigits;
        else if (c == QLatin1Char(' ') || c == QLatin1Char(','))
            m_grouping = true;
    }
}

QString NumberFormat::format(double value) const
{
    if (!std::isfinite(value))
        return m_prefix + QString::number(value) + m_suffix;
    const int decimals = m_requiredDecimals + m_optionalDecimals;
    const bool negative = value < 0;
    double magnitude = std::fabs(value) * std::pow(10.0, decimals);
    // Halves, and binary values a hair below a half, round away from zero.
    double whole = std::floor(magnitude);
    if (magnitude - whole > 0.499999999)
        whole += 1;
    QString digits = QString::number(whole, 'f', 0);
    if (digits.size() <= decimals)
        digits = QString(decimals - digits.size() + 1, QLatin1Char('0')) + digits;
    QString integer = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);
    // Optional decimals disappear when they are trailing zeros.
    int keep = fraction.size();
    while (keep > m_requiredDecimals && fraction[keep - 1] == QLatin1Char('0'))
        --keep;
    fraction.truncate(keep);

    if (integer == QLatin1String("0") && m_minIntegerDigits == 0 && !fraction.isEmpty())
        integer.clear();
    if (integer.size() < m_minIntegerDigits)
        integer = QString(m_minIntegerDigits - integer.size(), QLatin1Char('0')) + integer;
    if (integer == QLatin1String("0") && m_minIntegerDigits == 0 && fraction.isEmpty())
        integer = QStringLiteral("0");
    if (m_grouping) {
        for (int i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, QLatin1Char(' '));
    }
    const bool zero = whole == 0;
    QString text = (negative && !zero) ? QStringLiteral("-") : QString();
    text += integer;
    if (!fraction.isEmpty())
        text += m_decimalSeparator + fraction;
    return m_prefix + text + m_suffix;
}

QString formatNumber(double value, const QString& pattern, QChar decimalSeparator)
{
    return NumberFormat(pattern, decimalSeparator).format(value);
}

} // namespace report
