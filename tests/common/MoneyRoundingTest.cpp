#include "common/MoneyRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kzp {
namespace {

struct RoundingCase {
    double amount;
    int decimals;
    double expected;
};

void PrintTo(const RoundingCase& c, std::ostream* os)
{
    os->precision(17);
    *os << c.amount << " to " << c.decimals << " places";
}

class MoneyRounding : public ::testing::TestWithParam<RoundingCase> {};

// Exact equality on purpose: the result must be the double nearest to the written amount.
TEST_P(MoneyRounding, RoundsHalvesAwayFromZero)
{
    const RoundingCase& c = GetParam();
    EXPECT_EQ(roundMoney(c.amount, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoneyRounding, ::testing::Values(
    // halves, and binary values a hair below a half
    RoundingCase{0.125, 2, 0.13},
    RoundingCase{-0.125, 2, -0.13},
    RoundingCase{1.005, 2, 1.01},          // 100.49999999999999 after scaling
    RoundingCase{-1.005, 2, -1.01},
    RoundingCase{2.675, 2, 2.68},
    RoundingCase{-2.345, 2, -2.35},
    RoundingCase{0.00499999999, 2, 0.01},  // scaled fraction just above 0.499999999
    // below a half
    RoundingCase{2.3449999, 2, 2.34},
    RoundingCase{-2.3449999, 2, -2.34},
    RoundingCase{0.1249999, 2, 0.12},
    RoundingCase{0.0049999999, 2, 0.0},
    RoundingCase{1.004, 2, 1.0},
    RoundingCase{-1.004, 2, -1.0},
    // carry into the whole part and across digits
    RoundingCase{0.995, 2, 1.0},
    RoundingCase{-0.995, 2, -1.0},
    RoundingCase{9.995, 2, 10.0},
    RoundingCase{99999.996, 2, 100000.0},
    RoundingCase{-99999.996, 2, -100000.0},
    // already on a grosz, though not exactly representable
    RoundingCase{0.29, 2, 0.29},            // 28.999999999999996 after scaling
    RoundingCase{1.15, 2, 1.15},            // 114.99999999999999 after scaling
    RoundingCase{-0.07, 2, -0.07},
    RoundingCase{1234567.89, 2, 1234567.89},
    RoundingCase{0.0, 2, 0.0},
    // other scales
    RoundingCase{1234.5, 0, 1235.0},
    RoundingCase{-0.5, 0, -1.0},
    RoundingCase{1.0005, 3, 1.001},
    // too large to carry grosze: left as they are, not cut to 18 digits of text
    RoundingCase{2e16, 2, 2e16},
    RoundingCase{-123456789012345678.0, 2, -123456789012345678.0},
    RoundingCase{9e15, 2, 9e15},
    RoundingCase{std::numeric_limits<double>::max(), 2, std::numeric_limits<double>::max()},
    RoundingCase{std::numeric_limits<double>::infinity(), 2, std::numeric_limits<double>::infinity()},
    RoundingCase{-std::numeric_limits<double>::infinity(), 2, -std::numeric_limits<double>::infinity()}));

TEST(MoneyRoundingZero, NegativeAmountsRoundingToZeroGivePositiveZero)
{
    for (const double amount : {-0.0, -0.004, -0.0049999999, -1e-12}) {
        const double rounded = roundMoney(amount, 2);
        EXPECT_EQ(rounded, 0.0) << amount;
        EXPECT_FALSE(std::signbit(rounded)) << amount;
    }
}

TEST(MoneyRoundingNaN, StaysNaN)
{
    EXPECT_TRUE(std::isnan(roundMoney(std::numeric_limits<double>::quiet_NaN(), 2)));
}

TEST(MoneyRoundingDefault, DefaultsToTwoDecimals)
{
    EXPECT_EQ(roundMoney(2.675), 2.68);
}

} // namespace
} // namespace kzp
