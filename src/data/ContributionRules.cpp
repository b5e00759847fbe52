#include "data/ContributionRules.h"

#include "common/Dialogs.h"
#include "data/CommonRules.h"
#include "data/LedgerState.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/StoreError.h"

namespace kzp::contribution {

using store::Cursor;
using store::RuleError;

namespace {

const QString Caption = QStringLiteral(" Obsługa wpłat");
const QString GeneratedZ = QStringLiteral("  Pozycja generowana automatem ze Statusem 'Z' \n ");
const QString Archival =
    QStringLiteral("  POZYCJA ARCHIWALNA utworzona podczas kasowania starych danych ( BO) \n ");
const QString AskChange = QStringLiteral("Czy chcesz zmienić wybraną pozycję ?    ");
const QString AskDelete = QStringLiteral("Czy chcesz skasować wybraną pozycję ?    ");

// Payroll import and data purge write rows without the interactive rules.
bool importOrPurge(const LedgerState& l)
{
    return l.ctx.batch.payrollImport || l.ctx.batch.dataPurge;
}
bool anyLedgerBatch(const LedgerState& l)
{
    return importOrPurge(l) || l.ctx.batch.initialGeneration;
}

void beforeInsert(LedgerState& l)
{
    if (importOrPurge(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    if (l.ctx.dm.TCzlonkowie.isEditing())
        throw RuleError("Zapisz lub anuluj zmiany w Członkach kasy!!!");
}

void afterInsert(LedgerState& l, Cursor& c)
{
    if (anyLedgerBatch(l))
        return;
    if (l.ctx.dm.TCzlonkowie.field("Nazwisko").asString().isEmpty())
        throw RuleError("Brak pracownikow w KASIE!!!");
    const DateTriple& day = l.ctx.session.processingDate;
    c.setValue("DataOperacji", day.year == 0 ? QVariant() : QVariant(day.toDate()));
    l.call(l.hooks.focusContributionOperation);
    l.label(LedgerPane::Contributions, "Dopis");
}

void beforeEdit(LedgerState& l, Cursor& c)
{
    if (importOrPurge(l))
        return;
    const QString status = c.field("Status").asString();
    if (status == "Z")
        rules::confirmOrRefuse(l.ctx.dialogs, GeneratedZ + AskChange, Caption, true, false, rules::ChangeDeclined);
    else if (status == "A")
        rules::confirmOrRefuse(l.ctx.dialogs, Archival + AskChange, Caption, false, true, rules::ChangeDeclined);
}

void beforePost(LedgerState& l, Cursor& c)
{
    if (anyLedgerBatch(l))
        return;
    if (!(c.field("Kwota").asFloat() > 0.0001))
        throw RuleError("Kwota operacji nie jest poprawna !!!");
    if (c.field("DataOperacji").isNull())
        throw RuleError("Data operacji niepoprawna");
    if (c.field("Forma").asString().isEmpty())
        throw RuleError("Forma płatności nie jest określona");
    rules::guardClosedMonth(l.ctx.dm, c.field("DataOperacji").asDate(),
                            "Miesiąc jest zamknięty !!! Niemożliwy dopis z wczesniejszą data!!!");
    if (c.field("Operacja").asString().isEmpty())
        throw RuleError("Operacja nie jest określona");
    rules::stampWhoChanged(c, l.ctx.session);
}

void beforeDelete(LedgerState& l, Cursor& c)
{
    if (importOrPurge(l))
        return;
    rules::requireUpdateRight(l.ctx.session);
    rules::guardClosedMonth(l.ctx.dm, c.field("DataOperacji").asDate(),
                            "Miesiąc jest zamknięty !!! Niemożliwe kasowanie z wczesniejszą data!!!");
    const QString status = c.field("Status").asString();
    if (status == "Z")
        rules::confirmOrRefuse(l.ctx.dialogs, GeneratedZ + AskDelete, Caption, true, false, rules::DeleteDeclined);
    else if (status == "A")
        rules::confirmOrRefuse(l.ctx.dialogs, Archival + AskDelete, Caption, false, true, rules::DeleteDeclined);
    rules::confirmOrRefuse(l.ctx.dialogs, "   " + AskDelete, Caption, true, false, rules::DeleteDeclined);
}

// The member's Wklad and Wpisowe follow the stored rows: the member's row is read again.
void afterWrite(LedgerState& l)
{
    if (anyLedgerBatch(l))
        return;
    l.ctx.dm.TCzlonkowie.refreshRecord();
    l.call(l.hooks.focusContributionsGrid);
}

} // namespace

void install(LedgerState& ledger)
{
    Cursor& w = ledger.ctx.dm.TWplaty;
    LedgerState* l = &ledger;
    w.beforeInsert = [l](Cursor&) { beforeInsert(*l); };
    w.afterInsert = [l](Cursor& c) { afterInsert(*l, c); };
    rules::installTypedDateCheck(w, "DataOperacji", rules::InvalidDate::ClearAndRefuse,
                                 "Data  operacji musi być dobrze określona !!!");
    w.beforeEdit = [l](Cursor& c) { beforeEdit(*l, c); };
    w.afterEdit = [l](Cursor&) { l->label(LedgerPane::Contributions, "Zmiana"); };
    w.beforePost = [l](Cursor& c) { beforePost(*l, c); };
    w.afterPost = [l](Cursor&) { afterWrite(*l); };
    w.afterDelete = [l](Cursor&) { afterWrite(*l); };
    w.afterCancel = [l](Cursor&) {
        l->call(l->hooks.focusContributionsGrid);
        l->label(LedgerPane::Contributions, QString());
    };
    w.beforeDelete = [l](Cursor& c) { beforeDelete(*l, c); };
}

void uninstall(LedgerState& ledger)
{
    Cursor& w = ledger.ctx.dm.TWplaty;
    w.beforeInsert = w.afterInsert = w.beforeEdit = w.afterEdit = w.beforePost = w.afterPost = nullptr;
    w.afterDelete = w.afterCancel = w.beforeDelete = nullptr;
    w.hooks("DataOperacji").onSetText = nullptr;
}

void chooseOperation(LedgerState& ledger, const QString& operation)
{
    TDM& dm = ledger.ctx.dm;
    Cursor& w = dm.TWplaty;
    if (!w.isEditing())
        w.edit();
    w.setValue("Operacja", operation);
    if (operation == "10") {
        w.setValue("Kwota", dm.TKasy.field("KwotaWpisowe").asFloat());
    } else if (operation == "20") {
        const double own = dm.TCzlonkowie.field("InnaKwotaSkladki").asFloat();
        w.setValue("Kwota", own > 0 ? own : dm.TKasy.field("KwotaSkladka").asFloat());
    }
}

bool offeredInMemberWindow(const QString& operation)
{
    return operation != "XX" && operation != "30";
}

bool formOfferedInMemberWindow(const QString& form)
{
    return form != "-";
}

void setMemberWindowLists(TDM& dm, bool windowOpen)
{
    if (windowOpen) {
        dm.TOperacje.setFilter([](Cursor& c) { return offeredInMemberWindow(c.field("Operacja").asString()); });
        dm.TForma.setFilter([](Cursor& c) { return formOfferedInMemberWindow(c.field("Forma").asString()); });
    }
    dm.TOperacje.setFiltered(windowOpen);
    dm.TForma.setFiltered(windowOpen);
}

} // namespace kzp::contribution
