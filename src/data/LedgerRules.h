#pragma once

#include "data/Balances.h"
#include "data/LedgerState.h"

#include <memory>

namespace kzp {

// The record rules of the member ledger — members, contributions, loans, repayments, the
// calculated balances and the store-error handling of accounting entries — hung on the cursors of
// the data module for as long as this object lives, and the operations the member window calls.
class LedgerRules {
public:
    explicit LedgerRules(RuleContext& ctx, LedgerWindowHooks hooks = {});
    ~LedgerRules();
    LedgerRules(const LedgerRules&) = delete;
    LedgerRules& operator=(const LedgerRules&) = delete;

    // The member window sets its callbacks here when it is built.
    LedgerWindowHooks& hooks() { return m_state.hooks; }
    Balances& balances() { return m_balances; }
    const SupplementaryChoice& supplementary() const { return m_state.supplementary; }

    // --- members ---
    // Marks that the next member insert takes a person from the HR register.
    void setMemberFromHr(bool fromHr) { m_state.memberFromHr = fromHr; }
    void searchBySurname(const QString& text);
    bool nextEmployeeNumber();
    void cancelLeaving();
    void setLeavingFilter(bool on);

    // --- contributions ---
    void chooseOperation(const QString& operation);
    // Operation and form lists of the member window: hide "XX", "30" and "-" while it is open.
    void setMemberWindowLists(bool windowOpen);

    // --- loans and repayments ---
    // "Oblicz raty" on the loan being entered or changed.
    void calculateInstallments();
    double proposedRepayment();

private:
    RuleContext& m_ctx;
    Balances m_balances;
    LedgerState m_state;
};

// Installs the ledger's rules on the data module of ctx; they hold until the answer is destroyed.
std::unique_ptr<LedgerRules> installLedgerRules(RuleContext& ctx, LedgerWindowHooks hooks = {});

} // namespace kzp
