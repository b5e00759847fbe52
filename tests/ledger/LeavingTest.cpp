#include "SmallFundFixture.h"

#include "ledger/logic/Leaving.h"

namespace kzp::test {
namespace {

class LeavingBalance : public SmallFund {
protected:
    void SetUp() override
    {
        SmallFund::SetUp();
        openFund();
    }
};

// Contributions and loans of one member, and whether the leaving is stored.
TEST_F(LeavingBalance, OnlyAMemberWithNothingOwedEitherWayLeaves)
{
    struct Case {
        const char* name;
        QList<QPair<QString, double>> contributions;
        QList<QPair<double, double>> loans; // amount lent (5 %), repaid
        Leaving::Outcome expected;
    };
    const Case cases[] = {
        {"nothing at all", {}, {}, Leaving::Outcome::Left},
        {"contributions paid back with a refund", {{"40", 100.0}, {"20", 150.0}, {"50", 250.0}}, {}, Leaving::Outcome::Left},
        {"contributions of 250.00 still in the fund", {{"40", 100.0}, {"20", 150.0}}, {}, Leaving::Outcome::NotSettled},
        {"entry fee alone does not count", {{"10", 50.0}}, {}, Leaving::Outcome::Left},
        {"loan repaid", {}, {{1000.0, 1050.0}}, Leaving::Outcome::Left},
        {"a grosz of a loan unpaid", {}, {{1000.0, 1049.99}}, Leaving::Outcome::NotSettled},
        {"overpaid loan cancels the contributions", {{"20", 100.0}}, {{1000.0, 1150.0}}, Leaving::Outcome::Left},
        {"less than half a grosz left rounds away", {{"20", 0.3}, {"20", 0.1}, {"50", 0.4}, {"20", 0.004}}, {},
         Leaving::Outcome::Left},
    };
    int number = 200;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int member = addMember(QStringLiteral("Kowalski"), QString::fromUtf8(c.name).left(20), ++number);
        for (const auto& [operation, amount] : c.contributions)
            addContribution(member, operation, amount);
        for (const auto& [lent, repaid] : c.loans) {
            const int loan = addLoan(member, lent, 0, 0, 5.0);
            addRepayment(loan, repaid);
        }
        refreshFund();
        goToMember(member);
        m_dm->TCzlonkowie.edit();
        m_dm->TCzlonkowie.setValue("DataWypisuZKasy", QDate(2003, 6, 30));
        m_dialogs.clear();

        Leaving leaving(*m_ctx);
        const Leaving::Outcome outcome = leaving.confirm();
        EXPECT_EQ(outcome, c.expected);
        const QVariant stored = rows("CZLONKOWIE", {"DataWypisuZKasy"},
                                     QStringLiteral("IdentyfikatorPracownika = %1").arg(member))
                                    .value(0)
                                    .value(0);
        if (c.expected == Leaving::Outcome::Left) {
            EXPECT_EQ(stored.toString(), QStringLiteral("2003-06-30"));
            EXPECT_EQ(m_dialogs.texts(), QStringList{Leaving::Done});
            EXPECT_EQ(m_dialogs.last().caption, Leaving::Caption);
        } else {
            // Nothing stored, nothing said; the typed date waits in the member's edit.
            EXPECT_TRUE(stored.isNull());
            EXPECT_TRUE(m_dialogs.shown().isEmpty());
            EXPECT_TRUE(m_dm->TCzlonkowie.isEditing());
        }
        m_dm->TCzlonkowie.cancel();
    }
}

TEST_F(LeavingBalance, NothingIsStoredOrReportedWithoutALeavingDate)
{
    const int member = addMember("Nowak", "Anna", 0);
    refreshFund();
    goToMember(member);
    Leaving leaving(*m_ctx);
    EXPECT_EQ(leaving.confirm(), Leaving::Outcome::NoDate);

    // A date typed and emptied again is no leaving either.
    m_dm->TCzlonkowie.edit();
    m_dm->TCzlonkowie.setValue("Uwagi", QStringLiteral("zmiana"));
    EXPECT_EQ(leaving.confirm(), Leaving::Outcome::NoDate);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(rows("CZLONKOWIE", {"Uwagi"}).value(0).value(0).toString(), QString());
}

TEST_F(LeavingBalance, AStoreRefusedByTheMemberRulesIsReportedAsAFailure)
{
    const int member = addMember("Nowak", "Anna", 7);
    refreshFund();
    goToMember(member);
    m_dm->TCzlonkowie.edit();
    m_dm->TCzlonkowie.setValue("DataWypisuZKasy", QDate(2003, 6, 30));
    m_dm->TCzlonkowie.setValue("Nazwisko", QString()); // the member rules refuse an empty surname

    Leaving leaving(*m_ctx);
    EXPECT_EQ(leaving.confirm(), Leaving::Outcome::StoreFailed);
    EXPECT_EQ(m_dialogs.texts(), QStringList{Leaving::StoreError});
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(rows("CZLONKOWIE", {"DataWypisuZKasy"}).value(0).value(0).isNull());
}

} // namespace
} // namespace kzp::test
