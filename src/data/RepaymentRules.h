#pragma once

namespace kzp {

struct LedgerState;

// The rules of a loan's repayments (TRaty).
namespace repayment {

void install(LedgerState& ledger);
void uninstall(LedgerState& ledger);

// The amount proposed for a new repayment of the current loan: the odd first installment for the
// loan's first repayment in a fund whose first installment is the odd one, the regular one otherwise.
double proposedAmount(LedgerState& ledger);

} // namespace repayment
} // namespace kzp
