#include "cycle/logic/InitialGeneration.h"

#include "common/Dialogs.h"
#include "common/MoneyRounding.h"
#include "data/Balances.h"
#include "data/BatchModes.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Transaction.h"

namespace kzp {

namespace {

// Sums of money are plain floating sums: a balance counts as zero when it is zero to the grosz.
bool isZero(double amount)
{
    return roundMoney(amount, 2) == 0.0;
}

void writeRow(store::Cursor& rows, int memberId, const QString& operation, double amount, const QDate& date)
{
    rows.append();
    rows.setValue("IdentyfikatorPracownika", memberId);
    rows.setValue("Operacja", operation);
    rows.setValue("Kwota", amount);
    rows.setValue("DataOperacji", date);
    rows.setValue("NrDokumentu", InitialGeneration::DocumentNumber);
    rows.setValue("Status", "Z");
    rows.setValue("Forma", "L");
    rows.post();
}

} // namespace

InitialGeneration::InitialGeneration(RuleContext& ctx)
    : m_ctx(ctx), m_balances(std::make_unique<Balances>(ctx.dm, ctx.session))
{
}

InitialGeneration::~InitialGeneration() = default;

QString InitialGeneration::summaryText(double entryFeeSum)
{
    const QString sum = QString::number(roundMoney(entryFeeSum, 2), 'g', 15).replace('.', ',');
    return QStringLiteral("Wygenerowano : \n\n") + QStringLiteral("Wpisowe na kwotę :") + sum + QStringLiteral(" zł.\n");
}

bool InitialGeneration::refusedByClosedMonth(const QDate& date)
{
    const QDate closed = m_ctx.dm.TKasy.field("DataZamkniecia").asDate();
    if (!closed.isValid())
        return false;
    // Neither the processing month nor the day the rows are dated with may lie in a closed month.
    const QDate processing = m_ctx.session.processingDate.toDate();
    return !processing.isValid() || closed >= processing || !date.isValid() || date <= closed;
}

InitialGeneration::Result InitialGeneration::run(const QDate& date)
{
    Result result;
    TDM& dm = m_ctx.dm;
    Dialogs& dialogs = m_ctx.dialogs;
    if (refusedByClosedMonth(date)) {
        dialogs.error(ClosedMonth, QStringLiteral("Kontrola operacji."));
        return result;
    }
    store::Cursor& members = dm.TCzlonkowie;
    store::Cursor& rows = dm.TWplatyRob;
    if (members.isEditing()) {
        // Walking the members would store or drop the change being typed.
        dialogs.error(QStringLiteral("Zapisz lub anuluj zmiany danych członków kasy"), QStringLiteral("Kontrola"));
        return result;
    }
    if (!members.isOpen() || !rows.isOpen())
        return result;

    const double entryFee = dm.TKasy.field("KwotaWpisowe").asFloat();
    const store::Cursor::Bookmark where = members.bookmark();
    QString error;
    members.disableControls();
    try {
        store::Transaction tx(dm.database());
        {
            BatchModeGuard batch(m_ctx.batch.initialGeneration);
            try {
                for (members.first(); !members.eof(); members.next()) {
                    const int id = members.field("IdentyfikatorPracownika").asInt();
                    if (!members.field("DataWypisuZKasy").isNull())
                        continue;
                    const MemberSums sums = m_balances->memberSums(id);
                    if (isZero(sums.wklad)) {
                        writeRow(rows, id, QStringLiteral("40"), 0.0, date);
                        ++result.openingRows;
                    }
                    if (isZero(sums.wpisowe) && entryFee > 0.0001) {
                        writeRow(rows, id, QStringLiteral("10"), entryFee, date);
                        ++result.entryFeeRows;
                        result.entryFeeSum += entryFee;
                    }
                }
                result.completed = true;
            } catch (const store::StoreError& e) {
                error = e.message();
            } catch (const store::RuleError& e) {
                error = e.message();
            }
            if (rows.isEditing())
                rows.cancel();
        }
        // What was written before an error stays.
        tx.commit();
    } catch (...) {
        members.enableControls();
        throw;
    }
    if (members.bookmarkValid(where))
        members.gotoBookmark(where);
    members.enableControls();
    for (store::Cursor* c : {&dm.TWplaty, &dm.TCzlonkowie})
        if (c->isOpen())
            c->refresh();

    if (!result.completed)
        dialogs.error(error, RowErrorCaption);
    else
        dialogs.information(summaryText(result.entryFeeSum), SummaryCaption);
    return result;
}

} // namespace kzp
