#pragma once

#include <QString>

namespace kzp {

struct LedgerState;

// The rules of the members register (TCzlonkowie) and the operations the member window offers on it.
namespace member {

void install(LedgerState& ledger);
void uninstall(LedgerState& ledger);

// Positions the members on the first surname equal to or following the text, in Polish order;
// nothing happens while a member is being inserted or edited.
void searchBySurname(LedgerState& ledger, const QString& text);
// Proposes the fund's next employee number for the current member (asking first when the member
// already has one); the member is left in edit, nothing is stored. False when the user declined.
bool nextEmployeeNumber(LedgerState& ledger);
// Empties the leaving date of the current member, left in edit for the user to store.
void cancelLeaving(LedgerState& ledger);
// Shows only members who have not left (on) or everyone (off).
void setLeavingFilter(LedgerState& ledger, bool on);

} // namespace member
} // namespace kzp
