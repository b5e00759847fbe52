// Repayments of a loan and the balances of members and loans that follow them.
#include "LedgerFixture.h"

#include "data/BatchModes.h"
#include "store/StoreError.h"

namespace kzp::test {
namespace {

class Repayments : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        member = addMember("Nowak", 1);
        loan = addLoan(member, QDate(2003, 6, 1), 1000, 5, 3, 384, 333);
        goToMember(member);
        goToLoan(loan);
    }
    void repay(double amount)
    {
        dm->TRaty.insert();
        dm->TRaty.setValue("Kwota", amount);
        dm->TRaty.setValue("Forma", "K");
        dm->TRaty.setValue("NrDokumentu", "KP 1");
        dm->TRaty.post();
    }
    int member = 0;
    int loan = 0;
};

TEST_F(Repayments, ProposedAmountFollowsTheOddInstallment)
{
    for (int kiedyInnaRata : {0, 1}) {
        SCOPED_TRACE(kiedyInnaRata);
        setFund("KiedyInnaRata", kiedyInnaRata);
        exec("DELETE FROM " + fundTable("RATY"));
        readAgain();
        QList<double> proposed;
        for (int i = 0; i < 3; ++i) {
            dm->TRaty.insert();
            proposed << dm->TRaty.field("Kwota").asFloat();
            EXPECT_EQ(dm->TRaty.field("DataOperacji").asDate(), QDate(2003, 6, 15));
            dm->TRaty.setValue("Forma", "K");
            dm->TRaty.setValue("NrDokumentu", "KP");
            dm->TRaty.post();
        }
        EXPECT_EQ(proposed, kiedyInnaRata == 0 ? (QList<double>{384, 333, 333}) : (QList<double>{333, 333, 333}));
    }
}

