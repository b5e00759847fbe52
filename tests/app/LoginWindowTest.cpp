// The login window at the first activation of the main window, and the period change.
#include "MainWindowFixture.h"

#include "app/TFStart.h"
#include "support/PolishTyping.h"
#include "widgets/CursorGrid.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace kzp::test {
namespace {

class LoginWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        addUser(clerk("KASJER", {RightActive, RightBrowse, RightUpdate}));
        addUser(clerk("BYLY", {RightBrowse}));
        addFund(1, "Kasa Zapomogowa", false);
    }

    TFStart& start() { return *m_window->start(); }

    void typeLogin(const QString& name, const QString& password)
    {
        start().EditNazwa->clear();
        start().EditHaslo->clear();
        typeText(start().EditNazwa, name);
        typeText(start().EditHaslo, password);
    }
    void chooseDate(int year, int month, int day)
    {
        start().SpinEditRok->setValue(year);
        start().SpinEditMc->setValue(month);
        start().SpinEditDzien->setValue(day);
    }
    void clickOk() { QTest::mouseClick(start().BitBtn1, Qt::LeftButton); }
};

TEST_F(LoginWindowTest, AGoodLoginShowsTheFundsTheDateAndTheOperator)
{
    whenModal([this](QWidget* w) {
        EXPECT_EQ(w, &start());
        EXPECT_TRUE(start().pnlLog->isVisible());
        EXPECT_EQ(start().SpinEditRok->value(), m_session.startDate.year);
        // A wrong password first: the window stays for another try.
        typeLogin("KASJER", "KASJER");
        clickOk();
        EXPECT_TRUE(start().isVisible());
        typeLogin("KASJER", "kasjer");
        chooseDate(2001, 3, 15);
        clickOk();
    });
    m_window->firstActivation();

    EXPECT_EQ(m_dialogs.texts(), QStringList{"Błędna nazwa użytkownika lub niewłaściwe hasło !!!"});
    EXPECT_EQ(m_dialogs.last().caption, "Kontrola użytkowników.");
    EXPECT_EQ(m_ended, 0);
    EXPECT_EQ(m_session.currentUser.nazwaKrotka, "KASJER");
    EXPECT_EQ(m_session.processingDate, (DateTriple{2001, 3, 15}));
    EXPECT_EQ(m_session.workDir, m_dm->workDir());
    EXPECT_EQ(m_window->pnlRok->text(), "2001");
    EXPECT_EQ(m_window->pnlMc->text(), "marzec");
    EXPECT_EQ(m_window->pnlDz->text(), "15");
    EXPECT_EQ(m_window->StatusData->text(), "Data przetwarzania:    15 marca 2001 roku");
    EXPECT_EQ(m_window->StatusOperator->text(), "Operator:    Pani KASJER");
    EXPECT_FALSE(m_window->DBGrid1->isHidden());
    QAbstractItemModel* model = m_window->DBGrid1->model();
    ASSERT_EQ(model->rowCount(), 1);
    const QStringList titles{"Typ", "Nazwa  Kasy", "Zamknięta.", "Zarejestrowano za m-c:", "Identyfikator"};
    for (int c = 0; c < titles.size(); ++c)
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), titles[c]);
    EXPECT_EQ(model->index(0, 0).data().toString(), " KZP ");
    EXPECT_EQ(model->index(0, 1).data().toString(), "Kasa Zapomogowa");
    EXPECT_FALSE(m_dm->reportFlag());
}

