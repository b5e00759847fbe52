#include "data/DepartmentRules.h"

#include "common/Dialogs.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/StoreError.h"

namespace kzp {

void TDzialyBeforeDelete(RuleContext& ctx, store::Cursor&)
{
    if (!ctx.session.hasRight(RightAdministrator))
        throw store::RuleError(QStringLiteral("Brak uprawnień ADMINISTRATORA do skasowania działu !!!"));
    const QString question = QStringLiteral(
                                 " Skasowanie Dzialu spowoduje utratę przypisań członków do tego działu!!!\n") +
                             QStringLiteral(" Czy chcesz skasować wybraną dział ?    ");
    if (!ctx.dialogs.askYesNo(question, QString(), Dialogs::No))
        throw store::RuleError(QStringLiteral(" Zrezygnowano z kasowania !!! "));
}

void installDepartmentRules(RuleContext& ctx)
{
    ctx.dm.TDzialy.beforeDelete = [&ctx](store::Cursor& c) { TDzialyBeforeDelete(ctx, c); };
}

} // namespace kzp
