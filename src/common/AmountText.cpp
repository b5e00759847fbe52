#include "common/AmountText.h"

#include "common/MoneyRounding.h"

#include <cmath>

namespace kzp {

namespace {

// Polish regional settings: a blank between groups of three digits and a comma before the
// decimals. Spelt out here rather than taken from QLocale, whose Polish group separator is a
// no-break space.
constexpr char16_t kGroupSeparator = u' ';
constexpr char16_t kDecimalSeparator = u',';

} // namespace

QString amountText(float amount)
{
    if (amount == 0.0f)
        return QStringLiteral("...  ");
    if (!std::isfinite(amount))
        return QString::number(double(amount));

    const double rounded = roundMoney(double(amount), 2);
    const QString plain = QString::number(std::fabs(rounded), 'f', 2); // "1234567.50"
    const qsizetype point = plain.indexOf(u'.');
    const QString whole = plain.left(point);

    QString text;
    if (rounded < 0)
        text += u'-';
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += kGroupSeparator;
        text += whole.at(i);
    }
    text += kDecimalSeparator;
    text += plain.mid(point + 1);
    return text;
}

} // namespace kzp
