// Setting up a new working directory and bringing an older one up to date.
#include "DataFixture.h"

#include "data/Catalogue.h"
#include "data/PasswordHash.h"
#include "data/TDM.h"
#include "data/WorkingDirectory.h"
#include "store/StoreError.h"
#include "store/Tables.h"

#include <QSet>

namespace kzp::test {
namespace {

QSet<QString> column(store::Cursor& c, const QString& field)
{
    QSet<QString> values;
    for (c.first(); !c.eof(); c.next())
        values.insert(c.field(field).asString());
    return values;
}

class WorkingDirectoryTest : public DataFixture {};

TEST_F(WorkingDirectoryTest, NewDirectoryHoldsTheCodeRowsTheProgramNeeds)
{
    EXPECT_EQ(WorkingDirectory::schemaVersion(m_db), 0);
    WorkingDirectory::initialise(m_db);
    EXPECT_EQ(WorkingDirectory::schemaVersion(m_db), WorkingDirectory::SchemaVersion);

    TDM dm(m_db);
    dm.openSharedCursors();
    EXPECT_EQ(column(dm.TOperacje, "Operacja"), (QSet<QString>{"10", "20", "30", "40", "50", "XX"}));
    for (dm.TOperacje.first(); !dm.TOperacje.eof(); dm.TOperacje.next())
        EXPECT_FALSE(dm.TOperacje.field("OpisOperacji").asString().trimmed().isEmpty());
    EXPECT_EQ(column(dm.TForma, "Forma"), (QSet<QString>{"K", "R", "L", "P", "-", "*"}));
    EXPECT_EQ(dm.TForma.recordCount(), 6);
    EXPECT_TRUE(dm.TKodyDok.locate("Id", {1}));
    EXPECT_FALSE(dm.TKodyDok.field("Symbol").asString().isEmpty());
    EXPECT_TRUE(dm.TDzialy.locate("Identyfikator", {1}));
    EXPECT_EQ(dm.TParametry.recordCount(), 1);
    EXPECT_EQ(dm.TKasy.recordCount(), 0);
    EXPECT_TRUE(store::Tables(m_db).exists({workDir(), "STR_WYDRUK_POZ"}));

    ASSERT_EQ(dm.THasla.recordCount(), 1);
    dm.THasla.first();
    EXPECT_EQ(dm.THasla.field("NazwaKrotka").asString(), "ADMIN");
    for (const char* right : {"Aktywny", "Administrator", "Przegladanie", "Aktualizacja", "PrzenoszenieDoFK", "Zamkniecie"})
        EXPECT_TRUE(dm.THasla.field(right).asBool()) << right;
    const QString stored = dm.THasla.field("Haslo").asString();
    EXPECT_NE(stored, WorkingDirectory::InitialAdministratorPassword);
    EXPECT_TRUE(PasswordHash::verify("admin", stored));
    EXPECT_FALSE(PasswordHash::verify("ADMIN", stored));
    EXPECT_FALSE(PasswordHash::verify("admin ", stored));
    EXPECT_FALSE(PasswordHash::verify("", stored));
}

TEST_F(WorkingDirectoryTest, StartingAgainChangesNothing)
{
    WorkingDirectory::initialise(m_db, "Tajne1");
    TDM dm(m_db);
    dm.openSharedCursors();
    dm.THasla.first();
    const QString stored = dm.THasla.field("Haslo").asString();

    WorkingDirectory::initialise(m_db, "inne");
    dm.THasla.refresh();
    dm.TOperacje.refresh();
    EXPECT_EQ(dm.THasla.recordCount(), 1);
    EXPECT_EQ(dm.THasla.field("Haslo").asString(), stored);
    EXPECT_TRUE(PasswordHash::verify("Tajne1", stored));
    EXPECT_EQ(dm.TOperacje.recordCount(), 6);
}

TEST_F(WorkingDirectoryTest, UnversionedDirectoryKeepsItsRowsAndGetsWhatIsMissing)
{
    // A directory set up before versions were recorded: its own operation names, no forms table.
    store::Tables tables(m_db);
    tables.create({workDir(), "Operacje"}, Catalogue::operacje());
    m_db.exec("INSERT INTO main.Operacje VALUES ('10', 'Wpis'), ('60', 'Inna')");

    WorkingDirectory::initialise(m_db);
    EXPECT_EQ(WorkingDirectory::schemaVersion(m_db), 1);
    EXPECT_EQ(tables.rowCount({workDir(), "Operacje"}), 2);
    EXPECT_EQ(tables.rowCount({workDir(), "Forma"}), 6);
    EXPECT_EQ(tables.rowCount({workDir(), "hasla"}), 1);
}

TEST_F(WorkingDirectoryTest, DirectoryOfALaterVersionIsRefusedUntouched)
{
    m_db.exec("PRAGMA main.user_version = 99");
    EXPECT_THROW(WorkingDirectory::initialise(m_db), store::StoreError);
    EXPECT_TRUE(store::Tables(m_db).names(workDir()).isEmpty());
    EXPECT_EQ(WorkingDirectory::schemaVersion(m_db), 99);
}

TEST(PasswordHashTest, HashIsSaltedExactAndEmptyMeansNoPassword)
{
    const QString a = PasswordHash::hash("Zażółć7");
    const QString b = PasswordHash::hash("Zażółć7");
    EXPECT_NE(a, b); // each hash has its own salt
    EXPECT_TRUE(a.startsWith("$argon2id$"));
    EXPECT_LE(a.size(), Catalogue::PasswordHashWidth);
    EXPECT_TRUE(PasswordHash::verify("Zażółć7", b));
    EXPECT_FALSE(PasswordHash::verify("ZAŻÓŁĆ7", a));
    EXPECT_FALSE(PasswordHash::needsRehash(a));

    EXPECT_EQ(PasswordHash::hash(""), QString());
    EXPECT_TRUE(PasswordHash::verify("", ""));
    EXPECT_FALSE(PasswordHash::verify("x", ""));
    EXPECT_FALSE(PasswordHash::verify("admin", "admin")); // a plain text is not a hash
}

} // namespace
} // namespace kzp::test
