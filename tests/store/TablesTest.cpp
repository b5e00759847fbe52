#include "StoreFixture.h"

#include "store/Transaction.h"

#include <QFile>

using namespace store;

TEST_F(StoreTest, StructureReadBackMatchesWhatWasCreated)
{
    const TableStructure all{{{"Id", FieldType::AutoInc, 0},
                              {"I", FieldType::Integer, 0},
                              {"S", FieldType::Smallint, 0},
                              {"T", FieldType::String, 40},
                              {"M", FieldType::Money, 0},
                              {"F", FieldType::Float, 0},
                              {"D", FieldType::Date, 0},
                              {"B", FieldType::Boolean, 0},
                              {"O", FieldType::Memo, 0}},
                             {{{"T", "D"}, false, {}}, {{"I"}, true, "\"I\" > 0"}}};
    Tables tables(db);
    tables.create(fund("ALLTYPES"), all);
    EXPECT_EQ(tables.structure(fund("alltypes")), all);

    tables.createLike(fund("COPYOF"), fund("ALLTYPES"));
    EXPECT_EQ(tables.structure(fund("COPYOF")), all);
}

TEST_F(StoreTest, TableNamesCompareWithoutLetterCase)
{
    Tables tables(db);
    tables.create(fund("CZLONKOWIE"), people());
    EXPECT_TRUE(tables.exists(fund("czlonkowie")));
    EXPECT_TRUE(tables.exists(fund("Czlonkowie")));
    EXPECT_FALSE(tables.exists(work("CZLONKOWIE")));
    tables.drop(fund("czlonkowie"));
    EXPECT_FALSE(tables.exists(fund("CZLONKOWIE")));
}

TEST_F(StoreTest, AskingAboutAFolderWithoutDatabaseCreatesNothing)
{
    QDir(dir.path()).mkdir("Kas2");
    Tables tables(db);
    EXPECT_FALSE(tables.exists({dir.filePath("Kas2"), "CZLONKOWIE"}));
    EXPECT_FALSE(QFile::exists(dir.filePath("Kas2/dane.sqlite")));
    EXPECT_TRUE(tables.names(dir.filePath("Kas2")).isEmpty());
}

TEST_F(StoreTest, CopyTakesStructureAndRows)
{
    Tables tables(db);
    tables.create(fund("P"), people());
    Cursor c(db, "P");
    c.setTable(fund("P"));
    c.open();
    addPeople(c, {{"Nowak", 1}, {"Lis", 2}});
    tables.copy(fund("P"), work("SKOP_P"));
    EXPECT_EQ(tables.structure(work("SKOP_P")), people());
    EXPECT_EQ(tables.rowCount(work("SKOP_P")), 2);
}

TEST_F(StoreTest, TextLongerThanItsFieldIsCutOnWrite)
{
    Tables(db).create(fund("P"), people());
    Cursor c(db, "P");
    c.setTable(fund("P"));
    c.open();
    c.append();
    c.setValue("Imie", "Bartłomiejek-Józef");
    c.post();
    EXPECT_EQ(c.field("Imie").asString(), "Bartłomiej");
}

TEST_F(StoreTest, RolledBackTransactionLeavesBothFilesUnchanged)
{
    Tables tables(db);
    tables.create(work("W"), people());
    tables.create(fund("F"), people());
    Cursor w(db, "W"), f(db, "F");
    w.setTable(work("W"));
    f.setTable(fund("F"));
    w.open();
    f.open();
    addPeople(w, {{"Stary", 1}});
    {
        Transaction tx(db);
        addPeople(w, {{"Nowy", 2}});
        addPeople(f, {{"Nowy", 2}});
        // leaving the scope without commit rolls back
    }
    {
        Transaction tx(db);
        addPeople(f, {{"Zatwierdzony", 3}});
        tx.commit();
    }
    // A second connection sees what the files hold.
    Database other;
    other.open(dir.path());
    EXPECT_EQ(Tables(other).rowCount(work("W")), 1);
    EXPECT_EQ(Tables(other).rowCount(fund("F")), 1);
}

TEST_F(StoreTest, NestedTransactionRollsBackOnlyItsOwnPart)
{
    Tables(db).create(fund("F"), people());
    Cursor f(db, "F");
    f.setTable(fund("F"));
    f.open();
    Transaction outer(db);
    addPeople(f, {{"A", 1}});
    {
        Transaction inner(db);
        addPeople(f, {{"B", 2}});
    }
    outer.commit();
    f.refresh();
    EXPECT_EQ(column(f, "Nazwisko"), QStringList{"A"});
}
