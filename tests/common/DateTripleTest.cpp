#include "common/Calendar.h"
#include "common/DateTriple.h"

#include <gtest/gtest.h>

namespace kzp {
namespace {

TEST(DateTriple, EmptyIsThreeZerosAndNotValid)
{
    DateTriple date = DateTriple::fromValues(2001, 3, 15);
    EXPECT_FALSE(date.isEmpty());
    date.clear();
    EXPECT_EQ(date, (DateTriple{0, 0, 0}));
    EXPECT_TRUE(date.isEmpty());
    EXPECT_FALSE(date.isValid());
    EXPECT_TRUE(DateTriple{}.isEmpty());
}

TEST(DateTriple, Validity)
{
    struct Case { int year, month, day; bool valid; };
    const Case cases[] = {
        {2001, 3, 15, true},   {2001, 12, 31, true},  {2001, 1, 1, true},    {1, 1, 1, true},
        {2001, 2, 28, true},   {2001, 2, 29, false},  {2000, 2, 29, true},   {1900, 2, 29, false},
        {2001, 4, 31, false},  {2001, 1, 0, false},   {2001, 0, 1, false},   {2001, 13, 1, false},
        {0, 1, 1, false},      {-1, 1, 1, false},
        // out of the 8-bit range: must not wrap round to 2001-01-01
        {2001, 257, 1, false}, {2001, 1, 257, false}, {2001, -255, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateTriple::fromValues(c.year, c.month, c.day).isValid(), c.valid)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(DateTriple, ConvertsToAndFromDates)
{
    EXPECT_EQ(DateTriple::fromDate(QDate(2001, 3, 15)), (DateTriple{2001, 3, 15}));
    EXPECT_EQ(DateTriple::fromValues(2000, 2, 29).toDate(), QDate(2000, 2, 29));
    EXPECT_EQ(DateTriple::fromDate(QDate(2100, 12, 31)).toDate(), QDate(2100, 12, 31));

    // no date, or one a triple cannot hold, is the empty triple
    EXPECT_TRUE(DateTriple::fromDate(QDate()).isEmpty());
    EXPECT_TRUE(DateTriple::fromDate(QDate(2001, 2, 30)).isEmpty());
    EXPECT_TRUE(DateTriple::fromDate(QDate(-5, 1, 1)).isEmpty());

    // an invalid or empty triple is no date
    EXPECT_TRUE(DateTriple{}.toDate().isNull());
    EXPECT_TRUE(DateTriple::fromValues(2001, 2, 30).toDate().isNull());
    EXPECT_TRUE(DateTriple::fromValues(2001, 13, 1).toDate().isNull());
}

TEST(DateComparison, FiveKindsByYearThenMonthThenDay)
{
    struct Case {
        QDate field;
        DateTriple date;
        bool equals, before, after, notAfter, notBefore;
    };
    const Case cases[] = {
        {QDate(2001, 3, 15), {2001, 3, 15}, true, false, false, true, true},
        {QDate(2001, 3, 14), {2001, 3, 15}, false, true, false, true, false},
        {QDate(2001, 3, 16), {2001, 3, 15}, false, false, true, false, true},
        // a later day in an earlier month, a later month in an earlier year
        {QDate(2001, 2, 28), {2001, 3, 1}, false, true, false, true, false},
        {QDate(2000, 12, 31), {2001, 1, 1}, false, true, false, true, false},
        {QDate(2001, 3, 1), {2001, 2, 28}, false, false, true, false, true},
        {QDate(2002, 1, 1), {2001, 12, 31}, false, false, true, false, true},
        // the empty field lies before every date, and equals only the empty triple
        {QDate(), {1998, 1, 1}, false, true, false, true, false},
        {QDate(), {1, 1, 1}, false, true, false, true, false},
        {QDate(), {0, 0, 0}, true, false, false, true, true},
        {QDate(1998, 1, 1), {0, 0, 0}, false, false, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field.toString(Qt::ISODate).toStdString() + " vs " + std::to_string(c.date.year) + "-"
                     + std::to_string(c.date.month) + "-" + std::to_string(c.date.day));
        EXPECT_EQ(dateEquals(c.field, c.date), c.equals);
        EXPECT_EQ(dateBefore(c.field, c.date), c.before);
        EXPECT_EQ(dateAfter(c.field, c.date), c.after);
        EXPECT_EQ(dateNotAfter(c.field, c.date), c.notAfter);
        EXPECT_EQ(dateNotBefore(c.field, c.date), c.notBefore);
    }
}

TEST(Calendar, DaysInMonthAndLeapYears)
{
    struct Case { int year, month, days; };
    const Case cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2001, 2, 28}, {2100, 2, 28}, {2400, 2, 29},
        {2001, 1, 31}, {2001, 3, 31}, {2001, 4, 30}, {2001, 6, 30}, {2001, 7, 31}, {2001, 8, 31},
        {2001, 9, 30}, {2001, 11, 30}, {2001, 12, 31},
        {2001, 0, 0}, {2001, 13, 0}, {2001, -1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(daysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;

    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2004));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2001));
}

TEST(Calendar, MonthArithmetic)
{
    struct Case { QDate (*step)(const QDate&); const char* name; QDate from, to; };
    const Case cases[] = {
        {previousMonth, "previous", QDate(2001, 3, 31), QDate(2001, 2, 28)},
        {previousMonth, "previous", QDate(2000, 3, 31), QDate(2000, 2, 29)},
        {previousMonth, "previous", QDate(2001, 1, 15), QDate(2000, 12, 15)},
        {previousMonth, "previous", QDate(2001, 5, 31), QDate(2001, 4, 30)},
        {previousMonth, "previous", QDate(2001, 3, 15), QDate(2001, 2, 15)},
        {lastDayOfPreviousMonth, "last of previous", QDate(2001, 3, 10), QDate(2001, 2, 28)},
        {lastDayOfPreviousMonth, "last of previous", QDate(2000, 3, 31), QDate(2000, 2, 29)},
        {lastDayOfPreviousMonth, "last of previous", QDate(2001, 1, 31), QDate(2000, 12, 31)},
        {lastDayOfPreviousMonth, "last of previous", QDate(2001, 5, 1), QDate(2001, 4, 30)},
        {lastDayOfNextMonth, "last of next", QDate(2001, 12, 10), QDate(2002, 1, 31)},
        {lastDayOfNextMonth, "last of next", QDate(2001, 1, 31), QDate(2001, 2, 28)},
        {lastDayOfNextMonth, "last of next", QDate(2004, 1, 15), QDate(2004, 2, 29)},
        {lastDayOfNextMonth, "last of next", QDate(2001, 3, 31), QDate(2001, 4, 30)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.step(c.from), c.to) << c.name << " of " << c.from.toString(Qt::ISODate).toStdString();

    EXPECT_TRUE(previousMonth(QDate()).isNull());
    EXPECT_TRUE(lastDayOfPreviousMonth(QDate()).isNull());
    EXPECT_TRUE(lastDayOfNextMonth(QDate()).isNull());
}

} // namespace
} // namespace kzp
