#include "tools/DemoData.h"

#include "data/PasswordHash.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "hr/RegisterReader.h"
#include "store/Database.h"
#include "store/Tables.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kzp;

TEST(DemoData, MakesAWorkingDirectoryAClerkCanUse)
{
    QTemporaryDir dir;
    const demo::DemoSummary summary = demo::makeDemoWorkingDirectory(dir.path(), QDate(2026, 12, 11));
    EXPECT_EQ(summary.funds, 2);
    EXPECT_GE(summary.users, 4);
    EXPECT_GT(summary.members, 20);
    EXPECT_GT(summary.loans, 5);
    EXPECT_GT(summary.repayments, summary.loans);

    store::Database db;
    db.open(dir.path());
    TDM dm(db);
    dm.openSharedCursors();

    // One fund works with payroll, the other does not; both folders have their tables.
    store::Cursor& funds = dm.TKasy;
    ASSERT_EQ(funds.recordCount(), 2);
    QList<bool> payroll;
    for (funds.first(); !funds.eof(); funds.next()) {
        payroll << funds.field("CzyPlace").asBool();
        const QString folder = fundFolderPath(dir.path(), funds.field("Identyfikator").asInt());
        EXPECT_TRUE(store::Tables(db).exists({folder, table::Czlonkowie})) << folder.toStdString();
        EXPECT_EQ(funds.field("DataZamkniecia").asDate(), QDate(2026, 10, 31));
    }
    EXPECT_EQ(payroll, (QList<bool>{true, false}));

    // Users with different rights log in with their passwords.
    store::Cursor& users = dm.THasla;
    ASSERT_TRUE(users.locate("NazwaKrotka", {"KASJER"}));
    EXPECT_TRUE(PasswordHash::verify("kasa1", users.field("Haslo").asString()));
    EXPECT_FALSE(users.field("Administrator").asBool());
    ASSERT_TRUE(users.locate("NazwaKrotka", {"BYLY"}));
    EXPECT_FALSE(users.field("Aktywny").asBool());

    // The HR register is a real Paradox file with Polish letters intact.
    const hr::RegisterReader::Result hrFile = hr::RegisterReader().read(QDir(dir.path()).filePath("kadry/KADRY.DB"));
    ASSERT_TRUE(hrFile.ok()) << hrFile.message.toStdString();
    bool found = false;
    for (const hr::Employee& e : hrFile.employees)
        found = found || (e.Nazwisko == "Łukasik" && e.Imie1 == "Halina");
    EXPECT_TRUE(found);
}
