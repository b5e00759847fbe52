#pragma once

#include <QString>

namespace kzp {

// An amount for the accounting balances and statements: "...  " for zero, otherwise the
// pattern "### ### ##0.00" -- digits in groups of three, two decimals, no leading blanks
// ("1 234,50", "-12 345 678,00"). The amount is taken as a single-precision number, so large
// amounts show single-precision accuracy. Halves of a grosz round away from zero.
QString amountText(float amount);

} // namespace kzp
