#pragma once

#include "data/LedgerWindowHooks.h"
#include "data/RuleContext.h"

namespace kzp {

class Balances;

// A new loan taken as supplementary to the member's unpaid previous loan: chosen while the insert
// starts, used when the new loan is stored.
struct SupplementaryChoice {
    bool chosen = false;
    int previousLoan = 0;   // Identyfikator of the previous loan
    double balance = 0.0;   // its unpaid balance when the new loan was started

    void reset() { *this = SupplementaryChoice{}; }
};

// What the ledger's rules share: the rule context, the member window's hooks and the state that
// lives between the events of one insert or edit.
struct LedgerState {
    RuleContext& ctx;
    Balances& balances;
    LedgerWindowHooks hooks;
    SupplementaryChoice supplementary;
    // The next member insert takes a person from the HR register.
    bool memberFromHr = false;

    void call(const std::function<void()>& hook) const
    {
        if (hook)
            hook();
    }
    void label(LedgerPane pane, const QString& text) const
    {
        if (hooks.setFunctionLabel)
            hooks.setFunctionLabel(pane, text);
    }
};

} // namespace kzp
