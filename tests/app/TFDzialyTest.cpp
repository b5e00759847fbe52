// The departments window and the departments' deletion rule.
#include "AdminWindowsFixture.h"

#include "app/TFDzialy.h"
#include "widgets/CursorNavigator.h"

#include <QMenu>
#include <QToolButton>

namespace kzp::test {
namespace {

using widgets::CursorNavigator;

class TFDzialyTest : public AdminWindowsFixture {
protected:
    void SetUp() override
    {
        AdminWindowsFixture::SetUp();
        window = std::make_unique<TFDzialy>(*ctx);
        showAndWait(*window);
    }

    store::Cursor& dzialy() { return dm->TDzialy; }

    QAction* menuAction(const QString& text)
    {
        for (QAction* a : window->gridMenu()->actions())
            if (a->text() == text)
                return a;
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }

    std::unique_ptr<TFDzialy> window;
};

TEST_F(TFDzialyTest, DeletingADepartmentNeedsAnAdministratorAndAYes)
{
    const QString question = QStringLiteral(" Skasowanie Dzialu spowoduje utratę przypisań członków do tego działu!!!\n"
                                            " Czy chcesz skasować wybraną dział ?    ");
    struct Case {
        const char* what;
        bool administrator;
        Dialogs::Button answer;
        QStringList texts;
        int rowsAfter;
    };
    const QList<Case> cases = {
        {"no administrator", false, Dialogs::NoButton,
         {QStringLiteral("Brak uprawnień ADMINISTRATORA do skasowania działu !!!")}, 1},
        {"answered No", true, Dialogs::No, {question, QStringLiteral(" Zrezygnowano z kasowania !!! ")}, 1},
        {"answered Yes", true, Dialogs::Yes, {question}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        session.currentUser.rights[RightAdministrator] = c.administrator;
        dialogs.clear();
        if (c.answer != Dialogs::NoButton)
            dialogs.answer(c.answer);
        window->navigator()->trigger(CursorNavigator::Delete);
        EXPECT_EQ(dialogs.texts(), c.texts);
        if (c.answer != Dialogs::NoButton) {
            EXPECT_EQ(dialogs.shown().first().icon, Dialogs::Icon::Question);
        }
        EXPECT_EQ(dzialy().recordCount(), c.rowsAfter);
    }
}

TEST_F(TFDzialyTest, ClosingWhileAddingAsksAndCancelKeepsTheWindow)
{
    ASSERT_TRUE(menuAction(QStringLiteral("Dopisz konto")));
    menuAction(QStringLiteral("Dopisz konto"))->trigger();
    ASSERT_EQ(dzialy().state(), store::Cursor::State::Insert);

    dialogs.answer(Dialogs::Cancel);
    pressEscape(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dzialy().state(), store::Cursor::State::Insert);

    dialogs.answer(Dialogs::No);
    pressEscape(*window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dzialy().state(), store::Cursor::State::Browse);
    EXPECT_EQ(dzialy().recordCount(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList(2, QStringLiteral(" Czy dopisać nowy Dział ?")));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania  "));

    // An edited department asks the other question; Yes stores it.
    showAndWait(*window);
    dialogs.clear();
    dzialy().edit();
    dzialy().setValue("Symbol", QStringLiteral("KS"));
    dialogs.answer(Dialogs::Yes);
    pressEscape(*window);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(" Czy zapisać zmiany w Działach !!!")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dzialy().field("Symbol").asString(), QStringLiteral("KS"));
}

TEST_F(TFDzialyTest, MenuStoresAndCancelsOnlyWhileEditing)
{
    QAction* post = menuAction(QStringLiteral("Zapisz "));
    QAction* cancel = menuAction(QStringLiteral("Anuluj"));
    ASSERT_TRUE(post && cancel);
    Q_EMIT window->gridMenu()->aboutToShow();
    EXPECT_FALSE(post->isEnabled());
    EXPECT_FALSE(cancel->isEnabled());

    menuAction(QStringLiteral("Dopisz konto"))->trigger();
    dzialy().setValue("Symbol", QStringLiteral("ZP"));
    dzialy().setValue("NazwaDzialu", QStringLiteral("Zaopatrzenie"));
    Q_EMIT window->gridMenu()->aboutToShow();
    EXPECT_TRUE(post->isEnabled());
    post->trigger();
    EXPECT_EQ(dzialy().state(), store::Cursor::State::Browse);
    EXPECT_EQ(dzialy().recordCount(), 2);
}

TEST_F(TFDzialyTest, PrintButtonWaitsForItsHandler)
{
    QToolButton* print = window->printButton();
    EXPECT_EQ(print->toolTip(), QStringLiteral("Wydruk / Podgląd "));
    EXPECT_FALSE(print->isEnabled());
    int runs = 0;
    window->setPrintHandler([&] { ++runs; });
    ASSERT_TRUE(print->isEnabled());
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    window->setPrintHandler(nullptr);
    EXPECT_FALSE(print->isEnabled());
}

TEST_F(TFDzialyTest, NavigatorHints)
{
    QStringList hints;
    for (CursorNavigator::Button b : CursorNavigator::allButtons())
        hints << window->navigator()->button(b)->toolTip();
    EXPECT_EQ(hints, (QStringList{QString(), "Prior record", "Next record", "Last record",
                                  QStringLiteral("Dopisz nowy dział"), QStringLiteral("Skasuj Dział"),
                                  QStringLiteral("Zmień"), "Zapisz", "Anuluj", QStringLiteral("Odświerz")}));
}

} // namespace
} // namespace kzp::test
