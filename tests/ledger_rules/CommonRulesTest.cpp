// Rules every ledger table shares: closed months, the update right, typed dates, the who-changed
// stamp, the store's refusals and the batch modes.
#include "LedgerFixture.h"

#include "data/BatchModes.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace kzp::test {
namespace {

using Rules = LedgerFixture;

TEST_F(Rules, ClosedMonthRefusesItsLastDayAndAcceptsTheNextDay)
{
    setFund("DataZamkniecia", "2003-05-31");
    const int m = addMember("Nowak", 1);
    struct Case {
        QDate date;
        QString expected;
    };
    const QString closed = "Miesiąc jest zamknięty !!! Niemożliwy dopis z wczesniejszą data!!!";
    for (const Case& c : {Case{QDate(2003, 5, 31), closed}, Case{QDate(2003, 1, 2), closed},
                          Case{QDate(2003, 6, 1), "<accepted>"}}) {
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
        goToMember(m);
        dm->TWplaty.insert();
        dm->TWplaty.setValue("Operacja", "20");
        dm->TWplaty.setValue("Kwota", 30.0);
        dm->TWplaty.setValue("Forma", "K");
        dm->TWplaty.setValue("DataOperacji", c.date);
        EXPECT_EQ(refusal([&] { dm->TWplaty.post(); }), c.expected);
        dm->TWplaty.cancel();
    }

    // Deletions and the other tables, each with its own text.
    const int loan = addLoan(m, QDate(2003, 6, 2), 1000);
    const int paid = addRepayment(loan, 100, QDate(2003, 5, 15));
    goToMember(m);
    goToLoan(loan);
    ASSERT_TRUE(dm->TRaty.locate("Identyfikator", {paid}));
    EXPECT_EQ(refusal([&] { dm->TRaty.remove(); }),
              "Miesiąc jest zamknięty !!! Niemożliwe kasowanie z wcześniejszą datą!!!");
    dialogs.answer(Dialogs::Yes); // unpaid: the change is confirmed
    dm->TPozyczki.edit();
    dm->TPozyczki.setValue("DataPozyczki", QDate(2003, 5, 31));
    EXPECT_EQ(refusal([&] { dm->TPozyczki.post(); }),
              "Miesiąc jest zamknięty !!! Niemożliwy dopis z wcześniejszą datą!!!");
}

TEST_F(Rules, EmptyClosingDateClosesNothing)
{
    const int m = addMember("Nowak", 1);
    const int old = addContribution(m, "20", 30, QDate(1998, 1, 31));
    goToMember(m);
    ASSERT_TRUE(dm->TWplaty.locate("Identyfikator", {old}));
    dialogs.answer(Dialogs::Yes);
    dm->TWplaty.remove();
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("WPLATY")).toInt(), 0);
}

