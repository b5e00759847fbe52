#include "ledger/logic/GuaranteedLoans.h"

#include "data/Balances.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "store/Cursor.h"

namespace kzp {

GuaranteedLoans::GuaranteedLoans(RuleContext& ctx)
    : m_ctx(ctx), m_balances(std::make_unique<Balances>(ctx.dm, ctx.session))
{
}

GuaranteedLoans::~GuaranteedLoans() = default;

void GuaranteedLoans::show(int guarantorId)
{
    m_guarantor = guarantorId;
    m_showAll = false;
    reopen();
}

void GuaranteedLoans::toggleShowAll()
{
    m_showAll = !m_showAll;
    reopen();
}

void GuaranteedLoans::close()
{
    m_ctx.dm.TPozyczkiZyrowane.close();
}

void GuaranteedLoans::reopen()
{
    store::Cursor& loans = m_ctx.dm.TPozyczkiZyrowane;
    loans.close();
    // The guarantor is picked by the database; only the balance needs the loan's repayments.
    // A loan where the member is both guarantors is one row and is listed once.
    loans.setCondition(QStringLiteral("(\"IdZyrant1\" = ? OR \"IdZyrant2\" = ?)"), {m_guarantor, m_guarantor});
    loans.setFilter([this](store::Cursor& c) { return isUnpaid(m_balances->loanBalance(c)); });
    loans.setFiltered(!m_showAll);
    loans.open();
}

} // namespace kzp
