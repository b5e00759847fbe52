#include "data/MemberRules.h"

#include "common/Dialogs.h"
#include "data/CommonRules.h"
#include "data/LedgerState.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/StoreError.h"

namespace kzp::member {

using store::Cursor;
using store::RuleError;

namespace {

// Raises the fund's employee-number counter to the number being stored, through the fund
// register's own rules. A refusal there refuses the member too and leaves the fund record as it was.
void raiseEmployeeCounter(TDM& dm, int number)
{
    Cursor& fund = dm.TKasy;
    if (!fund.isOpen() || fund.recNo() < 0 || number <= fund.field("LicznikNRP").asInt())
        return;
    const bool wasEditing = fund.isEditing();
    fund.edit();
    try {
        fund.setValue("LicznikNRP", number);
        fund.post();
    } catch (...) {
        if (!wasEditing)
            fund.cancel();
        throw;
    }
}

void beforePost(LedgerState& ledger, Cursor& c)
{
    if (c.field("Nazwisko").asString().trimmed().isEmpty())
        throw RuleError("Nazwisko musi byc wypełnione !!!");
    if (c.field("PracownikWlasny").asBool() && c.field("NrPracownika").asInt() == 0)
        throw RuleError("Nr pracownika musi być wstawiony!!!");
    if (c.field("IdentyfikatorDzialu").asInt() == 0)
        c.setValue("IdentyfikatorDzialu", 1);
    rules::stampWhoChanged(c, ledger.ctx.session);
    raiseEmployeeCounter(ledger.ctx.dm, c.field("NrPracownika").asInt());
}

void beforeDelete(LedgerState& ledger, Cursor& c)
{
    rules::requireUpdateRight(ledger.ctx.session);
    TDM& dm = ledger.ctx.dm;
    const int id = c.field("IdentyfikatorPracownika").asInt();
    if (rules::anyRow(dm.database(), dm.TPozyczkiRob.table(), "IdentyfikatorPracownika", id) ||
        rules::anyRow(dm.database(), dm.TWplatyRob.table(), "IdentyfikatorPracownika", id))
        throw RuleError("Niemożliwe usunięcie proszę wypisać wybraną osobę z KASY !!!");
    rules::confirmOrRefuse(ledger.ctx.dialogs, "   Czy chcesz usunąć wybraną osobę z KASY    ?    ",
                           " Obsługa pożyczek", true, false, rules::DeleteDeclined);
}

} // namespace

void install(LedgerState& ledger)
{
    TDM& dm = ledger.ctx.dm;
    Cursor& m = dm.TCzlonkowie;
    LedgerState* l = &ledger;
    m.beforeInsert = [l](Cursor&) { rules::requireUpdateRight(l->ctx.session); };
    m.afterInsert = [l](Cursor& c) {
        if (!l->memberFromHr) {
            c.setValue("NrPracownika", 0);
            c.setValue("PracownikWlasny", true);
            l->call(l->hooks.showPersonalPage);
        } else {
            c.setValue("PracownikWlasny", true);
        }
    };
    rules::installTypedDateCheck(m, "DataWpisuDoKasy", rules::InvalidDate::ClearSilently);
    m.beforePost = [l](Cursor& c) { beforePost(*l, c); };
    rules::installMemberPostError(m, ledger.ctx.dialogs);
    m.beforeDelete = [l](Cursor& c) { beforeDelete(*l, c); };
    m.afterDelete = [](Cursor& c) { c.flush(); };
    m.afterScroll = [&dm](Cursor&) {
        // The newest contribution and the newest loan of the member.
        if (dm.TWplaty.isOpen())
            dm.TWplaty.last();
        if (dm.TPozyczki.isOpen())
            dm.TPozyczki.last();
    };
}

void uninstall(LedgerState& ledger)
{
    Cursor& m = ledger.ctx.dm.TCzlonkowie;
    m.beforeInsert = m.afterInsert = m.beforePost = m.beforeDelete = m.afterDelete = m.afterScroll = nullptr;
    m.onPostError = nullptr;
    m.hooks("DataWpisuDoKasy").onSetText = nullptr;
}

void searchBySurname(LedgerState& ledger, const QString& text)
{
    Cursor& m = ledger.ctx.dm.TCzlonkowie;
    if (m.isEditing())
        return;
    m.findNearest({text});
}

bool nextEmployeeNumber(LedgerState& ledger)
{
    TDM& dm = ledger.ctx.dm;
    Cursor& m = dm.TCzlonkowie;
    if (m.field("NrPracownika").asInt() > 0 &&
        !ledger.ctx.dialogs.askYesNo("   Czy chcesz zmienic Nr Pracownika    ?    ", " ", Dialogs::Yes))
        return false;
    if (!m.isEditing())
        m.edit();
    m.setValue("NrPracownika", dm.TKasy.field("LicznikNRP").asInt() + 1);
    return true;
}

void cancelLeaving(LedgerState& ledger)
{
    Cursor& m = ledger.ctx.dm.TCzlonkowie;
    if (!m.isEditing())
        m.edit();
    m.setValue("DataWypisuZKasy", QVariant());
}

void setLeavingFilter(LedgerState& ledger, bool on)
{
    ledger.ctx.dm.TCzlonkowie.setFiltered(on);
}

} // namespace kzp::member