TEST_F(Repayments, StoringRefusesInOrderAndAcceptsAnyAmount)
{
    setFund("DataZamkniecia", "2003-05-31");
    struct Case {
        const char* name;
        QVariant date, form, document;
        double amount;
        QString expected;
    };
    const QVariant none, june(QDate(2003, 6, 2));
    const Case cases[] = {
        {"nothing", none, none, none, 10, "Data operacji niepoprawna"},
        {"closed", QDate(2003, 5, 31), none, none, 10,
         "Miesiąc jest zamknięty !!! Nie jest możliwy dopis z wcześniejszą datą!!!"},
        {"no form", june, none, none, 10, "Forma płatności nie jest określona"},
        {"no number", june, "K", none, 10, "Numer dokumentu musi byc wstawiony !!!"},
        {"a negative amount", june, "K", "KP 7", -5, "<accepted>"},
        {"more than owed", june, "K", "KP 8", 2000, "<accepted>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dm->TRaty.insert();
        dm->TRaty.setValue("DataOperacji", c.date);
        dm->TRaty.setValue("Forma", c.form);
        dm->TRaty.setValue("NrDokumentu", c.document);
        dm->TRaty.setValue("Kwota", c.amount);
        EXPECT_EQ(refusal([&] { dm->TRaty.post(); }), c.expected);
        dm->TRaty.cancel();
    }
    EXPECT_EQ(sqlValue("SELECT group_concat(Operacja) FROM " + fundTable("RATY")).toString(), "30,30");
    // The loan's balance followed at once, and went below zero.
    EXPECT_DOUBLE_EQ(dm->TPozyczki.field("Saldo").asFloat(), 1050.0 + 5 - 2000);
}

TEST_F(Repayments, ANewRepaymentNeedsAStoredLoan)
{
    dialogs.answer(Dialogs::Yes);
    dm->TPozyczki.edit();
    EXPECT_EQ(refusal([&] { dm->TRaty.insert(); }), "Zapisz lub anuluj zmiany w POŻYCZKACH!!!");
    dm->TPozyczki.cancel();
    const int other = addMember("Adamski", 2);
    goToMember(other);
    EXPECT_EQ(refusal([&] { dm->TRaty.insert(); }), "Dopisz najpierw pożyczkę");
}

TEST_F(Repayments, StatusQuestionsBeforeChangeAndDeletion)
{
    const QString last = "   Czy chcesz skasować wybraną pozycję ?    ";
    const QString u = "  Pozycja wygenerowana automatem ze Statusem 'U'\n czyli włączona w POŻYCZKĘ "
                      "UZUPEŁNIAJĄCĄ !!!\n \n Czy chcesz skasować wybraną pozycję ?    ";
    const QString z = "  Pozycja generowana automatem ze Statusem 'Z' \n Czy chcesz skasować wybraną pozycję ?    ";
    struct Case {
        const char* status;
        QStringList questions;
        Dialogs::Button firstPreselected;
        bool asksBeforeChange;
    };
    for (const Case& c : {Case{"", {last}, Dialogs::Yes, false}, Case{"U", {u, last}, Dialogs::No, false},
                          Case{"Z", {z, last}, Dialogs::Yes, true}, Case{"A", {}, Dialogs::No, true}}) {
        SCOPED_TRACE(c.status);
        const int row = addRepayment(loan, 100, QDate(2003, 6, 5), c.status);
        ASSERT_TRUE(dm->TRaty.locate("Identyfikator", {row}));
        dialogs.clear();
        if (c.asksBeforeChange) {
            dialogs.answer(Dialogs::No);
            EXPECT_EQ(refusal([&] { dm->TRaty.edit(); }), " Zrezygnowano ze zmiany !!! ");
            EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
            EXPECT_EQ(dialogs.last().defaultButton, Dialogs::Yes);
        }
        if (c.questions.isEmpty())
            continue;
        dialogs.clear();
        dialogs.answer(Dialogs::No);
        EXPECT_EQ(refusal([&] { dm->TRaty.remove(); }), " Zrezygnowano z kasowania !!! ");
        EXPECT_EQ(dialogs.last().defaultButton, c.firstPreselected);
        dialogs.clear();
        for (int i = 0; i < c.questions.size(); ++i)
            dialogs.answer(Dialogs::Yes);
        dm->TRaty.remove();
        EXPECT_EQ(dialogs.texts(), c.questions);
    }
}

TEST_F(Repayments, BatchImportWritesWithoutQuestionsOrProposals)
{
    const int generated = addRepayment(loan, 333, QDate(2003, 6, 5), "Z");
    BatchModeGuard import(ctx->batch.payrollImport);
    ASSERT_TRUE(dm->TRaty.locate("Identyfikator", {generated}));
    dm->TRaty.remove();
    dm->TRaty.insert();
    EXPECT_TRUE(dm->TRaty.field("Kwota").isNull());
    dm->TRaty.cancel();
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

using Balances = LedgerFixture;

TEST_F(Balances, MemberContributionAndEntryFee)
{
    const int m = addMember("Nowak", 1);
    for (const auto& [operation, amount] : QList<std::pair<QString, double>>{
             {"10", 50}, {"20", 30}, {"20", 30}, {"40", 100}, {"50", 40}, {"30", 999}, {"XX", 999}})
        addContribution(m, operation, amount, QDate(2003, 6, 1), "P", "");
    addMember("Adamski", 2); // another member's rows are not his
    goToMember(m);
    EXPECT_DOUBLE_EQ(dm->TCzlonkowie.field("Wpisowe").asFloat(), 50.0);
    EXPECT_DOUBLE_EQ(dm->TCzlonkowie.field("Wklad").asFloat(), 120.0);

    // Read while the report flag is raised, they are empty.
    dm->setReportFlag(true);
    dm->TCzlonkowie.refresh();
    EXPECT_TRUE(dm->TCzlonkowie.field("Wklad").isNull());
    EXPECT_TRUE(dm->TCzlonkowie.field("Wpisowe").isNull());
    EXPECT_TRUE(dm->TCzlonkowie.field("KtoZmienilNazwisko").isNull());
}

TEST_F(Balances, LoanFigures)
{
    const int m = addMember("Nowak", 1);
    struct Case {
        const char* name;
        double amount, previous, percent;
        QList<double> repayments;
        double odsetki, razem, splacono, saldo;
    };
    const Case cases[] = {
        {"repaid in part", 1000, 0, 5, {384, 333}, 50, 1050, 717, 333},
        {"supplementary", 600, 400, 5, {}, 50, 1050, 0, 1050},
        {"odd percent", 100, 0, 3.3333, {}, 3.33, 103.33, 0, 103.33},
        {"no interest", 700, 0, 0, {700}, 0, 700, 700, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int loan = addLoan(m, QDate(2003, 6, 1), c.amount, c.percent, 3, 0, 0, 0, "", c.previous);
        for (double r : c.repayments)
            addRepayment(loan, r, QDate(2003, 6, 2));
        goToMember(m);
        goToLoan(loan);
        store::Cursor& l = dm->TPozyczki;
        EXPECT_DOUBLE_EQ(l.field("Odsetki").asFloat(), c.odsetki);
        EXPECT_DOUBLE_EQ(l.field("RazemKwota").asFloat(), c.razem);
        EXPECT_DOUBLE_EQ(l.field("Splacono").asFloat(), c.splacono);
        EXPECT_NEAR(l.field("Saldo").asFloat(), c.saldo, 1e-9);
        EXPECT_NEAR(rules->balances().loanBalance(l), c.saldo, 1e-9);

        // The guarantor view computes them even for reports.
        dm->setReportFlag(true);
        ASSERT_TRUE(dm->TPozyczkiZyrowane.locate("Identyfikator", {loan}) ||
                    (dm->TPozyczkiZyrowane.refresh(), dm->TPozyczkiZyrowane.locate("Identyfikator", {loan})));
        EXPECT_DOUBLE_EQ(dm->TPozyczkiZyrowane.field("Odsetki").asFloat(), c.odsetki);
        EXPECT_DOUBLE_EQ(dm->TPozyczkiZyrowane.field("RazemKwota").asFloat(), c.razem);
        EXPECT_NEAR(dm->TPozyczkiZyrowane.field("Saldo").asFloat(), c.saldo, 1e-9);
        l.refresh();
        EXPECT_TRUE(l.field("Saldo").isNull());
        dm->setReportFlag(false);
    }
}

} // namespace
} // namespace kzp::test
