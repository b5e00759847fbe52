#include "data/CommonRules.h"

#include "common/DateTriple.h"
#include "common/Dialogs.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/StoreError.h"

namespace kzp::rules {

void requireUpdateRight(const Session& session)
{
    if (!session.hasRight(RightUpdate))
        throw store::RuleError(NoUpdateRight);
}

bool inClosedMonth(TDM& dm, const QDate& date)
{
    if (!dm.TKasy.isOpen() || dm.TKasy.recNo() < 0)
        return false;
    const QDate closed = dm.TKasy.field("DataZamkniecia").asDate();
    if (!closed.isValid())
        return false;
    // Both as yyyy-mm-dd texts: they order by date, and an empty date comes first.
    const QString record = date.isValid() ? date.toString(Qt::ISODate) : QString();
    return record <= closed.toString(Qt::ISODate);
}

void guardClosedMonth(TDM& dm, const QDate& date, const QString& message)
{
    if (inClosedMonth(dm, date))
        throw store::RuleError(message);
}

void stampWhoChanged(store::Cursor& cursor, const Session& session)
{
    cursor.setValue("KtoZmienil", session.currentUserId());
}

bool isValidDateText(const QString& text)
{
    QDate date;
    try {
        date = store::Field::parseText(store::FieldType::Date, text).toDate();
    } catch (const store::RuleError&) {
        return false;
    }
    return DateTriple::fromDate(date).isValid();
}

void installTypedDateCheck(store::Cursor& cursor, const QString& field, InvalidDate onInvalid, const QString& message)
{
    cursor.hooks(field).onSetText = [onInvalid, message](store::Field& f, const QString& text) {
        if (isValidDateText(text)) {
            f.setValue(store::Field::parseText(store::FieldType::Date, text));
            return;
        }
        switch (onInvalid) {
        case InvalidDate::KeepAndRefuse:
            throw store::RuleError(message);
        case InvalidDate::ClearAndRefuse:
            f.clear();
            throw store::RuleError(message);
        case InvalidDate::ClearSilently:
            f.clear();
            return;
        }
    };
}

namespace {

void installCancellingPostError(store::Cursor& cursor, Dialogs& dialogs, const QString& message)
{
    cursor.onPostError = [&dialogs, message](store::Cursor& c, const store::StoreError& error) {
        if (!error.isUniqueViolation())
            return store::Cursor::PostErrorAction::Fail;
        dialogs.error(message);
        c.cancel();
        return store::Cursor::PostErrorAction::Abort;
    };
}

} // namespace

void installMemberPostError(store::Cursor& members, Dialogs& dialogs)
{
    installCancellingPostError(members, dialogs, QStringLiteral("Pracownik już przypisany do tej kasy !!!"));
}

void installDocumentEntryPostError(store::Cursor& entries, Dialogs& dialogs)
{
    installCancellingPostError(entries, dialogs, QStringLiteral("Taka Lp. juz istnieje !!!"));
}

void confirmOrRefuse(Dialogs& dialogs, const QString& question, const QString& caption, bool yesPreselected,
                     bool errorIcon, const QString& refusal)
{
    const bool yes = dialogs.askYesNo(question, caption, yesPreselected ? Dialogs::Yes : Dialogs::No,
                                      errorIcon ? Dialogs::Icon::Error : Dialogs::Icon::Question);
    if (!yes)
        throw store::RuleError(refusal);
}

} // namespace kzp::rules

#include "store/Database.h"
#include "store/Statement.h"
#include "store/Tables.h"

namespace kzp::rules {

bool anyRow(store::Database& db, const store::TableRef& table, const QString& field, int value)
{
    if (!store::Tables(db).exists(table))
        return false;
    store::Statement q = db.prepare(QString("SELECT 1 FROM %1.%2 WHERE %3 = ? LIMIT 1")
                                        .arg(db.schemaFor(table.folder, false), store::quoteIdentifier(table.name),
                                             store::quoteIdentifier(field)));
    q.bindInt(1, value);
    return q.step();
}

} // namespace kzp::rules
