#include "common/AmountText.h"

#include <gtest/gtest.h>

namespace kzp {
namespace {

TEST(AmountText, ZeroIsDotsAndTwoBlanks)
{
    EXPECT_EQ(amountText(0.0f), QStringLiteral("...  "));
    EXPECT_EQ(amountText(-0.0f), QStringLiteral("...  "));
}

TEST(AmountText, GroupsOfThreeAndTwoDecimals)
{
    struct Case { float amount; const char* expected; };
    const Case cases[] = {
        {1234.5f, "1 234,50"},
        {-1234.5f, "-1 234,50"},
        {0.5f, "0,50"},
        {-0.07f, "-0,07"},
        {123.0f, "123,00"},
        {1000.0f, "1 000,00"},
        {999999.0f, "999 999,00"},
        {1234567.0f, "1 234 567,00"},
        {-100000.25f, "-100 000,25"},
        {0.125f, "0,13"},                 // a half grosz goes away from zero
        {-0.001f, "0,00"},                // never "-0,00"
        {123456789.0f, "123 456 792,00"}, // single precision: the nearest float
        {1e10f, "10 000 000 000,00"},     // wider than the pattern: grouping goes on
    };
    for (const Case& c : cases)
        EXPECT_EQ(amountText(c.amount), QString::fromUtf8(c.expected)) << c.expected;
}

} // namespace
} // namespace kzp
