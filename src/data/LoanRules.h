#pragma once

namespace kzp {

struct LedgerState;

// The rules of a member's loans (TPozyczki) and the installment calculation of the member window.
namespace loan {

void install(LedgerState& ledger);
void uninstall(LedgerState& ledger);

// "Oblicz raty": fills KolejnaRata, RataPierwsza and OstatniaRata of the loan being entered or
// changed from IloscRat, the principal and the total to repay.
void calculateInstallments(LedgerState& ledger);

} // namespace loan
} // namespace kzp
