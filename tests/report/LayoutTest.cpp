#include "ReportFixtures.h"

#include "report/Report.h"

#include <gtest/gtest.h>

using namespace reporttest;
using report::Report;

namespace {

// Margins 10 mm, page header 10 mm, detail 5 mm, page footer 5 mm: the body of a portrait page is
// 297 - 20 - 10 - 5 = 262 mm, room for 52 rows.
TEST(Paging, RowsFlowOverPagesInOrderWithHeadersFootersAndPageNumbers)
{
    int row = -1;
    auto r = listReport(150, &row);
    r->pageFooter(5).addLabel({0, 0, 60, 5}, QStringLiteral("Stopka"));
    const report::PageSet pages = r->run();

    ASSERT_EQ(pages.pageCount(), 3);
    int expected = 1;
    for (int p = 0; p < 3; ++p) {
        const report::Page& page = pages.pages[p];
        const QStringList texts = pageTexts(page);
        EXPECT_EQ(texts.first(), QStringLiteral("Str: %1 z 3").arg(p + 1));
        EXPECT_EQ(texts.last(), QStringLiteral("Stopka"));
        const report::TextItem* footer = findText(page, QStringLiteral("Stopka"));
        for (const auto& t : page.texts) {
            if (t.text.startsWith(QLatin1String("Wiersz"))) {
                EXPECT_LE(t.rect.bottom(), footer->rect.top() + 1e-6) << t.text.toStdString() << " runs into the footer";
                EXPECT_EQ(t.text, QStringLiteral("Wiersz %1").arg(expected++));
            }
        }
    }
    EXPECT_EQ(expected, 151);
    EXPECT_EQ(pageTexts(pages.pages[0]).count(), 1 + 52 + 1);
    EXPECT_EQ(pageTexts(pages.pages[2]).mid(1, 46 + 1).last(), QStringLiteral("Koniec"));
}

TEST(Paging, EmptySourcePrintsOnePageWithHeaderAndSummary)
{
    int row = -1;
    auto r = listReport(0, &row);
    const auto pages = r->run();
    ASSERT_EQ(pages.pageCount(), 1);
    EXPECT_EQ(pageTexts(pages.pages[0]), QStringList({"Str: 1 z 1", "Koniec"}));
}

TEST(Paging, ABandTallerThanAPageGetsAPageOfItsOwnAndTheRunEnds)
{
    int row = -1;
    auto r = listReport(3, &row);
    r->detail().setHeight(400);
    const auto pages = r->run();
    ASSERT_EQ(pages.pageCount(), 4);
    EXPECT_EQ(pageTexts(pages.pages[1]), QStringList({"Str: 2 z 4", "Wiersz 2"}));
    EXPECT_EQ(pageTexts(pages.pages[3]), QStringList({"Str: 4 z 4", "Koniec"}));
}

TEST(Paging, LandscapeAndPortraitA4)
{
    Report r;
    EXPECT_EQ(r.run().pages[0].size, QSizeF(210, 297));
    r.setOrientation(report::Orientation::Landscape);
    const auto pages = r.run();
    EXPECT_EQ(pages.pages[0].size, QSizeF(297, 210));
    EXPECT_EQ(pages.orientation, report::Orientation::Landscape);
}

TEST(Paging, ProgressRisesToOneHundredWhenTheRowCountIsKnown)
{
    Report r;
    auto source = std::make_shared<report::CountSource>(400);
    r.setSource(source);
    r.detail(5).addField({0, 0, 20, 5}, [source] { return QString::number(source->row()); });
    std::vector<int> seen;
    r.run([&](int percent) { seen.push_back(percent); });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(Handlers, ASuppressedBandLeavesNoTraceAndTheNextBandTakesItsPlace)
{
    int row = -1;
    auto r = listReport(6, &row);
    report::Band& detail = r->detail();
    detail.addHLine(0, 0, 100);
    detail.beforePrint = [&row] { return row % 2 == 0; };
    const auto pages = r->run();
    const report::Page& page = pages.pages[0];
    EXPECT_EQ(pageTexts(page), QStringList({"Str: 1 z 1", "Wiersz 1", "Wiersz 3", "Wiersz 5", "Koniec"}));
    EXPECT_EQ(page.lines.size(), 3);
    EXPECT_DOUBLE_EQ(findText(page, "Wiersz 3")->rect.top(), findText(page, "Wiersz 1")->rect.bottom());
    EXPECT_DOUBLE_EQ(findText(page, "Koniec")->rect.top(), findText(page, "Wiersz 5")->rect.bottom());
}

TEST(Handlers, AChildBandIsAskedOnItsOwnEvenWhenItsParentIsSuppressed)
{
    int row = -1;
    auto r = listReport(4, &row);
    r->detail().beforePrint = [] { return false; };
    report::Band& subtotal = r->detail().addChild(5);
    subtotal.addField({0, 0, 60, 5}, [&row] { return QStringLiteral("Suma do %1").arg(row + 1); });
    subtotal.beforePrint = [&row] { return row % 2 == 1; };
    EXPECT_EQ(pageTexts(r->run().pages[0]), QStringList({"Str: 1 z 1", "Suma do 2", "Suma do 4", "Koniec"}));
}

TEST(Handlers, StartHandlerResetsStateSoARunCanBeRepeated)
{
    int row = -1;
    auto r = listReport(3, &row);
    double total = 0;
    r->onStart = [&] { total = 0; };
    r->detail().beforePrint = [&] { total += 1; return true; };
    r->summary().addField({60, 0, 30, 5}, [&] { return QString::number(total); });
    const auto first = r->run();
    const auto second = r->run();
    EXPECT_EQ(first, second);
    EXPECT_TRUE(findText(second.pages[0], "3"));
}

struct GroupFixture : ::testing::Test {
    QStringList keys{"A", "A", "B", "B", "B", "C"};
    int row = -1;
    int inGroup = 0;
    Report r;
    report::Group* group = nullptr;

    void SetUp() override
    {
        r.setSource([this] { return ++row < keys.size(); }, [this] { row = -1; });
        group = &r.addGroup([this] { return keys[row]; });
        group->header(6).addField({0, 0, 60, 6}, [this] { inGroup = 0; return QStringLiteral("Grupa ") + keys[row]; });
        r.detail(5).addField({5, 0, 60, 5}, [this] { ++inGroup; return QStringLiteral("Pozycja %1").arg(row + 1); });
        // The footer prints when the next group's first row is already current: it reads totals only.
        group->footer(5).addField({0, 0, 60, 5}, [this] { return QStringLiteral("Razem: %1").arg(inGroup); });
    }
};

TEST_F(GroupFixture, HeadersAndFootersFrameEachRunOfEqualKeys)
{
    const auto pages = r.run();
    ASSERT_EQ(pages.pageCount(), 1);
    EXPECT_EQ(pageTexts(pages.pages[0]),
              QStringList({"Grupa A", "Pozycja 1", "Pozycja 2", "Razem: 2", "Grupa B", "Pozycja 3", "Pozycja 4",
                           "Pozycja 5", "Razem: 3", "Grupa C", "Pozycja 6", "Razem: 1"}));
}

TEST_F(GroupFixture, NewPagePerGroupStartsEveryGroupOnItsOwnPage)
{
    group->newPage = true;
    const auto pages = r.run();
    ASSERT_EQ(pages.pageCount(), 3);
    EXPECT_EQ(pageTexts(pages.pages[0]).first(), "Grupa A");
    EXPECT_EQ(pageTexts(pages.pages[1]), QStringList({"Grupa B", "Pozycja 3", "Pozycja 4", "Pozycja 5", "Razem: 3"}));
    EXPECT_EQ(pageTexts(pages.pages[2]).first(), "Grupa C");
}

TEST_F(GroupFixture, ASuppressedGroupHeaderDoesNotThrowAPage)
{
    group->newPage = true;
    group->headerBand()->beforePrint = [this] { return keys[row] != "B"; };
    const auto pages = r.run();
    ASSERT_EQ(pages.pageCount(), 2);
    EXPECT_EQ(pageTexts(pages.pages[1]).first(), "Grupa C");
}

TEST(SubDetails, EachDetailRowWalksItsOwnRowsWithHeaderAndFooter)
{
    const std::vector<int> entries{2, 0, 1};
    int doc = -1;
    int entry = -1;
    Report r;
    r.setSource([&] { return ++doc < int(entries.size()); }, [&] { doc = -1; });
    r.detail(5).addField({0, 0, 60, 5}, [&] { return QStringLiteral("Dokument %1").arg(doc + 1); });
    report::SubDetail& sub = r.addSubDetail([&] { return ++entry < entries[doc]; }, [&] { entry = -1; });
    sub.detail().setHeight(4);
    sub.detail().addField({5, 0, 60, 4}, [&] { return QStringLiteral("Pozycja %1.%2").arg(doc + 1).arg(entry + 1); });
    sub.header(4).addLabel({5, 0, 60, 4}, "Konto");
    sub.footer(4).addLabel({5, 0, 60, 4}, "--");
    EXPECT_EQ(allTexts(r.run()), QStringList({"Dokument 1", "Konto", "Pozycja 1.1", "Pozycja 1.2", "--", "Dokument 2",
                                              "Dokument 3", "Konto", "Pozycja 3.1", "--"}));
}

TEST(Bands, MemoBreaksLinesAndPushesTheNextBandDown)
{
    Report r;
    const QString text = QString::fromUtf8("Zażółć gęślą jaźń. ").repeated(12);
    r.titleBand(5).addMemo({0, 0, 50, 5}, [&] { return text; });
    r.summary(5).addLabel({0, 0, 50, 5}, "Podpis");
    const auto pages = r.run();
    const report::Page& page = pages.pages[0];
    ASSERT_GT(page.texts.size(), 3);
    double bottom = 0;
    QString joined;
    for (const auto& t : page.texts) {
        if (t.text == "Podpis")
            continue;
        bottom = std::max(bottom, t.rect.bottom());
        joined += t.text + " ";
    }
    EXPECT_EQ(joined.simplified(), text.simplified()) << "no word lost when wrapping";
    EXPECT_GE(findText(page, "Podpis")->rect.top(), bottom - 1e-6);
}

TEST(Bands, FramesAndLinesAreDrawnRelativeToTheBand)
{
    Report r;
    r.setMargins({15, 20, 10, 10});
    r.detail(8).addLabel({10, 1, 40, 6}, "Ramka").framed(report::FrameAll, 0.3);
    const auto pages = r.run();
    const auto& lines = pages.pages[0].lines;
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].from, QPointF(25, 21));
    EXPECT_EQ(lines[0].to, QPointF(65, 21));
    EXPECT_DOUBLE_EQ(lines[0].width, 0.3);
}

} // namespace