TEST_F(Rules, WithoutTheUpdateRightEveryInsertAndDeletionIsRefused)
{
    const int m = addMember("Nowak", 1);
    const int loan = addLoan(m, QDate(2003, 6, 1), 1000, 5, 3, 384, 333);
    addRepayment(loan, 384, QDate(2003, 6, 5));
    addContribution(m, "20", 30, QDate(2003, 6, 5));
    goToMember(m);
    session.currentUser.rights[RightUpdate] = false;
    const QString noRight = "Brak uprawnień do aktualizacji !!!";
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"member insert", [&] { dm->TCzlonkowie.insert(); }},
        {"member delete", [&] { dm->TCzlonkowie.remove(); }},
        {"contribution insert", [&] { dm->TWplaty.insert(); }},
        {"contribution delete", [&] { dm->TWplaty.remove(); }},
        {"loan insert", [&] { dm->TPozyczki.insert(); }},
        {"loan edit", [&] { dm->TPozyczki.edit(); }},
        {"loan delete", [&] { dm->TPozyczki.remove(); }},
        {"repayment insert", [&] { dm->TRaty.insert(); }},
        {"repayment edit", [&] { dm->TRaty.edit(); }},
        {"repayment delete", [&] { dm->TRaty.remove(); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        EXPECT_EQ(refusal(operation), noRight);
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
    for (store::Cursor* c : {&dm->TCzlonkowie, &dm->TWplaty, &dm->TPozyczki, &dm->TRaty})
        EXPECT_EQ(c->state(), store::Cursor::State::Browse) << c->name().toStdString();

    // A member may still be changed and stored.
    dm->TCzlonkowie.edit();
    dm->TCzlonkowie.setValue("Imie", "Adam");
    EXPECT_EQ(refusal([&] { dm->TCzlonkowie.post(); }), "<accepted>");
}

TEST_F(Rules, TypedDatesHaveThreeBehaviours)
{
    const int m = addMember("Nowak", 1);
    addLoan(m, QDate(2003, 6, 1), 1000);
    goToMember(m);

    // A loan keeps its previous date.
    dialogs.answer(Dialogs::Yes); // the loan is unpaid
    dm->TPozyczki.edit();
    EXPECT_EQ(refusal([&] { dm->TPozyczki.field("DataPozyczki").setText("2003-02-30"); }),
              "Data pożyczki musi być dobrze określona !!!");
    EXPECT_EQ(dm->TPozyczki.field("DataPozyczki").asDate(), QDate(2003, 6, 1));
    dm->TPozyczki.field("DataPozyczki").setText("2003-06-03");
    EXPECT_EQ(dm->TPozyczki.field("DataPozyczki").asDate(), QDate(2003, 6, 3));
    dm->TPozyczki.cancel();

    // A contribution's date is emptied, then refused.
    dm->TWplaty.insert();
    EXPECT_EQ(refusal([&] { dm->TWplaty.field("DataOperacji").setText("2003-13-01"); }),
              "Data  operacji musi być dobrze określona !!!");
    EXPECT_TRUE(dm->TWplaty.field("DataOperacji").isNull());
    dm->TWplaty.cancel();

    // A joining date is emptied without a word.
    dialogs.clear();
    dm->TCzlonkowie.edit();
    dm->TCzlonkowie.field("DataWpisuDoKasy").setText("2003-01-15");
    EXPECT_EQ(dm->TCzlonkowie.field("DataWpisuDoKasy").asDate(), QDate(2003, 1, 15));
    EXPECT_EQ(refusal([&] { dm->TCzlonkowie.field("DataWpisuDoKasy").setText("2003-02-30"); }), "<accepted>");
    EXPECT_TRUE(dm->TCzlonkowie.field("DataWpisuDoKasy").isNull());
    EXPECT_EQ(refusal([&] { dm->TCzlonkowie.field("DataWpisuDoKasy").setText(""); }), "<accepted>");
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(Rules, WhoChangedStampAndName)
{
    const int m = addMember("Nowak", 1);
    goToMember(m);
    // A row the payroll import wrote keeps the importer's stamp.
    {
        BatchModeGuard import(ctx->batch.payrollImport);
        dm->TWplaty.insert();
        dm->TWplaty.setValue("Operacja", "20");
        dm->TWplaty.setValue("Kwota", 30.0);
        dm->TWplaty.setValue("DataOperacji", QDate(2003, 6, 30));
        dm->TWplaty.setValue("Status", "P");
        dm->TWplaty.setValue("KtoZmienil", 3);
        dm->TWplaty.post();
    }
    EXPECT_FALSE(ctx->batch.payrollImport);
    EXPECT_EQ(dm->TWplaty.field("KtoZmienil").asInt(), 3);
    EXPECT_EQ(dm->TWplaty.field("KtoZmienilNazwisko").asString(), "Import płac");

    // Stored again by hand, it is the clerk's.
    dm->TWplaty.edit();
    dm->TWplaty.setValue("Forma", "K");
    dm->TWplaty.post();
    EXPECT_EQ(dm->TWplaty.field("KtoZmienil").asInt(), 7);
    EXPECT_EQ(dm->TWplaty.field("KtoZmienilNazwisko").asString(), "Anna Kasjer");

    // A user who no longer exists has no name.
    exec("UPDATE " + fundTable("CZLONKOWIE") + " SET KtoZmienil = 99");
    dm->TCzlonkowie.refresh();
    EXPECT_EQ(dm->TCzlonkowie.field("KtoZmienilNazwisko").asString(), "");
}

TEST_F(Rules, AStoreRefusalOfAMemberCancelsWhatWasTyped)
{
    addMember("Nowak", 15);
    dm->TCzlonkowie.insert();
    dm->TCzlonkowie.setValue("Nazwisko", "Kowalski");
    dm->TCzlonkowie.setValue("NrPracownika", 15);
    EXPECT_THROW(dm->TCzlonkowie.post(), store::Abort);
    EXPECT_EQ(dialogs.texts(), QStringList{"Pracownik już przypisany do tej kasy !!!"});
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dm->TCzlonkowie.state(), store::Cursor::State::Browse);
    EXPECT_EQ(dm->TCzlonkowie.recordCount(), 1);
    EXPECT_EQ(dm->TCzlonkowie.field("Nazwisko").asString(), "Nowak");
}

TEST_F(Rules, AStoreRefusalOfAnAccountingEntryCancelsIt)
{
    // A store that keeps entry numbers unique within a document.
    exec("CREATE UNIQUE INDEX " + store::Tables(db).qualified({dm->fundFolder(), "lp_unique"}) + " ON " +
         store::quoteIdentifier("DokPoz2003") + " (IdDokumentu, Lp)");
    store::Cursor& docs = dm->TDokumenty;
    docs.insert();
    docs.setValue("DataDokumentu", QDate(2003, 6, 30));
    docs.post();
    for (int attempt = 0; attempt < 2; ++attempt) {
        dm->TDokPoz.insert();
        dm->TDokPoz.setValue("Lp", 1);
        dm->TDokPoz.setValue("KwotaWN", 10.0);
        if (attempt == 0)
            dm->TDokPoz.post();
        else
            EXPECT_THROW(dm->TDokPoz.post(), store::Abort);
    }
    EXPECT_EQ(dialogs.texts(), QStringList{"Taka Lp. juz istnieje !!!"});
    EXPECT_EQ(dm->TDokPoz.state(), store::Cursor::State::Browse);
    EXPECT_EQ(dm->TDokPoz.recordCount(), 1);
}

TEST_F(Rules, OtherStoreErrorsAreNotReportedAsADuplicate)
{
    addMember("Nowak", 15);
    dm->TCzlonkowie.edit();
    dm->TCzlonkowie.setValue("Imie", "Adam");
    exec("DROP TABLE " + fundTable("CZLONKOWIE"));
    EXPECT_THROW(dm->TCzlonkowie.post(), store::StoreError);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

// Which batch modes silence which rule: a row that breaks every rule is stored in the modes that
// skip the store rule, and refused in the others.
TEST_F(Rules, BatchModesSkipTheRulesOfTheirTables)
{
    const int m = addMember("Nowak", 1);
    const int loan = addLoan(m, QDate(2003, 6, 1), 1000, 5, 3, 384, 333);
    goToMember(m);
    goToLoan(loan);
    struct Case {
        const char* name;
        bool BatchModes::*mode;
        bool contributionSkipped;
        bool repaymentSkipped;
    };
    const Case cases[] = {
        {"payroll import", &BatchModes::payrollImport, true, true},
        {"data purge", &BatchModes::dataPurge, true, true},
        {"initial generation", &BatchModes::initialGeneration, true, false},
        {"worksheet", &BatchModes::worksheet, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BatchModeGuard guard(ctx->batch.*c.mode);
        if (c.mode == &BatchModes::initialGeneration || c.mode == &BatchModes::worksheet)
            session.currentUser.rights[RightUpdate] = true;
        dm->TWplaty.insert();
        dm->TWplaty.setValue("Kwota", 0.0);
        const QString contribution = refusal([&] { dm->TWplaty.post(); });
        EXPECT_EQ(contribution, c.contributionSkipped ? "<accepted>" : "Kwota operacji nie jest poprawna !!!");
        dm->TWplaty.cancel();
        dm->TRaty.insert();
        const QString repayment = refusal([&] { dm->TRaty.post(); });
        // The processing date is proposed, so the missing form is what the rules see first.
        EXPECT_EQ(repayment, c.repaymentSkipped ? "<accepted>" : "Forma płatności nie jest określona");
        dm->TRaty.cancel();
    }
    // Every mode was lowered again; the stored rows kept no stamp of the clerk.
    EXPECT_FALSE(ctx->batch.any());
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("WPLATY") + " WHERE KtoZmienil = 7").toInt(), 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(Rules, ContributionRulesInitialGenerationStillChecksTheStartOfAnInsert)
{
    addMember("Nowak", 1);
    session.currentUser.rights[RightUpdate] = false;
    BatchModeGuard generation(ctx->batch.initialGeneration);
    EXPECT_EQ(refusal([&] { dm->TWplaty.insert(); }), "Brak uprawnień do aktualizacji !!!");
    BatchModeGuard import(ctx->batch.payrollImport);
    EXPECT_EQ(refusal([&] { dm->TWplaty.insert(); }), "<accepted>");
}

} // namespace
} // namespace kzp::test
