#pragma once

#include "common/DateTriple.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kzp::test {

// A new working directory as the program makes it on first start (administrator ADMIN/admin),
// with its data module, a session and scripted message boxes.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    struct UserSpec {
        QString shortName;
        QString fullName;
        QString password;
        bool rights[6];
    };
    // Adds a user to the users table (the password stored as the program stores it).
    void addUser(const UserSpec& user);
    // Adds a fund row with that identifier; with makeFolder its folder and base tables are made.
    void addFund(int id, const QString& name, bool payroll, bool makeFolder = true,
                 const QString& hrFolder = QString());
    // Logs the user in directly, as the login window would.
    void logInAs(const UserSpec& user, const DateTriple& date);
    QString fundPath(int id) const;
    bool tableExists(const QString& folder, const QString& name) const;

    static UserSpec clerk(const QString& shortName, std::initializer_list<int> rights);

    QTemporaryDir m_dir;
    store::Database m_db;
    std::unique_ptr<TDM> m_dm;
    Session m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<RuleContext> m_ctx;
    QString m_previousCurrent;
};

} // namespace kzp::test
