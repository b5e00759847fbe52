#pragma once

#include <QDate>
#include <QString>

namespace store {
class Cursor;
}

namespace kzp {

class Dialogs;
class Session;
class TDM;
struct RuleContext;

// Rules shared by the ledger tables: the update right, the closed-month guard, the who-changed
// stamp, the check of dates typed by hand and the store's refusal of a record.
namespace rules {

inline const QString NoUpdateRight = QStringLiteral("Brak uprawnień do aktualizacji !!!");
inline const QString DeleteDeclined = QStringLiteral(" Zrezygnowano z kasowania !!! ");
inline const QString ChangeDeclined = QStringLiteral(" Zrezygnowano ze zmiany !!! ");

// Refuses with NoUpdateRight when the logged-in user may not update.
void requireUpdateRight(const Session& session);

// Whether a record dated `date` lies in a closed month of the open fund: on or before its
// DataZamkniecia. An empty closing date closes nothing; an empty record date lies before every
// closing date.
bool inClosedMonth(TDM& dm, const QDate& date);
// Refuses with `message` when the record's date lies in a closed month.
void guardClosedMonth(TDM& dm, const QDate& date, const QString& message);

// KtoZmienil := the logged-in user.
void stampWhoChanged(store::Cursor& cursor, const Session& session);

// Whether typed text is a date: year-month-day of an existing day with a year above 0.
bool isValidDateText(const QString& text);

// What a date field does with typed text that is not a date.
enum class InvalidDate {
    KeepAndRefuse,  // the field keeps its value, the text is refused with the message
    ClearAndRefuse, // the field is emptied, then the text is refused with the message
    ClearSilently,  // the field is emptied without a message
};
void installTypedDateCheck(store::Cursor& cursor, const QString& field, InvalidDate onInvalid,
                           const QString& message = QString());

// A member refused by the store's unique key: the message, the insert or edit is cancelled, the
// post ends without a further message. Other store errors pass on unchanged.
void installMemberPostError(store::Cursor& members, Dialogs& dialogs);
// The same for an accounting entry whose Lp is taken.
void installDocumentEntryPostError(store::Cursor& entries, Dialogs& dialogs);

// Asks a Yes/No question; anything but Yes refuses with `refusal`.
void confirmOrRefuse(Dialogs& dialogs, const QString& question, const QString& caption, bool yesPreselected,
                     bool errorIcon, const QString& refusal);

} // namespace rules
} // namespace kzp

namespace store {
class Database;
struct TableRef;
} // namespace store

namespace kzp::rules {

// Whether the table has a row whose integer field equals value.
bool anyRow(store::Database& db, const store::TableRef& table, const QString& field, int value);

} // namespace kzp::rules
