#pragma once

#include "common/Dialogs.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Database.h"

#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace bench {

// Answers Yes to every question.
class YesDialogs : public kzp::Dialogs {
public:
    Button show(const Message& message) override { return (message.buttons & Yes) ? Yes : Ok; }
};

// The large synthetic fund opened as the program opens it: the data module pointed at the fund,
// the ledger rules and balances installed, calculated fields on, a user with the update right.
struct LedgerFund {
    QTemporaryDir dir;
    store::Database db;
    kzp::Session session;
    YesDialogs dialogs;
    std::unique_ptr<kzp::TDM> dm;
    std::optional<kzp::RuleContext> ctx;
    std::unique_ptr<kzp::LedgerRules> rules;

    LedgerFund();
};

// One fund per benchmark program, made on first use.
LedgerFund& ledgerFund();

} // namespace bench
