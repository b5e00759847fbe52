#include "LedgerFixture.h"

#include "data/FundTables.h"
#include "data/WorkingDirectory.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace kzp::test {

void LedgerFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    db.open(m_dir.path());
    WorkingDirectory::initialise(db, "x");
    FundTables fund(db);
    fund.createFundTables("Kas1");
    fund.ensureYearTables("Kas1", 2003);
    fund.ensureMonthTables("Kas1", 2003, 6);
    exec("INSERT INTO main.kasy (NazwaKasy, RodzajKasy, KwotaWpisowe, KwotaSkladka, Procent, KiedyInnaRata, "
         "LicznikNRP, Uzupelniajace, CzyPlace) VALUES ('Kasa testowa', 'K', 50, 30, 5, 0, 120, 0, 0)");

    session.processingDate = DateTriple::fromValues(2003, 6, 15);
    session.currentUser.identyfikator = 7;
    session.currentUser.nazwaPelna = "Anna Kasjer";
    session.currentUser.rights[RightActive] = true;
    session.currentUser.rights[RightUpdate] = true;
    session.users = {session.currentUser};
    UserRecord importer;
    importer.identyfikator = 3;
    importer.nazwaPelna = "Import płac";
    session.users.append(importer);

    dm = std::make_unique<TDM>(db);
    dm->openSharedCursors();
    dm->TKasy.first();
    dm->pointAtFund("Kas1", 2003, 6);
    dm->openFundCursors();
    dm->setReportFlag(false);
    ctx.emplace(RuleContext{*dm, session, dialogs, {}});
    rules = installLedgerRules(*ctx);
}

void LedgerFixture::TearDown()
{
    rules.reset();
    ctx.reset();
    dm.reset();
}

QString LedgerFixture::fundTable(const QString& name)
{
    return store::Tables(db).qualified({dm->fundFolder(), name});
}

void LedgerFixture::exec(const QString& sql)
{
    db.exec(sql);
}

QVariant LedgerFixture::sqlValue(const QString& sql)
{
    store::Statement q = db.prepare(sql);
    return q.step() ? q.value(0) : QVariant();
}

namespace {
QVariant dateValue(const QDate& d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}
} // namespace

int LedgerFixture::addMember(const QString& surname, int employeeNumber, const QDate& left)
{
    store::Statement q = db.prepare("INSERT INTO " + fundTable("CZLONKOWIE") +
                                    " (Nazwisko, Imie, NrPracownika, PracownikWlasny, IdentyfikatorDzialu, "
                                    "DataWypisuZKasy) VALUES (?, 'Jan', ?, 1, 1, ?)");
    q.bind(1, surname).bind(2, employeeNumber).bind(3, dateValue(left));
    q.exec();
    const int id = int(db.lastInsertRowId());
    readAgain();
    return id;
}

int LedgerFixture::addContribution(int member, const QString& operation, double amount, const QDate& date,
                                   const QString& status, const QString& form)
{
    store::Statement q = db.prepare("INSERT INTO " + fundTable("WPLATY") +
                                    " (IdentyfikatorPracownika, DataOperacji, Operacja, Kwota, Status, Forma, "
                                    "NrDokumentu) VALUES (?, ?, ?, ?, ?, ?, 'KP 1')");
    q.bind(1, member).bind(2, dateValue(date)).bind(3, operation).bind(4, amount).bind(5, status).bind(6, form);
    q.exec();
    const int id = int(db.lastInsertRowId());
    readAgain();
    return id;
}

int LedgerFixture::addLoan(int member, const QDate& date, double amount, double percent, int installments,
                           double first, double regular, double last, const QString& status, double previousBalance)
{
    store::Statement q = db.prepare(
        "INSERT INTO " + fundTable("POZYCZKI") +
        " (IdentyfikatorPracownika, DataPozyczki, KwotaPozyczki, ProcentOdsetek, IloscRat, RataPierwsza, "
        "KolejnaRata, OstatniaRata, Status, KwotaSaldaStarego) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    q.bind(1, member).bind(2, dateValue(date)).bind(3, amount).bind(4, percent).bind(5, installments);
    q.bind(6, first).bind(7, regular).bind(8, last).bind(9, status).bind(10, previousBalance);
    q.exec();
    const int id = int(db.lastInsertRowId());
    readAgain();
    return id;
}

int LedgerFixture::addRepayment(int loan, double amount, const QDate& date, const QString& status,
                                const QString& form)
{
    store::Statement q = db.prepare("INSERT INTO " + fundTable("RATY") +
                                    " (IdentyfikatorPozyczki, DataOperacji, Operacja, Kwota, Status, Forma, "
                                    "NrDokumentu) VALUES (?, ?, '30', ?, ?, ?, 'KP 2')");
    q.bind(1, loan).bind(2, dateValue(date)).bind(3, amount).bind(4, status).bind(5, form);
    q.exec();
    const int id = int(db.lastInsertRowId());
    readAgain();
    return id;
}

void LedgerFixture::setFund(const QString& field, const QVariant& value)
{
    store::Statement q = db.prepare(QString("UPDATE main.kasy SET %1 = ?").arg(store::quoteIdentifier(field)));
    q.bind(1, value);
    q.exec();
    dm->TKasy.refresh();
}

void LedgerFixture::readAgain()
{
    for (store::Cursor* c : {&dm->TCzlonkowie, &dm->TWplaty, &dm->TPozyczki, &dm->TRaty, &dm->TWplatyRob,
                             &dm->TRatyRob, &dm->TPozyczkiRob})
        c->refresh();
}

void LedgerFixture::goToMember(int id)
{
    ASSERT_TRUE(dm->TCzlonkowie.locate("IdentyfikatorPracownika", {id}));
}

void LedgerFixture::goToLoan(int id)
{
    ASSERT_TRUE(dm->TPozyczki.locate("Identyfikator", {id}));
}

QString LedgerFixture::refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const store::RuleError& e) {
        return e.message();
    }
    return "<accepted>";
}

} // namespace kzp::test
