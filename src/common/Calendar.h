#pragma once

#include <QDate>

namespace kzp {

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
bool isLeapYear(int year);

// 28..31 for months 1..12; 0 for any other month number, which no date can have.
int daysInMonth(int year, int month);

// The same day one month earlier; when that month is shorter, its last day
// (2001-03-31 -> 2001-02-28). A null date gives a null date.
QDate previousMonth(const QDate& date);

// The last day of the month before / after the month of `date`. A null date gives a null date.
QDate lastDayOfPreviousMonth(const QDate& date);
QDate lastDayOfNextMonth(const QDate& date);

} // namespace kzp
