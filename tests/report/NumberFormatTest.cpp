#include "report/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    double value;
    const char* pattern;
    const char* expected;
};

class NumberFormatCases : public ::testing::TestWithParam<Case> {};

TEST_P(NumberFormatCases, FormatsAsThePatternSays)
{
    const Case& c = GetParam();
    EXPECT_EQ(report::formatNumber(c.value, QString::fromUtf8(c.pattern)).toStdString(), c.expected)
        << c.value << " with '" << c.pattern << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberFormatCases,
    ::testing::Values(
        // grouping by three with blanks, literal text around the digits kept
        Case{1234.5, " ### ### ##0.00 zł", " 1 234,50 zł"},
        Case{1234567.891, "### ### ##0.00", "1 234 567,89"},
        Case{123.0, "## ### ##0.00", "123,00"},
        Case{0.0, "## ### ##0.00", "0,00"},
        Case{0.5, "##0.00", "0,50"},
        // negatives: the sign sits before the first digit; a value rounding to zero has no sign
        Case{-1234.5, " ### ### ##0.00 zł", " -1 234,50 zł"},
        Case{-0.004, "##0.00", "0,00"},
        // rounding half away from zero, binary values a hair below a half included
        Case{1.005, "0.00", "1,01"},
        Case{2.675, "0.00", "2,68"},
        Case{-2.345, "0.00", "-2,35"},
        Case{2.3449999, "0.00", "2,34"},
        Case{999.995, "### ##0.00", "1 000,00"},
        // optional decimals are dropped when trailing zeros
        Case{1234.5, "0.##", "1234,5"},
        Case{1234.0, "0.##", "1234"},
        // required integer digits pad with zeros
        Case{7.0, "000", "007"},
        Case{12.0, "Str: 0", "Str: 12"}));

TEST(NumberFormat, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(report::formatNumber(1234.5, "### ##0.00", QLatin1Char('.')), QString("1 234.50"));
}

TEST(NumberFormat, AFormatObjectCanBeReused)
{
    const report::NumberFormat money(" ### ### ##0.00 zł");
    EXPECT_EQ(money.format(1), QString::fromUtf8(" 1,00 zł"));
    EXPECT_EQ(money.format(1e9), QString::fromUtf8(" 1 000 000 000,00 zł"));
}

} // namespace
