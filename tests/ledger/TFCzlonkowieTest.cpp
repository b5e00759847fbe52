#include "SmallFundFixture.h"

#include "ledger/MemberContributionsPage.h"
#include "ledger/MemberLoansPage.h"
#include "ledger/MemberPersonalPage.h"
#include "ledger/TFCzlonkowie.h"
#include "ledger/TFPozyczkiZyrowane.h"
#include "support/PolishTyping.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/CursorTableModel.h"
#include "widgets/FieldCheckBox.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldLookupCombo.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QTimer>

namespace kzp::test {
namespace {

using Nav = widgets::CursorNavigator;

class MemberCard : public SmallFund {
protected:
    void openCard(const FundSetup& setup = FundSetup{})
    {
        openFund(setup);
        kowalski = addMember("Kowalski", "Jan", 101);
        nowak = addMember("Nowak", "Anna", 102);
        zak = addMember("Żak", "Wiesław", 103);
        left = addMember("Wróbel", "Stanisław", 104, QDate(2003, 3, 31));
        refreshFund();
        window = std::make_unique<TFCzlonkowie>(*m_ctx, *m_rules);
        ASSERT_TRUE(window->prepare()) << m_dialogs.texts().join('|').toStdString();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        m_dialogs.clear();
    }

    void TearDown() override
    {
        window.reset();
        SmallFund::TearDown();
    }

    // Types into a field editor as a user does and confirms it.
    static void type(widgets::FieldLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        typeText(edit, text);
        ASSERT_TRUE(edit->commit());
    }

    // Picks the list row whose key is `key`, as a click in the open list does.
    static void pick(widgets::FieldLookupCombo* combo, const QString& keyField, const QVariant& key)
    {
        widgets::CursorTableModel* list = combo->listModel();
        ASSERT_NE(list, nullptr);
        for (int r = 0; r < list->rowCount(); ++r) {
            if (list->fieldValue(r, keyField) == key) {
                Q_EMIT combo->activated(r);
                return;
            }
        }
        FAIL() << "no list row with " << key.toString().toStdString();
    }

    static QStringList listTexts(widgets::FieldLookupCombo* combo, const QString& field)
    {
        QStringList texts;
        for (int r = 0; r < combo->listModel()->rowCount(); ++r)
            texts << combo->listModel()->fieldValue(r, field).toString();
        return texts;
    }

