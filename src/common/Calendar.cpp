#include "common/Calendar.h"

namespace kzp {

namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The first day of the month `months` away from the month of `date`.
QDate firstDayOfMonthAway(const QDate& date, int months)
{
    return QDate(date.year(), date.month(), 1).addMonths(months);
}

QDate lastDayOf(const QDate& firstDay)
{
    return QDate(firstDay.year(), firstDay.month(), daysInMonth(firstDay.year(), firstDay.month()));
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return kDaysInMonth[month - 1];
}

QDate previousMonth(const QDate& date)
{
    if (!date.isValid())
        return {};
    const QDate first = firstDayOfMonthAway(date, -1);
    const int day = qMin(date.day(), daysInMonth(first.year(), first.month()));
    return QDate(first.year(), first.month(), day);
}

QDate lastDayOfPreviousMonth(const QDate& date)
{
    if (!date.isValid())
        return {};
    return lastDayOf(firstDayOfMonthAway(date, -1));
}

QDate lastDayOfNextMonth(const QDate& date)
{
    if (!date.isValid())
        return {};
    return lastDayOf(firstDayOfMonthAway(date, 1));
}

} // namespace kzp
