#include "app/logic/UserList.h"

#include "common/Dialogs.h"
#include "data/PasswordHash.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Tables.h"

#include <new>

namespace kzp {

namespace {

const QString SystemErrorCaption = QStringLiteral("Błąd systemu.");
const QString UsersCaption = QStringLiteral("Kontrola użytkowników.");

const char* const RightFields[6] = {"Aktywny",      "Administrator",    "Przegladanie",
                                    "Aktualizacja", "PrzenoszenieDoFK", "Zamkniecie"};

UserRecord readUser(store::Cursor& c)
{
    UserRecord user;
    for (int i = 0; i < 6; ++i)
        user.rights[i] = c.field(QString::fromLatin1(RightFields[i])).asBool();
    user.identyfikator = c.field("Identyfikator").asInt();
    user.identZm = c.field("IdentZm").asInt();
    user.nazwaKrotka = c.field("NazwaKrotka").asString();
    user.haslo = c.field("Haslo").asString();
    user.nazwaPelna = c.field("NazwaPelna").asString();
    return user;
}

} // namespace

bool UserList::load(RuleContext& ctx)
{
    Session& session = ctx.session;
    store::Cursor& hasla = ctx.dm.THasla;
    session.users.clear();
    if (!hasla.isOpen())
        hasla.open();

    // The rows the table holds, then the rows the cursor walks through: a table that changes in
    // between (another program writing it) would give a list that is not the table.
    const qint64 expected = store::Tables(ctx.dm.database()).rowCount(hasla.table());
    QList<UserRecord> users;
    try {
        users.reserve(expected);
    } catch (const std::bad_alloc&) {
        ctx.dialogs.error(QStringLiteral("Błąd przydziału pamięci dla użytkowników !!!"), SystemErrorCaption);
        return false;
    }

    hasla.refresh();
    qint64 passed = 0;
    for (hasla.first(); !hasla.eof(); hasla.next()) {
        if (passed < expected)
            users.append(readUser(hasla));
        ++passed;
    }
    if (passed != expected) {
        ctx.dialogs.error(QStringLiteral("Błąd wczytywania użytkowników !!!"), SystemErrorCaption);
        return false;
    }
    session.users = users;
    hasla.refresh();
    return true;
}

bool UserList::login(RuleContext& ctx, const QString& shortName, const QString& password,
                     const DateTriple& chosenDate)
{
    Session& session = ctx.session;
    const UserRecord* match = nullptr;
    for (const UserRecord& user : session.users) {
        if (user.nazwaKrotka == shortName && PasswordHash::verify(password, user.haslo)) {
            match = &user;
            break;
        }
    }
    if (!match) {
        ctx.dialogs.error(QStringLiteral("Błędna nazwa użytkownika lub niewłaściwe hasło !!!"), UsersCaption);
        return false;
    }
    session.currentUser = *match;
    if (!session.hasRight(RightActive))
        ctx.dialogs.error(QStringLiteral("Użytkownikowi: ") + session.currentUser.nazwaPelna
                              + QStringLiteral(" cofnięto uprawnienia do pracy w systemie !!!\n Uprawnienia nadaje "
                                               "użytkownik z uprawnieniami administratora."),
                          UsersCaption);
    session.processingDate = chosenDate;
    return true;
}

} // namespace kzp
