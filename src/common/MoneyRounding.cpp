#include "common/MoneyRounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kzp {

namespace {

// Scaled magnitudes from here on have no fractional part left in a double (doubles above 2^53
// are whole numbers), and they no longer fit the 18-digit integer text used below.
constexpr double kLargestScaled = 1e18;

} // namespace

double roundMoney(double amount, int decimals)
{
    if (!std::isfinite(amount))
        return amount;

    const double scale = std::pow(10.0, decimals);
    double sign = 1.0;
    double x = amount;
    if (!(x >= 0)) {
        sign = -1.0;
        x = -x;
    }
    const double m = x * scale;
    if (!std::isfinite(m) || m >= kLargestScaled)
        return amount;

    // The whole part of m through its text with 18 zero-padded digits; below 1e18 the text is
    // exact and never longer than 18 characters.
    char text[32];
    std::snprintf(text, sizeof text, "%018.0f", m);
    text[18] = '\0';
    double r = std::strtod(text, nullptr);

    if (m - r > 0.999999999999)
        r += 1;
    else if (r - m > 0.999999999999)
        r -= 1;

    if (m - r > 0.499999999)
        r += 1;
    else if (r - m >= 0.500000001)
        r -= 1;

    if (r == 0)
        return 0.0;
    return sign * (r / scale);
}

} // namespace kzp
