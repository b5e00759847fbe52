#include "common/DateTexts.h"
#include "common/MonthNames.h"

#include <gtest/gtest.h>

namespace kzp {
namespace {

TEST(MonthNames, BothFormsOfEveryMonth)
{
    const char* const nominative[] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
                                      "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
    const char* const genitive[] = {"stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca",
                                    "lipca", "sierpnia", "września", "października", "listopada", "grudnia"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(monthName(month, MonthForm::Nominative), QString::fromUtf8(nominative[month - 1])) << month;
        EXPECT_EQ(monthName(month, MonthForm::Genitive), QString::fromUtf8(genitive[month - 1])) << month;
    }
}

TEST(MonthNames, NoNameOutsideOneToTwelve)
{
    for (const int month : {0, 13, -1, 255}) {
        EXPECT_TRUE(monthName(month, MonthForm::Nominative).isEmpty()) << month;
        EXPECT_TRUE(monthName(month, MonthForm::Genitive).isEmpty()) << month;
    }
}

TEST(DateText, AllForms)
{
    using O = DateTextOption;
    struct Case { DateTriple date; DateOrder order; DateTextOptions options; const char* expected; };
    const DateTriple march15{2001, 3, 15};
    const DateTriple march5{2001, 3, 5};
    const DateTriple feb30{2001, 2, 30};
    const Case cases[] = {
        // the forms the program shows
        {march15, DateOrder::DayFirst, O::InWords | O::Genitive, "15 marca 2001 roku"},
        {{2001, 3, 31}, DateOrder::DayFirst, O::InWords | O::FullStop, "31 marzec 2001 rok."},
        {march15, DateOrder::DayFirst, {}, "15-03-2001"},
        // every other combination of order, words, case and full stop
        {march5, DateOrder::DayFirst, O::InWords, "05 marzec 2001 rok"},
        {march5, DateOrder::DayFirst, O::InWords | O::Genitive | O::FullStop, "05 marca 2001 roku."},
        {march5, DateOrder::YearFirst, O::InWords, "2001 marzec 05 rok"},
        {march5, DateOrder::YearFirst, O::InWords | O::Genitive, "2001 marca 05 roku"},
        {{2001, 10, 9}, DateOrder::YearFirst, O::InWords | O::Genitive | O::FullStop, "2001 października 09 roku."},
        {march5, DateOrder::YearFirst, {}, "2001-03-05"},
        {march5, DateOrder::YearFirst, O::FullStop, "2001-03-05."},
        {march15, DateOrder::DayFirst, O::FullStop, "15-03-2001."},
        {march15, DateOrder::DayFirst, O::Genitive, "15-03-2001"},   // no month name, no ending
        {{999, 1, 2}, DateOrder::DayFirst, {}, "02-01-0999"},
        {{999, 1, 2}, DateOrder::YearFirst, {}, "0999-01-02"},
        // invalid and empty triples
        {feb30, DateOrder::DayFirst, {}, "__-__ - ____"},
        {feb30, DateOrder::YearFirst, {}, "____-__ - __"},
        {feb30, DateOrder::DayFirst, O::FullStop, "__-__ - ____."},
        {DateTriple{}, DateOrder::DayFirst, O::InWords | O::Genitive, "__-__ - ____ roku"},
        {DateTriple{}, DateOrder::DayFirst, O::InWords | O::FullStop, "__-__ - ____ rok."},
        {DateTriple{}, DateOrder::YearFirst, O::InWords, "____-__ - __ rok"},
        {{2001, 13, 1}, DateOrder::YearFirst, O::InWords | O::Genitive | O::FullStop, "____-__ - __ roku."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateText(c.date, c.order, c.options), QString::fromUtf8(c.expected)) << c.expected;
}

TEST(DateTextCheck, AcceptsOnlyRealDatesInTheProgramFormat)
{
    struct Case { const char* text; bool valid; };
    const Case cases[] = {
        {"2003-02-28", true},  {"2004-02-29", true},  {"2003-12-31", true},  {"0001-01-01", true},
        {"2003-5-7", true},    {" 2003-05-07 ", true},
        {"2003-02-30", false}, {"2003-02-29", false}, {"2003-13-01", false}, {"2003-00-10", false},
        {"2003-04-31", false}, {"2003-01-00", false}, {"0000-01-01", false},
        {"", false},           {"    ", false},       {"    -  -  ", false}, {"abc", false},
        {"2003-02", false},    {"2003/02/28", false}, {"28-02-2003", false}, {"2003-02-28x", false},
        {"2003-02-28 12:00", false}, {"-2003-02-28", false}, {"2003-002-28", false},
        {"٢٠٠٣-٠٢-٢٨", false}, // digits of another script
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidDateText(QString::fromUtf8(c.text)), c.valid) << '"' << c.text << '"';
}

TEST(DateTextCheck, ParsesTheDateItAccepts)
{
    EXPECT_EQ(parseDateText("2003-05-07"), QDate(2003, 5, 7));
    EXPECT_EQ(parseDateText(" 2003-5-7 "), QDate(2003, 5, 7));
    EXPECT_TRUE(parseDateText("2003-02-30").isNull());
}

} // namespace
} // namespace kzp
