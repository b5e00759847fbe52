#include "SmallFundFixture.h"

#include "ledger/TFPozyczkiZyrowane.h"
#include "widgets/CursorGrid.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>

namespace kzp::test {
namespace {

class GuaranteedLoansWindow : public SmallFund {
protected:
    void SetUp() override
    {
        SmallFund::SetUp();
        openFund();
        guarantor = addMember("Żak", "Wiesław", 101);
        const int kowalski = addMember("Kowalski", "Jan", 102);
        const int nowak = addMember("Nowak", "Anna", 103);
        const int other = addMember("Mazur", "Barbara", 104);
        // Unpaid: 1000 at 5 % is 1050 to repay, 1049.99 repaid.
        unpaid = addLoan(kowalski, 1000.0, guarantor, other, 5.0);
        addRepayment(unpaid, 1000.0);
        addRepayment(unpaid, 49.99);
        // Repaid to the grosz.
        const int repaid = addLoan(nowak, 1000.0, other, guarantor, 5.0);
        addRepayment(repaid, 1050.0);
        // The member guarantees this one twice.
        bothGuarantors = addLoan(other, 300.0, guarantor, guarantor);
        // Somebody else's guarantee.
        addLoan(kowalski, 200.0, other, nowak);
        refreshFund();
    }

    QStringList borrowers(TFPozyczkiZyrowane& w)
    {
        QStringList names;
        QAbstractItemModel* model = w.grid()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, 0).data().toString();
        names.sort();
        return names;
    }

    int guarantor = 0;
    int unpaid = 0;
    int bothGuarantors = 0;
};

TEST_F(GuaranteedLoansWindow, ShowsUnpaidLoansAndTogglesToAllAndBack)
{
    TFPozyczkiZyrowane w(*m_ctx);
    w.prepare(guarantor, QStringLiteral("Żak Wiesław"));
    w.show();
    EXPECT_EQ(w.titleLabel()->text(), QStringLiteral("Żak Wiesław"));
    EXPECT_EQ(w.toggleButton()->text(), QStringLiteral("Włącz /wyłącz"));
    EXPECT_EQ(w.toggleButton()->toolTip(), QStringLiteral("Pokaż wszystkie żyrowania"));
    EXPECT_EQ(w.grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nazwisko - pozyczkobiorcy"));
    // The loan he guarantees twice is one row; the repaid one is hidden.
    EXPECT_EQ(borrowers(w), (QStringList{"Kowalski", "Mazur"}));

    w.toggleButton()->click();
    EXPECT_EQ(borrowers(w), (QStringList{"Kowalski", "Mazur", "Nowak"}));
    w.toggleButton()->click();
    EXPECT_EQ(borrowers(w), (QStringList{"Kowalski", "Mazur"}));

    // The unpaid loan's balance is what is left of 1050.00.
    store::Cursor& loans = m_dm->TPozyczkiZyrowane;
    ASSERT_TRUE(loans.locate(QStringLiteral("Identyfikator"), {unpaid}));
    EXPECT_NEAR(loans.field("Saldo").asFloat(), 0.01, 1e-9);
    EXPECT_EQ(loans.field("Imie_look").asString(), QStringLiteral("Jan"));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());

    w.reject();
    EXPECT_FALSE(loans.isOpen());
}

TEST_F(GuaranteedLoansWindow, ReopeningStartsWithUnpaidLoansOnly)
{
    TFPozyczkiZyrowane w(*m_ctx);
    w.prepare(guarantor, QStringLiteral("Żak Wiesław"));
    w.toggleButton()->click();
    ASSERT_EQ(w.grid()->model()->rowCount(), 3);
    w.reject();

    w.prepare(guarantor, QStringLiteral("Żak Wiesław"));
    EXPECT_FALSE(w.loans().showAll());
    EXPECT_EQ(w.grid()->model()->rowCount(), 2);
}

TEST_F(GuaranteedLoansWindow, MemberWhoGuaranteesNothingGetsAnEmptyList)
{
    const int nobody = addMember("Adamczyk", "Katarzyna", 105);
    refreshFund();
    TFPozyczkiZyrowane w(*m_ctx);
    w.prepare(nobody, QStringLiteral("Adamczyk Katarzyna"));
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);
    w.toggleButton()->click();
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);
}

} // namespace
} // namespace kzp::test
