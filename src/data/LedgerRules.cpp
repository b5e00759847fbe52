#include "data/LedgerRules.h"

#include "data/CommonRules.h"
#include "data/ContributionRules.h"
#include "data/LoanRules.h"
#include "data/MemberRules.h"
#include "data/RepaymentRules.h"
#include "data/TDM.h"

namespace kzp {

LedgerRules::LedgerRules(RuleContext& ctx, LedgerWindowHooks hooks)
    : m_ctx(ctx), m_balances(ctx.dm, ctx.session), m_state{ctx, m_balances, std::move(hooks), {}, false}
{
    m_balances.install();
    member::install(m_state);
    contribution::install(m_state);
    loan::install(m_state);
    repayment::install(m_state);
    rules::installDocumentEntryPostError(ctx.dm.TDokPoz, ctx.dialogs);
}

LedgerRules::~LedgerRules()
{
    m_ctx.dm.TDokPoz.onPostError = nullptr;
    repayment::uninstall(m_state);
    loan::uninstall(m_state);
    contribution::uninstall(m_state);
    member::uninstall(m_state);
    m_balances.uninstall();
}

void LedgerRules::searchBySurname(const QString& text) { member::searchBySurname(m_state, text); }
bool LedgerRules::nextEmployeeNumber() { return member::nextEmployeeNumber(m_state); }
void LedgerRules::cancelLeaving() { member::cancelLeaving(m_state); }
void LedgerRules::setLeavingFilter(bool on) { member::setLeavingFilter(m_state, on); }
void LedgerRules::chooseOperation(const QString& operation) { contribution::chooseOperation(m_state, operation); }
void LedgerRules::setMemberWindowLists(bool windowOpen) { contribution::setMemberWindowLists(m_ctx.dm, windowOpen); }
void LedgerRules::calculateInstallments() { loan::calculateInstallments(m_state); }
double LedgerRules::proposedRepayment() { return repayment::proposedAmount(m_state); }

std::unique_ptr<LedgerRules> installLedgerRules(RuleContext& ctx, LedgerWindowHooks hooks)
{
    return std::make_unique<LedgerRules>(ctx, std::move(hooks));
}

} // namespace kzp
