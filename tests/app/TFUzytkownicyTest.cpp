// The users window and the users table's record rules.
#include "AdminWindowsFixture.h"

#include "app/TFUzytkownicy.h"
#include "data/UserRules.h"
#include "store/StoreError.h"
#include "support/PolishTyping.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/CursorTableModel.h"
#include "widgets/FieldLineEdit.h"

#include <QToolButton>

namespace kzp::test {
namespace {

using widgets::CursorNavigator;

class TFUzytkownicyTest : public AdminWindowsFixture {
protected:
    void SetUp() override
    {
        AdminWindowsFixture::SetUp();
        window = std::make_unique<TFUzytkownicy>(*ctx);
        showAndWait(*window);
    }

    store::Cursor& hasla() { return dm->THasla; }
    bool shortNameTypable() const { return window->shortNameEdit()->isEnabled(); }

    std::unique_ptr<TFUzytkownicy> window;
};

TEST_F(TFUzytkownicyTest, ShortNameCanBeTypedOnlyWhileAUserIsAdded)
{
    CursorNavigator* nav = window->navigator();
    EXPECT_FALSE(shortNameTypable()) << "at opening, on an existing user";

    ASSERT_TRUE(nav->trigger(CursorNavigator::Insert));
    EXPECT_TRUE(shortNameTypable());
    ASSERT_TRUE(nav->trigger(CursorNavigator::Cancel));
    EXPECT_FALSE(shortNameTypable()) << "after cancel";

    ASSERT_TRUE(nav->trigger(CursorNavigator::Insert));
    window->shortNameEdit()->setFocus();
    typeText(window->shortNameEdit(), QStringLiteral("JKOWAL"));
    auto* fullName = window->findChild<widgets::FieldLineEdit*>(QStringLiteral("DBEditNazwaPelna"));
    fullName->setFocus();
    typeText(fullName, QStringLiteral("Jan Kowalski-Żółć"));
    ASSERT_TRUE(nav->trigger(CursorNavigator::Post));
    EXPECT_FALSE(shortNameTypable()) << "after post";

    ASSERT_TRUE(nav->trigger(CursorNavigator::Edit));
    EXPECT_FALSE(shortNameTypable()) << "while an existing user is edited";
    ASSERT_TRUE(nav->trigger(CursorNavigator::Cancel));

    // The new user: stored with no rights, no password, stamped with who added him.
    EXPECT_EQ(hasla().field("NazwaKrotka").asString(), QStringLiteral("JKOWAL"));
    EXPECT_EQ(hasla().field("NazwaPelna").asString(), QStringLiteral("Jan Kowalski-Żółć"));
    for (const char* right : {"Aktywny", "Administrator", "Przegladanie", "Aktualizacja", "PrzenoszenieDoFK",
                              "Zamkniecie"}) {
        EXPECT_FALSE(hasla().field(right).isNull()) << right;
        EXPECT_FALSE(hasla().field(right).asBool()) << right;
    }
    EXPECT_EQ(hasla().field("Haslo").asString(), QString());
    EXPECT_EQ(hasla().field("IdentZm").asInt(), 1);
    EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(TFUzytkownicyTest, PostRefusesAnEmptyShortNameFirstThenAnEmptyFullName)
{
    struct Case {
        QString shortName;
        QString fullName;
        QString message;
    };
    const QList<Case> cases = {
        {QString(), QString(), QStringLiteral("Nazwa krótka użytkownika nie może być pusta !!!")},
        {QString(), QStringLiteral("Jan Nowak"), QStringLiteral("Nazwa krótka użytkownika nie może być pusta !!!")},
        {QStringLiteral("JNOWAK"), QString(), QStringLiteral("Nazwa pełna nie może być pusta !!!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortName.toStdString() + "/" + c.fullName.toStdString());
        ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Insert));
        hasla().setValue("NazwaKrotka", c.shortName);
        hasla().setValue("NazwaPelna", c.fullName);
        dialogs.clear();
        EXPECT_FALSE(window->navigator()->trigger(CursorNavigator::Post));
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        // The row stays in editing, the short name still typable.
        EXPECT_EQ(hasla().state(), store::Cursor::State::Insert);
        EXPECT_TRUE(shortNameTypable());
        ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Cancel));
    }
    EXPECT_EQ(hasla().recordCount(), 1);
}

TEST_F(TFUzytkownicyTest, UsersAreNeverDeleted)
{
    EXPECT_FALSE(window->navigator()->button(CursorNavigator::Delete)->isVisibleTo(window.get()));
    try {
        hasla().remove();
        FAIL() << "deleted";
    } catch (const store::RuleError& refusal) {
        EXPECT_EQ(refusal.message(), QStringLiteral("Nie wolno kasować użytkowników !!!"));
    }
    EXPECT_EQ(hasla().recordCount(), 1);
}

TEST_F(TFUzytkownicyTest, GridShowsRightsAsTakOrNie)
{
    hasla().edit();
    hasla().setValue("Administrator", false);
    hasla().post();
    widgets::CursorTableModel* model = window->grid()->cursorModel();
    auto cell = [&](const char* field) { return model->data(model->index(0, model->columnOf(field))).toString(); };
    EXPECT_EQ(cell("Aktywny"), QStringLiteral("Tak"));
    EXPECT_EQ(cell("Administrator"), QStringLiteral("Nie"));
    EXPECT_EQ(model->columnOf("PrzenoszenieDoFK"), -1);
    EXPECT_EQ(model->columnOf("Haslo"), -1);
}

TEST_F(TFUzytkownicyTest, ClosingAsksAboutAUserBeingEditedOrAdded)
{
    struct Case {
        bool adding;
        Dialogs::Button answer;
        bool closes;
    };
    for (const Case c : {Case{false, Dialogs::Cancel, false}, Case{false, Dialogs::Yes, true},
                         Case{true, Dialogs::No, true}}) {
        SCOPED_TRACE(std::to_string(c.adding) + "/" + std::to_string(c.answer));
        if (!window->isVisible())
            showAndWait(*window);
        if (!hasla().isEditing()) {
            if (c.adding) {
                window->navigator()->trigger(CursorNavigator::Insert);
            } else {
                hasla().edit();
                hasla().setValue("NazwaPelna", QStringLiteral("Główny administrator"));
            }
        }
        dialogs.clear();
        dialogs.answer(c.answer);
        pressEscape(*window);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, c.adding ? QStringLiteral(" Czy dopisać nowego użytkownika !!!")
                                                : QStringLiteral(" Czy zapisać zmiany dla użytkownika !!!"));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania użytkowników. "));
        EXPECT_EQ(window->isVisible(), !c.closes);
        EXPECT_FALSE(shortNameTypable());
    }
    hasla().first();
    EXPECT_EQ(hasla().field("NazwaPelna").asString(), QStringLiteral("Główny administrator"));
    EXPECT_EQ(hasla().recordCount(), 1);
}

TEST_F(TFUzytkownicyTest, ClosedWindowIsNoLongerToldAboutTheShortName)
{
    window.reset();
    hasla().insert(); // the rule runs without the window
    hasla().cancel();
    ASSERT_NE(UserRules::of(hasla()), nullptr);
    EXPECT_FALSE(UserRules::of(hasla())->shortNameEditable);
}

} // namespace
} // namespace kzp::test
