// The data module on an open fund: details following their masters, the fields it computes or
// looks up itself, and the store's refusal of a second member with the same employee number.
#include "DataFixture.h"

#include "data/FundTables.h"
#include "data/TDM.h"
#include "data/WorkingDirectory.h"
#include "store/StoreError.h"

#include <QDate>

namespace kzp::test {
namespace {

class TDMFund : public DataFixture {
protected:
    void SetUp() override
    {
        DataFixture::SetUp();
        WorkingDirectory::initialise(m_db, "x");
        FundTables fund(m_db);
        fund.createFundTables("Kas1");
        fund.ensureYearTables("Kas1", 2003);
        fund.ensureMonthTables("Kas1", 2003, 5);
        dm = std::make_unique<TDM>(m_db);
        dm->openSharedCursors();
        dm->pointAtFund("Kas1", 2003, 5);
        dm->openFundCursors();
        dm->setReportFlag(false);
    }

    int addMember(const QString& surname, const QString& name, int employeeNumber)
    {
        store::Cursor& m = dm->TCzlonkowie;
        m.insert();
        m.setValue("Nazwisko", surname);
        m.setValue("Imie", name);
        m.setValue("NrPracownika", employeeNumber);
        m.setValue("IdentyfikatorDzialu", 1);
        m.post();
        return m.field("IdentyfikatorPracownika").asInt();
    }

    void addContribution(const QString& operation, double amount)
    {
        store::Cursor& w = dm->TWplaty;
        w.insert();
        w.setValue("Operacja", operation);
        w.setValue("Kwota", amount);
        w.setValue("DataOperacji", QDate(2003, 5, 31));
        w.post();
    }

    QList<double> amounts(store::Cursor& c)
    {
        QList<double> result;
        for (c.first(); !c.eof(); c.next())
            result << c.field("Kwota").asFloat();
        return result;
    }

