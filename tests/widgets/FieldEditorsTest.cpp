#include "CursorFixture.h"

#include "store/StoreError.h"
#include "support/PolishTyping.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldCheckBox.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldLookupCombo.h"
#include "widgets/FieldMemo.h"

#include <QApplication>
#include <QToolButton>
#include <QTest>
#include <QVBoxLayout>

namespace widgets::test {
namespace {

class FieldEditorsTest : public CursorFixture {
protected:
    void SetUp() override
    {
        CursorFixture::SetUp();
        people->hooks("Kwota").onValidate = [](store::Field& f) {
            if (f.asFloat() < 0)
                throw store::RuleError("Kwota nie może być ujemna !!!");
        };
        fillPeople(5);
        window.resize(400, 300);
        new QVBoxLayout(&window);
    }

    template <class Editor>
    Editor* add(Editor* editor)
    {
        window.layout()->addWidget(editor);
        editor->show();
        return editor;
    }

    // Shows the window and types into the editor as a user would, then leaves it with Tab.
    void typeAndLeave(QWidget* editor, const QString& text, bool clearFirst = true)
    {
        showWindow();
        editor->setFocus();
        if (clearFirst) {
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(editor, Qt::Key_Delete);
        }
        kzp::test::typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Tab);
    }

    void showWindow()
    {
        if (!window.isVisible()) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        }
    }

    QWidget window;
};

TEST_F(FieldEditorsTest, LineEditsWriteTypedTextOrKeepItWhenRefused)
{
    struct Case {
        const char* field;
        QString typed;
        QString shownAfter;  // the editor's text afterwards
        QVariant value;      // the field's value afterwards
        QString message;     // the refusal shown, if any
    };
    const QList<Case> cases = {
        {"Nazwisko", "Łęcka-Źdźbło", "Łęcka-Źdźbło", "Łęcka-Źdźbło", {}},
        {"Kwota", "12,5", "12,50", 12.5, {}},
        {"Kwota", "-5", "-5", 2.0, "Kwota nie może być ujemna !!!"},
        {"Kwota", "dwa", "dwa", 2.0, "„dwa” nie jest poprawną liczbą."},
        {"DataWpisu", "2003-02-30", "2003-02-30", QDate(2003, 5, 31), "„2003-02-30” nie jest poprawną datą."},
        {"DataWpisu", "2004-01-15", "2004-01-15", QDate(2004, 1, 15), {}},
        {"DataWpisu", "", "", QVariant(), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.typed.toStdString());
        people->cancel();
        people->setRecNo(2);
        dialogs.clear();
        FieldLineEdit* edit = QString(c.field) == "DataWpisu" ? add(new FieldDateEdit(dialogs, &window))
                                                              : add(new FieldLineEdit(dialogs, &window));
        auto* other = add(new FieldLineEdit(dialogs, &window));
        edit->bind(*people, c.field);
        other->bind(*people, "Nazwisko");
        typeAndLeave(edit, c.typed);

        EXPECT_EQ(people->state(), store::Cursor::State::Edit);
        EXPECT_EQ(people->field(c.field).value(), c.value);
        EXPECT_EQ(edit->text(), c.shownAfter);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.shown().isEmpty());
        } else {
            ASSERT_EQ(dialogs.texts(), QStringList{c.message});
            EXPECT_EQ(dialogs.last().icon, kzp::Dialogs::Icon::Error);
            EXPECT_TRUE(edit->hasFocus()) << "a refused text keeps the focus";
        }
        delete edit;
        delete other;
    }
}

TEST_F(FieldEditorsTest, EditorsFollowTheCursorAndAreReadOnlyWhenItIsClosed)
{
    auto* name = add(new FieldLineEdit(dialogs, &window));
    auto* active = add(new FieldCheckBox(dialogs, &window));
    auto* notes = add(new FieldMemo(dialogs, &window));
    name->bind(*people, "Nazwisko");
    active->bind(*people, "Aktywny");
    notes->bind(*people, "Uwagi");
    EXPECT_EQ(name->text(), personName(0));
    EXPECT_TRUE(active->isChecked());

    people->setRecNo(3);
    EXPECT_EQ(name->text(), personName(3));
    people->edit();
    people->field("Nazwisko").setValue("Zmiana w kodzie");
    people->field("Aktywny").setValue(false);
    people->field("Uwagi").setValue("dwie\nlinie");
    EXPECT_EQ(name->text(), "Zmiana w kodzie");
    EXPECT_FALSE(active->isChecked());
    EXPECT_EQ(notes->toPlainText(), "dwie\nlinie");
    people->cancel();
    EXPECT_EQ(name->text(), personName(3));
    EXPECT_TRUE(notes->toPlainText().isEmpty());

    EXPECT_FALSE(name->isReadOnly());
    people->close();
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_FALSE(active->isEnabled());
    EXPECT_TRUE(notes->isReadOnly());
    people->open();
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_EQ(name->text(), personName(0));
}

