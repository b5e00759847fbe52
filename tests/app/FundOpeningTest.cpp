// Opening the selected fund for the processing date.
#include "AppFixture.h"

#include "app/logic/FundOpening.h"
#include "data/FundTables.h"
#include "data/TableNames.h"
#include "store/Tables.h"

#include <QDir>
#include <QFile>

namespace kzp::test {
namespace {

class FundOpeningTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        addUser(m_clerk);
    }
    bool openFund() { return FundOpening(*m_ctx).open(); }
    void selectFund(int id) { ASSERT_TRUE(m_dm->TKasy.locate("Identyfikator", {id})); }

    UserSpec m_clerk = clerk("KASJER", {RightActive, RightBrowse, RightUpdate});
};

TEST_F(FundOpeningTest, PointsTheCursorsAtTheFundAndMakesTheYearAndMonthTables)
{
    struct Case {
        DateTriple date;
        QString dok, dokPoz, potr, potrBefore;
    };
    const Case cases[] = {
        {{2001, 11, 5}, "Dok2001", "DokPoz2001", "POTR200111", "POTR200110"},
        {{2002, 1, 31}, "Dok2002", "DokPoz2002", "POTR20021", "POTR200112"}, // January: December before
        {{2001, 3, 31}, "Dok2001", "DokPoz2001", "POTR20013", "POTR20012"},
    };
    addFund(12, "Kasa dwunasta", false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.potr.toStdString());
        logInAs(m_clerk, c.date);
        selectFund(12);
        const bool newYear = !tableExists(fundPath(12), c.dok);
        if (newYear)
            m_dialogs.answer(Dialogs::Yes);
        ASSERT_TRUE(openFund());
        EXPECT_EQ(m_dialogs.shown().size(), newYear ? 1 : 0); // the month tables are made silently
        for (const QString& t : {c.dok, c.dokPoz, c.potr, c.potrBefore})
            EXPECT_TRUE(tableExists(fundPath(12), t)) << t.toStdString();
        EXPECT_EQ(m_dm->TDokumenty.table().name, c.dok);
        EXPECT_EQ(m_dm->TDokPoz.table().name, c.dokPoz);
        EXPECT_EQ(m_dm->TPotr.table().name, c.potr);
        EXPECT_EQ(m_dm->TPotrPoprzedniMc.table().name, c.potrBefore);
        for (store::Cursor* cursor : {&m_dm->TCzlonkowie, &m_dm->TPozyczki, &m_dm->TWplaty, &m_dm->TRaty,
                                      &m_dm->TOperKonta, &m_dm->TNumeryDok, &m_dm->TDokumenty, &m_dm->TDokPoz,
                                      &m_dm->TPotr, &m_dm->TPotrPoprzedniMc}) {
            EXPECT_TRUE(cursor->isOpen()) << cursor->name().toStdString();
            EXPECT_EQ(QDir(cursor->table().folder), QDir(fundPath(12))) << cursor->name().toStdString();
        }
        EXPECT_FALSE(m_dm->reportFlag());
        EXPECT_EQ(QDir::current(), QDir(m_dir.path()));
    }
}

TEST_F(FundOpeningTest, TheYearQuestionNamesTheFileAndNoFailsSilently)
{
    addFund(3, "Kasa", false);
    logInAs(m_clerk, {2004, 6, 15});
    selectFund(3);
    m_dialogs.answer(Dialogs::No);
    EXPECT_FALSE(openFund());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    const Dialogs::Message question = m_dialogs.last();
    EXPECT_EQ(question.text,
              "Brak zbioru: Kas3\\Dok2004.DB\n\nCzy zakładasz zbior z Dokumentami księgowymi na Rok 2004");
    EXPECT_EQ(question.caption, "Kontrola");
    EXPECT_EQ(question.icon, Dialogs::Icon::Question);
    EXPECT_EQ(question.buttons, Dialogs::Yes | Dialogs::No);
    EXPECT_FALSE(tableExists(fundPath(3), "Dok2004"));
    EXPECT_FALSE(tableExists(fundPath(3), "POTR20046"));
    EXPECT_TRUE(m_dm->reportFlag()); // stays raised until the next successful opening
}

