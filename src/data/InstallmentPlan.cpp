#include "data/InstallmentPlan.h"

#include "common/MoneyRounding.h"

#include <cmath>

namespace kzp {

InstallmentPlan planInstallments(int n, double principal, double razemKwota, int kiedyInnaRata)
{
    InstallmentPlan plan;
    const double regular = std::trunc(principal / n);
    const double odd = roundMoney(razemKwota - (n - 1) * regular, 2);
    plan.kolejnaRata = regular;
    if (kiedyInnaRata == 0) {
        plan.rataPierwsza = odd;
        plan.ostatniaRata = regular;
    } else {
        plan.rataPierwsza = regular;
        plan.ostatniaRata = odd;
    }
    return plan;
}

} // namespace kzp
