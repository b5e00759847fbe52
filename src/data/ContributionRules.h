#pragma once

#include <QString>
#include <QStringList>

namespace kzp {

class TDM;
struct LedgerState;

// The rules of a member's contributions (TWplaty): entry fees, monthly and initial contributions
// and refunds; and the code lists the member window offers.
namespace contribution {

void install(LedgerState& ledger);
void uninstall(LedgerState& ledger);

// The amount proposed when the operation is chosen for the row being entered: the fund's entry fee
// for "10", the member's own contribution (or else the fund's) for "20"; other codes keep Kwota.
void chooseOperation(LedgerState& ledger, const QString& operation);

// While the member window is open its lists hide the operation codes "XX" and "30" and the payment
// form "-"; closed, every row shows again.
void setMemberWindowLists(TDM& dm, bool windowOpen);
bool offeredInMemberWindow(const QString& operation);
bool formOfferedInMemberWindow(const QString& form);

} // namespace contribution
} // namespace kzp
