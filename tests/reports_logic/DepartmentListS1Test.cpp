#include "reports/logic/DepartmentListS1.h"

#include "data/Session.h"
#include "data/TDM.h"
#include "data/WorkingDirectory.h"
#include "report/Report.h"
#include "report/TextExport.h"
#include "store/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kzp;

namespace {

class DepartmentListS1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open(dir.path());
        WorkingDirectory::initialise(db);
        dm = std::make_unique<TDM>(db);
        dm->openSharedCursors();
        store::Cursor& company = dm->TParametry;
        company.first();
        company.edit();
        company.setValue("NazwaFirmy", "Zakłady „Beskid” S.A.");
        company.setValue("Kod_Pocz", "43-300");
        company.setValue("Miejscowosc", "Bielsko-Biała");
        company.setValue("Ulica", "Żywiecka");
        company.setValue("NrDomu", "12");
        company.post();
        session.startDate = DateTriple::fromValues(2003, 5, 31);
    }

    void addDepartments(int count)
    {
        for (int i = 0; i < count; ++i) {
            dm->TDzialy.append();
            dm->TDzialy.setValue("NazwaDzialu", QString("Wydział ślusarski nr %1").arg(i + 2));
            dm->TDzialy.setValue("Symbol", QString("W%1").arg(i + 2));
            dm->TDzialy.post();
        }
    }

    QTemporaryDir dir;
    store::Database db;
    std::unique_ptr<TDM> dm;
    Session session;
};

} // namespace

TEST_F(DepartmentListS1Test, ListsCompanyEveryDepartmentAndTheClosingLine)
{
    addDepartments(3);
    dm->TDzialy.first();
    dm->TDzialy.next();
    const auto mark = dm->TDzialy.bookmark();
    const QString text = report::toText(makeDepartmentListS1(*dm, session)->run());
    for (const char* expected : {"Zakłady „Beskid” S.A.", "43-300  Bielsko-Biała Żywiecka 12", "Data druku: 31-05-2003.",
                                 "Słownik - Działy", "( S1 )", "Symbol działu", "Nazwa działu", "Koniec"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    // The general department first, then the others in table order, numbered.
    const qsizetype general = text.indexOf("Dział ogólny");
    const qsizetype second = text.indexOf("Wydział ślusarski nr 2");
    const qsizetype fourth = text.indexOf("Wydział ślusarski nr 4");
    EXPECT_TRUE(general >= 0 && general < second && second < fourth) << text.toStdString();
    EXPECT_TRUE(text.contains("4.")) << text.toStdString();
    EXPECT_FALSE(text.contains("5.")) << text.toStdString();
    EXPECT_EQ(dm->TDzialy.bookmark(), mark) << "the window's current department is kept";
}

TEST_F(DepartmentListS1Test, ManyDepartmentsRunOverPagesWithTheHeadingOnEach)
{
    addDepartments(80);
    const report::PageSet pages = makeDepartmentListS1(*dm, session)->run();
    ASSERT_GE(pages.pageCount(), 2);
    const QString text = report::toText(pages);
    EXPECT_EQ(text.count("Symbol działu"), qsizetype(pages.pageCount())) << "column header on every page";
    EXPECT_EQ(text.count("Koniec"), 1);
    EXPECT_TRUE(text.contains("81."));
}