TEST_F(FieldEditorsTest, TypingIntoARowTheRulesDoNotLetChangeShowsTheRefusalAndTheRow)
{
    people->beforeEdit = [](store::Cursor&) { throw store::RuleError("Miesiąc zamknięty !!!"); };
    auto* name = add(new FieldLineEdit(dialogs, &window));
    name->bind(*people, "Nazwisko");
    showWindow();
    name->setFocus();
    kzp::test::typeText(name, "x");
    EXPECT_EQ(dialogs.texts(), QStringList{"Miesiąc zamknięty !!!"});
    EXPECT_EQ(people->state(), store::Cursor::State::Browse);
    EXPECT_EQ(name->text(), personName(0));
}

TEST_F(FieldEditorsTest, CheckBoxAndMemoWriteTheirFields)
{
    auto* active = add(new FieldCheckBox("Pracownik własny", dialogs, &window));
    auto* notes = add(new FieldMemo(dialogs, &window));
    active->bind(*people, "Aktywny");
    notes->bind(*people, "Uwagi");
    showWindow();

    ASSERT_TRUE(active->isEnabled());
    QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(6, active->height() / 2)); // on the box itself
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
    EXPECT_FALSE(people->field("Aktywny").asBool());

    typeAndLeave(notes, "Uwaga o żyrancie", false);
    EXPECT_EQ(people->field("Uwagi").asString(), "Uwaga o żyrancie");
    people->post();
    EXPECT_EQ(notes->toPlainText(), "Uwaga o żyrancie");
    EXPECT_FALSE(active->isChecked());

    // A click the rules refuse is undone on the box.
    people->hooks("Aktywny").onValidate = [](store::Field&) { throw store::RuleError("Nie wolno !!!"); };
    QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(6, active->height() / 2)); // on the box itself
    EXPECT_EQ(dialogs.texts(), QStringList{"Nie wolno !!!"});
    EXPECT_FALSE(active->isChecked());
    EXPECT_FALSE(people->field("Aktywny").asBool());
}

TEST_F(FieldEditorsTest, StoringFromTheNavigatorTakesTheTextStillInTheFocusedEditor)
{
    auto* amount = add(new FieldLineEdit(dialogs, &window));
    auto* navigator = add(new CursorNavigator(dialogs, &window));
    amount->bind(*people, "Kwota");
    navigator->bindCursor(*people);
    showWindow();
    people->setRecNo(1);
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    kzp::test::typeText(amount, "77");
    ASSERT_EQ(people->state(), store::Cursor::State::Edit);

    QTest::mouseClick(navigator->button(CursorNavigator::Post), Qt::LeftButton);

    EXPECT_EQ(people->state(), store::Cursor::State::Browse);
    EXPECT_EQ(people->field("Kwota").asFloat(), 77.0);

    // A refused pending text stops the store: the row stays in edit with the text typed.
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    kzp::test::typeText(amount, "-1");
    EXPECT_FALSE(navigator->trigger(CursorNavigator::Post));
    EXPECT_EQ(dialogs.texts(), QStringList{"Kwota nie może być ujemna !!!"});
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
    EXPECT_EQ(amount->text(), "-1");
}

TEST_F(FieldEditorsTest, LookupComboShowsTheListAndStoresTheKey)
{
    auto* department = add(new FieldLookupCombo(dialogs, &window));
    department->bind(*people, "Dzial", *departments, "Id", {{"Nazwa", "", 20}, {"Symbol", "", 5}});
    showWindow();
    // Person 0 is in department 1, person 1 in department 2.
    EXPECT_EQ(department->currentText(), "Księgowość");
    people->setRecNo(1);
    EXPECT_EQ(department->currentText(), "Produkcja");
    EXPECT_EQ(department->count(), 3);

    const int lodz = department->findText("Łódź");
    ASSERT_GE(lodz, 0);
    department->setFocus();
    department->setCurrentIndex(lodz);
    Q_EMIT department->activated(lodz); // what choosing from the open list does
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
    EXPECT_EQ(people->field("Dzial").asInt(), 3);
    people->post();
    EXPECT_EQ(department->currentText(), "Łódź");

    QTest::keyClick(department, Qt::Key_Delete);
    EXPECT_TRUE(people->field("Dzial").isNull());
    EXPECT_EQ(department->currentIndex(), -1);

    // A key with no row in the list shows nothing rather than a wrong row.
    people->field("Dzial").setValue(99);
    EXPECT_EQ(department->currentIndex(), -1);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    people->cancel();

    // A window may bind a combo again or let it go: neither touches a model the combo dropped.
    department->unbind();
    department->bind(*people, "Dzial", *departments, "Id", {{"Symbol", "", 5}});
    people->setRecNo(0);
    EXPECT_EQ(department->count(), 3);
    department->unbind();
    EXPECT_EQ(department->count(), 0);
}

} // namespace
} // namespace widgets::test
