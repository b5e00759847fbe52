// The members register: storing, deleting, the employee-number counter, search and the leaving filter.
#include "LedgerFixture.h"

#include "store/StoreError.h"

namespace kzp::test {
namespace {

using Members = LedgerFixture;

TEST_F(Members, ANewMemberTypedByHandStartsAsAnOwnEmployeeWithoutANumber)
{
    int pages = 0;
    rules->hooks().showPersonalPage = [&] { ++pages; };
    store::Cursor& m = dm->TCzlonkowie;
    m.insert();
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(m.field("PracownikWlasny").asBool());
    EXPECT_EQ(m.field("NrPracownika").asInt(), 0);

    // Refusals in their order; the insert stays open for correction.
    EXPECT_EQ(refusal([&] { m.post(); }), "Nazwisko musi byc wypełnione !!!");
    m.setValue("Nazwisko", "Nowak");
    EXPECT_EQ(refusal([&] { m.post(); }), "Nr pracownika musi być wstawiony!!!");
    EXPECT_EQ(m.state(), store::Cursor::State::Insert);
    m.setValue("PracownikWlasny", false);
    m.post();
    EXPECT_EQ(m.field("NrPracownika").asInt(), 0);
    EXPECT_EQ(m.field("IdentyfikatorDzialu").asInt(), 1);
    EXPECT_EQ(m.field("KtoZmienil").asInt(), 7);

    // Taken from the HR register: the number the register gave stays.
    rules->setMemberFromHr(true);
    m.insert();
    m.setValue("NrPracownika", 44);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(m.field("PracownikWlasny").asBool());
    EXPECT_EQ(m.field("NrPracownika").asInt(), 44);
    m.cancel();
}

TEST_F(Members, TheEmployeeNumberCounterOnlyGrows)
{
    store::Cursor& m = dm->TCzlonkowie;
    const auto store = [&](const QString& surname, int number) {
        m.insert();
        m.setValue("Nazwisko", surname);
        m.setValue("NrPracownika", number);
        m.post();
        return dm->TKasy.field("LicznikNRP").asInt();
    };
    EXPECT_EQ(store("Adamski", 95), 120);
    EXPECT_EQ(store("Nowak", 130), 130);
    EXPECT_EQ(sqlValue("SELECT LicznikNRP FROM main.kasy").toInt(), 130);

    // The next number: the member has one, so the user is asked first.
    ASSERT_TRUE(m.locate("NrPracownika", {95}));
    dialogs.answer(Dialogs::No);
    EXPECT_FALSE(rules->nextEmployeeNumber());
    EXPECT_EQ(m.state(), store::Cursor::State::Browse);
    dialogs.answer(Dialogs::Yes);
    EXPECT_TRUE(rules->nextEmployeeNumber());
    EXPECT_EQ(dialogs.last().text, "   Czy chcesz zmienic Nr Pracownika    ?    ");
    EXPECT_EQ(dialogs.last().caption, " ");
    EXPECT_EQ(m.state(), store::Cursor::State::Edit);
    EXPECT_EQ(m.field("NrPracownika").asInt(), 131);
    EXPECT_EQ(sqlValue("SELECT NrPracownika FROM " + fundTable("CZLONKOWIE") + " WHERE Nazwisko = 'Adamski'").toInt(),
              95);
    m.cancel();

    // A new member without a number is given one without a question.
    dialogs.clear();
    m.insert();
    EXPECT_TRUE(rules->nextEmployeeNumber());
    EXPECT_EQ(m.field("NrPracownika").asInt(), 131);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    m.cancel();
}

TEST_F(Members, AFundRecordThatCannotBeStoredRefusesTheMember)
{
    dm->TKasy.beforePost = [](store::Cursor&) { throw store::RuleError("Nazwa kasy musi być wypełniona"); };
    store::Cursor& m = dm->TCzlonkowie;
    m.insert();
    m.setValue("Nazwisko", "Nowak");
    m.setValue("NrPracownika", 200);
    EXPECT_EQ(refusal([&] { m.post(); }), "Nazwa kasy musi być wypełniona");
    EXPECT_EQ(m.state(), store::Cursor::State::Insert);
    EXPECT_EQ(dm->TKasy.state(), store::Cursor::State::Browse);
    EXPECT_EQ(dm->TKasy.field("LicznikNRP").asInt(), 120);
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("CZLONKOWIE")).toInt(), 0);
}

