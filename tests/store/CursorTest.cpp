#include "StoreFixture.h"

using namespace store;

namespace {

class CursorTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        Tables(db).create(fund("P"), people());
        c.setTable(fund("P"));
    }
    Cursor c{db, "TPeople"};
};

} // namespace

TEST_F(CursorTest, WalksForwardAndBackWithEofAndBof)
{
    c.open();
    EXPECT_TRUE(c.isEmpty());
    EXPECT_TRUE(c.eof());
    addPeople(c, {{"A", 1}, {"B", 2}, {"C", 3}});
    EXPECT_EQ(c.recordCount(), 3);
    c.first();
    EXPECT_TRUE(c.bof());
    EXPECT_FALSE(c.eof());
    c.next();
    c.next();
    EXPECT_EQ(c.field("Nazwisko").asString(), "C");
    EXPECT_FALSE(c.eof());
    c.next();
    EXPECT_TRUE(c.eof());
    EXPECT_EQ(c.field("Nazwisko").asString(), "C");
    c.prior();
    EXPECT_EQ(c.field("Nazwisko").asString(), "B");
    EXPECT_EQ(c.moveBy(-5), -1);
    EXPECT_TRUE(c.bof());
    c.last();
    EXPECT_EQ(c.recNo(), 2);
}

TEST_F(CursorTest, BookmarksReturnToTheRowWhereverItMoved)
{
    c.setIndexFieldNames("Nazwisko");
    c.open();
    addPeople(c, {{"Kowalski", 1}, {"Nowak", 2}});
    c.findKey({"Nowak"});
    const auto mark = c.bookmark();
    addPeople(c, {{"Adamski", 3}, {"Bąk", 4}});
    EXPECT_TRUE(c.gotoBookmark(mark));
    EXPECT_EQ(c.field("Nazwisko").asString(), "Nowak");
    EXPECT_EQ(c.recNo(), 3);
    c.remove();
    EXPECT_FALSE(c.bookmarkValid(mark));
    EXPECT_FALSE(c.gotoBookmark(mark));
}

TEST_F(CursorTest, OrdersByPolishAlphabetWithoutRegardToCase)
{
    c.setIndexFieldNames("Nazwisko;Imie");
    c.open();
    addPeople(c, {{"Żak", 1}, {"Zając", 2}, {"Źrebiec", 3}, {"Łukasik", 4}, {"Lis", 5}, {"Ścibor", 6},
                  {"Sowa", 7}, {"Ćwik", 8}, {"Cieślak", 9}, {"adamski", 10}, {"Ąbek", 11}, {"Ołów", 12},
                  {"Ósmy", 13}});
    EXPECT_EQ(column(c, "Nazwisko"), (QStringList{"adamski", "Ąbek", "Cieślak", "Ćwik", "Lis", "Łukasik", "Ołów",
                                                  "Ósmy", "Sowa", "Ścibor", "Zając", "Źrebiec", "Żak"}));
}

TEST_F(CursorTest, SearchesByKeyExactlyAndNearest)
{
    c.setIndexFieldNames("Nazwisko");
    c.open();
    addPeople(c, {{"Lis", 1}, {"Łukasik", 2}, {"Nowak", 3}, {"Kowalski", 4}});

    struct Case { QString typed; QString nearest; };
    const Case cases[] = {{"Ł", "Łukasik"}, {"ko", "Kowalski"}, {"Kowalskiz", "Lis"}, {"a", "Kowalski"},
                          {"Zzz", "Nowak"}, {"lu", "Łukasik"}};
    for (const Case& k : cases) {
        c.findNearest({k.typed});
        EXPECT_EQ(c.field("Nazwisko").asString(), k.nearest) << k.typed.toStdString();
    }
    EXPECT_TRUE(c.findKey({"nowak"}));
    EXPECT_EQ(c.field("Nr").asInt(), 3);
    EXPECT_FALSE(c.findKey({"Nowa"}));
    EXPECT_EQ(c.field("Nr").asInt(), 3) << "a failed search does not move";
}

