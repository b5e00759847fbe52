#pragma once

namespace kzp {

// Rounds an amount to `decimals` places, halves away from zero. A scaled fraction above
// 0.499999999 already counts as a half, so binary values a hair below a half (1.005 is
// 1.00499999999999989... in a double) round up the way a clerk reads them.
// Infinities and NaN come back unchanged, and so do amounts too large to carry a fraction
// at that scale. A result of zero is always +0, never -0.
double roundMoney(double amount, int decimals = 2);

} // namespace kzp