TEST_F(Members, AMemberWithLedgerRowsCanOnlyLeave)
{
    const int withFee = addMember("Nowak", 1);
    addContribution(withFee, "10", 50, QDate(2003, 6, 1));
    const int withLoan = addMember("Kowalski", 2);
    addLoan(withLoan, QDate(2003, 6, 1), 1000);
    const int without = addMember("Adamski", 3);
    for (int id : {withFee, withLoan}) {
        goToMember(id);
        EXPECT_EQ(refusal([&] { dm->TCzlonkowie.remove(); }),
                  "Niemożliwe usunięcie proszę wypisać wybraną osobę z KASY !!!");
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());

    goToMember(without);
    dialogs.answer(Dialogs::No);
    EXPECT_EQ(refusal([&] { dm->TCzlonkowie.remove(); }), " Zrezygnowano z kasowania !!! ");
    EXPECT_EQ(dialogs.last().text, "   Czy chcesz usunąć wybraną osobę z KASY    ?    ");
    EXPECT_EQ(dialogs.last().caption, " Obsługa pożyczek");
    dialogs.answer(Dialogs::Yes);
    dm->TCzlonkowie.remove();
    EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("CZLONKOWIE")).toInt(), 2);
}

TEST_F(Members, SearchBySurnameFollowsPolishOrder)
{
    for (const char* surname : {"Lis", "Łukasik", "Lewandowski", "Żak", "Zawada", "Mazur"})
        addMember(QString::fromUtf8(surname));
    struct Case {
        const char* typed;
        const char* found;
    };
    for (const Case& c : {Case{"ł", "Łukasik"}, Case{"Lf", "Lis"}, Case{"Łz", "Mazur"}, Case{"z", "Zawada"},
                          Case{"Zb", "Żak"}, Case{"Ży", "Żak"}}) {
        SCOPED_TRACE(c.typed);
        rules->searchBySurname(QString::fromUtf8(c.typed));
        EXPECT_EQ(dm->TCzlonkowie.field("Nazwisko").asString(), QString::fromUtf8(c.found));
    }
    // Not while a member is being changed.
    dm->TCzlonkowie.edit();
    rules->searchBySurname("Lis");
    EXPECT_EQ(dm->TCzlonkowie.state(), store::Cursor::State::Edit);
    EXPECT_EQ(dm->TCzlonkowie.field("Nazwisko").asString(), QString::fromUtf8("Żak"));
}

TEST_F(Members, LeavingFilterAndCancelledLeaving)
{
    addMember("Nowak", 1);
    const int left = addMember("Kowalski", 2, QDate(2003, 3, 31));
    EXPECT_EQ(dm->TCzlonkowie.recordCount(), 1);
    rules->setLeavingFilter(false);
    EXPECT_EQ(dm->TCzlonkowie.recordCount(), 2);
    goToMember(left);
    rules->cancelLeaving();
    EXPECT_EQ(dm->TCzlonkowie.state(), store::Cursor::State::Edit);
    dm->TCzlonkowie.post();
    rules->setLeavingFilter(true);
    EXPECT_EQ(dm->TCzlonkowie.recordCount(), 2);
}

TEST_F(Members, MovingToAMemberShowsHisNewestContributionAndLoan)
{
    const int a = addMember("Adamski", 1);
    const int b = addMember("Nowak", 2);
    addContribution(b, "10", 50, QDate(2003, 1, 2));
    const int newest = addContribution(b, "20", 30, QDate(2003, 2, 2));
    addLoan(b, QDate(2003, 1, 5), 500);
    const int newestLoan = addLoan(b, QDate(2002, 1, 5), 700); // stored later, dated earlier
    const int latestLoan = addLoan(b, QDate(2003, 4, 5), 900);
    goToMember(a);
    goToMember(b);
    EXPECT_EQ(dm->TWplaty.field("Identyfikator").asInt(), newest);
    EXPECT_EQ(dm->TPozyczki.field("Identyfikator").asInt(), latestLoan);
    EXPECT_NE(newestLoan, latestLoan);
}

} // namespace
} // namespace kzp::test
