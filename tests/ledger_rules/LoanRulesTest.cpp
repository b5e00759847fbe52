// Loans: the installment plan, storing with its sum check, unpaid and supplementary loans, changing
// and deleting.
#include "LedgerFixture.h"

#include "data/InstallmentPlan.h"
#include "store/StoreError.h"

namespace kzp::test {
namespace {

TEST(InstallmentPlan, OddInstallmentCarriesTheRestAndTheInterest)
{
    struct Case {
        const char* name;
        int n;
        double principal, total;
        int kiedyInnaRata;
        InstallmentPlan expected;
    };
    const Case cases[] = {
        {"first odd", 3, 1000, 1050, 0, {333, 384, 333}},
        {"last odd", 3, 1000, 1050, 1, {333, 333, 384}},
        {"one installment", 1, 500, 510, 0, {500, 510, 500}},
        {"supplementary", 4, 1000.5, 1050.53, 1, {250, 250, 300.53}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const InstallmentPlan plan = planInstallments(c.n, c.principal, c.total, c.kiedyInnaRata);
        EXPECT_DOUBLE_EQ(plan.kolejnaRata, c.expected.kolejnaRata);
        EXPECT_DOUBLE_EQ(plan.rataPierwsza, c.expected.rataPierwsza);
        EXPECT_DOUBLE_EQ(plan.ostatniaRata, c.expected.ostatniaRata);
    }
}

class Loans : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        member = addMember("Nowak", 1);
        goToMember(member);
    }
    void startLoan(double amount, int installments, const QDate& date = QDate(2003, 6, 10))
    {
        dm->TPozyczki.insert();
        dm->TPozyczki.setValue("DataPozyczki", date);
        dm->TPozyczki.setValue("KwotaPozyczki", amount);
        dm->TPozyczki.setValue("IloscRat", installments);
    }
    double value(const char* field) { return dm->TPozyczki.field(field).asFloat(); }
    int member = 0;
};

TEST_F(Loans, ObliczRatyAndStoringInBothFundSettings)
{
    struct Case {
        int kiedyInnaRata;
        double amount, percent;
        int n;
        double first, regular, last; // as stored
    };
    for (const Case& c : {Case{0, 1000, 5, 3, 384, 333, 0}, Case{1, 1000, 5, 3, 0, 333, 384},
                          Case{0, 500, 2, 1, 510, 500, 0}, Case{1, 500, 0, 1, 0, 500, 500}}) {
        SCOPED_TRACE(testing::Message() << c.kiedyInnaRata << " " << c.amount << " / " << c.n);
        setFund("KiedyInnaRata", c.kiedyInnaRata);
        setFund("Procent", c.percent);
        exec("DELETE FROM " + fundTable("POZYCZKI"));
        readAgain();
        startLoan(c.amount, c.n);
        EXPECT_DOUBLE_EQ(value("ProcentOdsetek"), c.percent);
        rules->calculateInstallments();
        dm->TPozyczki.post();
        EXPECT_DOUBLE_EQ(value("RataPierwsza"), c.first);
        EXPECT_DOUBLE_EQ(value("KolejnaRata"), c.regular);
        EXPECT_DOUBLE_EQ(value("OstatniaRata"), c.last);
        EXPECT_EQ(dm->TPozyczki.field("KtoZmienil").asInt(), 7);
    }
}

TEST_F(Loans, ObliczRatyNeedsALoanBeingEnteredAndItsInstallments)
{
    EXPECT_EQ(refusal([&] { rules->calculateInstallments(); }), "Raty są już policzone !!!");
    startLoan(1000, 0);
    rules->calculateInstallments();
    EXPECT_EQ(dialogs.texts(), QStringList{"Brak okreslonej ilosci rat"});
    EXPECT_EQ(dialogs.last().caption, "Kontrola");
    dm->TPozyczki.setValue("IloscRat", 3);
    dm->TPozyczki.setValue("KwotaPozyczki", 0.0);
    dm->TPozyczki.setValue("KolejnaRata", 7.0);
    rules->calculateInstallments();
    EXPECT_DOUBLE_EQ(value("KolejnaRata"), 7.0);
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(Loans, StoringRefusesInOrderAndZeroesTheRegularSideFirst)
{
    setFund("DataZamkniecia", "2003-05-31");
    struct Case {
        const char* name;
        QVariant date;
        int n;
        double amount, first, regular, last;
        QString expected;
    };
    const QVariant june(QDate(2003, 6, 10));
    const Case cases[] = {
        {"no date", QVariant(), 0, 0, 1, 1, 1, "Data przyznania pożyczki musi być dobrze określona !!!"},
        {"closed", QDate(2003, 5, 31), 0, 0, 1, 1, 1,
         "Miesiąc jest zamknięty !!! Niemożliwy dopis z wcześniejszą datą!!!"},
        {"no installments", june, 0, 1000, 384, 333, 99, "Ilość rat nie może być zerowa !!!"},
        {"negative installments", june, -2, 1000, 384, 333, 99, "Ilość rat nie może być zerowa !!!"},
        {"no amount", june, 3, 0, 384, 333, 99, "Kwota pożyczki  nie może być zerowa !!!"},
        {"one grosz short", june, 3, 1000, 383.99, 333, 99, "Suma rat nie daje  KWOTY RAZEM!!!"},
        {"one grosz over", june, 3, 1000, 384.01, 333, 99, "Suma rat nie daje  KWOTY RAZEM!!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dm->TPozyczki.insert();
        dm->TPozyczki.setValue("DataPozyczki", c.date);
        dm->TPozyczki.setValue("IloscRat", c.n);
        dm->TPozyczki.setValue("KwotaPozyczki", c.amount);
        dm->TPozyczki.setValue("RataPierwsza", c.first);
        dm->TPozyczki.setValue("KolejnaRata", c.regular);
        dm->TPozyczki.setValue("OstatniaRata", c.last);
        EXPECT_EQ(refusal([&] { dm->TPozyczki.post(); }), c.expected);
        EXPECT_EQ(dm->TPozyczki.state(), store::Cursor::State::Insert);
        // Zeroed once the date checks passed, even though the loan was refused.
        EXPECT_DOUBLE_EQ(value("OstatniaRata"), c.date.isNull() || c.expected.startsWith("Miesiąc") ? 1.0 : 0.0);
        dm->TPozyczki.cancel();
    }
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("POZYCZKI")).toInt(), 0);
}

TEST_F(Loans, EachUnpaidLoanIsConfirmedWhenSupplementaryLoansAreNotOffered)
{
    addLoan(member, QDate(2002, 1, 1), 1000, 5, 3, 384, 333);
    const int repaid = addLoan(member, QDate(2002, 3, 1), 100, 0, 1, 100, 100);
    addRepayment(repaid, 100, QDate(2002, 4, 1));
    addLoan(member, QDate(2002, 6, 1), 600, 5, 3, 210, 200);
    goToMember(member);
    const QString question = "Poprzednia pożyczka nie została spłacona. Czy wprowadzasz następną ?";
    dialogs.answer(Dialogs::Yes);
    dialogs.answer(Dialogs::Yes);
    dm->TPozyczki.insert();
    EXPECT_EQ(dialogs.texts(), (QStringList{question, question}));
    EXPECT_EQ(dialogs.last().caption, "Kontrola ");
    EXPECT_EQ(dm->TPozyczki.field("Status").asString(), "");
    dm->TPozyczki.cancel();

    dialogs.clear();
    dialogs.answer(Dialogs::No);
    EXPECT_EQ(refusal([&] { dm->TPozyczki.insert(); }), "Zrezygnowano z dopisu nowej pożyczki !!!");
    EXPECT_EQ(dm->TPozyczki.state(), store::Cursor::State::Browse);
}

TEST_F(Loans, ASupplementaryLoanTakesInThePreviousBalance)
{
    setFund("Uzupelniajace", 1);
    // The previous loan owes 400.00: 1000 + 50 interest, 650 repaid.
    const int previous = addLoan(member, QDate(2003, 1, 10), 1000, 5, 3, 384, 333);
    addRepayment(previous, 384, QDate(2003, 2, 10));
    addRepayment(previous, 266, QDate(2003, 3, 10));
    addLoan(member, QDate(2003, 2, 1), 300, 0, 1, 300, 300); // a second unpaid loan is never reached
    goToMember(member);
    dialogs.answer(Dialogs::Yes);
    dialogs.answer(Dialogs::Yes);
    startLoan(600, 4, QDate(2003, 6, 10));
    EXPECT_EQ(dialogs.texts().last(), "Czy jest to pożyczka U Z U P E Ł N I A J Ą C A  ?");
    EXPECT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dm->TPozyczki.field("Status").asString(), "U");
    EXPECT_DOUBLE_EQ(value("KwotaSaldaStarego"), 400.0);
    rules->calculateInstallments();
    EXPECT_DOUBLE_EQ(value("RazemKwota"), 1050.0);
    dm->TPozyczki.post();

