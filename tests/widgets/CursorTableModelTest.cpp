#include "CursorFixture.h"

#include "store/StoreError.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorTableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>

namespace widgets::test {
namespace {

const QList<GridColumn> peopleColumns = {
    {"Nazwisko", "Nazwisko", 20}, {"Kwota", "Kwota"}, {"DataWpisu", "Data wpisu"}, {"Opis", "Opis"}};

class CursorTableModelTest : public CursorFixture {
protected:
    void SetUp() override
    {
        CursorFixture::SetUp();
        // A calculated field: the model must show what the cursor's handler computes for each row.
        people->addCalculatedField("Opis", store::FieldType::String, 40);
        people->onCalcFields = [](store::Cursor& c) {
            c.field("Opis").setValue(c.field("Nazwisko").asString() + " / " + c.field("Kwota").asString());
        };
    }

    QString cell(const QAbstractItemModel& model, int row, int column)
    {
        return model.data(model.index(row, column)).toString();
    }
};

TEST_F(CursorTableModelTest, TenThousandRowsScrollThroughABoundedCache)
{
    fillPeople(10000);
    people->hooks("Nazwisko").onGetText = [](const store::Field& f, bool display) {
        return display ? f.asString().toUpper() : f.asString();
    };
    CursorGrid grid(dialogs);
    grid.bindCursor(*people, peopleColumns);
    CursorTableModel& model = *grid.cursorModel();
    model.setPaging(100, 4);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.resize(800, 600);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

    ASSERT_EQ(model.rowCount(), 10000);
    QScrollBar* bar = grid.verticalScrollBar();
    QElapsedTimer timer;
    timer.start();
    qint64 slowest = 0;
    int steps = 0;
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep(), ++steps) {
        QElapsedTimer step;
        step.start();
        bar->setValue(value);
        grid.viewport()->repaint();
        slowest = qMax(slowest, step.elapsed());
        ASSERT_LE(model.cachedRowCount(), 400);
    }
    const qint64 total = timer.elapsed();
    std::printf("[ scrolled 10000 rows in %d page steps: %lld ms, slowest step %lld ms, %d page reads ]\n", steps,
                total, slowest, model.pageLoads());
    EXPECT_LT(slowest, 250);

    // The texts come through the cursor's hooks and calculated fields, for rows far from the cursor.
    EXPECT_EQ(cell(model, 9876, 0), personName(9876).toUpper());
    EXPECT_EQ(cell(model, 9876, 1), "9 876,00 zł");
    EXPECT_EQ(cell(model, 9876, 2), "2003-05-31");
    EXPECT_EQ(cell(model, 9876, 3), personName(9876) + " / 9876");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Data wpisu");
    EXPECT_LE(model.cachedPageCount(), 4);

