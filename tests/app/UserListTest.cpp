// Loading the users once after start and the login check against them.
#include "AppFixture.h"

#include "app/logic/UserList.h"

namespace kzp::test {
namespace {

using UserListTest = AppFixture;

const QString UsersCaption = QStringLiteral("Kontrola użytkowników.");
const QString WrongLogin = QStringLiteral("Błędna nazwa użytkownika lub niewłaściwe hasło !!!");

TEST_F(UserListTest, LoadsEveryUserWithRightsAndHashes)
{
    addUser(clerk("KASJER", {RightActive, RightBrowse, RightUpdate}));
    ASSERT_TRUE(UserList::load(*m_ctx));
    ASSERT_EQ(m_session.users.size(), 2); // the administrator of a new working directory and KASJER
    const UserRecord& kasjer = m_session.users[1];
    EXPECT_EQ(kasjer.nazwaKrotka, "KASJER");
    EXPECT_EQ(kasjer.nazwaPelna, "Pani KASJER");
    EXPECT_TRUE(kasjer.rights[RightActive] && kasjer.rights[RightBrowse] && kasjer.rights[RightUpdate]);
    EXPECT_FALSE(kasjer.rights[RightAdministrator] || kasjer.rights[RightClosing]);
    EXPECT_NE(kasjer.haslo, "kasjer"); // never the password itself
    EXPECT_EQ(m_session.userFullName(kasjer.identyfikator), "Pani KASJER");
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(UserListTest, AListThatIsNotTheTableIsDroppedWithASystemError)
{
    addUser(clerk("KASJER", {RightActive}));
    // The cursor shows fewer rows than the table holds.
    m_dm->THasla.setFilter([](store::Cursor& c) { return c.field("NazwaKrotka").asString() != "KASJER"; });
    m_dm->THasla.setFiltered(true);
    EXPECT_FALSE(UserList::load(*m_ctx));
    EXPECT_TRUE(m_session.users.isEmpty());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, "Błąd wczytywania użytkowników !!!");
    EXPECT_EQ(m_dialogs.last().caption, "Błąd systemu.");
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
}

TEST_F(UserListTest, LoginMatchesNameAndPasswordExactly)
{
    UserSpec first = clerk("JAN", {RightActive, RightBrowse});
    first.password = "Tajne1234X"; // ten characters, the longest a password may be
    UserSpec second = clerk("JAN", {RightActive});
    second.fullName = "Jan Drugi";
    second.password = "inne";
    UserSpec third = clerk("JAN", {RightActive});
    third.fullName = "Jan Trzeci";
    third.password = "inne"; // same name and password as the second: the earlier one wins
    UserSpec fresh = clerk("NOWY", {RightActive});
    fresh.password = "";
    for (const UserSpec& u : {first, second, third, fresh})
        addUser(u);
    ASSERT_TRUE(UserList::load(*m_ctx));

    struct Case {
        QString name, password;
        QString loggedIn; // full name, or empty for a refusal
    };
    const Case cases[] = {
        {"JAN", "Tajne1234X", "Pani JAN"},
        {"JAN", "inne", "Jan Drugi"},
        {"JAN", "tajne1234x", ""},  // letter case of the password matters
        {"jan", "Tajne1234X", ""},  // and of the name
        {"JAN ", "Tajne1234X", ""}, // nothing is trimmed
        {"JAN", "", ""},
        {"NOWY", "", "Pani NOWY"}, // a new user logs in with an empty password
        {"NOWY", "x", ""},
        {"ADMIN", "admin", "Administrator"},
        {"", "", ""},
    };
    const DateTriple date{2003, 5, 31};
    for (const Case& c : cases) {
        SCOPED_TRACE((c.name + "/" + c.password).toStdString());
        m_session.currentUser = UserRecord{};
        m_session.processingDate = DateTriple{2001, 1, 1};
        m_dialogs.clear();
        const bool ok = UserList::login(*m_ctx, c.name, c.password, date);
        EXPECT_EQ(ok, !c.loggedIn.isEmpty());
        EXPECT_EQ(m_session.currentUser.nazwaPelna, c.loggedIn);
        if (ok) {
            EXPECT_EQ(m_session.processingDate, date);
            EXPECT_TRUE(m_dialogs.shown().isEmpty());
        } else {
            EXPECT_EQ(m_session.processingDate, (DateTriple{2001, 1, 1}));
            ASSERT_EQ(m_dialogs.shown().size(), 1);
            EXPECT_EQ(m_dialogs.last().text, WrongLogin);
            EXPECT_EQ(m_dialogs.last().caption, UsersCaption);
            EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
        }
    }
}

TEST_F(UserListTest, AnInactiveUserIsToldAndStillLoggedIn)
{
    UserSpec former = clerk("BYLY", {RightBrowse});
    former.fullName = "Józef Były";
    addUser(former);
    ASSERT_TRUE(UserList::load(*m_ctx));
    EXPECT_TRUE(UserList::login(*m_ctx, "BYLY", "byly", DateTriple{2003, 2, 28}));
    EXPECT_EQ(m_session.currentUser.nazwaPelna, "Józef Były");
    EXPECT_FALSE(m_session.hasRight(RightActive));
    EXPECT_EQ(m_session.processingDate, (DateTriple{2003, 2, 28}));
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, "Użytkownikowi: Józef Były cofnięto uprawnienia do pracy w systemie !!!\n "
                                     "Uprawnienia nadaje użytkownik z uprawnieniami administratora.");
    EXPECT_EQ(m_dialogs.last().caption, UsersCaption);
}

TEST_F(UserListTest, RightsOutsideTheSixAnswerNo)
{
    logInAs({"ADMIN", "Administrator", "admin", {}}, DateTriple{2003, 1, 1});
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(m_session.hasRight(i)) << i; // the first administrator has every right
    EXPECT_FALSE(m_session.hasRight(-1));
    EXPECT_FALSE(m_session.hasRight(6));
}

TEST_F(UserListTest, ChangesToTheTableReachTheListOnlyAtTheNextLoad)
{
    ASSERT_TRUE(UserList::load(*m_ctx));
    addUser(clerk("PÓŹNY", {RightActive}));
    EXPECT_FALSE(UserList::login(*m_ctx, "PÓŹNY", "późny", DateTriple{2003, 1, 1}));
}

} // namespace
} // namespace kzp::test