TEST_F(CursorTest, LocatesWithCaseAndPartialOptions)
{
    c.setIndexFieldNames("Nr");
    c.open();
    addPeople(c, {{"Żółtowski", 1}, {"Nowak", 2}, {"żółw", 3}});
    EXPECT_FALSE(c.locate("Nazwisko", {"żółtowski"}));
    EXPECT_TRUE(c.locate("Nazwisko", {"żółtowski"}, {true, false}));
    EXPECT_EQ(c.field("Nr").asInt(), 1);
    EXPECT_TRUE(c.locate("Nazwisko", {"ŻÓŁW"}, {true, false}));
    EXPECT_EQ(c.field("Nr").asInt(), 3);
    EXPECT_TRUE(c.locate("Nazwisko;Nr", {"Now", 2}, {false, true}));
    EXPECT_EQ(c.field("Nazwisko").asString(), "Nowak");
}

TEST_F(CursorTest, FilterHidesAndShowsRows)
{
    c.setIndexFieldNames("Nr");
    c.open();
    addPeople(c, {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}});
    c.setFilter([](Cursor& cur) { return cur.field("Nr").asInt() % 2 == 0; });
    c.setFiltered(true);
    EXPECT_EQ(column(c, "Nazwisko"), (QStringList{"B", "D"}));
    // A row posted that the filter rejects does not appear.
    addPeople(c, {{"E", 5}, {"F", 6}});
    EXPECT_EQ(column(c, "Nazwisko"), (QStringList{"B", "D", "F"}));
    c.setFiltered(false);
    EXPECT_EQ(c.recordCount(), 6);
}

TEST_F(CursorTest, EditedRowMovesToItsPlaceInTheOrder)
{
    c.setIndexFieldNames("Nazwisko");
    c.open();
    addPeople(c, {{"Adamski", 1}, {"Kowalski", 2}, {"Nowak", 3}});
    c.first();
    c.edit();
    c.setValue("Nazwisko", "Zieliński");
    c.post();
    EXPECT_EQ(c.field("Nazwisko").asString(), "Zieliński");
    EXPECT_EQ(c.recNo(), 2);
    EXPECT_EQ(column(c, "Nazwisko"), (QStringList{"Kowalski", "Nowak", "Zieliński"}));
}

TEST_F(CursorTest, RefusedPostKeepsTheTypedValues)
{
    c.beforePost = [](Cursor& cur) {
        if (cur.field("Nazwisko").asString().isEmpty())
            throw RuleError("Nazwisko musi być wypełnione !!!");
    };
    c.open();
    c.append();
    c.setValue("Nr", 7);
    EXPECT_THROW(c.post(), RuleError);
    EXPECT_EQ(c.state(), Cursor::State::Insert);
    EXPECT_EQ(c.field("Nr").asInt(), 7);
    c.setValue("Nazwisko", "Nowak");
    c.post();
    EXPECT_EQ(c.state(), Cursor::State::Browse);
    EXPECT_EQ(c.recordCount(), 1);
}

TEST_F(CursorTest, UniqueKeyRefusalReachesThePostErrorHandler)
{
    c.open();
    addPeople(c, {{"Nowak", 5}});
    // Without a handler the store error comes out and the insert stays open.
    c.append();
    c.setValue("Nazwisko", "Kowalski");
    c.setValue("Nr", 5);
    try {
        c.post();
        FAIL() << "the store accepted a second Nr 5";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.isUniqueViolation());
    }
    EXPECT_EQ(c.state(), Cursor::State::Insert);
    EXPECT_EQ(c.field("Nazwisko").asString(), "Kowalski");

    // A handler that cancels the insert and abandons the post silently.
    int calls = 0;
    c.onPostError = [&](Cursor& cur, const StoreError& e) {
        ++calls;
        EXPECT_TRUE(e.isUniqueViolation());
        cur.cancel();
        return Cursor::PostErrorAction::Abort;
    };
    EXPECT_THROW(c.post(), Abort);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(c.state(), Cursor::State::Browse);
    EXPECT_EQ(c.recordCount(), 1);
    // Rows without an employee number are outside the unique key.
    addPeople(c, {{"Bez numeru", 0}, {"Też bez", 0}});
    EXPECT_EQ(c.recordCount(), 3);
}