    int kowalski = 0, nowak = 0, zak = 0, left = 0;
    std::unique_ptr<TFCzlonkowie> window;
};

TEST_F(MemberCard, OpensOnTheFundWithItsCaptionFilterAndLists)
{
    openCard();
    TFCzlonkowie& w = *window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KZP przy ZM Beskid"));
    // The card fits the 900 x 650 it is made with, every page.
    EXPECT_EQ(w.size(), QSize(900, 650));
    for (int i = 0; i < 3; ++i)
        EXPECT_LE(w.pages()->widget(i)->minimumSizeHint().width(), 880) << i;
    EXPECT_EQ(w.pages()->tabText(0), QStringLiteral("Dane osobowe ..."));
    EXPECT_EQ(w.pages()->tabText(1), QStringLiteral("Pożyczki/Spłata ..."));
    EXPECT_EQ(w.pages()->tabText(2), QStringLiteral("Wkłady/Wpisowe ..."));
    // Members who left are hidden and the label under the list is empty.
    EXPECT_TRUE(m_dm->TCzlonkowie.isFiltered());
    EXPECT_EQ(w.membersGrid()->model()->rowCount(), 3);
    EXPECT_EQ(w.filterLabel()->text(), QString());
    EXPECT_EQ(w.membersGrid()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Dział:"));
    EXPECT_EQ(w.membersGrid()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Nr Prac."));
    // The code lists offer what a clerk may type by hand.
    const QStringList operations = listTexts(w.contributionsPage()->operation(), "Operacja");
    EXPECT_FALSE(operations.contains("30"));
    EXPECT_FALSE(operations.contains("XX"));
    EXPECT_TRUE(operations.contains("20"));
    EXPECT_FALSE(listTexts(w.contributionsPage()->form(), "Forma").contains("-"));
    EXPECT_FALSE(listTexts(w.loansPage()->repaymentForm(), "Forma").contains("-"));
    EXPECT_FALSE(w.statementsButton()->isEnabled());

    w.reject();
    EXPECT_FALSE(w.isVisible());
    w.release();
    // Closed, the lists show every code again and the rules have no window to call.
    m_dm->TOperacje.refresh();
    EXPECT_EQ(m_dm->TOperacje.recordCount(), 6);
    EXPECT_FALSE(m_dm->TOperacje.isFiltered());
    EXPECT_FALSE(m_dm->TForma.isFiltered());
    EXPECT_FALSE(m_rules->hooks().setFunctionLabel);
}

TEST_F(MemberCard, InterestPanelAndOddInstallmentFollowTheFund)
{
    openCard();
    const struct {
        double percent;
        int kiedyInnaRata;
        bool interestShown;
        bool firstShown;
        const char* percentText;
    } cases[] = {{5.0, 0, true, true, "5  %"}, {0.0, 0, false, true, "0  %"}, {2.5, 1, true, false, "2,5  %"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        window->release();
        store::Cursor& fund = m_dm->TKasy;
        fund.edit();
        fund.setValue("Procent", c.percent);
        fund.setValue("KiedyInnaRata", c.kiedyInnaRata);
        fund.post();
        ASSERT_TRUE(window->prepare());
        MemberLoansPage* p = window->loansPage();
        window->setPage(TFCzlonkowie::LoansPage);
        EXPECT_EQ(p->interestPanel()->isVisible(), c.interestShown);
        EXPECT_EQ(p->percentLabel()->text(), QString::fromUtf8(c.percentText));
        EXPECT_EQ(p->rataPierwsza()->isVisible(), c.firstShown);
        EXPECT_EQ(p->rataPierwszaLabel()->isVisible(), c.firstShown);
        EXPECT_EQ(p->ostatniaRata()->isVisible(), !c.firstShown);
        EXPECT_EQ(p->ostatniaRataLabel()->text(), QStringLiteral("Ostatnia rata"));
    }
}

TEST_F(MemberCard, FundThatCannotBeOpenedShowsItsMessageAndNoWindow)
{
    openFund();
    // A second fund whose folder was never made.
    store::Cursor& fund = m_dm->TKasy;
    fund.append();
    fund.setValue("NazwaKasy", QStringLiteral("Kasa bez folderu"));
    fund.setValue("RodzajKasy", "K");
    fund.post();
    m_dialogs.clear();
    TFCzlonkowie w(*m_ctx, *m_rules);
    EXPECT_EQ(w.showForFund(), TFCzlonkowie::FundNotOpened);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Brak folderu danej kasy !!!"));
}

TEST_F(MemberCard, PageChangeWithUnsavedChangesGoesBackToTheirPage)
{
    openCard();
    const int loan = addLoan(nowak, 1000.0);
    refreshFund();
    goToMember(nowak);
    store::Cursor& loans = m_dm->TPozyczki;
    ASSERT_TRUE(loans.locate("Identyfikator", {loan}));

    struct Case {
        const char* name;
        std::function<void()> start;
        TFCzlonkowie::Page target;
        TFCzlonkowie::Page back;
        const char* message;
    };
    const Case cases[] = {
        {"loan changed",
         [&] {
             m_dialogs.answer(Dialogs::Yes); // the loan is not repaid: change it anyway
             loans.edit();
         },
         TFCzlonkowie::ContributionsPage, TFCzlonkowie::LoansPage, "Zapisz lub anuluj zmiany w parametrach pożyczki"},
        {"repayment added", [&] { m_dm->TRaty.insert(); }, TFCzlonkowie::ContributionsPage, TFCzlonkowie::LoansPage,
         "Zapisz lub anuluj zmiany w ratach"},
        {"contribution added", [&] { m_dm->TWplaty.insert(); }, TFCzlonkowie::PersonalPage,
         TFCzlonkowie::ContributionsPage, "Zapisz lub anuluj zmiany w składkach"},
        {"member changed", [&] { type(window->personalPage()->imie(), QStringLiteral("Łucja")); },
         TFCzlonkowie::LoansPage, TFCzlonkowie::PersonalPage, "Zapisz lub anuluj zmiany danych członków kasy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->setPage(c.back);
        m_dialogs.clear();
        c.start();
        m_dialogs.clear();
        window->setPage(c.target);
        EXPECT_EQ(window->page(), c.back);
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        EXPECT_EQ(m_dialogs.last().text, QString::fromUtf8(c.message));
        EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("Kontrola"));
        // Nothing was stored or dropped by the refusal.
        store::Cursor* cursors[] = {&loans, &m_dm->TRaty, &m_dm->TWplaty, &m_dm->TCzlonkowie};
        int editing = 0;
        for (store::Cursor* cur : cursors)
            editing += cur->isEditing() ? 1 : 0;
        EXPECT_EQ(editing, 1);
        for (store::Cursor* cur : cursors)
            if (cur->isEditing())
                cur->cancel();
    }
    // With nothing pending the page simply changes.
    m_dialogs.clear();
    window->setPage(TFCzlonkowie::ContributionsPage);
    EXPECT_EQ(window->page(), TFCzlonkowie::ContributionsPage);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(MemberCard, GuarantorsAndRepaymentsPanelsRefuseWhileTheOtherSideIsOpen)
{
    openCard();
    addLoan(nowak, 1000.0);
    refreshFund();
    goToMember(nowak);
    MemberLoansPage* p = window->loansPage();
    window->setPage(TFCzlonkowie::LoansPage);

    m_dm->TRaty.insert();
    m_dialogs.clear();
    p->guarantorsButton()->click();
    EXPECT_FALSE(p->guarantorsShown());
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Zapisz lub anuluj zmiany w ratach"));
    m_dm->TRaty.cancel();
    p->guarantorsButton()->click();
    EXPECT_TRUE(p->guarantorsShown());

    m_dialogs.answer(Dialogs::Yes);
    m_dm->TPozyczki.edit();
    m_dialogs.clear();
    p->repaymentsButton()->click();
    EXPECT_TRUE(p->guarantorsShown());
    EXPECT_TRUE(p->guarantorsButton()->isChecked());
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Zapisz lub anuluj zmiany w pożyczkach"));
    m_dm->TPozyczki.cancel();
    p->repaymentsButton()->click();
    EXPECT_FALSE(p->guarantorsShown());
}

TEST_F(MemberCard, ClosingAsksAboutEveryOpenRowAndCancelKeepsTheWindow)
{
    openCard();
    addLoan(nowak, 1000.0);
    refreshFund();
    goToMember(nowak);
    window->setPage(TFCzlonkowie::ContributionsPage);
    window->contributionsPage()->navigator()->trigger(Nav::Insert);
    ASSERT_EQ(m_dm->TWplaty.state(), store::Cursor::State::Insert);
    m_dialogs.clear();

    m_dialogs.answer(Dialogs::Cancel);
    window->reject();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(m_dm->TWplaty.state(), store::Cursor::State::Insert);
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral(" Czy dopisać nową składkę !!!"));
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania  "));

    // A changed loan and the new contribution: both are asked, in that order, even after Cancel.
    m_dialogs.answer(Dialogs::Yes);
    m_dm->TPozyczki.edit();
    m_dialogs.clear();
    m_dialogs.answer(Dialogs::Cancel);
    m_dialogs.answer(Dialogs::No);
    window->reject();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(m_dialogs.texts(), (QStringList{" Czy zapisać zmiany w parametrach pozyczki  ?  !!!",
                                              " Czy dopisać nową składkę !!!"}));
    EXPECT_TRUE(m_dm->TPozyczki.isEditing());
    EXPECT_FALSE(m_dm->TWplaty.isEditing());

    m_dialogs.clear();
    m_dialogs.answer(Dialogs::No);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(m_dm->TPozyczki.isEditing());
    EXPECT_TRUE(rows("WPLATY", {"Kwota"}).isEmpty());
}

// A value still being typed when the window is closed is the value the question stores.
TEST_F(MemberCard, ClosingStoresWhatIsStillBeingTyped)
{
    openCard();
    goToMember(nowak);
    widgets::FieldLineEdit* surname = window->personalPage()->findChild<widgets::FieldLineEdit*>("Nazwisko");
    ASSERT_NE(surname, nullptr);
    surname->setFocus();
    surname->selectAll();
    typeText(surname, QStringLiteral("Nowakowska"));
    ASSERT_TRUE(m_dm->TCzlonkowie.isEditing());
    m_dialogs.answer(Dialogs::Yes);
    window->reject();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(m_dialogs.texts(), QStringList{" Czy zapisać zmiany w danych członka kasy  ?  !!!"});
    EXPECT_EQ(rows("CZLONKOWIE", {"Nazwisko"}, QString("\"IdentyfikatorPracownika\" = %1").arg(nowak)).value(0).value(0),
              QVariant(QStringLiteral("Nowakowska")));
}

TEST_F(MemberCard, NowyInAFundWithoutPayrollOnlyTells)
{
    FundSetup setup;
    setup.payroll = false;
    openCard(setup);
    const int before = m_dm->TCzlonkowie.recordCount();
    window->newButton()->click();
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Funkcja dostępna dla firm korzystających z systemu TAVO_PLACE"));
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("Uwaga"));
    EXPECT_FALSE(m_dm->TCzlonkowie.isEditing());
    EXPECT_EQ(m_dm->TCzlonkowie.recordCount(), before);
}

TEST_F(MemberCard, TabWalksTheFormAndEnterStartsNothing)
{
    FundSetup setup;
    setup.payroll = false;
    openCard(setup);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    MemberPersonalPage* p = window->personalPage();
    p->nazwisko()->setFocus();
    QWidget* expected[] = {p->imie(), p->nrPracownika(), p->pracownikWlasny(), p->dzial()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    // Enter in an editor or the search box presses no button ("Nowy" would tell about payroll).
    QTest::keyClick(p->imie(), Qt::Key_Return);
    window->searchEdit()->setFocus();
    QTest::keyClick(window->searchEdit(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->membersGrid());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MemberCard, ObliczRatyOnAStoredLoanIsRefused)
{
    openCard();
    addLoan(nowak, 1000.0);
    refreshFund();
    goToMember(nowak);
    window->setPage(TFCzlonkowie::LoansPage);
    window->loansPage()->calculateButton()->click();
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, QStringLiteral("Raty są już policzone !!!"));
    EXPECT_FALSE(m_dm->TPozyczki.isEditing());
}

TEST_F(MemberCard, SearchFindsTheNearestSurnameInPolishOrder)
{
    openCard();
    const struct {
        const char* typed;
        const char* found;
    } cases[] = {{"Now", "Nowak"}, {"ż", "Żak"}, {"Ko", "Kowalski"}, {"Z", "Żak"}, {"A", "Kowalski"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        window->searchEdit()->clear();
        typeText(window->searchEdit(), QString::fromUtf8(c.typed));
        EXPECT_EQ(m_dm->TCzlonkowie.field("Nazwisko").asString(), QString::fromUtf8(c.found));
        const int row = window->membersGrid()->currentIndex().row();
        EXPECT_EQ(window->membersGrid()->model()->index(row, 0).data().toString(), QString::fromUtf8(c.found));
    }
}

TEST_F(MemberCard, FiltrShowsMembersWhoLeftAndHidesThemAgain)
{
    openCard();
    EXPECT_FALSE(m_dm->TCzlonkowie.locate("IdentyfikatorPracownika", {left}));
    window->filterButton()->click();
    EXPECT_EQ(window->filterLabel()->text(), QStringLiteral("Wszyscy + wypisani z Kasy"));
    EXPECT_EQ(window->membersGrid()->model()->rowCount(), 4);
    EXPECT_TRUE(m_dm->TCzlonkowie.locate("IdentyfikatorPracownika", {left}));
    window->filterButton()->click();
    EXPECT_EQ(window->filterLabel()->text(), QStringLiteral(" "));
    EXPECT_EQ(window->membersGrid()->model()->rowCount(), 3);
}

// A clerk's afternoon: a new member by hand, a loan with two guarantors planned by "Oblicz raty",
// its first repayment and a contribution, with the balances following every step.
TEST_F(MemberCard, ClerkAddsAMemberGrantsALoanAndTakesPayments)
{
    openCard();
    TFCzlonkowie& w = *window;
    MemberPersonalPage* personal = w.personalPage();
    w.setPage(TFCzlonkowie::LoansPage);

    // New member: the card turns to the personal page.
    ASSERT_TRUE(w.membersNavigator()->trigger(Nav::Insert));
    EXPECT_EQ(w.page(), TFCzlonkowie::PersonalPage);
    type(personal->nazwisko(), QStringLiteral("Źrebiec"));
    type(personal->imie(), QStringLiteral("Łucja"));
    personal->nextNumberButton()->click();
    EXPECT_EQ(personal->nrPracownika()->text(), QStringLiteral("1"));
    type(personal->dataWpisu(), QStringLiteral("2003-06-01"));
    ASSERT_TRUE(w.membersNavigator()->trigger(Nav::Post)) << m_dialogs.texts().join('|').toStdString();
    store::Cursor& m = m_dm->TCzlonkowie;
    EXPECT_EQ(m.field("Nazwisko").asString(), QStringLiteral("Źrebiec"));
    EXPECT_TRUE(m.field("PracownikWlasny").asBool());
    EXPECT_EQ(m.field("IdentyfikatorDzialu").asInt(), 1);
    EXPECT_EQ(m_dm->TKasy.field("LicznikNRP").asInt(), 1);
    EXPECT_EQ(w.membersGrid()->model()->rowCount(), 4);

    // A loan of 1000.00 in three installments at the fund's 5 %.
    w.setPage(TFCzlonkowie::LoansPage);
    MemberLoansPage* loans = w.loansPage();
    ASSERT_TRUE(loans->loansNavigator()->trigger(Nav::Insert)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_EQ(loans->loanLabel()->text(), QStringLiteral("Dopis"));
    type(loans->dataPozyczki(), QStringLiteral("2003-06-10"));
    type(loans->iloscRat(), QStringLiteral("3"));
    type(loans->kwotaPozyczki(), QStringLiteral("1000"));
    loans->calculateButton()->click();
    store::Cursor& p = m_dm->TPozyczki;
    EXPECT_DOUBLE_EQ(p.field("KolejnaRata").asFloat(), 333.0);
    EXPECT_DOUBLE_EQ(p.field("RataPierwsza").asFloat(), 384.0);
    EXPECT_EQ(loans->kolejnaRata()->text(), QStringLiteral("333,00"));
    ASSERT_TRUE(loans->showGuarantors());
    pick(loans->guarantor1(), "IdentyfikatorPracownika", kowalski);
    pick(loans->guarantor2(), "IdentyfikatorPracownika", zak);
    EXPECT_EQ(loans->guarantor1()->currentText(), QStringLiteral("Kowalski Jan"));
    EXPECT_EQ(loans->guarantor2()->currentText(), QStringLiteral("Żak Wiesław"));
    ASSERT_TRUE(loans->loansNavigator()->trigger(Nav::Post)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_EQ(loans->loanLabel()->text(), QString());
    ASSERT_EQ(rows("POZYCZKI", {"IdZyrant1", "IdZyrant2", "OstatniaRata"}, "\"KwotaPozyczki\" = 1000").size(), 1);
    EXPECT_EQ(rows("POZYCZKI", {"IdZyrant1", "IdZyrant2", "OstatniaRata"}, "\"KwotaPozyczki\" = 1000").first(),
              (QVariantList{kowalski, zak, 0.0}));
    EXPECT_DOUBLE_EQ(p.field("Saldo").asFloat(), 1050.0);

    // Its first repayment proposes the odd first installment.
    ASSERT_TRUE(loans->showRepayments());
    ASSERT_TRUE(loans->repaymentsNavigator()->trigger(Nav::Insert)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_EQ(loans->repaymentAmount()->text(), QStringLiteral("384,00"));
    EXPECT_EQ(loans->repaymentDate()->text(), QStringLiteral("2003-06-30"));
    type(loans->repaymentDocument(), QStringLiteral("KP 12/06"));
    pick(loans->repaymentForm(), "Forma", "K");
    ASSERT_TRUE(loans->repaymentsNavigator()->trigger(Nav::Post)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_DOUBLE_EQ(p.field("Splacono").asFloat(), 384.0);
    EXPECT_DOUBLE_EQ(p.field("Saldo").asFloat(), 666.0);
    EXPECT_TRUE(loans->pozostalo()->text().startsWith(QStringLiteral("666,00")));
    EXPECT_EQ(loans->splacono()->text(), QStringLiteral("384,00"));

    // A monthly contribution at the fund's amount.
    w.setPage(TFCzlonkowie::ContributionsPage);
    MemberContributionsPage* contributions = w.contributionsPage();
    ASSERT_TRUE(contributions->navigator()->trigger(Nav::Insert)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_EQ(contributions->functionLabel()->text(), QStringLiteral("Dopis"));
    pick(contributions->operation(), "Operacja", "20");
    EXPECT_EQ(contributions->amount()->text(), QStringLiteral("30,00"));
    pick(contributions->form(), "Forma", "K");
    type(contributions->document(), QStringLiteral("KP 13/06"));
    ASSERT_TRUE(contributions->navigator()->trigger(Nav::Post)) << m_dialogs.texts().join('|').toStdString();
    EXPECT_DOUBLE_EQ(m.field("Wklad").asFloat(), 30.0);
    const int wkladColumn = 5;
    EXPECT_TRUE(w.membersGrid()->model()->index(w.membersGrid()->currentIndex().row(), wkladColumn)
                    .data()
                    .toString()
                    .startsWith(QStringLiteral("30,00")));

    // All stored: the window closes without a question.
    m_dialogs.clear();
    w.reject();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(MemberCard, PopupMenusCarryTheirItems)
{
    openCard();
    QStringList items;
    for (QAction* a : window->membersMenu()->actions())
        if (!a->isSeparator())
            items << a->text();
    EXPECT_EQ(items, (QStringList{"Dopisz nowego członka kasy", "Kasuj wybranego czlonka kasy", "Zapisz ", "Anuluj",
                                  "Zestawienia", "W Y P I S A N I E   z kasy", "Anuluj W Y P I S  z kasy",
                                  "Pokazuje komu żyruje wybrany członek kasy ",
                                  "Inicjacja (dopisanym osobom wstawia  WPISOWE )"}));
    // "Zapisz " does nothing while the member is only browsed; "Anuluj W Y P I S" leaves him in edit.
    window->membersMenu()->actions()[2]->trigger();
    EXPECT_FALSE(m_dm->TCzlonkowie.isEditing());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

// "Komu żyruje" opens the guaranteed loans of the member or of the loan's guarantor, titled with
// his name; a guarantor who is no member any more gives an empty title.
TEST_F(MemberCard, GuaranteesWindowIsTitledWithTheMembersName)
{
    openCard();
    addLoan(nowak, 1000.0, left, 9999);
    refreshFund();
    goToMember(nowak);
    window->setPage(TFCzlonkowie::LoansPage);
    window->loansPage()->showGuarantors();
    const auto titleOfWindowOpenedBy = [](QAbstractButton* button) {
        QString title;
        QTimer::singleShot(0, [&title] {
            auto* w = qobject_cast<TFPozyczkiZyrowane*>(QApplication::activeModalWidget());
            if (w) {
                title = w->titleLabel()->text();
                w->reject();
            }
        });
        button->click();
        return title;
    };
    // The guarantor who left the fund is still found by his identifier.
    EXPECT_EQ(titleOfWindowOpenedBy(window->loansPage()->guaranteesButton1()), QStringLiteral("Wróbel Stanisław"));
    EXPECT_EQ(titleOfWindowOpenedBy(window->loansPage()->guaranteesButton2()), QString());
    EXPECT_EQ(titleOfWindowOpenedBy(window->guaranteesButton()), QStringLiteral("Nowak Anna"));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

// Pictures for looking at the layout: written only when KZP_SCREENSHOT_DIR names a folder.
TEST_F(MemberCard, Screenshots)
{
    const QString folder = qEnvironmentVariable("KZP_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "KZP_SCREENSHOT_DIR not set";
    openCard();
    const int loan = addLoan(nowak, 1000.0, kowalski, zak, 5.0);
    addRepayment(loan, 384.0);
    addContribution(nowak, "10", 50.0);
    addContribution(nowak, "20", 30.0);
    refreshFund();
    goToMember(nowak);
    const char* names[] = {"card_personal.png", "card_loans.png", "card_contributions.png"};
    for (int page = 0; page < 3; ++page) {
        window->setPage(TFCzlonkowie::Page(page));
        QApplication::processEvents();
        EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QString::fromLatin1(names[page]))));
    }
    window->loansPage()->showGuarantors();
    window->setPage(TFCzlonkowie::LoansPage);
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath("card_guarantors.png")));
}

} // namespace
} // namespace kzp::test
