#pragma once

#include <QChar>
#include <QString>

namespace report {

// Formats numbers with picture patterns such as " ### ### ##0.00 zł":
//  - '0' is a required digit, '#' an optional one;
//  - a blank between digit places of the integer part groups the digits by three with a blank;
//  - '.' marks the decimal separator (written as decimalSeparator); '0'/'#' after it give the
//    number of decimals ('#' decimals are dropped when they are trailing zeros);
//  - text before the first and after the last digit place is copied as it stands.
// Values are rounded half away from zero; a negative value gets "-" before its first digit and a
// value that rounds to zero is never negative.
class NumberFormat {
public:
    explicit NumberFormat(const QString& pattern, QChar decimalSeparator = QLatin1Char(','));

    QString format(double value) const;

private:
    QString m_prefix;
    QString m_suffix;
    int m_minIntegerDigits = 0;
    bool m_grouping = false;
    int m_requiredDecimals = 0;
    int m_optionalDecimals = 0;
    bool m_hasDecimalPoint = false;
    QChar m_decimalSeparator;
};

// Shorthand for NumberFormat(pattern, decimalSeparator).format(value).
QString formatNumber(double value, const QString& pattern, QChar decimalSeparator = QLatin1Char(','));

} // namespace report
