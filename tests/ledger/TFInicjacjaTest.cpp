#include "SmallFundFixture.h"

#include "cycle/TFInicjacja.h"
#include "store/StoreError.h"

#include <QDateEdit>
#include <QPushButton>

namespace kzp::test {
namespace {

class InitialGenerationWindow : public SmallFund {
protected:
    // Members: one without any row, one with contributions of 0.01, one with an entry fee of 0.01,
    // one with both, one who left.
    void addMembers()
    {
        fresh = addMember("Adamczyk", "Katarzyna", 101);
        smallContribution = addMember("Dudek", "Grzegorz", 102);
        addContribution(smallContribution, "20", 0.01);
        smallEntryFee = addMember("Król", "Dorota", 103);
        addContribution(smallEntryFee, "10", 0.01);
        paidUp = addMember("Mazur", "Barbara", 104);
        addContribution(paidUp, "10", 50.0);
        addContribution(paidUp, "40", 120.0);
        left = addMember("Żak", "Wiesław", 105, QDate(2003, 3, 31));
        refreshFund();
    }

    // Operation and amount of each row the generation wrote, by member.
    QList<QVariantList> generated()
    {
        return rows("WPLATY", {"IdentyfikatorPracownika", "Operacja", "Kwota"}, "\"NrDokumentu\" = 'Inicjacja'");
    }

    int fresh = 0, smallContribution = 0, smallEntryFee = 0, paidUp = 0, left = 0;
};

TEST_F(InitialGenerationWindow, WritesOpeningContributionsAndEntryFeesAndSumsTheFees)
{
    openFund();
    addMembers();
    // Everyone, those who left included, is walked.
    m_rules->setLeavingFilter(false);
    goToMember(paidUp);
    TFInicjacja w(*m_ctx);
    w.prepare();
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Inicjacja wpisowego"));
    EXPECT_EQ(w.dateEdit()->date(), QDate(2003, 6, 30)) << "the processing date to start with";
    w.dateEdit()->setDate(QDate(2003, 6, 1));
    w.addButton()->click();

    EXPECT_EQ(generated(), (QList<QVariantList>{{fresh, "40", 0.0},
                                                {fresh, "10", 50.0},
                                                {smallContribution, "10", 50.0},
                                                {smallEntryFee, "40", 0.0}}));
    const QList<QVariantList> details =
        rows("WPLATY", {"DataOperacji", "Status", "Forma", "KtoZmienil"}, "\"NrDokumentu\" = 'Inicjacja'");
    for (const QVariantList& row : details)
        EXPECT_EQ(row, (QVariantList{"2003-06-01", "Z", "L", QVariant()}));
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Wygenerowano : \n\nWpisowe na kwotę :100 zł.\n"));
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("       Generowanie  * rat i składek *  "));
    EXPECT_FALSE(m_ctx->batch.initialGeneration);
    EXPECT_TRUE(w.isVisible()) << "the window stays open";
    // The member list stays where the clerk left it, and shows the new balances.
    EXPECT_EQ(m_dm->TCzlonkowie.field("IdentyfikatorPracownika").asInt(), paidUp);
    goToMember(fresh);
    EXPECT_EQ(m_dm->TCzlonkowie.field("Wpisowe").asFloat(), 50.0);

    // A second pass adds zero opening rows again where the balance is still 0, no entry fee.
    m_dialogs.clear();
    w.addButton()->click();
    EXPECT_EQ(generated().size(), 6);
    EXPECT_EQ(generated().mid(4), (QList<QVariantList>{{fresh, "40", 0.0}, {smallEntryFee, "40", 0.0}}));
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Wygenerowano : \n\nWpisowe na kwotę :0 zł.\n"));
}

TEST_F(InitialGenerationWindow, AClosedMonthIsRefusedAndNothingIsWritten)
{
    struct Case {
        const char* name;
        QDate closedUntil;
        QDate picked;
    };
    const Case cases[] = {
        {"processing month closed", QDate(2003, 6, 30), QDate(2003, 7, 1)},
        {"picked day in a closed month", QDate(2003, 5, 31), QDate(2003, 5, 15)},
        {"picked day is the closing day", QDate(2003, 5, 31), QDate(2003, 5, 31)},
    };
    FundSetup setup;
    openFund(setup);
    addMembers();
    TFInicjacja w(*m_ctx);
    w.prepare();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store::Cursor& fund = m_dm->TKasy;
        fund.edit();
        fund.setValue("DataZamkniecia", c.closedUntil);
        fund.post();
        m_dialogs.clear();
        w.dateEdit()->setDate(c.picked);
        w.addButton()->click();
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        EXPECT_EQ(m_dialogs.last().text,
                  QStringLiteral("Miesiąc jest zamknięty ! Niemożliwe generowanie rat dla  wcześniejszej  daty!!!"));
        EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_TRUE(generated().isEmpty());
    }
}

TEST_F(InitialGenerationWindow, FundWithoutEntryFeeGetsOnlyOpeningRows)
{
    FundSetup setup;
    setup.entryFee = 0.0;
    openFund(setup);
    addMembers();
    TFInicjacja w(*m_ctx);
    w.prepare();
    w.addButton()->click();
    // Members who left are hidden by the list and get nothing.
    EXPECT_EQ(generated(), (QList<QVariantList>{{fresh, "40", 0.0}, {smallEntryFee, "40", 0.0}}));
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Wygenerowano : \n\nWpisowe na kwotę :0 zł.\n"));
}

TEST_F(InitialGenerationWindow, ARowThatCannotBeWrittenEndsTheWalkKeepingTheRowsBefore)
{
    openFund();
    addMembers();
    int posts = 0;
    bool batchDuringWrite = false;
    m_dm->TWplatyRob.beforePost = [&](store::Cursor&) {
        batchDuringWrite = m_ctx->batch.initialGeneration;
        if (++posts == 3)
            throw store::StoreError(10, QStringLiteral("disk I/O error"));
    };
    TFInicjacja w(*m_ctx);
    w.prepare();
    w.addButton()->click();
    m_dm->TWplatyRob.beforePost = nullptr;

    EXPECT_TRUE(batchDuringWrite);
    EXPECT_FALSE(m_ctx->batch.initialGeneration);
    EXPECT_EQ(generated(), (QList<QVariantList>{{fresh, "40", 0.0}, {fresh, "10", 50.0}}));
    ASSERT_EQ(m_dialogs.shown().size(), 1) << "no summary after an error";
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("disk I/O error"));
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("Błąd przegrania!!! !!!"));
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
}

} // namespace
} // namespace kzp::test

namespace kzp::test {
namespace {

TEST_F(InitialGenerationWindow, ABalanceThatIsZeroToTheGroszCountsAsZero)
{
    openFund();
    // 0.1 + 0.2 - 0.3 is not exactly 0 in floating point.
    const int refunded = addMember("Sikora", "Teresa", 120);
    addContribution(refunded, "20", 0.1);
    addContribution(refunded, "20", 0.2);
    addContribution(refunded, "50", 0.3);
    addContribution(refunded, "10", 0.1);
    addContribution(refunded, "10", 0.2);
    addContribution(refunded, "10", -0.3);
    refreshFund();
    InitialGeneration generation(*m_ctx);
    const InitialGeneration::Result result = generation.run(QDate(2003, 6, 30));
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(generated(), (QList<QVariantList>{{refunded, "40", 0.0}, {refunded, "10", 50.0}}));
}

} // namespace
} // namespace kzp::test