TEST_F(LoginWindowTest, AnInactiveUserOrNoLoginEndsTheProgram)
{
    whenModal([this](QWidget*) {
        typeLogin("BYLY", "byly");
        clickOk();
    });
    m_window->firstActivation();
    EXPECT_EQ(m_dialogs.texts(),
              QStringList{"Użytkownikowi: Pani BYLY cofnięto uprawnienia do pracy w systemie !!!\n Uprawnienia "
                          "nadaje użytkownik z uprawnieniami administratora."});
    EXPECT_EQ(m_ended, 1);

    // Zamknij before any login: the program ends without a word.
    m_window = std::make_unique<TFGlowny>(*m_ctx);
    m_window->endProgram = [this] { ++m_ended; };
    m_session.currentUser = UserRecord{};
    m_dialogs.clear();
    whenModal([this](QWidget*) {
        typeLogin("KASJER", "kasjer");
        QTest::mouseClick(start().BitBtn2, Qt::LeftButton);
    });
    m_window->firstActivation();
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(m_ended, 2);
    EXPECT_EQ(m_session.currentUser.identyfikator, 0);
}

TEST_F(LoginWindowTest, FieldsTakeTheLongestNameAndPassword)
{
    EXPECT_EQ(start().EditNazwa->maxLength(), 10);
    EXPECT_EQ(start().EditHaslo->maxLength(), 10);
    EXPECT_EQ(start().EditHaslo->echoMode(), QLineEdit::Password);
}

TEST_F(LoginWindowTest, TheDayFollowsTheMonthAndTheYearStaysWithinItsLimits)
{
    struct Case {
        int year, month, day;
        QDate expected;
    };
    const Case cases[] = {
        {2004, 2, 31, {2004, 2, 29}},
        {2001, 2, 31, {2001, 2, 28}},
        {2001, 4, 31, {2001, 4, 30}},
        {2000, 2, 30, {2000, 2, 29}},
        {1990, 6, 10, {1998, 6, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toString(Qt::ISODate).toStdString());
        chooseDate(2003, 1, 1);
        // The year typed by hand and the field left, as a clerk would.
        start().SpinEditRok->findChild<QLineEdit*>()->setText(QString::number(c.year));
        start().SpinEditRok->interpretText();
        start().SpinEditMc->setValue(c.month);
        start().SpinEditDzien->setValue(c.day);
        EXPECT_EQ(QDate(start().SpinEditRok->value(), start().SpinEditMc->value(), start().SpinEditDzien->value()),
                  c.expected);
        EXPECT_EQ(start().Calendar1->selectedDate(), c.expected);
    }
    // A click in the calendar puts its date into the spin edits.
    start().Calendar1->setSelectedDate(QDate(2010, 7, 4));
    EXPECT_EQ(start().SpinEditRok->value(), 2010);
    EXPECT_EQ(start().SpinEditMc->value(), 7);
    EXPECT_EQ(start().SpinEditDzien->value(), 4);
}

TEST_F(LoginWindowTest, APeriodChangeTakesTheNewDateOnlyOnOk)
{
    whenModal([this](QWidget*) {
        typeLogin("KASJER", "kasjer");
        chooseDate(2003, 5, 31);
        clickOk();
    });
    m_window->firstActivation();
    ASSERT_EQ(m_ended, 0);

    whenModal([this](QWidget*) {
        EXPECT_FALSE(start().pnlLog->isVisible());
        EXPECT_EQ(start().SpinEditDzien->value(), 31); // starts from the processing date
        chooseDate(2002, 12, 10);
        QTest::mouseClick(start().BitBtn2, Qt::LeftButton);
    });
    m_window->runCommand(Command::ZmianaOkresu);
    EXPECT_EQ(m_session.processingDate, (DateTriple{2003, 5, 31}));

    whenModal([this](QWidget*) {
        chooseDate(2002, 12, 10);
        clickOk();
    });
    QTest::mouseClick(m_window->pnlMc, Qt::LeftButton); // a click on a period panel changes the period
    EXPECT_EQ(m_session.processingDate, (DateTriple{2002, 12, 10}));
    EXPECT_EQ(m_session.currentUser.nazwaKrotka, "KASJER");
    EXPECT_FALSE(m_session.loginPending);
    EXPECT_EQ(m_window->pnlMc->text(), "grudzień");
    EXPECT_EQ(m_window->StatusData->text(), "Data przetwarzania:    10 grudnia 2002 roku");
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

} // namespace
} // namespace kzp::test
