#pragma once

#include <memory>

namespace kzp {

class Balances;
struct RuleContext;

// The loans of the open fund that one member guarantees (as guarantor 1 or 2), shown through the
// cursor TPozyczkiZyrowane: by default only loans still unpaid, or all of them once asked.
class GuaranteedLoans {
public:
    explicit GuaranteedLoans(RuleContext& ctx);
    ~GuaranteedLoans();
    GuaranteedLoans(const GuaranteedLoans&) = delete;
    GuaranteedLoans& operator=(const GuaranteedLoans&) = delete;

    // Starts showing the loans the member guarantees, unpaid ones only; reopens the cursor on the
    // open fund's loans.
    void show(int guarantorId);
    // Flips between unpaid loans only and every guaranteed loan, and reads the loans again.
    void toggleShowAll();
    void close();

    int guarantor() const { return m_guarantor; }
    bool showAll() const { return m_showAll; }
    // Whether a loan of that balance is still being repaid.
    static bool isUnpaid(double balance) { return balance > 0.0001; }

private:
    void reopen();

    RuleContext& m_ctx;
    std::unique_ptr<Balances> m_balances;
    int m_guarantor = 0;
    bool m_showAll = false;
};

} // namespace kzp
