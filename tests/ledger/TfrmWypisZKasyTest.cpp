#include "SmallFundFixture.h"

#include "ledger/TfrmWypisZKasy.h"
#include "support/PolishTyping.h"
#include "widgets/FieldDateEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kzp::test {
namespace {

class LeavingWindow : public SmallFund {
protected:
    void SetUp() override
    {
        SmallFund::SetUp();
        openFund();
        addMember("Adamczyk", "Katarzyna", 100);
        member = addMember("Nowak", "Anna", 101);
        addMember("Zając", "Ryszard", 102);
    }

    // Opens the window for the member and types the date as the clerk does.
    void typeDate(TfrmWypisZKasy& w, const QString& date)
    {
        refreshFund();
        goToMember(member);
        w.prepare();
        w.show();
        w.dateEdit()->setFocus();
        typeText(w.dateEdit(), date);
    }

    QVariant storedLeavingDate()
    {
        return rows("CZLONKOWIE", {"DataWypisuZKasy"}, QStringLiteral("IdentyfikatorPracownika = %1").arg(member))
            .value(0)
            .value(0);
    }

    int member = 0;
};

TEST_F(LeavingWindow, MemberWithNoContributionsLeavesAndDropsOutOfTheList)
{
    TfrmWypisZKasy w(*m_ctx);
    typeDate(w, QStringLiteral("2003-06-30"));
    EXPECT_EQ(w.nameLabel()->text(), QStringLiteral("Anna  Nowak"));
    EXPECT_EQ(w.confirmButton()->toolTip(), QStringLiteral("Wypis z Kasy"));
    EXPECT_TRUE(m_dm->TCzlonkowie.isEditing()) << "typing a date puts the member into edit";
    ASSERT_EQ(m_dm->TCzlonkowie.recordCount(), 3);

    w.confirmButton()->click();

    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.outcome(), Leaving::Outcome::Left);
    EXPECT_EQ(storedLeavingDate().toString(), QStringLiteral("2003-06-30"));
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Dokonano wypisu z kasy"));
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("Uwaga!"));
    // The members list hides those who left.
    EXPECT_EQ(m_dm->TCzlonkowie.recordCount(), 2);
    EXPECT_FALSE(m_dm->TCzlonkowie.locate(QStringLiteral("IdentyfikatorPracownika"), {member}));
}

TEST_F(LeavingWindow, MemberWithContributionsInTheFundStaysWithTheDateUnsaved)
{
    addContribution(member, "40", 100.0);
    addContribution(member, "20", 150.0);
    TfrmWypisZKasy w(*m_ctx);
    typeDate(w, QStringLiteral("2003-06-30"));
    ASSERT_EQ(m_dm->TCzlonkowie.field("Wklad").asFloat(), 250.0);

    w.confirmButton()->click();

    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.outcome(), Leaving::Outcome::NotSettled);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(storedLeavingDate().isNull());
    // The member window asks about it when it closes.
    EXPECT_TRUE(m_dm->TCzlonkowie.isEditing());
    EXPECT_EQ(m_dm->TCzlonkowie.field("DataWypisuZKasy").asDate(), QDate(2003, 6, 30));
}

TEST_F(LeavingWindow, CancelAndEscDropTheTypedDate)
{
    for (const bool byEsc : {false, true}) {
        SCOPED_TRACE(byEsc ? "Esc" : "cancel button");
        TfrmWypisZKasy w(*m_ctx);
        typeDate(w, QStringLiteral("2003-06-30"));
        if (byEsc)
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            w.cancelButton()->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(m_dm->TCzlonkowie.isEditing());
        EXPECT_TRUE(m_dm->TCzlonkowie.field("DataWypisuZKasy").isNull());
        EXPECT_TRUE(storedLeavingDate().isNull());
        EXPECT_TRUE(m_dialogs.shown().isEmpty());
    }
}

TEST_F(LeavingWindow, ConfirmWithoutADateChangesNothing)
{
    refreshFund();
    goToMember(member);
    TfrmWypisZKasy w(*m_ctx);
    w.prepare();
    w.show();
    w.confirmButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(m_dm->TCzlonkowie.isEditing());
    EXPECT_TRUE(storedLeavingDate().isNull());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

} // namespace
} // namespace kzp::test
