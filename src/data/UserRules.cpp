#include "data/UserRules.h"

#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/StoreError.h"

namespace kzp {

using store::Cursor;
using store::RuleError;

namespace {

// The rights a new user starts without.
const char* const RightFields[] = {"Aktywny", "Administrator", "Przegladanie", "Aktualizacja", "PrzenoszenieDoFK",
                                   "Zamkniecie"};
// The rights shown as "Tak"/"Nie".
const char* const ShownRightFields[] = {"Aktywny", "Administrator", "Przegladanie", "Aktualizacja", "Zamkniecie"};

} // namespace

UserRules::UserRules(RuleContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("UserRules"));
}

UserRules* UserRules::of(Cursor& hasla)
{
    return hasla.findChild<UserRules*>(QStringLiteral("UserRules"), Qt::FindDirectChildrenOnly);
}

UserRules& UserRules::install(RuleContext& ctx)
{
    Cursor& c = ctx.dm.THasla;
    if (UserRules* installed = of(c))
        return *installed;
    auto* rules = new UserRules(ctx, &c);
    c.afterInsert = [rules](Cursor& h) { rules->THaslaAfterInsert(h); };
    c.beforePost = [rules](Cursor& h) { rules->THaslaBeforePost(h); };
    c.afterPost = [rules](Cursor& h) { rules->AAPoZapisie(h); };
    c.afterCancel = [rules](Cursor& h) { rules->AAPoAnulowaniul(h); };
    c.beforeDelete = [rules](Cursor& h) { rules->AANieKasuj(h); };
    c.afterDelete = [](Cursor& h) { h.flush(); };
    for (const char* name : ShownRightFields)
        c.hooks(QLatin1String(name)).onGetText = [rules](const store::Field& f, bool display) {
            return rules->THaslaAktywnyGetText(f, display);
        };
    return *rules;
}

void installUserRules(RuleContext& ctx)
{
    UserRules::install(ctx);
}

void UserRules::setShortNameEditable(bool enabled)
{
    if (shortNameEditable)
        shortNameEditable(enabled);
}

void UserRules::THaslaAfterInsert(Cursor& c)
{
    for (const char* name : RightFields)
        c.field(QLatin1String(name)).setValue(false);
    setShortNameEditable(true);
}

void UserRules::THaslaBeforePost(Cursor& c)
{
    if (c.field("NazwaKrotka").asString().isEmpty())
        throw RuleError(QStringLiteral("Nazwa krótka użytkownika nie może być pusta !!!"));
    if (c.field("NazwaPelna").asString().isEmpty())
        throw RuleError(QStringLiteral("Nazwa pełna nie może być pusta !!!"));
    c.field("IdentZm").setValue(m_ctx.session.currentUserId());
}

void UserRules::AAPoZapisie(Cursor&)
{
    setShortNameEditable(false);
}

void UserRules::AAPoAnulowaniul(Cursor&)
{
    setShortNameEditable(false);
}

void UserRules::AANieKasuj(Cursor&)
{
    throw RuleError(QStringLiteral("Nie wolno kasować użytkowników !!!"));
}

QString UserRules::THaslaAktywnyGetText(const store::Field& field, bool display) const
{
    if (!display)
        return field.isNull() ? QString() : store::Field::defaultText(field.type(), field.value(), false);
    return field.asBool() ? QStringLiteral("Tak") : QStringLiteral("Nie");
}

} // namespace kzp
