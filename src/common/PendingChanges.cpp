#include "common/PendingChanges.h"

#include "common/Dialogs.h"
#include "store/Cursor.h"

namespace kzp {

bool askPendingChanges(const QString& questionEdited, const QString& questionNew, const QString& caption,
                       store::Cursor& cursor, Dialogs& dialogs)
{
    using State = store::Cursor::State;
    if (cursor.state() != State::Edit && cursor.state() != State::Insert)
        return true;
    const QString& question = cursor.state() == State::Edit ? questionEdited : questionNew;
    switch (dialogs.askYesNoCancel(question, caption, Dialogs::Icon::Warning)) {
    case Dialogs::Yes:
        try {
            cursor.post();
        } catch (const store::RuleError& refusal) {
            dialogs.error(refusal.message());
            return false;
        } catch (const store::Abort&) {
            return false;
        } catch (const store::StoreError& error) {
            dialogs.error(QString("Błąd zapisu danych: %1").arg(error.message()));
            return false;
        }
        return true;
    case Dialogs::No:
        cursor.cancel();
        return true;
    default:
        return false;
    }
}

} // namespace kzp
