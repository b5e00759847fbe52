#pragma once

#include <QString>
#include <functional>

namespace kzp {

// The panes of the member window that carry a function label ("Dopis", "Zmiana" or empty).
enum class LedgerPane { Loans, Repayments, Contributions };

// What the ledger's record rules ask of the member window: focus moves, function labels, pages and
// panels. The window sets the callbacks it has; the rules call only those that are set, so the
// rules run the same with no window at all (batch work, tests).
struct LedgerWindowHooks {
    // Page "Dane osobowe ..." with the focus in the employee-number edit.
    std::function<void()> showPersonalPage;
    std::function<void()> focusMemberList;
    std::function<void()> focusContributionOperation;
    std::function<void()> focusContributionsGrid;
    std::function<void()> focusLoanDate;
    std::function<void()> focusRepaymentDate;
    std::function<void()> focusRepaymentDocument;
    std::function<void()> focusRepaymentsGrid;
    std::function<void(LedgerPane, const QString&)> setFunctionLabel;
    // The "Uzupełniająca" panel (previous balance, total to repay) of the current loan.
    std::function<void(bool visible)> showSupplementaryPanel;
};

} // namespace kzp