TEST_F(CursorTest, EventsRunInOrderAndRefusalsStopTheOperation)
{
    QStringList log;
    const auto note = [&](const char* what) { return [&log, what](Cursor&) { log << what; }; };
    c.beforeInsert = note("beforeInsert");
    c.onNewRecord = [&](Cursor& cur) { log << "onNewRecord"; cur.setValue("Kwota", 10.0); };
    c.afterInsert = note("afterInsert");
    c.beforePost = note("beforePost");
    c.afterPost = note("afterPost");
    c.beforeEdit = note("beforeEdit");
    c.afterEdit = note("afterEdit");
    c.beforeCancel = note("beforeCancel");
    c.afterCancel = note("afterCancel");
    c.afterDelete = note("afterDelete");
    c.open();
    c.append();
    EXPECT_DOUBLE_EQ(c.field("Kwota").asFloat(), 10.0);
    EXPECT_FALSE(c.isModified()) << "defaults of a new row are no change by the user";
    c.setValue("Nazwisko", "A");
    c.post();
    c.edit();
    c.setValue("Nazwisko", "B");
    c.cancel();
    EXPECT_EQ(c.field("Nazwisko").asString(), "A");
    c.beforeDelete = [](Cursor&) { throw RuleError("Nie wolno kasować !!!"); };
    EXPECT_THROW(c.remove(), RuleError);
    EXPECT_EQ(c.recordCount(), 1);
    c.beforeDelete = nullptr;
    c.remove();
    EXPECT_EQ(log, (QStringList{"beforeInsert", "onNewRecord", "afterInsert", "beforePost", "afterPost", "beforeEdit",
                                "afterEdit", "beforeCancel", "afterCancel", "afterDelete"}));
    EXPECT_TRUE(c.isEmpty());
}

TEST_F(CursorTest, MovingAwayPostsAPendingEditAndDeletingAnEmptyTableIsRefused)
{
    c.setIndexFieldNames("Nr");
    c.open();
    EXPECT_THROW(c.remove(), StoreError);
    addPeople(c, {{"A", 1}, {"B", 2}});
    c.first();
    c.edit();
    c.setValue("Imie", "Jan");
    c.next();
    EXPECT_EQ(c.state(), Cursor::State::Browse);
    c.first();
    EXPECT_EQ(c.field("Imie").asString(), "Jan");
    // Editing an empty view starts a new row.
    c.setCondition("\"Nr\" > 100");
    c.edit();
    EXPECT_EQ(c.state(), Cursor::State::Insert);
    c.cancel();
}

TEST_F(CursorTest, FieldHooksShapeTypedAndShownText)
{
    c.hooks("Data").onSetText = [](Field& f, const QString& text) {
        QVariant v;
        try {
            v = Field::parseText(FieldType::Date, text);
        } catch (const RuleError&) {
            f.clear();
            throw RuleError("Data  operacji musi być dobrze określona !!!");
        }
        f.setValue(v);
    };
    c.hooks("Nr").onGetText = [](const Field& f, bool display) {
        return display ? QString("nr %1").arg(f.asInt()) : QString::number(f.asInt());
    };
    c.hooks("Kwota").onValidate = [](Field& f) {
        if (f.asFloat() < 0)
            throw RuleError("Kwota ujemna !!!");
    };
    c.open();
    c.append();
    c.field("Data").setText("2003-05-31");
    EXPECT_EQ(c.field("Data").asDate(), QDate(2003, 5, 31));
    EXPECT_THROW(c.field("Data").setText("2003-02-30"), RuleError);
    EXPECT_TRUE(c.field("Data").isNull());
    c.setValue("Nr", 12);
    EXPECT_EQ(c.field("Nr").displayText(), "nr 12");
    c.setValue("Kwota", 5.5);
    EXPECT_THROW(c.setValue("Kwota", -1.0), RuleError);
    EXPECT_DOUBLE_EQ(c.field("Kwota").asFloat(), 5.5);
    c.field("Kwota").setText("1 234,5");
    EXPECT_EQ(c.field("Kwota").displayText(), "1 234,50 zł");
    EXPECT_THROW(c.field("Nr").setText("12a"), RuleError);
}

TEST_F(CursorTest, RowsReadDuringAnInsertAreTheStoredOnes)
{
    c.setIndexFieldNames("Nr");
    c.open();
    addPeople(c, {{"A", 1}, {"B", 2}, {"C", 3}});
    c.setRecNo(1);
    c.insert();
    const QVector<Record> rows = c.recordsAt(1, 1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_NE(rows[0].rowid, 0);
    EXPECT_EQ(rows[0].values[c.fieldIndex("Nazwisko")].toString(), "B");
    c.setValue("Nazwisko", "D");
    c.setValue("Nr", 4);
    c.setRecNo(c.recNo()); // staying put still ends the insert
    EXPECT_EQ(c.state(), Cursor::State::Browse);
    EXPECT_EQ(c.recordCount(), 4);
}