    // Jumping around reads a page per place, not the rows between.
    const int before = model.pageLoads();
    for (int row : {5, 9999, 5000, 123, 7777})
        EXPECT_EQ(cell(model, row, 0), personName(row).toUpper()) << row;
    EXPECT_LE(model.pageLoads() - before, 5);
}

TEST_F(CursorTableModelTest, CurrentRowFollowsTheCursorAndTheCursorFollowsTheGrid)
{
    fillPeople(500);
    CursorGrid grid(dialogs);
    grid.bindCursor(*people, peopleColumns);
    grid.resize(600, 400);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_EQ(grid.currentIndex().row(), 0);

    people->setRecNo(321);
    EXPECT_EQ(grid.currentIndex().row(), 321);
    people->last();
    EXPECT_EQ(grid.currentIndex().row(), 499);

    grid.setCurrentIndex(grid.model()->index(42, 1));
    EXPECT_EQ(people->recNo(), 42);
    EXPECT_EQ(people->field("Nazwisko").asString(), personName(42));

    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(people->recNo(), 43);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_GT(people->recNo(), 44);
    EXPECT_EQ(grid.currentIndex().row(), people->recNo());
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(people->recNo(), 499);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(people->recNo(), 0);

    int activated = 0;
    QObject::connect(&grid, &CursorGrid::rowActivated, [&] { ++activated; });
    QTest::keyClick(&grid, Qt::Key_Return);
    const QRect cellRect = grid.visualRect(grid.model()->index(3, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellRect.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellRect.center());
    EXPECT_EQ(activated, 2);
    EXPECT_EQ(people->recNo(), 3);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(CursorTableModelTest, AMoveTheRulesRefuseLeavesGridAndCursorOnTheEditedRow)
{
    fillPeople(50);
    people->beforePost = [](store::Cursor&) { throw store::RuleError("Kwota musi być dodatnia !!!"); };
    CursorGrid grid(dialogs);
    grid.bindCursor(*people, peopleColumns);
    people->setRecNo(7);
    people->edit();
    people->field("Kwota").setValue(-1);

    grid.setCurrentIndex(grid.model()->index(20, 0));

    EXPECT_EQ(dialogs.texts(), QStringList{"Kwota musi być dodatnia !!!"});
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
    EXPECT_EQ(people->recNo(), 7);
    EXPECT_EQ(people->field("Kwota").asFloat(), -1.0);
    EXPECT_EQ(grid.currentIndex().row(), 7);
}

TEST_F(CursorTableModelTest, ClickingAnotherRowWhileInsertingStoresTheNewRowAndLandsOnTheClickedOne)
{
    fillPeople(50);
    CursorGrid grid(dialogs);
    grid.bindCursor(*people, peopleColumns);
    people->setRecNo(10);
    people->insert();
    people->field("Nazwisko").setValue("Aaa nowy"); // sorts first: every row moves down after posting
    // Row 31 shows person 30 (the new row stands at 10).
    ASSERT_EQ(cell(*grid.model(), 31, 0), personName(30));

    grid.setCurrentIndex(grid.model()->index(31, 0));

    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(people->state(), store::Cursor::State::Browse);
    EXPECT_EQ(people->recordCount(), 51);
    EXPECT_EQ(people->field("Nazwisko").asString(), personName(30));
    EXPECT_EQ(grid.currentIndex().row(), people->recNo());
}

TEST_F(CursorTableModelTest, ShowsTheInsertedRowAtTheCursorAndTheEditBuffer)
{
    fillPeople(300);
    CursorTableModel model(*people);
    model.setColumns(peopleColumns);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    int reportedRow = -2;
    QObject::connect(&model, &CursorTableModel::currentRowChanged, [&](int row) { reportedRow = row; });
    // Read the rows around the cursor before it moves into insert or edit, as a grid would.
    people->setRecNo(150);
    for (int row = 140; row < 160; ++row)
        cell(model, row, 0);

    people->insert();
    people->field("Nazwisko").setValue("Nowak");
    people->field("Kwota").setValue(12.5);
    EXPECT_EQ(model.rowCount(), 301);
    EXPECT_EQ(model.insertRow(), 150);
    EXPECT_EQ(reportedRow, 150);
    EXPECT_EQ(cell(model, 150, 0), "Nowak");
    EXPECT_EQ(cell(model, 150, 3), "Nowak / 12.5");
    EXPECT_EQ(model.headerData(150, Qt::Vertical).toString(), "*");
    // The rows from the cursor's position on move one down, the one that was current included.
    EXPECT_EQ(cell(model, 149, 0), personName(149));
    EXPECT_EQ(cell(model, 151, 0), personName(150));
    EXPECT_EQ(cell(model, 300, 0), personName(299));

    people->cancel();
    EXPECT_EQ(model.rowCount(), 300);
    EXPECT_EQ(model.insertRow(), -1);
    EXPECT_EQ(cell(model, 150, 0), personName(150));
    EXPECT_EQ(reportedRow, 150);

    people->edit();
    people->field("Nazwisko").setValue("Zmieniony");
    EXPECT_EQ(cell(model, 150, 0), "Zmieniony");
    EXPECT_EQ(cell(model, 150, 3), "Zmieniony / 150");
    EXPECT_EQ(cell(model, 151, 0), personName(151));
    EXPECT_EQ(model.headerData(150, Qt::Vertical).toString(), "I");
    // Rows read while editing must not keep the buffer once the edit is cancelled.
    for (int row = 100; row < 200; ++row)
        cell(model, row, 0);
    people->cancel();
    people->next();
    EXPECT_EQ(cell(model, 150, 0), personName(150));

    // A stored new row takes its place in the order and the grid follows it.
    people->insert();
    people->field("Nazwisko").setValue("Osoba 000007a");
    people->post();
    EXPECT_EQ(model.rowCount(), 301);
    EXPECT_EQ(people->recNo(), 8);
    EXPECT_EQ(reportedRow, 8);
    EXPECT_EQ(cell(model, 8, 0), "Osoba 000007a");
    EXPECT_EQ(cell(model, 9, 0), personName(8));
}

TEST_F(CursorTableModelTest, StaysConsistentThroughEveryChangeOfTheCursor)
{
    struct Step {
        const char* what;
        std::function<void(store::Cursor&)> act;
        int rows;
    };
    const QList<Step> steps = {
        {"insert into empty", [](store::Cursor& c) { c.insert(); }, 1},
        {"post first", [](store::Cursor& c) { c.field("Nazwisko").setValue("B"); c.post(); }, 1},
        {"insert and cancel", [](store::Cursor& c) { c.insert(); c.cancel(); }, 1},
        {"append", [](store::Cursor& c) { c.append(); c.field("Nazwisko").setValue("A"); c.post(); }, 2},
        {"edit and post", [](store::Cursor& c) { c.edit(); c.field("Nazwisko").setValue("C"); c.post(); }, 2},
        {"delete", [](store::Cursor& c) { c.first(); c.remove(); }, 1},
        {"refresh", [](store::Cursor& c) { c.refresh(); }, 1},
        {"close", [](store::Cursor& c) { c.close(); }, 0},
        {"open", [](store::Cursor& c) { c.open(); }, 1},
        {"long walk without controls", [](store::Cursor& c) {
             c.disableControls();
             c.insert(); c.field("Nazwisko").setValue("D"); c.post();
             c.first();
             c.enableControls();
         }, 2},
    };
    fillPeople(0);
    CursorTableModel model(*people);
    model.setColumns(peopleColumns);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const Step& step : steps) {
        step.act(*people);
        EXPECT_EQ(model.rowCount(), step.rows) << step.what;
        EXPECT_EQ(model.currentRow(), people->isOpen() ? qMax(0, people->recNo()) : -1) << step.what;
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_FALSE(cell(model, row, 0).isEmpty() && model.insertRow() != row) << step.what << " row " << row;
    }
}

TEST_F(CursorTableModelTest, AnEditableGridWritesThroughTheFieldAndShowsRefusals)
{
    fillPeople(20);
    people->hooks("Kwota").onValidate = [](store::Field& f) {
        if (f.asFloat() < 0)
            throw store::RuleError("Kwota musi być dodatnia !!!");
    };
    CursorGrid grid(dialogs);
    grid.setEditable(true);
    grid.bindCursor(*people, peopleColumns);
    QAbstractItemModel& model = *grid.model();
    people->setRecNo(4);

    EXPECT_FALSE(model.flags(model.index(5, 1)) & Qt::ItemIsEditable); // not the current row
    EXPECT_FALSE(model.flags(model.index(4, 3)) & Qt::ItemIsEditable); // calculated
    EXPECT_EQ(model.data(model.index(4, 1), Qt::EditRole).toString(), "4,00");

    EXPECT_TRUE(model.setData(model.index(4, 1), "12,5"));
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
    EXPECT_EQ(people->field("Kwota").asFloat(), 12.5);

    EXPECT_FALSE(model.setData(model.index(4, 1), "-3"));
    EXPECT_EQ(dialogs.texts(), QStringList{"Kwota musi być dodatnia !!!"});
    EXPECT_EQ(people->field("Kwota").asFloat(), 12.5);
    EXPECT_EQ(people->state(), store::Cursor::State::Edit);
}

} // namespace
} // namespace widgets::test
