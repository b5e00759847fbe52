#pragma once

#include <QObject>
#include <QString>

namespace store {
class Cursor;
class Field;
} // namespace store

namespace kzp {

struct RuleContext;

// " KZP " for a loan-and-aid fund ("K"), " ZFM " for a housing fund ("M"), "X" for anything else.
QString fundTypeText(const QString& rodzajKasy);

// The record rules of the fund register (TKasy): the fund type check, the name check and the
// who-changed stamp before a post, the guarded deletion, the flush after it, and the making of a
// new fund's folder and base tables after its row is first stored.
//
// The rules object lives as a child of the TKasy cursor; install it once, after the data module
// has been created. Installing again answers the object already there.
class FundRegisterRules : public QObject {
    Q_OBJECT
public:
    static FundRegisterRules& install(RuleContext& ctx);
    // The rules hung on the cursor, or nullptr.
    static FundRegisterRules* of(store::Cursor& kasy);

    // Whether the row being stored is a new fund (raised when an insert starts, lowered when an
    // edit starts and once the new fund has been made or its insert dropped).
    bool isNewFund() const { return m_newFund; }

    void TKasyRodzajKasyValidate(store::Field& field);
    QString TKasyRodzajKasyGetText(const store::Field& field, bool display) const;
    void TKasyBeforeInsert(store::Cursor& c);
    void TKasyBeforeEdit(store::Cursor& c);
    void TKasyBeforePost(store::Cursor& c);
    void TKasyAfterPost(store::Cursor& c);
    void TKasyAfterCancel(store::Cursor& c);
    void TKasyBeforeDelete(store::Cursor& c);
    void AAPoKasowaniu(store::Cursor& c);

private:
    FundRegisterRules(RuleContext& ctx, QObject* parent);
    void makeNewFund(int identyfikator);

    RuleContext& m_ctx;
    bool m_newFund = false;
};

// Hangs the fund register's rules on the data module's TKasy cursor.
void installFundRegisterRules(RuleContext& ctx);

} // namespace kzp
