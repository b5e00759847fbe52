#include "AppFixture.h"

#include "app/logic/FundOpening.h"
#include "app/logic/UserList.h"
#include "data/FundTables.h"
#include "data/PasswordHash.h"
#include "data/TableNames.h"
#include "data/WorkingDirectory.h"
#include "store/Tables.h"

#include <QDir>

namespace kzp::test {

void AppFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previousCurrent = QDir::currentPath();
    m_db.open(m_dir.path());
    WorkingDirectory::initialise(m_db);
    m_dm = std::make_unique<TDM>(m_db);
    m_dm->userFullName = [this](int id) { return m_session.userFullName(id); };
    m_ctx = std::make_unique<RuleContext>(RuleContext{*m_dm, m_session, m_dialogs, {}});
    FundOpening::installHrRegisterRule(*m_ctx);
    m_session.workDir = m_dm->workDir();
    m_dm->openSharedCursors();
}

void AppFixture::TearDown()
{
    // Fund opening makes the working directory current; give the process its folder back.
    QDir::setCurrent(m_previousCurrent);
}

AppFixture::UserSpec AppFixture::clerk(const QString& shortName, std::initializer_list<int> rights)
{
    UserSpec user{shortName, QStringLiteral("Pani ") + shortName, shortName.toLower(), {}};
    for (bool& r : user.rights)
        r = false;
    for (int r : rights)
        user.rights[r] = true;
    return user;
}

void AppFixture::addUser(const UserSpec& user)
{
    static const char* const fields[6] = {"Aktywny",      "Administrator",    "Przegladanie",
                                          "Aktualizacja", "PrzenoszenieDoFK", "Zamkniecie"};
    store::Cursor& hasla = m_dm->THasla;
    hasla.append();
    hasla.setValue("NazwaKrotka", user.shortName);
    hasla.setValue("NazwaPelna", user.fullName);
    hasla.setValue("Haslo", PasswordHash::hash(user.password));
    for (int i = 0; i < 6; ++i)
        hasla.setValue(fields[i], user.rights[i]);
    hasla.post();
}

void AppFixture::addFund(int id, const QString& name, bool payroll, bool makeFolder, const QString& hrFolder)
{
    store::Cursor& kasy = m_dm->TKasy;
    kasy.append();
    kasy.setValue("Identyfikator", id);
    kasy.setValue("NazwaKasy", name);
    kasy.setValue("RodzajKasy", "K");
    kasy.setValue("CzyPlace", payroll);
    kasy.setValue("SciezkaKadr", hrFolder);
    kasy.post();
    if (makeFolder) {
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(fundFolderName(id)));
        FundTables(m_db).createFundTables(fundPath(id));
    }
}

void AppFixture::logInAs(const UserSpec& user, const DateTriple& date)
{
    m_session.users.clear();
    ASSERT_TRUE(UserList::load(*m_ctx));
    ASSERT_TRUE(UserList::login(*m_ctx, user.shortName, user.password, date));
    m_dialogs.clear();
}

QString AppFixture::fundPath(int id) const
{
    return QDir(m_dir.path()).filePath(fundFolderName(id));
}

bool AppFixture::tableExists(const QString& folder, const QString& name) const
{
    return store::Tables(const_cast<store::Database&>(m_db)).exists({folder, name});
}

} // namespace kzp::test
