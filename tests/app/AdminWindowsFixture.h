#pragma once

#include "data/DepartmentRules.h"
#include "data/FundRegisterRules.h"
#include "data/RuleContext.h"
#include "data/UserRules.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "data/WorkingDirectory.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace kzp::test {

// A new working directory with the data module over it and the administrator logged in (his
// password is "admin"); messages go to scripted dialogs.
class AdminWindowsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        db.open(dir.path());
        WorkingDirectory::initialise(db, QStringLiteral("admin"));
        dm = std::make_unique<TDM>(db);
        dm->userFullName = [this](int id) { return session.userFullName(id); };
        dm->openSharedCursors();
        loginAs(1);
        ctx = std::make_unique<RuleContext>(RuleContext{*dm, session, dialogs, {}});
        // As the program does at start.
        installFundRegisterRules(*ctx);
        installUserRules(*ctx);
        installDepartmentRules(*ctx);
    }

    // Makes the user with that identifier the current one, as the login does.
    void loginAs(int identyfikator)
    {
        store::Cursor& h = dm->THasla;
        session.users.clear();
        for (h.first(); !h.eof(); h.next()) {
            UserRecord u;
            const char* rights[] = {"Aktywny", "Administrator", "Przegladanie", "Aktualizacja", "PrzenoszenieDoFK",
                                    "Zamkniecie"};
            for (int i = 0; i < 6; ++i)
                u.rights[i] = h.field(rights[i]).asBool();
            u.identyfikator = h.field("Identyfikator").asInt();
            u.nazwaKrotka = h.field("NazwaKrotka").asString();
            u.haslo = h.field("Haslo").asString();
            u.nazwaPelna = h.field("NazwaPelna").asString();
            session.users << u;
        }
        h.first();
        session.currentUser = UserRecord();
        for (const UserRecord& u : session.users)
            if (u.identyfikator == identyfikator)
                session.currentUser = u;
        session.loginPending = false;
    }

    static void showAndWait(QWidget& w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QApplication::processEvents();
    }

    // Presses Esc in the window, as a user closing it does.
    static void pressEscape(QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }

    QTemporaryDir dir;
    store::Database db;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<RuleContext> ctx;
};

} // namespace kzp::test
