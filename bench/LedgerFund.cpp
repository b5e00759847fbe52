#include "LedgerFund.h"

#include "SyntheticFund.h"

namespace bench {

LedgerFund::LedgerFund()
{
    db.open(dir.path());
    const QString folder = makeSyntheticFund(db, dir.path());
    session.processingDate = kzp::DateTriple::fromValues(2030, 6, 15);
    session.currentUser.identyfikator = 1;
    session.currentUser.rights[kzp::RightUpdate] = true;
    session.users = {session.currentUser};
    dm = std::make_unique<kzp::TDM>(db);
    dm->openSharedCursors();
    dm->TKasy.first();
    dm->pointAtFund(folder, 2003, 5);
    ctx.emplace(kzp::RuleContext{*dm, session, dialogs, {}});
    rules = kzp::installLedgerRules(*ctx);
    dm->setReportFlag(false);
    dm->openFundCursors();
}

LedgerFund& ledgerFund()
{
    static LedgerFund instance;
    return instance;
}

} // namespace bench