    // The previous loan is closed by a "U" repayment dated on the new loan's date.
    EXPECT_EQ(dm->TPozyczki.field("Status").asString(), "U"); // the newest loan is current
    goToLoan(previous);
    EXPECT_NEAR(value("Saldo"), 0.0, 1e-9);
    dm->TRaty.last();
    EXPECT_EQ(dm->TRaty.field("NrDokumentu").asString(), QString::fromUtf8("Włączono do Uzupełn."));
    EXPECT_DOUBLE_EQ(dm->TRaty.field("Kwota").asFloat(), 400.0);
    EXPECT_EQ(dm->TRaty.field("DataOperacji").asDate(), QDate(2003, 6, 10));
    EXPECT_EQ(dm->TRaty.field("Status").asString(), "U");
    EXPECT_EQ(dm->TRaty.field("Forma").asString(), "*");
    EXPECT_EQ(dm->TRaty.field("Operacja").asString(), "30");

    // Answering No to the second question gives an ordinary loan; a cancelled one closes nothing.
    dialogs.clear();
    dialogs.answer(Dialogs::Yes);
    dialogs.answer(Dialogs::No);
    dm->TPozyczki.insert();
    EXPECT_EQ(dm->TPozyczki.field("Status").asString(), "");
    dm->TPozyczki.cancel();
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("RATY")).toInt(), 3);
}

