#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace store {
class Cursor;
class Field;
} // namespace store

namespace kzp {

struct RuleContext;

// The record rules of the users table (THasla): a new user starts with no rights, a user needs a
// short and a full name, the who-changed stamp, and users are never deleted.
//
// The rules object lives as a child of the THasla cursor; install it once, after the data module
// has been created. Installing again answers the object already there.
class UserRules : public QObject {
    Q_OBJECT
public:
    static UserRules& install(RuleContext& ctx);
    // The rules hung on the cursor, or nullptr.
    static UserRules* of(store::Cursor& hasla);

    // The users window's short-name edit: enabled when a new user is started, disabled once it is
    // stored or dropped. The window sets it while it is open and clears it when it goes.
    std::function<void(bool enabled)> shortNameEditable;

    void THaslaAfterInsert(store::Cursor& c);
    void THaslaBeforePost(store::Cursor& c);
    void AAPoZapisie(store::Cursor& c);
    void AAPoAnulowaniul(store::Cursor& c);
    void AANieKasuj(store::Cursor& c);
    QString THaslaAktywnyGetText(const store::Field& field, bool display) const;

private:
    UserRules(RuleContext& ctx, QObject* parent);
    void setShortNameEditable(bool enabled);

    RuleContext& m_ctx;
};

// Hangs the users table's rules on the data module's THasla cursor.
void installUserRules(RuleContext& ctx);

} // namespace kzp
