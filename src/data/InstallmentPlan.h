#pragma once

namespace kzp {

// A loan's installments: IloscRat - 1 regular ones of KolejnaRata and one odd installment, the first
// or the last, that carries the rest of the principal and all of the interest.
struct InstallmentPlan {
    double kolejnaRata = 0;
    double rataPierwsza = 0;
    double ostatniaRata = 0;
};

// The plan for n installments (n >= 1) of a principal (amount lent plus any previous balance) whose
// total to repay is razemKwota. The regular installment is the principal divided by n, cut to whole
// złoty; kiedyInnaRata 0 makes the first installment the odd one, any other value the last. The
// installment that is not odd holds the regular amount here; storing the loan zeroes it.
InstallmentPlan planInstallments(int n, double principal, double razemKwota, int kiedyInnaRata);

} // namespace kzp
