#include "common/DocumentNumbers.h"
#include "common/FieldDates.h"
#include "common/PendingChanges.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/Tables.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kzp;
using store::Cursor;
using store::FieldType;

namespace {

class CursorHelpersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open(dir.path());
        store::Tables tables(db);
        tables.create({dir.path(), "NUMERYDOK"}, {{{"Rok", FieldType::Integer, 0},
                                                   {"Mc", FieldType::Integer, 0},
                                                   {"IdKoduDok", FieldType::Integer, 0},
                                                   {"NrWstawiony", FieldType::Integer, 0}}, {}});
        tables.create({dir.path(), "WPLATY"}, {{{"Identyfikator", FieldType::AutoInc, 0},
                                                {"DataOperacji", FieldType::Date, 0},
                                                {"Kwota", FieldType::Money, 0}}, {}});
        numbering.setTable({dir.path(), "NUMERYDOK"});
        rows.setTable({dir.path(), "WPLATY"});
        rows.open();
    }

    QTemporaryDir dir;
    store::Database db;
    Cursor numbering{db, "TNumeryDok"};
    Cursor rows{db, "TWplaty"};
    test::ScriptedDialogs dialogs;
};

const QString Edited = "Zapisać zmiany?";
const QString Added = "Zapisać nową pozycję?";
const QString Caption = "  Kontrola wprowadzania  ";

} // namespace

TEST_F(CursorHelpersTest, NextDocumentNumberStartsAtOneAndLeavesTheCounterAlone)
{
    EXPECT_EQ(nextDocumentNumber(numbering, 2003, 1), 1);
    ASSERT_EQ(numbering.recordCount(), 1);
    EXPECT_EQ(numbering.field("NrWstawiony").asInt(), 0);
    numbering.edit();
    numbering.setValue("NrWstawiony", 5);
    numbering.post();
    EXPECT_EQ(nextDocumentNumber(numbering, 2003, 1), 6);
    EXPECT_EQ(nextDocumentNumber(numbering, 2003, 1), 6) << "asking does not use the number up";
    EXPECT_EQ(nextDocumentNumber(numbering, 2004, 1), 1);
    EXPECT_EQ(nextDocumentNumber(numbering, 2003, 2), 1);
    EXPECT_EQ(numbering.recordCount(), 3);
}

TEST_F(CursorHelpersTest, PendingChangesQuestionFollowsTheAnswer)
{
    // Browsing: closes without a question.
    EXPECT_TRUE(askPendingChanges(Edited, Added, Caption, rows, dialogs));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    rows.append();
    rows.setValue("Kwota", 10.0);
    dialogs.answer(Dialogs::Cancel);
    EXPECT_FALSE(askPendingChanges(Edited, Added, Caption, rows, dialogs));
    EXPECT_EQ(dialogs.last().text, Added);
    EXPECT_EQ(dialogs.last().caption, Caption);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dialogs.last().buttons, Dialogs::Yes | Dialogs::No | Dialogs::Cancel);
    EXPECT_EQ(rows.state(), Cursor::State::Insert);

    dialogs.answer(Dialogs::Yes);
    EXPECT_TRUE(askPendingChanges(Edited, Added, Caption, rows, dialogs));
    EXPECT_EQ(rows.recordCount(), 1);

    rows.edit();
    rows.setValue("Kwota", 99.0);
    dialogs.answer(Dialogs::No);
    EXPECT_TRUE(askPendingChanges(Edited, Added, Caption, rows, dialogs));
    EXPECT_EQ(dialogs.last().text, Edited);
    EXPECT_DOUBLE_EQ(rows.field("Kwota").asFloat(), 10.0);
}

TEST_F(CursorHelpersTest, RefusedStoreOnClosingIsShownAndKeepsTheWindowOpen)
{
    rows.beforePost = [](Cursor& c) {
        if (c.field("DataOperacji").isNull())
            throw store::RuleError("Data operacji niepoprawna");
    };
    rows.append();
    rows.setValue("Kwota", 1.0);
    dialogs.answer(Dialogs::Yes);
    EXPECT_FALSE(askPendingChanges(Edited, Added, Caption, rows, dialogs));
    EXPECT_EQ(dialogs.last().text, "Data operacji niepoprawna");
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(rows.state(), Cursor::State::Insert);
    EXPECT_DOUBLE_EQ(rows.field("Kwota").asFloat(), 1.0);
}

TEST_F(CursorHelpersTest, DateFieldsCompareWithTriplesAndEmptyIsEarliest)
{
    rows.append();
    const store::Field date = rows.field("DataOperacji");
    const DateTriple d1998 = DateTriple::fromValues(1998, 1, 1);
    EXPECT_TRUE(fieldBefore(date, d1998));
    EXPECT_TRUE(fieldNotAfter(date, d1998));
    EXPECT_FALSE(fieldAfter(date, d1998));
    EXPECT_TRUE(tripleFromField(date).isEmpty());
    rows.cancel();

    // Setting a date puts a browsing cursor into edit; year 0 empties the field.
    rows.append();
    rows.setValue("Kwota", 1.0);
    rows.post();
    setFieldFromTriple(DateTriple::fromValues(2003, 5, 31), rows.field("DataOperacji"));
    EXPECT_EQ(rows.state(), Cursor::State::Edit);
    EXPECT_TRUE(fieldEquals(rows.field("DataOperacji"), DateTriple::fromValues(2003, 5, 31)));
    EXPECT_TRUE(fieldAfter(rows.field("DataOperacji"), DateTriple::fromValues(2003, 5, 30)));
    EXPECT_TRUE(fieldNotBefore(rows.field("DataOperacji"), DateTriple::fromValues(2003, 5, 31)));
    setFieldFromTriple(DateTriple{}, rows.field("DataOperacji"));
    EXPECT_TRUE(rows.field("DataOperacji").isNull());
}
