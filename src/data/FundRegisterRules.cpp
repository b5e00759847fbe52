#include "data/FundRegisterRules.h"

#include "common/Dialogs.h"
#include "common/MakeFolder.h"
#include "data/FundTables.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/StoreError.h"

#include <QFileInfo>

namespace kzp {

using store::Cursor;
using store::RuleError;

namespace {

const QString ErrorCaption = QStringLiteral("B ł ą d");

bool isFundType(const QString& letter)
{
    return letter == QLatin1String("K") || letter == QLatin1String("M");
}

RuleError wrongFundType()
{
    return RuleError(QStringLiteral("Rodzaj kasy musi być K (KZP) lub M (ZFM) !!!"));
}

} // namespace

QString fundTypeText(const QString& rodzajKasy)
{
    if (rodzajKasy == QLatin1String("K"))
        return QStringLiteral(" KZP ");
    if (rodzajKasy == QLatin1String("M"))
        return QStringLiteral(" ZFM ");
    return QStringLiteral("X");
}

FundRegisterRules::FundRegisterRules(RuleContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("FundRegisterRules"));
}

FundRegisterRules* FundRegisterRules::of(Cursor& kasy)
{
    return kasy.findChild<FundRegisterRules*>(QStringLiteral("FundRegisterRules"), Qt::FindDirectChildrenOnly);
}

FundRegisterRules& FundRegisterRules::install(RuleContext& ctx)
{
    Cursor& c = ctx.dm.TKasy;
    if (FundRegisterRules* installed = of(c))
        return *installed;
    auto* rules = new FundRegisterRules(ctx, &c);
    c.hooks("RodzajKasy").onValidate = [rules](store::Field& f) { rules->TKasyRodzajKasyValidate(f); };
    c.hooks("RodzajKasy").onGetText = [rules](const store::Field& f, bool display) {
        return rules->TKasyRodzajKasyGetText(f, display);
    };
    // Amounts of money show their grosze: 10,00 rather than 10.
    for (const char* amount : {"KwotaWpisowe", "KwotaSkladka"})
        c.hooks(QLatin1String(amount)).onGetText = [](const store::Field& f, bool) {
            return f.isNull() ? QString() : QString::number(f.asFloat(), 'f', 2).replace('.', ',');
        };
    c.beforeInsert = [rules](Cursor& k) { rules->TKasyBeforeInsert(k); };
    c.beforeEdit = [rules](Cursor& k) { rules->TKasyBeforeEdit(k); };
    c.beforePost = [rules](Cursor& k) { rules->TKasyBeforePost(k); };
    c.afterPost = [rules](Cursor& k) { rules->TKasyAfterPost(k); };
    c.afterCancel = [rules](Cursor& k) { rules->TKasyAfterCancel(k); };
    c.beforeDelete = [rules](Cursor& k) { rules->TKasyBeforeDelete(k); };
    c.afterDelete = [rules](Cursor& k) { rules->AAPoKasowaniu(k); };
    return *rules;
}

void installFundRegisterRules(RuleContext& ctx)
{
    FundRegisterRules::install(ctx);
}

void FundRegisterRules::TKasyRodzajKasyValidate(store::Field& field)
{
    if (!isFundType(field.asString()))
        throw wrongFundType();
}

QString FundRegisterRules::TKasyRodzajKasyGetText(const store::Field& field, bool display) const
{
    return display ? fundTypeText(field.asString()) : field.asString();
}

void FundRegisterRules::TKasyBeforeInsert(Cursor&)
{
    m_newFund = true;
}

void FundRegisterRules::TKasyBeforeEdit(Cursor&)
{
    m_newFund = false;
}

void FundRegisterRules::TKasyBeforePost(Cursor& c)
{
    if (c.field("NazwaKasy").asString().trimmed().isEmpty())
        throw RuleError(QStringLiteral("Nazwa kasy nie może być pusta !!!"));
    if (!isFundType(c.field("RodzajKasy").asString()))
        throw wrongFundType();
    c.field("KtoZmienil").setValue(m_ctx.session.currentUserId());
}

void FundRegisterRules::TKasyAfterPost(Cursor& c)
{
    if (!m_newFund)
        return;
    // Made once: a later post of the same row (after an edit) is not a new fund.
    m_newFund = false;
    makeNewFund(c.field("Identyfikator").asInt());
}

void FundRegisterRules::TKasyAfterCancel(Cursor&)
{
    m_newFund = false;
}

void FundRegisterRules::makeNewFund(int identyfikator)
{
    Dialogs& dialogs = m_ctx.dialogs;
    dialogs.information(QStringLiteral("Tworze folder dla nowej kasy"));
    const QString path = fundFolderPath(m_ctx.dm.workDir(), identyfikator);
    // The folder of a fund whose row was deleted stays on disk: a new fund never takes it over.
    if (QFileInfo::exists(path)) {
        dialogs.error(QStringLiteral("Katalog z daną kasą już istnieje !"), ErrorCaption);
        return;
    }
    if (!makeFolder(path, dialogs)) {
        dialogs.error(QStringLiteral("Błąd podczas tworzenia katalogu KASY"), ErrorCaption);
        return;
    }
    // The fund's row is stored; a failure here leaves it without its tables, and fund opening
    // names the table that is missing.
    FundTables(m_ctx.dm.database()).createFundTables(path);
}

void FundRegisterRules::TKasyBeforeDelete(Cursor& c)
{
    if (!m_ctx.session.hasRight(RightAdministrator))
        throw RuleError(QStringLiteral("Brak uprawnień ADMINISTRATORA do skasowania kasy!!!"));
    const QString question = QStringLiteral(" Skasowanie kasy spowoduje utratę danych całej wybranej kasy !!!\n") +
                             fundTypeText(c.field("RodzajKasy").asString()) + QStringLiteral("    ") +
                             c.field("NazwaKasy").asString() + QStringLiteral("\n\n") +
                             QStringLiteral(" Czy chcesz skasować wybraną kasę ?    ");
    if (!m_ctx.dialogs.askYesNo(question, QStringLiteral(" Wykaz kas"), Dialogs::No))
        throw RuleError(QStringLiteral(" Zrezygnowano z kasowania !!! "));
}

void FundRegisterRules::AAPoKasowaniu(Cursor& c)
{
    c.flush();
}

} // namespace kzp