TEST_F(Loans, ChangingALoan)
{
    const int unpaid = addLoan(member, QDate(2003, 1, 10), 1000, 5, 3, 384, 333);
    addRepayment(unpaid, 1000, QDate(2003, 2, 10)); // the principal, not the interest
    const int repaid = addLoan(member, QDate(2003, 2, 10), 1000, 5, 3, 384, 333);
    addRepayment(repaid, 1050, QDate(2003, 3, 10));
    goToMember(member);

    goToLoan(repaid);
    EXPECT_EQ(refusal([&] { dm->TPozyczki.edit(); }), "Zmiana nie jest możliwa, pożyczka jest spłacona !!!");

    goToLoan(unpaid);
    dialogs.answer(Dialogs::No);
    EXPECT_EQ(refusal([&] { dm->TPozyczki.edit(); }), "Zrezygnowano ze zmiany parametrów pożyczki !!!");
    EXPECT_EQ(dialogs.last().text, "Pożyczka nie jest spłacona. Czy  zmieniasz parametry pożyczki ?");
    dialogs.answer(Dialogs::Yes);
    dm->TPozyczki.edit();
    EXPECT_EQ(dm->TPozyczki.state(), store::Cursor::State::Edit);
    dm->TPozyczki.cancel();

    dm->TRaty.insert();
    EXPECT_EQ(refusal([&] { dm->TPozyczki.edit(); }), "Zapisz lub anuluj zmiany w dokonanych spłatach");
    EXPECT_EQ(refusal([&] { dm->TPozyczki.insert(); }), "Zapisz lub anuluj zmiany w dokonanych spłatach");
}

TEST_F(Loans, DeletingALoan)
{
    const int withRepayment = addLoan(member, QDate(2003, 1, 10), 1000, 5, 3, 384, 333);
    addRepayment(withRepayment, 0, QDate(2003, 2, 10));
    const int bare = addLoan(member, QDate(2003, 2, 10), 500, 0, 1, 500, 500);
    goToMember(member);
    goToLoan(withRepayment);
    EXPECT_EQ(refusal([&] { dm->TPozyczki.remove(); }), "Niemożliwe skasowanie pożyczki  były już wpłaty !!!");
    goToLoan(bare);
    dialogs.answer(Dialogs::No);
    EXPECT_EQ(refusal([&] { dm->TPozyczki.remove(); }), " Zrezygnowano z kasowania !!! ");
    EXPECT_EQ(dialogs.last().text, "   Czy chcesz skasować wybraną pożyczkę ?    ");
    EXPECT_EQ(dialogs.last().caption, " Obsługa pożyczek");
    dialogs.answer(Dialogs::Yes);
    dm->TPozyczki.remove();
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("POZYCZKI")).toInt(), 1);
}

TEST_F(Loans, InterestPercentIsShownWithItsSign)
{
    addLoan(member, QDate(2003, 1, 10), 1000, 5, 3, 384, 333);
    EXPECT_EQ(dm->TPozyczki.field("ProcentOdsetek").displayText(), "5 %");
}

} // namespace
} // namespace kzp::test
