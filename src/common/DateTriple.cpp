#include "common/DateTriple.h"

#include "common/Calendar.h"

namespace kzp {

namespace {

quint8 narrow(int value)
{
    return value < 0 || value > 255 ? quint8(255) : quint8(value);
}

} // namespace

DateTriple DateTriple::fromValues(int year, int month, int day)
{
    return DateTriple{year, narrow(month), narrow(day)};
}

DateTriple DateTriple::fromDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    const DateTriple triple = fromValues(date.year(), date.month(), date.day());
    return triple.isValid() ? triple : DateTriple{};
}

QDate DateTriple::toDate() const
{
    return isValid() ? QDate(year, month, day) : QDate();
}

bool DateTriple::isValid() const
{
    return year > 0 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

bool dateEquals(const QDate& field, const DateTriple& date)
{
    return DateTriple::fromDate(field) == date;
}

bool dateBefore(const QDate& field, const DateTriple& date)
{
    return DateTriple::fromDate(field) < date;
}

bool dateAfter(const QDate& field, const DateTriple& date)
{
    return DateTriple::fromDate(field) > date;
}

bool dateNotAfter(const QDate& field, const DateTriple& date)
{
    return DateTriple::fromDate(field) <= date;
}

bool dateNotBefore(const QDate& field, const DateTriple& date)
{
    return DateTriple::fromDate(field) >= date;
}

} // namespace kzp
