#include "common/DateTexts.h"

#include "common/MonthNames.h"

#include <QRegularExpression>

namespace kzp {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int value)
{
    return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}

} // namespace

QString dateText(const DateTriple& date, DateOrder order, DateTextOptions options)
{
    const bool inWords = options.testFlag(DateTextOption::InWords);
    const bool genitive = options.testFlag(DateTextOption::Genitive);
    const bool dayFirst = order == DateOrder::DayFirst;

    QString text;
    if (!date.isValid()) {
        text = dayFirst ? QStringLiteral("__-__ - ____") : QStringLiteral("____-__ - __");
    } else if (inWords) {
        const QString month = monthName(date.month, genitive ? MonthForm::Genitive : MonthForm::Nominative);
        text = dayFirst ? twoDigits(date.day) + u' ' + month + u' ' + fourDigits(date.year)
                        : fourDigits(date.year) + u' ' + month + u' ' + twoDigits(date.day);
    } else {
        text = dayFirst ? twoDigits(date.day) + u'-' + twoDigits(date.month) + u'-' + fourDigits(date.year)
                        : fourDigits(date.year) + u'-' + twoDigits(date.month) + u'-' + twoDigits(date.day);
    }

    if (inWords)
        text += genitive ? QStringLiteral(" roku") : QStringLiteral(" rok");
    if (options.testFlag(DateTextOption::FullStop))
        text += u'.';
    return text;
}

QDate parseDateText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const DateTriple triple = DateTriple::fromValues(match.captured(1).toInt(), match.captured(2).toInt(),
                                                     match.captured(3).toInt());
    return triple.toDate();
}

bool isValidDateText(const QString& text)
{
    return parseDateText(text).isValid();
}

} // namespace kzp
