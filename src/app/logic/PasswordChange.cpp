#include "app/logic/PasswordChange.h"

#include "common/Dialogs.h"
#include "data/PasswordHash.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/StoreError.h"

namespace kzp {

namespace {

const QString Caption = QStringLiteral("Kontrola operacji.");

// Stores `hash` in every row of the user; answers how many rows took it.
int storeHash(store::Cursor& hasla, int userId, const QString& hash, Dialogs& dialogs)
{
    if (!hasla.isOpen())
        hasla.open();
    hasla.checkBrowseMode();
    const store::Cursor::Bookmark here = hasla.bookmark();
    int changed = 0;
    hasla.disableControls();
    try {
        for (hasla.first(); !hasla.eof(); hasla.next()) {
            if (hasla.field("Identyfikator").asInt() != userId)
                continue;
            hasla.edit();
            try {
                hasla.field("Haslo").setValue(hash);
                hasla.post();
                ++changed;
            } catch (const store::RuleError& refusal) {
                hasla.cancel();
                dialogs.error(refusal.message(), Caption);
            }
        }
    } catch (...) {
        hasla.enableControls();
        throw;
    }
    if (hasla.bookmarkValid(here))
        hasla.gotoBookmark(here);
    hasla.enableControls();
    return changed;
}

} // namespace

bool changePassword(RuleContext& ctx, const QString& oldPassword, const QString& newPassword, const QString& repeated)
{
    const UserRecord& user = ctx.session.currentUser;
    if (newPassword != repeated || !PasswordHash::verify(oldPassword, user.haslo)) {
        ctx.dialogs.error(QStringLiteral("Niewłaściwe dane do zmiany hasła !!!"), Caption);
        return false;
    }
    int changed = 0;
    try {
        changed = storeHash(ctx.dm.THasla, user.identyfikator, PasswordHash::hash(newPassword), ctx.dialogs);
    } catch (const store::StoreError&) {
        changed = 0;
    }
    if (changed > 0) {
        ctx.dialogs.information(QStringLiteral("Hasło zostało zmienione !!!"), Caption);
        return true;
    }
    ctx.dialogs.error(QStringLiteral("Nie udało się zmienić hasła !!!"), Caption);
    return false;
}

} // namespace kzp
