#include "data/RepaymentRules.h"

#include "common/Dialogs.h"
#include "data/CommonRules.h"
#include "data/LedgerState.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/StoreError.h"

namespace kzp::repayment {

using store::Cursor;
using store::RuleError;

namespace {

const QString Caption = QStringLiteral(" Obsługa wpłat");
const QString LoanPending = QStringLiteral("Zapisz lub anuluj zmiany w POŻYCZKACH!!!");
const QString GeneratedZ = QStringLiteral("  Pozycja generowana automatem ze Statusem 'Z' \n ");
const QString Archival =
    QStringLiteral("  POZYCJA ARCHIWALNA utworzona podczas kasowania starych danych ( BO) \n ");
const QString Supplementary = QStringLiteral(
    "  Pozycja wygenerowana automatem ze Statusem 'U'\n czyli włączona w POŻYCZKĘ UZUPEŁNIAJĄCĄ !!!\n \n ");
const QString AskChange = QStringLiteral("Czy chcesz zmienić wybraną pozycję ?    ");
const QString AskDelete = QStringLiteral("Czy chcesz skasować wybraną pozycję ?    ");

// Payroll import and data purge write repayments without the interactive rules.
bool batch(const LedgerState& l)
{
    return l.ctx.batch.payrollImport || l.ctx.batch.dataPurge;
}

void beforeInsert(LedgerState& l)
{
    if (batch(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    Cursor& loans = l.ctx.dm.TPozyczki;
    if (loans.isEditing())
        throw RuleError(LoanPending);
    if (!loans.isOpen() || loans.field("DataPozyczki").isNull())
        throw RuleError("Dopisz najpierw pożyczkę");
    l.call(l.hooks.focusRepaymentDate);
}

void afterInsert(LedgerState& l, Cursor& c)
{
    if (!batch(l)) {
        c.setValue("Kwota", proposedAmount(l));
        const DateTriple& day = l.ctx.session.processingDate;
        c.setValue("DataOperacji", day.year == 0 ? QVariant() : QVariant(day.toDate()));
        l.call(l.hooks.focusRepaymentDocument);
    }
    l.label(LedgerPane::Repayments, "Dopis");
}

void beforeEdit(LedgerState& l, Cursor& c)
{
    if (batch(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    if (l.ctx.dm.TPozyczki.isEditing())
        throw RuleError(LoanPending);
    const QString status = c.field("Status").asString();
    if (status == "Z")
        rules::confirmOrRefuse(l.ctx.dialogs, GeneratedZ + AskChange, Caption, true, true, rules::ChangeDeclined);
    else if (status == "A")
        rules::confirmOrRefuse(l.ctx.dialogs, Archival + AskChange, Caption, true, true, rules::ChangeDeclined);
}

void beforePost(LedgerState& l, Cursor& c)
{
    if (batch(l))
        return;
    if (c.field("DataOperacji").isNull())
        throw RuleError("Data operacji niepoprawna");
    rules::guardClosedMonth(l.ctx.dm, c.field("DataOperacji").asDate(),
                            "Miesiąc jest zamknięty !!! Nie jest możliwy dopis z wcześniejszą datą!!!");
    c.setValue("Operacja", QStringLiteral("30"));
    if (c.field("Forma").asString().isEmpty())
        throw RuleError("Forma płatności nie jest określona");
    if (c.field("NrDokumentu").asString().trimmed().isEmpty())
        throw RuleError("Numer dokumentu musi byc wstawiony !!!");
    rules::stampWhoChanged(c, l.ctx.session);
}

void beforeDelete(LedgerState& l, Cursor& c)
{
    if (batch(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    rules::guardClosedMonth(l.ctx.dm, c.field("DataOperacji").asDate(),
                            "Miesiąc jest zamknięty !!! Niemożliwe kasowanie z wcześniejszą datą!!!");
    Dialogs& d = l.ctx.dialogs;
    const QString status = c.field("Status").asString();
    if (status == "Z")
        rules::confirmOrRefuse(d, GeneratedZ + AskDelete, Caption, true, false, rules::DeleteDeclined);
    else if (status == "U")
        rules::confirmOrRefuse(d, Supplementary + AskDelete, Caption, false, true, rules::DeleteDeclined);
    else if (status == "A")
        rules::confirmOrRefuse(d, Archival + AskDelete, Caption, false, true, rules::DeleteDeclined);
    rules::confirmOrRefuse(d, "   " + AskDelete, Caption, true, false, rules::DeleteDeclined);
}

// The loan's Saldo and Splacono follow the stored repayments: the member's loans are read again.
void afterWrite(LedgerState& l)
{
    if (batch(l))
        return;
    l.ctx.dm.TPozyczki.refreshRecord();
    l.call(l.hooks.focusRepaymentsGrid);
    l.label(LedgerPane::Repayments, QString());
    l.label(LedgerPane::Contributions, QString());
}

} // namespace

double proposedAmount(LedgerState& l)
{
    TDM& dm = l.ctx.dm;
    Cursor& loans = dm.TPozyczki;
    const bool first = dm.TRaty.recordCount() == 0;
    if (first && dm.TKasy.field("KiedyInnaRata").asInt() == 0)
        return loans.field("RataPierwsza").asFloat();
    return loans.field("KolejnaRata").asFloat();
}

void install(LedgerState& ledger)
{
    Cursor& r = ledger.ctx.dm.TRaty;
    LedgerState* l = &ledger;
    r.beforeInsert = [l](Cursor&) { beforeInsert(*l); };
    r.afterInsert = [l](Cursor& c) { afterInsert(*l, c); };
    r.beforeEdit = [l](Cursor& c) { beforeEdit(*l, c); };
    r.afterEdit = [l](Cursor&) { l->label(LedgerPane::Repayments, "Zmiana"); };
    r.beforePost = [l](Cursor& c) { beforePost(*l, c); };
    r.afterPost = [l](Cursor&) { afterWrite(*l); };
    r.afterDelete = [l](Cursor&) { afterWrite(*l); };
    r.afterCancel = [l](Cursor&) {
        l->call(l->hooks.focusRepaymentsGrid);
        l->label(LedgerPane::Repayments, QString());
    };
    r.beforeDelete = [l](Cursor& c) { beforeDelete(*l, c); };
}

void uninstall(LedgerState& ledger)
{
    Cursor& r = ledger.ctx.dm.TRaty;
    r.beforeInsert = r.afterInsert = r.beforeEdit = r.afterEdit = r.beforePost = r.afterPost = nullptr;
    r.afterDelete = r.afterCancel = r.beforeDelete = nullptr;
}

} // namespace kzp::repayment
