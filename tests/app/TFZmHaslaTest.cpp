// Changing one's own password: the checks, the stored hash, the messages, the window closing.
#include "AdminWindowsFixture.h"

#include "app/TFZmHasla.h"
#include "data/PasswordHash.h"
#include "support/PolishTyping.h"

#include <QLineEdit>
#include <QPushButton>

namespace kzp::test {
namespace {

class TFZmHaslaTest : public AdminWindowsFixture {
protected:
    // Opens the window, types the three fields and presses OK.
    void change(const QString& oldPassword, const QString& newPassword, const QString& repeated)
    {
        TFZmHasla window(*ctx);
        showAndWait(window);
        EXPECT_TRUE(window.oldPasswordEdit()->text().isEmpty());
        typeText(window.oldPasswordEdit(), oldPassword);
        typeText(window.newPasswordEdit(), newPassword);
        typeText(window.repeatedPasswordEdit(), repeated);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BBOk")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible()) << "the window closes after OK whatever happened";
    }

    QString storedHash(int id)
    {
        store::Cursor& h = dm->THasla;
        for (h.first(); !h.eof(); h.next())
            if (h.field("Identyfikator").asInt() == id)
                return h.field("Haslo").asString();
        return QString();
    }

    void expectMessage(const QString& text, Dialogs::Icon icon)
    {
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, text);
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("Kontrola operacji."));
        EXPECT_EQ(dialogs.last().icon, icon);
        dialogs.clear();
    }
};

const QString Changed = QStringLiteral("Hasło zostało zmienione !!!");
const QString Wrong = QStringLiteral("Niewłaściwe dane do zmiany hasła !!!");

TEST_F(TFZmHaslaTest, ChecksOldPasswordAndRepetitionAndStoresOnlyAHash)
{
    struct Case {
        QString oldPassword;
        QString newPassword;
        QString repeated;
        bool changes;
    };
    const QList<Case> cases = {
        {QStringLiteral("zle"), QStringLiteral("nowe"), QStringLiteral("nowe"), false},
        {QStringLiteral("Admin"), QStringLiteral("nowe"), QStringLiteral("nowe"), false}, // letter case counts
        {QStringLiteral("admin"), QStringLiteral("nowe"), QStringLiteral("nowe "), false},
        {QStringLiteral("admin"), QStringLiteral("Zażółć1234"), QStringLiteral("Zażółć1234"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oldPassword.toStdString() + "/" + c.newPassword.toStdString() + "/" +
                     c.repeated.toStdString());
        const QString before = storedHash(1);
        change(c.oldPassword, c.newPassword, c.repeated);
        expectMessage(c.changes ? Changed : Wrong, c.changes ? Dialogs::Icon::Information : Dialogs::Icon::Error);
        const QString after = storedHash(1);
        if (c.changes) {
            EXPECT_NE(after, c.newPassword);
            EXPECT_TRUE(PasswordHash::verify(c.newPassword, after));
            EXPECT_FALSE(PasswordHash::verify(QStringLiteral("admin"), after));
        } else {
            EXPECT_EQ(after, before);
        }
    }
}

TEST_F(TFZmHaslaTest, SecondChangeInARunNeedsThePasswordValidAtStart)
{
    change(QStringLiteral("admin"), QStringLiteral("pierwsze"), QStringLiteral("pierwsze"));
    expectMessage(Changed, Dialogs::Icon::Information);

    change(QStringLiteral("pierwsze"), QStringLiteral("drugie"), QStringLiteral("drugie"));
    expectMessage(Wrong, Dialogs::Icon::Error);
    EXPECT_TRUE(PasswordHash::verify(QStringLiteral("pierwsze"), storedHash(1)));

    change(QStringLiteral("admin"), QStringLiteral("drugie"), QStringLiteral("drugie"));
    expectMessage(Changed, Dialogs::Icon::Information);
    EXPECT_TRUE(PasswordHash::verify(QStringLiteral("drugie"), storedHash(1)));
}

TEST_F(TFZmHaslaTest, UserWithoutPasswordGivesAnEmptyOldOne)
{
    store::Cursor& h = dm->THasla;
    h.insert();
    h.setValue("NazwaKrotka", QStringLiteral("NOWY"));
    h.setValue("NazwaPelna", QStringLiteral("Nowy użytkownik"));
    h.post();
    const int id = h.field("Identyfikator").asInt();
    loginAs(id);

    change(QString(), QStringLiteral("haslo"), QStringLiteral("haslo"));
    expectMessage(Changed, Dialogs::Icon::Information);
    EXPECT_TRUE(PasswordHash::verify(QStringLiteral("haslo"), storedHash(id)));
    EXPECT_TRUE(PasswordHash::verify(QStringLiteral("admin"), storedHash(1))) << "nobody else's password changes";
    ASSERT_TRUE(h.locate(QStringLiteral("Identyfikator"), {id}));
    EXPECT_EQ(h.field("IdentZm").asInt(), id);
}

TEST_F(TFZmHaslaTest, UserMissingFromTheTableIsToldNothingChanged)
{
    session.currentUser.identyfikator = 99;
    change(QStringLiteral("admin"), QStringLiteral("nowe"), QStringLiteral("nowe"));
    expectMessage(QStringLiteral("Nie udało się zmienić hasła !!!"), Dialogs::Icon::Error);
}

TEST_F(TFZmHaslaTest, FieldsAreMaskedAndTakeTenCharacters)
{
    TFZmHasla window(*ctx);
    window.newPasswordEdit()->setText(QStringLiteral("x"));
    showAndWait(window);
    for (QLineEdit* e : {window.oldPasswordEdit(), window.newPasswordEdit(), window.repeatedPasswordEdit()}) {
        EXPECT_EQ(e->echoMode(), QLineEdit::Password);
        EXPECT_EQ(e->maxLength(), 10);
        EXPECT_TRUE(e->text().isEmpty()) << "emptied when shown";
    }
}

} // namespace
} // namespace kzp::test
