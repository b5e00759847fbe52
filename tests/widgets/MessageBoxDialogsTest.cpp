#include "widgets/MessageBoxDialogs.h"
#include "support/PolishTyping.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace kzp {
namespace {

// What the test saw of the box while it was on screen.
struct SeenBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
    QStringList buttons;
    QWidget* parent = nullptr;
};

// Once the modal box is up, records it and hands it to `act`, which must close it.
void whenBoxShown(SeenBox& seen, std::function<void(QMessageBox*)> act, int triesLeft = 200)
{
    QTimer::singleShot(0, [&seen, act, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                whenBoxShown(seen, act, triesLeft - 1);
            return;
        }
        seen.shown = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text());
        seen.buttons.sort();
        seen.parent = box->parentWidget();
        act(box);
    });
}

std::function<void(QMessageBox*)> press(const QString& label)
{
    return [label](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == label) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << label.toStdString();
        box->done(0);
    };
}

void pressEscape(QMessageBox* box)
{
    QTest::keyClick(box, Qt::Key_Escape);
}

TEST(MessageBoxDialogs, YesNoQuestionAnsweredNo)
{
    QWidget owner;
    MessageBoxDialogs dialogs(&owner);
    SeenBox seen;
    whenBoxShown(seen, press("Nie"));

    const bool yes = dialogs.askYesNo(QStringLiteral("Czy usunąć pożyczkę ?"), QStringLiteral("Kontrola"));

    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(yes);
    EXPECT_EQ(seen.caption, QStringLiteral("Kontrola"));
    EXPECT_EQ(seen.text, QStringLiteral("Czy usunąć pożyczkę ?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.defaultButton, QStringLiteral("Tak"));
    EXPECT_EQ(seen.buttons, (QStringList{"Nie", "Tak"}));
    EXPECT_EQ(seen.parent, &owner);
}

TEST(MessageBoxDialogs, AnswersTheButtonPressed)
{
    struct Case { int buttons; Dialogs::Button defaultButton; const char* label; Dialogs::Button answer; };
    const Case cases[] = {
        {Dialogs::Yes | Dialogs::No, Dialogs::No, "Tak", Dialogs::Yes},
        {Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::Yes, "Anuluj", Dialogs::Cancel},
        {Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::Yes, "Nie", Dialogs::No},
        {Dialogs::Ok, Dialogs::Ok, "OK", Dialogs::Ok},
    };
    MessageBoxDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SeenBox seen;
        whenBoxShown(seen, press(QString::fromUtf8(c.label)));
        const Dialogs::Button answer =
            dialogs.show({QStringLiteral("Pytanie"), QStringLiteral("Kontrola !!!"), Dialogs::Icon::Warning,
                          c.buttons, c.defaultButton});
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
    }
}

TEST(MessageBoxDialogs, EscapeAnswersCancelOrNo)
{
    struct Case { int buttons; Dialogs::Button answer; QStringList labels; };
    const Case cases[] = {
        {Dialogs::Yes | Dialogs::No, Dialogs::No, {"Nie", "Tak"}},
        {Dialogs::Yes | Dialogs::No | Dialogs::Cancel, Dialogs::Cancel, {"Anuluj", "Nie", "Tak"}},
        {Dialogs::Ok | Dialogs::Cancel, Dialogs::Cancel, {"Anuluj", "OK"}},
        {Dialogs::Ok, Dialogs::Ok, {"OK"}},
    };
    MessageBoxDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels.join(' ').toStdString());
        SeenBox seen;
        whenBoxShown(seen, pressEscape);
        const Dialogs::Button answer =
            dialogs.show({QStringLiteral("Pytanie"), QString(), Dialogs::Icon::Question, c.buttons, Dialogs::Yes});
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.buttons, c.labels);
    }
}

TEST(MessageBoxDialogs, ErrorBoxHasTheErrorIconAndOk)
{
    MessageBoxDialogs dialogs;
    SeenBox seen;
    whenBoxShown(seen, press("OK"));
    dialogs.error(QStringLiteral("Brak folderu danej kasy !!!"), QStringLiteral("Kontrola"));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_EQ(seen.text, QStringLiteral("Brak folderu danej kasy !!!"));
}

TEST(PolishTyping, TypesPolishLettersIntoALineEdit)
{
    QLineEdit edit;
    edit.show();
    test::typeText(&edit, QStringLiteral("Łódź żółć"));
    EXPECT_EQ(edit.text(), QStringLiteral("Łódź żółć"));
}

} // namespace
} // namespace kzp