TEST_F(FundOpeningTest, AMissingFolderOrBaseTableFailsWithItsMessage)
{
    addFund(5, "Bez folderu", false, false);
    addFund(6, "Bez rat", false);
    store::Tables(m_db).drop({fundPath(6), table::Raty});
    store::Tables(m_db).drop({fundPath(6), table::Wplaty});
    logInAs(m_clerk, {2003, 5, 31});

    selectFund(5);
    EXPECT_FALSE(openFund());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, "Brak folderu danej kasy !!!");
    EXPECT_EQ(m_dialogs.last().caption, "Kontrola !!!");
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);

    // The year question comes first, then the first missing base table in the fixed order.
    m_dialogs.clear();
    selectFund(6);
    m_dialogs.answer(Dialogs::Yes);
    EXPECT_FALSE(openFund());
    ASSERT_EQ(m_dialogs.shown().size(), 2);
    EXPECT_EQ(m_dialogs.shown()[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(m_dialogs.last().text, "Brak zbioru : WPLATY.DB !!!");
    EXPECT_EQ(m_dialogs.last().caption, "Kontrola");
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(tableExists(fundPath(6), "Dok2003")); // what was done before the failing step stays done
    EXPECT_FALSE(m_dm->TCzlonkowie.isOpen());
    EXPECT_FALSE(m_dm->TWplaty.isOpen());
}

TEST_F(FundOpeningTest, AUserWithoutTheRightsIsRefusedNamingTheFund)
{
    addFund(7, "Kasa Huty", false);
    const QString footnote = " !!!\n Uprawnienia nadaje użytkownik z uprawnieniami administratora.";
    struct Case {
        UserSpec user;
        QString message;
    };
    const Case cases[] = {
        {clerk("BYLY", {RightBrowse}),
         "Użytkownikowi: Pani BYLY cofnięto uprawnienia do pracy w\n kasie: Kasa Huty" + footnote},
        {clerk("SLEPY", {RightActive, RightUpdate}),
         "Użytkownik: Pani SLEPY nie ma uprawnienień do przeglądania danych w \nkasie: Kasa Huty" + footnote},
    };
    for (const Case& c : cases)
        addUser(c.user);
    for (const Case& c : cases) {
        logInAs(c.user, {2003, 5, 31});
        selectFund(7);
        EXPECT_FALSE(openFund());
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        EXPECT_EQ(m_dialogs.last().text, c.message);
        EXPECT_EQ(m_dialogs.last().caption, "Kontrola użytkowników.");
        EXPECT_FALSE(tableExists(fundPath(7), "Dok2003"));
    }
}

TEST_F(FundOpeningTest, MissingPiecesThatAreOnlyCountersOrEntriesAreMadeSilently)
{
    addFund(8, "Kasa", false);
    FundTables(m_db).ensureYearTables(fundPath(8), 2003);
    store::Tables(m_db).drop({fundPath(8), "DokPoz2003"});
    store::Tables(m_db).drop({fundPath(8), table::NumeryDok});
    logInAs(m_clerk, {2003, 5, 31});
    selectFund(8);
    EXPECT_TRUE(openFund());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(m_dm->TDokPoz.isOpen());
    EXPECT_TRUE(m_dm->TNumeryDok.isOpen());
}

TEST_F(FundOpeningTest, TheHrRegisterIsLookedUpForPayrollFunds)
{
    QDir(m_dir.path()).mkpath("kadry");
    addFund(1, "Z płacami, rejestr obok", true);
    addFund(2, "Z płacami, rejestr w kadry", true, true, "kadry");
    addFund(3, "Z płacami, brak rejestru", true, true, "brak");
    addFund(4, "Bez płac", false, true, "brak");
    const auto touch = [](const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    touch(QDir(m_dir.path()).filePath("KADRY.DB"));
    touch(QDir(m_dir.path()).filePath("kadry/KADRY.DB"));
    logInAs(m_clerk, {2003, 5, 31});

    struct Case {
        int fund;
        QString expectedPath; // relative to the working directory
        QString caption;      // of the message about a missing register; empty: no message
    };
    const Case cases[] = {
        {1, "KADRY.DB", ""},
        {2, "kadry/KADRY.DB", ""},
        {3, "kadry/KADRY.DB", "brak"}, // the path found before stays
        {4, "kadry/KADRY.DB", ""},     // a fund without payroll does not look
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fund);
        m_dialogs.clear();
        selectFund(c.fund);
        m_dialogs.answer(Dialogs::Yes);
        EXPECT_TRUE(openFund());
        EXPECT_EQ(m_session.hrRegisterPath, QDir(m_dir.path()).filePath(c.expectedPath));
        const int messages = c.caption.isEmpty() ? 0 : 1;
        ASSERT_EQ(m_dialogs.shown().size(), 1 + messages); // the year question, then the register
        if (messages) {
            EXPECT_EQ(m_dialogs.last().text, "Ustaw scieżkę do zbioru KADRY.DB  i ponownie uruchom program !");
            EXPECT_EQ(m_dialogs.last().caption, c.caption);
        }
    }
}

} // namespace
} // namespace kzp::test
