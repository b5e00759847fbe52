#include "app/LedgerCommands.h"

#include "app/TFDzialy.h"
#include "app/TFGlowny.h"
#include "data/RuleContext.h"
#include "ledger/TFCzlonkowie.h"
#include "report/Report.h"
#include "reports/ReportPrinting.h"
#include "reports/logic/DepartmentListS1.h"

namespace kzp {

void wireLedgerCommands(TFGlowny& mainWindow, RuleContext& ctx, LedgerRules& rules, ReportPrinting& printing)
{
    mainWindow.setOpener(
        Command::Wybierz,
        [&mainWindow, &ctx, &rules] {
            TFCzlonkowie card(ctx, rules, &mainWindow);
            card.showForFund();
        },
        true);
    mainWindow.setOpener(
        Command::Dzialy,
        [&mainWindow, &ctx, &printing] {
            TFDzialy departments(ctx, &mainWindow);
            departments.setPrintHandler([&ctx, &printing] {
                const auto s1 = makeDepartmentListS1(ctx.dm, ctx.session);
                printing.print(*s1, true, QString(), 1);
            });
            departments.exec();
        },
        true);
}

} // namespace kzp
