#include "CursorFixture.h"

#include "store/StoreError.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorNavigator.h"

#include <QToolButton>

namespace widgets::test {
namespace {

using Nav = CursorNavigator;

class CursorNavigatorTest : public CursorFixture {
protected:
    QList<Nav::Button> enabledButtons(const Nav& navigator)
    {
        QList<Nav::Button> enabled;
        for (Nav::Button b : Nav::allButtons())
            if (navigator.button(b)->isEnabled())
                enabled << b;
        return enabled;
    }
};

TEST_F(CursorNavigatorTest, EnabledButtonsFollowTheCursor)
{
    struct Case {
        const char* where;
        int rows;
        std::function<void(store::Cursor&)> put;
        QList<Nav::Button> enabled;
    };
    const QList<Case> cases = {
        {"closed", 3, [](store::Cursor& c) { c.close(); }, {}},
        {"empty", 0, [](store::Cursor&) {}, {Nav::Insert, Nav::Refresh}},
        {"first of three", 3, [](store::Cursor& c) { c.first(); },
         {Nav::Next, Nav::Last, Nav::Insert, Nav::Delete, Nav::Edit, Nav::Refresh}},
        {"middle", 3, [](store::Cursor& c) { c.setRecNo(1); },
         {Nav::First, Nav::Prior, Nav::Next, Nav::Last, Nav::Insert, Nav::Delete, Nav::Edit, Nav::Refresh}},
        {"last", 3, [](store::Cursor& c) { c.last(); },
         {Nav::First, Nav::Prior, Nav::Insert, Nav::Delete, Nav::Edit, Nav::Refresh}},
        {"only row", 1, [](store::Cursor&) {}, {Nav::Insert, Nav::Delete, Nav::Edit, Nav::Refresh}},
        {"editing the middle", 3, [](store::Cursor& c) { c.setRecNo(1); c.edit(); },
         {Nav::First, Nav::Prior, Nav::Next, Nav::Last, Nav::Insert, Nav::Delete, Nav::Post, Nav::Cancel}},
        {"inserting into empty", 0, [](store::Cursor& c) { c.insert(); },
         {Nav::Insert, Nav::Delete, Nav::Post, Nav::Cancel}},
    };
    for (const Case& c : cases) {
        fillPeople(c.rows);
        Nav navigator(dialogs);
        navigator.bindCursor(*people);
        c.put(*people);
        EXPECT_EQ(enabledButtons(navigator), c.enabled) << c.where;
    }
    Nav unbound(dialogs);
    EXPECT_TRUE(enabledButtons(unbound).isEmpty());
}

TEST_F(CursorNavigatorTest, ButtonsMoveAndEditTheCursor)
{
    fillPeople(4);
    Nav navigator(dialogs);
    navigator.bindCursor(*people);
    QList<Nav::Button> done;
    QObject::connect(&navigator, &Nav::triggered, [&](Nav::Button b) { done << b; });

    EXPECT_TRUE(navigator.trigger(Nav::Last));
    EXPECT_EQ(people->recNo(), 3);
    EXPECT_TRUE(navigator.trigger(Nav::Prior));
    EXPECT_EQ(people->recNo(), 2);
    EXPECT_TRUE(navigator.trigger(Nav::Edit));
    people->field("Kwota").setValue(5);
    EXPECT_TRUE(navigator.trigger(Nav::Cancel));
    EXPECT_EQ(people->field("Kwota").asFloat(), 2.0);
    EXPECT_TRUE(navigator.trigger(Nav::Insert));
    people->field("Nazwisko").setValue("Nowy");
    EXPECT_TRUE(navigator.trigger(Nav::Post));
    EXPECT_EQ(people->recordCount(), 5);
    EXPECT_FALSE(navigator.trigger(Nav::Post)) << "a disabled button does nothing";
    EXPECT_EQ(done, (QList<Nav::Button>{Nav::Last, Nav::Prior, Nav::Edit, Nav::Cancel, Nav::Insert, Nav::Post}));
}

TEST_F(CursorNavigatorTest, DeleteAsksTheWindowFirst)
{
    fillPeople(3);
    Nav navigator(dialogs);
    navigator.bindCursor(*people);
    QList<bool> answers = {false, true};
    int asked = 0;
    navigator.setDeleteConfirmation([&] { return answers.value(asked++); });

    EXPECT_FALSE(navigator.trigger(Nav::Delete));
    EXPECT_EQ(people->recordCount(), 3);
    EXPECT_TRUE(navigator.trigger(Nav::Delete));
    EXPECT_EQ(people->recordCount(), 2);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Without the window's question the navigator asks one of its own.
    Nav plain(dialogs);
    plain.bindCursor(*people);
    dialogs.answer(kzp::Dialogs::No);
    EXPECT_FALSE(plain.trigger(Nav::Delete));
    EXPECT_EQ(people->recordCount(), 2);
    EXPECT_EQ(dialogs.last().buttons, kzp::Dialogs::Yes | kzp::Dialogs::No);
}

TEST_F(CursorNavigatorTest, RefusedStoreKeepsTheRowOpenAndShowsWhy)
{
    fillPeople(2);
    people->beforePost = [](store::Cursor&) { throw store::RuleError("Brak nazwiska !!!"); };
    Nav navigator(dialogs);
    navigator.bindCursor(*people);
    navigator.trigger(Nav::Insert);
    EXPECT_FALSE(navigator.trigger(Nav::Post));
    EXPECT_EQ(dialogs.texts(), QStringList{"Brak nazwiska !!!"});
    EXPECT_EQ(people->state(), store::Cursor::State::Insert);
    EXPECT_TRUE(navigator.button(Nav::Post)->isEnabled());
}

TEST_F(CursorNavigatorTest, WindowChoosesButtonsAndHints)
{
    Nav navigator(dialogs);
    const QStringList hints = {"Początek ", "Poprzedni", "Następny", "Koniec", "Dopis nowej osoby do kasy ",
                               "Usuwanie osoby z KASY", "Popraw", "Zapiszt", "Anuluj zmiany", "Odśwież "};
    navigator.setHints(hints);
    navigator.setVisibleButtons({Nav::First, Nav::Prior, Nav::Next, Nav::Last, Nav::Refresh});
    for (Nav::Button b : Nav::allButtons()) {
        EXPECT_EQ(navigator.button(b)->toolTip(), hints[b]);
        EXPECT_EQ(!navigator.button(b)->isHidden(),
                  b <= Nav::Last || b == Nav::Refresh);
    }
}

TEST(CommandBoundaryTest, TurnsWhatACommandThrowsIntoWhatTheUserSees)
{
    struct Case {
        const char* what;
        std::function<void()> command;
        bool succeeds;
        QString shown; // empty: nothing shown
    };
    const QList<Case> cases = {
        {"runs to its end", [] {}, true, {}},
        {"rule refusal", [] { throw store::RuleError("Miesiąc zamknięty !!!"); }, false, "Miesiąc zamknięty !!!"},
        {"silent abandon", [] { throw store::Abort(); }, false, {}},
        {"database refusal", [] { throw store::StoreError(2067, "UNIQUE constraint failed: OSOBY.Id"); }, false,
         "Błąd zapisu danych: UNIQUE constraint failed: OSOBY.Id"},
        {"anything else", [] { throw std::runtime_error("bad_alloc"); }, false, "Błąd programu: bad_alloc"},
    };
    for (const Case& c : cases) {
        kzp::test::ScriptedDialogs dialogs;
        EXPECT_EQ(runCommand(dialogs, c.command), c.succeeds) << c.what;
        if (c.shown.isEmpty()) {
            EXPECT_TRUE(dialogs.shown().isEmpty()) << c.what;
            continue;
        }
        ASSERT_EQ(dialogs.shown().size(), 1) << c.what;
        EXPECT_EQ(dialogs.last().text, c.shown) << c.what;
        EXPECT_EQ(dialogs.last().caption, "Błąd") << c.what;
        EXPECT_EQ(dialogs.last().icon, kzp::Dialogs::Icon::Error) << c.what;
    }
}

} // namespace
} // namespace widgets::test
