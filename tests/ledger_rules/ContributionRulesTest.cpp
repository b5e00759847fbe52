// A member's contributions: refusals in their order, proposed amounts, the status questions and the
// lists the member window offers.
#include "LedgerFixture.h"

#include "store/StoreError.h"

namespace kzp::test {
namespace {

class Contributions : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        member = addMember("Nowak", 1);
        goToMember(member);
    }
    int member = 0;
};

TEST_F(Contributions, StoringRefusesInOrder)
{
    setFund("DataZamkniecia", "2003-05-31");
    struct Case {
        const char* name;
        QVariant amount, date, form, operation;
        QString expected;
    };
    const QVariant none;
    const QVariant june(QDate(2003, 6, 2)), may(QDate(2003, 5, 2));
    const Case cases[] = {
        {"zero amount", 0.0, none, none, none, "Kwota operacji nie jest poprawna !!!"},
        {"no date, no form", 0.01, none, none, none, "Data operacji niepoprawna"},
        {"no form", 30.0, june, none, none, "Forma płatności nie jest określona"},
        {"closed month", 30.0, may, "K", none, "Miesiąc jest zamknięty !!! Niemożliwy dopis z wczesniejszą data!!!"},
        {"no operation", 30.0, june, "K", none, "Operacja nie jest określona"},
        {"a refund of one grosz", 0.01, june, "K", "50", "<accepted>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dm->TWplaty.insert();
        dm->TWplaty.setValue("DataOperacji", c.date);
        dm->TWplaty.setValue("Kwota", c.amount);
        dm->TWplaty.setValue("Forma", c.form);
        dm->TWplaty.setValue("Operacja", c.operation);
        EXPECT_EQ(refusal([&] { dm->TWplaty.post(); }), c.expected);
        if (c.expected != "<accepted>")
            EXPECT_EQ(dm->TWplaty.state(), store::Cursor::State::Insert);
        dm->TWplaty.cancel();
    }
    // The refund lowered the balance at once.
    EXPECT_DOUBLE_EQ(dm->TCzlonkowie.field("Wklad").asFloat(), -0.01);
    EXPECT_EQ(dm->TWplaty.field("KtoZmienil").asInt(), 7);
}

TEST_F(Contributions, ANewRowIsDatedOnTheProcessingDayAndProposesTheAmountOfItsOperation)
{
    QList<QString> labels;
    rules->hooks().setFunctionLabel = [&](LedgerPane pane, const QString& text) {
        if (pane == LedgerPane::Contributions)
            labels << text;
    };
    struct Case {
        const char* operation;
        double ownContribution;
        double proposed;
    };
    for (const Case& c : {Case{"10", 0, 50}, Case{"20", 0, 30}, Case{"20", 35, 35}, Case{"40", 35, 12.5}}) {
        SCOPED_TRACE(c.operation);
        dm->TCzlonkowie.edit();
        dm->TCzlonkowie.setValue("InnaKwotaSkladki", c.ownContribution);
        dm->TCzlonkowie.post();
        dm->TWplaty.insert();
        EXPECT_EQ(dm->TWplaty.field("DataOperacji").asDate(), QDate(2003, 6, 15));
        dm->TWplaty.setValue("Kwota", 12.5);
        rules->chooseOperation(c.operation);
        EXPECT_DOUBLE_EQ(dm->TWplaty.field("Kwota").asFloat(), c.proposed);
        dm->TWplaty.cancel();
    }
    EXPECT_EQ(labels.first(), "Dopis");
    EXPECT_EQ(labels.last(), "");

    // Without a processing date the row starts undated.
    session.processingDate = DateTriple{};
    dm->TWplaty.insert();
    EXPECT_TRUE(dm->TWplaty.field("DataOperacji").isNull());
    dm->TWplaty.cancel();
}

TEST_F(Contributions, ANewRowNeedsAStoredMember)
{
    dm->TCzlonkowie.edit();
    EXPECT_EQ(refusal([&] { dm->TWplaty.insert(); }), "Zapisz lub anuluj zmiany w Członkach kasy!!!");
    dm->TCzlonkowie.cancel();

    // A fund without members: the row is left open for the user to cancel.
    exec("DELETE FROM " + fundTable("CZLONKOWIE"));
    dm->TCzlonkowie.refresh();
    EXPECT_EQ(refusal([&] { dm->TWplaty.insert(); }), "Brak pracownikow w KASIE!!!");
    EXPECT_EQ(dm->TWplaty.state(), store::Cursor::State::Insert);
}

// Changing and deleting rows that a batch operation wrote asks first; No leaves the row alone.
TEST_F(Contributions, GeneratedAndArchivalRowsAskBeforeTheyChange)
{
    const QString z = "  Pozycja generowana automatem ze Statusem 'Z' \n ";
    const QString a = "  POZYCJA ARCHIWALNA utworzona podczas kasowania starych danych ( BO) \n ";
    struct Case {
        const char* status;
        QStringList changeQuestions;
        QStringList deleteQuestions;
        Dialogs::Icon icon;
        Dialogs::Button preselected;
    };
    const QString last = "   Czy chcesz skasować wybraną pozycję ?    ";
    const Case cases[] = {
        {"", {}, {last}, Dialogs::Icon::Question, Dialogs::Yes},
        {"Z", {z + "Czy chcesz zmienić wybraną pozycję ?    "}, {z + "Czy chcesz skasować wybraną pozycję ?    ", last},
         Dialogs::Icon::Question, Dialogs::Yes},
        {"A", {a + "Czy chcesz zmienić wybraną pozycję ?    "}, {a + "Czy chcesz skasować wybraną pozycję ?    ", last},
         Dialogs::Icon::Error, Dialogs::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        const int row = addContribution(member, "20", 30, QDate(2003, 6, 1), c.status);
        ASSERT_TRUE(dm->TWplaty.locate("Identyfikator", {row}));
        dialogs.clear();
        if (!c.changeQuestions.isEmpty()) {
            dialogs.answer(Dialogs::No);
            EXPECT_EQ(refusal([&] { dm->TWplaty.edit(); }), " Zrezygnowano ze zmiany !!! ");
            EXPECT_EQ(dialogs.texts(), c.changeQuestions);
            EXPECT_EQ(dialogs.last().caption, " Obsługa wpłat");
            EXPECT_EQ(dialogs.last().icon, c.icon);
            EXPECT_EQ(dialogs.last().defaultButton, c.preselected);
            EXPECT_EQ(dm->TWplaty.state(), store::Cursor::State::Browse);
            dialogs.answer(Dialogs::Yes);
        }
        dm->TWplaty.edit();
        EXPECT_EQ(dm->TWplaty.state(), store::Cursor::State::Edit);
        dm->TWplaty.cancel();

        // No to any question keeps the row.
        for (int no = 0; no < c.deleteQuestions.size(); ++no) {
            dialogs.clear();
            for (int i = 0; i < no; ++i)
                dialogs.answer(Dialogs::Yes);
            dialogs.answer(Dialogs::No);
            EXPECT_EQ(refusal([&] { dm->TWplaty.remove(); }), " Zrezygnowano z kasowania !!! ");
            EXPECT_EQ(dialogs.texts(), c.deleteQuestions.mid(0, no + 1));
        }
        EXPECT_EQ(dialogs.shown().first().icon, c.icon);
        dialogs.clear();
        for (int i = 0; i < c.deleteQuestions.size(); ++i)
            dialogs.answer(Dialogs::Yes);
        dm->TWplaty.remove();
        EXPECT_EQ(dialogs.texts(), c.deleteQuestions);
        EXPECT_EQ(sqlValue("SELECT count(*) FROM " + fundTable("WPLATY")).toInt(), 0);
    }
}

TEST_F(Contributions, AClosedRowIsNotDeletedNorAskedAbout)
{
    const int row = addContribution(member, "20", 30, QDate(2003, 5, 31), "Z");
    setFund("DataZamkniecia", "2003-05-31");
    ASSERT_TRUE(dm->TWplaty.locate("Identyfikator", {row}));
    EXPECT_EQ(refusal([&] { dm->TWplaty.remove(); }),
              "Miesiąc jest zamknięty !!! Niemożliwe kasowanie z wczesniejszą data!!!");
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(Contributions, TheMemberWindowListsHideCodesItMustNotOffer)
{
    const auto codes = [](store::Cursor& c, const char* field) {
        QStringList result;
        for (c.first(); !c.eof(); c.next())
            result << c.field(field).asString();
        return result;
    };
    rules->setMemberWindowLists(true);
    EXPECT_EQ(codes(dm->TOperacje, "Operacja"), (QStringList{"10", "20", "40", "50"}));
    EXPECT_EQ(codes(dm->TForma, "Forma"), (QStringList{"K", "R", "L", "P", "*"}));
    // The names of the codes on stored rows still show.
    addContribution(member, "XX", 1, QDate(2003, 6, 1));
    EXPECT_EQ(dm->TWplaty.field("OpisOperacji1").asString(), QString::fromUtf8("Pożyczki"));
    rules->setMemberWindowLists(false);
    EXPECT_EQ(codes(dm->TOperacje, "Operacja").size(), 6);
    EXPECT_EQ(codes(dm->TForma, "Forma").size(), 6);
}

} // namespace
} // namespace kzp::test
