#include "data/LoanRules.h"

#include "common/Dialogs.h"
#include "common/MoneyRounding.h"
#include "data/Balances.h"
#include "data/CommonRules.h"
#include "data/InstallmentPlan.h"
#include "data/LedgerState.h"
#include "data/Session.h"
#include "data/SupplementaryLoan.h"
#include "data/TDM.h"
#include "store/StoreError.h"

namespace kzp::loan {

using store::Cursor;
using store::RuleError;

namespace {

const QString RepaymentsPending = QStringLiteral("Zapisz lub anuluj zmiany w dokonanych spłatach");

int kiedyInnaRata(TDM& dm)
{
    return dm.TKasy.field("KiedyInnaRata").asInt();
}

// The purge deletes and rewrites loans behind opening balances without the interactive rules.
bool purging(const LedgerState& l)
{
    return l.ctx.batch.dataPurge;
}

void beforeInsert(LedgerState& l)
{
    l.supplementary.reset();
    if (purging(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    if (l.ctx.dm.TRaty.isEditing())
        throw RuleError(RepaymentsPending);
    supplementary::chooseOnInsert(l);
}

void afterInsert(LedgerState& l, Cursor& c)
{
    if (purging(l))
        return;
    l.call(l.hooks.focusLoanDate);
    l.label(LedgerPane::Loans, "Dopis");
    c.setValue("ProcentOdsetek", l.ctx.dm.TKasy.field("Procent").asFloat());
    if (l.supplementary.chosen) {
        c.setValue("Status", QStringLiteral("U"));
        c.setValue("KwotaSaldaStarego", l.supplementary.balance);
    }
}

void beforeEdit(LedgerState& l, Cursor& c)
{
    l.supplementary.chosen = false;
    if (purging(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    if (l.ctx.dm.TRaty.isEditing())
        throw RuleError(RepaymentsPending);
    const LoanFigures f = l.balances.loanFiguresOf(c);
    // Repaid in full, interest included.
    if (roundMoney(f.splacono, 2) == roundMoney(f.razemKwota, 2))
        throw RuleError("Zmiana nie jest możliwa, pożyczka jest spłacona !!!");
    if (f.saldo > 0.0001 &&
        !l.ctx.dialogs.askYesNo("Pożyczka nie jest spłacona. Czy  zmieniasz parametry pożyczki ?", "Kontrola ",
                                Dialogs::Yes))
        throw RuleError("Zrezygnowano ze zmiany parametrów pożyczki !!!");
}

void beforePost(LedgerState& l, Cursor& c)
{
    if (purging(l))
        return;
    TDM& dm = l.ctx.dm;
    if (c.field("DataPozyczki").isNull())
        throw RuleError("Data przyznania pożyczki musi być dobrze określona !!!");
    rules::guardClosedMonth(dm, c.field("DataPozyczki").asDate(),
                            "Miesiąc jest zamknięty !!! Niemożliwy dopis z wcześniejszą datą!!!");
    // Only the odd installment is kept beside the regular one.
    if (kiedyInnaRata(dm) != 0)
        c.setValue("RataPierwsza", 0.0);
    else
        c.setValue("OstatniaRata", 0.0);
    const int n = c.field("IloscRat").asInt();
    if (n < 1)
        throw RuleError("Ilość rat nie może być zerowa !!!");
    if (c.field("KwotaPozyczki").asFloat() == 0.0)
        throw RuleError("Kwota pożyczki  nie może być zerowa !!!");
    const double installments = (n - 1) * c.field("KolejnaRata").asFloat() + c.field("RataPierwsza").asFloat() +
                                c.field("OstatniaRata").asFloat();
    const LoanFigures f = loanFigures(c.field("KwotaPozyczki").asFloat(), c.field("KwotaSaldaStarego").asFloat(),
                                      c.field("ProcentOdsetek").asFloat(), 0.0);
    if (roundMoney(installments, 2) != roundMoney(f.razemKwota, 2))
        throw RuleError("Suma rat nie daje  KWOTY RAZEM!!!");
    rules::stampWhoChanged(c, l.ctx.session);
}

void afterPost(LedgerState& l, Cursor& c)
{
    if (purging(l))
        return;
    l.call(l.hooks.focusMemberList);
    for (LedgerPane pane : {LedgerPane::Loans, LedgerPane::Repayments, LedgerPane::Contributions})
        l.label(pane, QString());
    supplementary::closePreviousLoan(l, c);
}

void beforeDelete(LedgerState& l, Cursor& c)
{
    rules::requireUpdateRight(l.ctx.session);
    if (purging(l))
        return;
    TDM& dm = l.ctx.dm;
    if (rules::anyRow(dm.database(), dm.TRatyRob.table(), "IdentyfikatorPozyczki", c.field("Identyfikator").asInt()))
        throw RuleError("Niemożliwe skasowanie pożyczki  były już wpłaty !!!");
    rules::confirmOrRefuse(l.ctx.dialogs, "   Czy chcesz skasować wybraną pożyczkę ?    ", " Obsługa pożyczek", true,
                           false, rules::DeleteDeclined);
}

void afterScroll(LedgerState& l, Cursor& c)
{
    if (l.hooks.showSupplementaryPanel)
        l.hooks.showSupplementaryPanel(c.field("Status").asString() == "U");
    if (l.ctx.dm.TRaty.isOpen())
        l.ctx.dm.TRaty.last();
}

} // namespace

void install(LedgerState& ledger)
{
    Cursor& p = ledger.ctx.dm.TPozyczki;
    LedgerState* l = &ledger;
    p.beforeInsert = [l](Cursor&) { beforeInsert(*l); };
    p.afterInsert = [l](Cursor& c) { afterInsert(*l, c); };
    rules::installTypedDateCheck(p, "DataPozyczki", rules::InvalidDate::KeepAndRefuse,
                                 "Data pożyczki musi być dobrze określona !!!");
    p.beforeEdit = [l](Cursor& c) { beforeEdit(*l, c); };
    p.afterEdit = [l](Cursor&) { l->label(LedgerPane::Loans, "Zmiana"); };
    p.beforePost = [l](Cursor& c) { beforePost(*l, c); };
    p.afterPost = [l](Cursor& c) { afterPost(*l, c); };
    p.afterCancel = [l](Cursor&) {
        l->call(l->hooks.focusMemberList);
        l->label(LedgerPane::Loans, QString());
    };
    p.beforeDelete = [l](Cursor& c) { beforeDelete(*l, c); };
    p.afterDelete = [](Cursor& c) { c.flush(); };
    p.afterScroll = [l](Cursor& c) { afterScroll(*l, c); };
    p.hooks("ProcentOdsetek").onGetText = [](const store::Field& f, bool display) {
        const QString text = store::Field::defaultText(f.type(), f.value(), display);
        return display ? text + " %" : text;
    };
}

void uninstall(LedgerState& ledger)
{
    Cursor& p = ledger.ctx.dm.TPozyczki;
    p.beforeInsert = p.afterInsert = p.beforeEdit = p.afterEdit = p.beforePost = p.afterPost = nullptr;
    p.afterCancel = p.beforeDelete = p.afterDelete = p.afterScroll = nullptr;
    p.hooks("DataPozyczki").onSetText = nullptr;
    p.hooks("ProcentOdsetek").onGetText = nullptr;
}

void calculateInstallments(LedgerState& ledger)
{
    TDM& dm = ledger.ctx.dm;
    Cursor& p = dm.TPozyczki;
    if (!p.isEditing())
        throw RuleError("Raty są już policzone !!!");
    const int n = p.field("IloscRat").asInt();
    if (n < 1) {
        ledger.ctx.dialogs.show({"Brak okreslonej ilosci rat", "Kontrola", Dialogs::Icon::None, Dialogs::Ok,
                                 Dialogs::Ok});
        return;
    }
    const double amount = p.field("KwotaPozyczki").asFloat();
    if (!(amount > 0))
        return;
    const double old = p.field("KwotaSaldaStarego").asFloat();
    const LoanFigures f = loanFigures(amount, old, p.field("ProcentOdsetek").asFloat(), 0.0);
    const InstallmentPlan plan = planInstallments(n, amount + old, f.razemKwota, kiedyInnaRata(dm));
    p.setValue("KolejnaRata", plan.kolejnaRata);
    p.setValue("RataPierwsza", plan.rataPierwsza);
    p.setValue("OstatniaRata", plan.ostatniaRata);
}

} // namespace kzp::loan
