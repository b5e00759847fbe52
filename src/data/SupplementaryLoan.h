#pragma once

namespace store {
class Cursor;
}

namespace kzp {

struct LedgerState;

// A supplementary loan takes the unpaid balance of the member's previous loan into itself.
namespace supplementary {

// While a loan insert starts: walks the member's loans in date order and asks about each unpaid
// one; in a fund that offers supplementary loans, stops at the first unpaid loan the user goes on
// past and asks whether the new loan takes it in. Refuses when the user declines a new loan.
void chooseOnInsert(LedgerState& ledger);

// After the new loan is stored: closes the previous loan with a repayment of its remembered
// balance, dated on the new loan's date, with status "U" and form "*".
void closePreviousLoan(LedgerState& ledger, store::Cursor& newLoan);

} // namespace supplementary
} // namespace kzp
