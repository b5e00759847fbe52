#include "SmallFundFixture.h"

#include "app/logic/FundOpening.h"
#include "data/FundTables.h"
#include "data/TableNames.h"
#include "data/WorkingDirectory.h"
#include "store/Statement.h"
#include "store/Tables.h"

#include <QDir>

namespace kzp::test {

void SmallFund::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_db.open(m_dir.path());
    WorkingDirectory::initialise(m_db);
    m_dm = std::make_unique<TDM>(m_db);
    m_dm->openSharedCursors();
    m_session.workDir = m_db.workDir();
    m_session.processingDate = DateTriple::fromValues(2003, 6, 30);
    m_session.currentUser.identyfikator = 1;
    m_session.currentUser.nazwaPelna = QStringLiteral("Administrator");
    for (bool& right : m_session.currentUser.rights)
        right = true;
    m_ctx = std::make_unique<RuleContext>(RuleContext{*m_dm, m_session, m_dialogs, {}});
    FundOpening::installHrRegisterRule(*m_ctx);
}

void SmallFund::TearDown()
{
    m_rules.reset();
    QDir::setCurrent(QDir::tempPath());
}

QString SmallFund::path(const QString& relative) const
{
    return QDir(m_db.workDir()).filePath(relative);
}

void SmallFund::openFund(const FundSetup& setup)
{
    store::Cursor& fund = m_dm->TKasy;
    fund.append();
    fund.setValue("NazwaKasy", QStringLiteral("KZP przy ZM Beskid"));
    fund.setValue("RodzajKasy", "K");
    fund.setValue("KwotaWpisowe", setup.entryFee);
    fund.setValue("KwotaSkladka", 30.0);
    fund.setValue("Procent", 5.0);
    fund.setValue("CzyPlace", setup.payroll);
    fund.setValue("SciezkaKadr", setup.hrFolder);
    fund.setValue("DataZamkniecia", setup.closedUntil);
    fund.setValue("LicznikNRP", 0);
    fund.setValue("KiedyInnaRata", 0);
    fund.post();
    const QString folder = fundFolderPath(m_db.workDir(), fund.field("Identyfikator").asInt());
    ASSERT_TRUE(QDir().mkpath(folder));
    FundTables(m_db).createFundTables(folder);
    FundTables(m_db).ensureYearTables(folder, 2003);
    // The register is read by the HR window, not by opening the fund.
    m_dialogs.clear();
    ASSERT_TRUE(FundOpening(*m_ctx).open()) << m_dialogs.texts().join('|').toStdString();
    m_dialogs.clear();
    m_rules = installLedgerRules(*m_ctx);
    refreshFund();
}

qint64 SmallFund::insert(const QString& table, const QVariantMap& values)
{
    const store::Tables tables(m_db);
    const store::TableRef ref{m_dm->fundFolder(), table};
    QStringList names, marks;
    for (auto it = values.begin(); it != values.end(); ++it) {
        names << store::quoteIdentifier(it.key());
        marks << QStringLiteral("?");
    }
    store::Statement q = m_db.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tables.qualified(ref), names.join(','), marks.join(',')));
    int i = 1;
    for (const QVariant& v : values)
        q.bind(i++, v);
    q.exec();
    m_db.noteWrite();
    return m_db.lastInsertRowId();
}

int SmallFund::addMember(const QString& surname, const QString& name, int number, const QDate& left)
{
    return int(insert(table::Czlonkowie, {{"Nazwisko", surname},
                                          {"Imie", name},
                                          {"NrPracownika", number},
                                          {"PracownikWlasny", true},
                                          {"IdentyfikatorDzialu", 1},
                                          {"DataWpisuDoKasy", QDate(2002, 1, 1)},
                                          {"DataWypisuZKasy", left.isValid() ? QVariant(left) : QVariant()}}));
}

void SmallFund::addContribution(int member, const QString& operation, double amount, const QDate& date)
{
    insert(table::Wplaty, {{"IdentyfikatorPracownika", member},
                           {"Operacja", operation},
                           {"Kwota", amount},
                           {"DataOperacji", date},
                           {"Status", "P"},
                           {"Forma", "L"}});
}

int SmallFund::addLoan(int member, double amount, int guarantor1, int guarantor2, double percent)
{
    return int(insert(table::Pozyczki, {{"IdentyfikatorPracownika", member},
                                        {"DataPozyczki", QDate(2003, 1, 15)},
                                        {"KwotaPozyczki", amount},
                                        {"KwotaSaldaStarego", 0.0},
                                        {"ProcentOdsetek", percent},
                                        {"IloscRat", 10},
                                        {"IdZyrant1", guarantor1},
                                        {"IdZyrant2", guarantor2}}));
}

void SmallFund::addRepayment(int loan, double amount)
{
    insert(table::Raty, {{"IdentyfikatorPozyczki", loan},
                         {"Operacja", "30"},
                         {"Kwota", amount},
                         {"DataOperacji", QDate(2003, 2, 28)},
                         {"Status", "P"},
                         {"Forma", "L"}});
}

void SmallFund::refreshFund()
{
    for (store::Cursor* c : {&m_dm->TCzlonkowie, &m_dm->TZyranci, &m_dm->TPozyczki, &m_dm->TPozyczkiRob,
                             &m_dm->TWplaty, &m_dm->TWplatyRob, &m_dm->TRaty, &m_dm->TRatyRob})
        if (c->isOpen())
            c->refresh();
}

void SmallFund::goToMember(int member)
{
    ASSERT_TRUE(m_dm->TCzlonkowie.locate(QStringLiteral("IdentyfikatorPracownika"), {member}));
}

QList<QVariantList> SmallFund::rows(const QString& table, const QStringList& columns, const QString& where)
{
    const store::Tables tables(m_db);
    QStringList quoted;
    for (const QString& c : columns)
        quoted << store::quoteIdentifier(c);
    store::Statement q = m_db.prepare(QStringLiteral("SELECT %1 FROM %2 %3 ORDER BY rowid")
                                          .arg(quoted.join(','), tables.qualified({m_dm->fundFolder(), table}),
                                               where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where));
    QList<QVariantList> result;
    while (q.step()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row << q.value(i);
        result << row;
    }
    return result;
}

} // namespace kzp::test
