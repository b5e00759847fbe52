// Names of fund folders and of the year's and month's tables, and how the data module uses them.
#include "DataFixture.h"

#include "data/FundTables.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "store/Tables.h"

#include <QDir>

namespace kzp::test {
namespace {

TEST(TableNames, MonthTablesOfAMonthAndOfTheMonthBefore)
{
    struct Case {
        int year, month;
        const char* current;
        const char* previous;
    };
    const Case cases[]{
        {2003, 5, "POTR20035", "POTR20034"},
        {2004, 1, "POTR20041", "POTR200312"},
        {2001, 11, "POTR200111", "POTR200110"},
        {2001, 3, "POTR20013", "POTR20012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(potrTableName(c.year, c.month), c.current);
        const YearMonth before = previousMonth(c.year, c.month);
        EXPECT_EQ(potrTableName(before.year, before.month), c.previous);
    }
    EXPECT_EQ(dokTableName(2003), "Dok2003");
    EXPECT_EQ(dokPozTableName(2003), "DokPoz2003");
    EXPECT_EQ(fundFolderName(7), "Kas7");
    EXPECT_EQ(fundFolderName(12), "Kas12");
}

class TDMPointing : public DataFixture {};

TEST_F(TDMPointing, FundSevenKeepsMembersInKas7UnderAnySpelling)
{
    FundTables(m_db).createFundTables(fundFolderName(7));
    const QString folder = fundFolderPath(workDir(), 7);
    EXPECT_EQ(QDir(folder).dirName(), "Kas7");
    EXPECT_TRUE(store::Tables(m_db).exists({folder, "CZLONKOWIE"}));
    EXPECT_TRUE(store::Tables(m_db).exists({folder, "czlonkowie"}));

    TDM dm(m_db);
    dm.pointAtFund("Kas7", 2003, 5);
    dm.TCzlonkowie.open();
    EXPECT_EQ(dm.TCzlonkowie.table().name.compare("czlonkowie", Qt::CaseInsensitive), 0);
    EXPECT_EQ(dm.TCzlonkowie.table().folder, folder);
}

TEST_F(TDMPointing, CursorsFollowTheFundAndTheProcessingDate)
{
    TDM dm(m_db);
    // Before any fund is opened the per-fund cursors carry plain names in the working directory.
    EXPECT_EQ(dm.TPotr.table().folder, workDir());
    EXPECT_EQ(dm.TPotr.table().name, "Potr");
    EXPECT_EQ(dm.TDokumenty.table().name, "Dokumenty");
    EXPECT_EQ(dm.TCzlonkowie.table().name, "czlonkowie");
    EXPECT_EQ(dm.TKasy.table().folder, workDir());

    dm.pointAtFund("Kas12", 2004, 1);
    const QString folder = fundFolderPath(workDir(), 12);
    const std::pair<store::Cursor*, const char*> expected[]{
        {&dm.TPotr, "POTR20041"},          {&dm.TPotrPoprzedniMc, "POTR200312"}, {&dm.TDokumenty, "Dok2004"},
        {&dm.TDokPoz, "DokPoz2004"},       {&dm.TDokPozRob, "DokPoz2004"},       {&dm.TCzlonkowie, "CZLONKOWIE"},
        {&dm.TZyranci, "CZLONKOWIE"},      {&dm.TPozyczkiZyrowane, "POZYCZKI"},  {&dm.TWplatyRob, "WPLATY"},
        {&dm.TRaty, "RATY"},               {&dm.TNumeryDok, "NUMERYDOK"},        {&dm.TOperKonta, "OPERACJEKONTA"},
    };
    for (const auto& [cursor, name] : expected) {
        SCOPED_TRACE(cursor->name().toStdString());
        EXPECT_EQ(cursor->table().name, name);
        EXPECT_EQ(cursor->table().folder, folder);
    }
    EXPECT_EQ(dm.TKasy.table().folder, workDir()); // shared tables stay where they are
    EXPECT_EQ(dm.fundFolder(), folder);

    dm.pointAtPlainNames();
    EXPECT_EQ(dm.TWplaty.table().folder, workDir());
    EXPECT_EQ(dm.TWplaty.table().name, "Wplaty");
    EXPECT_TRUE(dm.fundFolder().isEmpty());
}

TEST_F(TDMPointing, PointingAgainClosesTheOpenCursors)
{
    FundTables fund(m_db);
    fund.createFundTables("Kas1");
    fund.ensureYearTables("Kas1", 2003);
    fund.ensureMonthTables("Kas1", 2003, 5);
    fund.createFundTables("Kas2");

    TDM dm(m_db);
    dm.pointAtFund("Kas1", 2003, 5);
    dm.openFundCursors();
    for (store::Cursor* c : dm.fundCursors()) {
        const bool nextYear = c == &dm.TDokNRok || c == &dm.TPozNRok; // that pair does not exist yet
        EXPECT_EQ(c->isOpen(), !nextYear) << c->name().toStdString();
    }

    dm.pointAtFund("Kas2", 2003, 6);
    for (store::Cursor* c : dm.fundCursors())
        EXPECT_FALSE(c->isOpen()) << c->name().toStdString();
    EXPECT_EQ(dm.TCzlonkowie.table().folder, QDir(workDir()).filePath("Kas2"));
}

} // namespace
} // namespace kzp::test
