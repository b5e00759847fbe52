#include "ledger/logic/Leaving.h"

#include "common/Dialogs.h"
#include "common/MoneyRounding.h"
#include "data/Balances.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace kzp {

Leaving::Leaving(RuleContext& ctx) : m_ctx(ctx), m_balances(std::make_unique<Balances>(ctx.dm, ctx.session)) {}

Leaving::~Leaving() = default;

double Leaving::loansBalance(int memberId)
{
    TDM& dm = m_ctx.dm;
    const store::TableRef loans = dm.TPozyczkiRob.table();
    store::Tables tables(dm.database());
    if (!tables.exists(loans))
        return 0.0;
    // Read from the table rather than by walking the loans cursor: the loans pane keeps its
    // current row, and a loan being typed there is not stored by this.
    store::Statement q = dm.database().prepare(
        QStringLiteral("SELECT \"Identyfikator\", \"KwotaPozyczki\", \"KwotaSaldaStarego\", \"ProcentOdsetek\" "
                       "FROM %1 WHERE \"IdentyfikatorPracownika\" = ?")
            .arg(tables.qualified(loans)));
    q.bindInt(1, memberId);
    double sum = 0.0;
    while (q.step()) {
        const double repaid = q.isNull(0) ? 0.0 : m_balances->repaidOnLoan(int(q.int64(0)));
        sum += loanFigures(q.real(1), q.real(2), q.real(3), repaid).saldo;
    }
    return sum;
}

double Leaving::totalBalance()
{
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    const store::Field id = member.field("IdentyfikatorPracownika");
    if (id.isNull()) // a member not stored yet has no rows
        return 0.0;
    const double wklad = m_balances->memberSums(id.asInt()).wklad;
    return roundMoney(loansBalance(id.asInt()) + wklad, 2);
}

Leaving::Outcome Leaving::confirm()
{
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    // Without a typed date there is nothing to store; an emptied date must not be reported as a
    // leaving either.
    if (!member.isEditing() || member.field("DataWypisuZKasy").isNull())
        return Outcome::NoDate;
    if (!isSettled(totalBalance()))
        return Outcome::NotSettled;
    try {
        member.post();
    } catch (const store::RuleError&) {
        m_ctx.dialogs.error(StoreError, Caption);
        return Outcome::StoreFailed;
    } catch (const store::StoreError&) {
        m_ctx.dialogs.error(StoreError, Caption);
        return Outcome::StoreFailed;
    } catch (const store::Abort&) {
        m_ctx.dialogs.error(StoreError, Caption);
        return Outcome::StoreFailed;
    }
    m_ctx.dialogs.information(Done, Caption);
    return Outcome::Left;
}

void Leaving::cancel()
{
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    if (member.isEditing())
        member.cancel();
}

} // namespace kzp