    std::unique_ptr<TDM> dm;
};

TEST(TDMCreated, ReportFlagIsRaisedUntilAFundIsOpened)
{
    QTemporaryDir dir;
    store::Database db;
    db.open(dir.path());
    TDM dm(db);
    EXPECT_TRUE(dm.reportFlag());
    dm.setReportFlag(false);
    EXPECT_FALSE(dm.reportFlag());
}

TEST_F(TDMFund, ContributionsAndLoansFollowTheMember)
{
    const int nowak = addMember("Nowak", "Jan", 11);
    addContribution("10", 50.0);
    addContribution("20", 30.0);
    const int adamski = addMember("Adamski", "Piotr", 12);
    addContribution("20", 35.0);

    // Each new row belongs to the member that was current.
    dm->TWplatyRob.refresh();
    EXPECT_EQ(dm->TWplatyRob.recordCount(), 3);

    ASSERT_TRUE(dm->TCzlonkowie.locate("IdentyfikatorPracownika", {nowak}));
    EXPECT_EQ(amounts(dm->TWplaty), (QList<double>{50.0, 30.0}));
    ASSERT_TRUE(dm->TCzlonkowie.locate("IdentyfikatorPracownika", {adamski}));
    EXPECT_EQ(amounts(dm->TWplaty), (QList<double>{35.0}));
    dm->TWplaty.first();
    EXPECT_EQ(dm->TWplaty.field("IdentyfikatorPracownika").asInt(), adamski);
    EXPECT_EQ(dm->TWplaty.field("OpisOperacji1").asString(), "Składka");

    // Loans of the member, and repayments of the current loan.
    dm->TPozyczki.insert();
    dm->TPozyczki.setValue("KwotaPozyczki", 1000.0);
    dm->TPozyczki.setValue("DataPozyczki", QDate(2003, 2, 1));
    dm->TPozyczki.post();
    const int loan = dm->TPozyczki.field("Identyfikator").asInt();
    for (double amount : {384.0, 333.0}) {
        dm->TRaty.insert();
        dm->TRaty.setValue("Kwota", amount);
        dm->TRaty.post();
    }
    EXPECT_EQ(amounts(dm->TRaty), (QList<double>{384.0, 333.0}));
    ASSERT_TRUE(dm->TCzlonkowie.locate("IdentyfikatorPracownika", {nowak}));
    EXPECT_TRUE(dm->TPozyczki.isEmpty());
    EXPECT_TRUE(dm->TRaty.isEmpty());
    ASSERT_TRUE(dm->TCzlonkowie.locate("IdentyfikatorPracownika", {adamski}));
    EXPECT_EQ(dm->TPozyczki.field("Identyfikator").asInt(), loan);
    EXPECT_EQ(dm->TRaty.recordCount(), 2);
}

TEST_F(TDMFund, MembersInSurnameOrderWithoutThoseWhoLeft)
{
    addMember("Żak", "Ewa", 1);
    addMember("Łukasik", "Jan", 2);
    addMember("Lis", "Anna", 3);
    dm->TCzlonkowie.edit();
    dm->TCzlonkowie.setValue("DataWypisuZKasy", QDate(2003, 4, 30));
    dm->TCzlonkowie.post();

    QStringList shown;
    for (dm->TCzlonkowie.first(); !dm->TCzlonkowie.eof(); dm->TCzlonkowie.next())
        shown << dm->TCzlonkowie.field("Nazwisko").asString();
    EXPECT_EQ(shown, (QStringList{"Łukasik", "Żak"}));
    EXPECT_EQ(dm->TCzlonkowie.field("Dzial_Opis").asString(), "OG");

    dm->TZyranci.refresh();
    QStringList guarantors;
    for (dm->TZyranci.first(); !dm->TZyranci.eof(); dm->TZyranci.next())
        guarantors << dm->TZyranci.field("NazwiskoImie_calc").asString();
    EXPECT_EQ(guarantors, (QStringList{"Lis Anna", "Łukasik Jan", "Żak Ewa"}));
}

TEST_F(TDMFund, SecondMemberWithTheSameEmployeeNumberIsRefused)
{
    addMember("Nowak", "Jan", 15);
    addMember("Kowal", "Ewa", 0);
    addMember("Wrona", "Jan", 0); // members without a number are not bound by the key

    store::Cursor& m = dm->TCzlonkowie;
    m.insert();
    m.setValue("Nazwisko", "Nowak");
    m.setValue("NrPracownika", 15);
    try {
        m.post();
        ADD_FAILURE() << "a second member with employee number 15 was stored";
    } catch (const store::StoreError& e) {
        EXPECT_TRUE(e.isUniqueViolation()) << e.code();
    }
    EXPECT_EQ(m.state(), store::Cursor::State::Insert); // the typed values are kept for correction
    m.setValue("NrPracownika", 16);
    m.post();
    m.refresh();
    EXPECT_EQ(m.recordCount(), 4);
}

TEST_F(TDMFund, FieldsTheDataModuleComputesItself)
{
    // Fund register: the month of the last import, and who changed the row.
    dm->userFullName = [](int id) { return id == 3 ? QString("Anna Kowal") : QString(); };
    dm->TKasy.insert();
    dm->TKasy.setValue("NazwaKasy", "KZP");
    dm->TKasy.setValue("KtoZmienil", 3);
    EXPECT_EQ(dm->TKasy.field("CalcImportRokMc").asString(), "");
    dm->TKasy.setValue("RokImportu", 0);
    dm->TKasy.setValue("McImportu", 0);
    EXPECT_EQ(dm->TKasy.field("CalcImportRokMc").asString(), "") << "a fund never imported shows no month";
    dm->TKasy.setValue("RokImportu", 2003);
    dm->TKasy.setValue("McImportu", 5);
    dm->TKasy.post();
    EXPECT_EQ(dm->TKasy.field("CalcImportRokMc").asString(), "2003.5");
    EXPECT_EQ(dm->TKasy.field("KtoZmienilNazwisko").asString(), "Anna Kowal");

    // Documents: the lock mark and the code symbol; entries follow their document.
    store::Cursor& d = dm->TDokumenty;
    for (int lock : {0, 2}) {
        d.insert();
        d.setValue("IdKoduDokumentu", 1);
        d.setValue("DataDokumentu", QDate(2003, 5, lock ? 30 : 31));
        d.setValue("Blokada", lock);
        d.post();
        dm->TDokPoz.insert();
        dm->TDokPoz.setValue("KwotaWN", 10.0 + lock);
        dm->TDokPoz.post();
    }
    d.first();
    EXPECT_EQ(d.field("Blokada_calc").asString(), "*");
    EXPECT_EQ(d.field("DOKUMENT_kod").asString(), "PK");
    EXPECT_EQ(dm->TDokPoz.recordCount(), 1);
    EXPECT_EQ(dm->TDokPoz.field("KwotaWN").asFloat(), 12.0);
    d.next();
    EXPECT_EQ(d.field("Blokada_calc").asString(), " ");
    EXPECT_EQ(dm->TDokPoz.field("KwotaWN").asFloat(), 10.0);
}

} // namespace
} // namespace kzp::test
