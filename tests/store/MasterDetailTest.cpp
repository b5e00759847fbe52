#include "StoreFixture.h"

#include <QFile>

using namespace store;

namespace {

class MasterDetailTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        Tables tables(db);
        tables.create(fund("CZLONKOWIE"), people());
        tables.create(fund("WPLATY"), {{{"IdentyfikatorPracownika", FieldType::Integer, 0},
                                        {"Identyfikator", FieldType::AutoInc, 0},
                                        {"Kwota", FieldType::Money, 0},
                                        {"Operacja", FieldType::String, 2}},
                                       {{{"IdentyfikatorPracownika"}, false, {}}}});
        tables.create(work("OPERACJE"), {{{"Operacja", FieldType::String, 2}, {"OpisOperacji", FieldType::String, 10}}, {}});
        members.setTable(fund("CZLONKOWIE"));
        members.setIndexFieldNames("Nazwisko");
        payments.setTable(fund("WPLATY"));
        payments.setIndexFieldNames("IdentyfikatorPracownika");
        payments.setMasterSource(&members, "IdentyfikatorPracownika", "Id");
        operations.setTable(work("OPERACJE"));
    }

    void pay(double amount, const QString& operation = "20")
    {
        payments.append();
        payments.setValue("Kwota", amount);
        payments.setValue("Operacja", operation);
        payments.post();
    }

    Cursor members{db, "TCzlonkowie"};
    Cursor payments{db, "TWplaty"};
    Cursor operations{db, "TOperacje"};
};

} // namespace

TEST_F(MasterDetailTest, DetailFollowsItsMasterAndNewRowsBelongToIt)
{
    members.open();
    payments.open();
    addPeople(members, {{"Kowalski", 1}, {"Nowak", 2}});
    members.findKey({"Kowalski"});
    pay(10);
    pay(20);
    members.findKey({"Nowak"});
    EXPECT_TRUE(payments.isEmpty());
    pay(5);
    EXPECT_EQ(payments.field("IdentyfikatorPracownika").asInt(), members.field("Id").asInt());
    members.findKey({"Kowalski"});
    EXPECT_EQ(payments.recordCount(), 2);
    members.next();
    EXPECT_EQ(payments.recordCount(), 1);

    // A member being added has no rows yet; cancelling brings the old ones back.
    members.append();
    EXPECT_TRUE(payments.isEmpty());
    members.cancel();
    EXPECT_EQ(payments.recordCount(), 1);
}

TEST_F(MasterDetailTest, CalculatedAndLookUpFieldsFollowTheRow)
{
    operations.open();
    for (const auto& [code, text] : {std::pair{"10", "Wpisowe"}, std::pair{"20", "Składka"}}) {
        operations.append();
        operations.setValue("Operacja", code);
        operations.setValue("OpisOperacji", text);
        operations.post();
    }
    payments.addLookupField("OpisOperacji1", FieldType::String, 12, "Operacja", &operations, "Operacja", "OpisOperacji");
    members.addCalculatedField("Wklad", FieldType::Money);
    int calculations = 0;
    members.onCalcFields = [&](Cursor& c) {
        ++calculations;
        Statement q = db.prepare("SELECT coalesce(sum(Kwota),0) FROM " + Tables(db).qualified(fund("WPLATY")) +
                                 " WHERE IdentyfikatorPracownika = ? AND Operacja = '20'");
        q.bind(1, c.value("Id"));
        q.step();
        c.field("Wklad").setValue(q.real(0));
    };
    members.open();
    payments.open();
    addPeople(members, {{"Kowalski", 1}});
    pay(10, "10");
    pay(20);
    pay(30);
    payments.first();
    EXPECT_EQ(payments.field("OpisOperacji1").asString(), "Wpisowe");
    payments.next();
    EXPECT_EQ(payments.field("OpisOperacji1").asString(), "Składka");
    members.refresh();
    members.first();
    EXPECT_DOUBLE_EQ(members.field("Wklad").asFloat(), 50.0);
    EXPECT_GT(calculations, 0);
    // Setting a stored field is refused outside edit; calculated fields cannot be set by hand there either.
    EXPECT_THROW(members.setValue("Nazwisko", "X"), StoreError);
}

TEST_F(MasterDetailTest, RowsForGridsCarryTheirOwnCalculatedValues)
{
    members.addCalculatedField("Opis", FieldType::String, 30);
    members.onCalcFields = [](Cursor& c) {
        c.field("Opis").setValue(c.field("Nazwisko").asString() + " #" + c.field("Nr").asString());
    };
    members.open();
    addPeople(members, {{"Adamski", 1}, {"Bąk", 2}, {"Cichy", 3}});
    members.first();
    const QVector<Record> rows = members.recordsAt(1, 5);
    ASSERT_EQ(rows.size(), 2);
    const int opis = members.fieldIndex("Opis");
    EXPECT_EQ(rows[0].values[opis].toString(), "Bąk #2");
    EXPECT_EQ(rows[1].values[opis].toString(), "Cichy #3");
    EXPECT_EQ(members.field("Opis").asString(), "Adamski #1") << "the current row is untouched";
    QString shown;
    members.withRecord(rows[1], [&](Cursor& c) { shown = c.field("Nazwisko").displayText(); });
    EXPECT_EQ(shown, "Cichy");
}

TEST_F(MasterDetailTest, DisabledControlsPauseDetailsUntilEnabled)
{
    members.open();
    payments.open();
    addPeople(members, {{"Kowalski", 1}, {"Nowak", 2}});
    members.findKey({"Kowalski"});
    pay(1);
    members.disableControls();
    members.findKey({"Nowak"});
    EXPECT_EQ(payments.recordCount(), 1) << "still the rows of the earlier master";
    members.enableControls();
    EXPECT_TRUE(payments.isEmpty());
}

TEST_F(MasterDetailTest, LookUpIntoAFolderWithoutDatabaseStaysEmptyAndCreatesNothing)
{
    QDir(dir.path()).mkdir("Kas9");
    Cursor elsewhere(db, "TOperacje");
    elsewhere.setTable({dir.filePath("Kas9"), "OPERACJE"});
    payments.addLookupField("OpisOperacji1", FieldType::String, 12, "Operacja", &elsewhere, "Operacja", "OpisOperacji");
    members.open();
    payments.open();
    addPeople(members, {{"Kowalski", 1}});
    pay(10);
    EXPECT_TRUE(payments.field("OpisOperacji1").isNull());
    EXPECT_FALSE(QFile::exists(dir.filePath("Kas9/dane.sqlite")));
}

TEST_F(MasterDetailTest, RefreshingTheCurrentRecordRecomputesItsCalculatedFields)
{
    members.addCalculatedField("Suma", FieldType::Money);
    members.onCalcFields = [&](Cursor& c) {
        Statement q = db.prepare("SELECT coalesce(sum(Kwota),0) FROM " + Tables(db).qualified(fund("WPLATY")) +
                                 " WHERE IdentyfikatorPracownika = ?");
        q.bind(1, c.value("Id"));
        q.step();
        c.field("Suma").setValue(q.real(0));
    };
    members.open();
    payments.open();
    addPeople(members, {{"Kowalski", 1}, {"Nowak", 2}});
    members.findKey({"Nowak"});
    pay(12.5);
    EXPECT_DOUBLE_EQ(members.field("Suma").asFloat(), 0.0) << "read before the payment";
    members.refreshRecord();
    EXPECT_DOUBLE_EQ(members.field("Suma").asFloat(), 12.5);
    EXPECT_EQ(members.field("Nazwisko").asString(), "Nowak");
    EXPECT_EQ(payments.recordCount(), 1);
}
