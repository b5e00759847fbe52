#include "PreviewFixture.h"

#include "reports/PrintRoutine.h"

#include <QTimer>

using namespace reportstest;
using Outcome = kzp::PrintRoutine::Outcome;

namespace {

TEST_F(PreviewTest, PrintRoutineAsksForThePrinterWhereTheModeSaysAndCancellingPrintsNothing)
{
    const struct {
        bool preview;
        int mode;
        std::optional<bool> setupAnswer; // nothing: the set-up must not be shown
        Outcome outcome;
    } cases[] = {
        {false, 1, true, Outcome::Printed},
        {false, 1, false, Outcome::Cancelled},
        {true, 1, std::nullopt, Outcome::Previewed},
        {false, 2, true, Outcome::Printed},
        {true, 2, true, Outcome::Previewed},
        {true, 2, false, Outcome::Cancelled},
    };
    kzp::PrintRoutine routine(window, printers, dialogs);
    for (const auto& c : cases) {
        printers.setupCalls = 0;
        printers.printedPageCounts.clear();
        if (c.setupAnswer)
            printers.setupAnswers << *c.setupAnswer;
        auto r = pagesReport(3, &row);
        bool shown = false;
        if (c.preview) {
            QTimer::singleShot(0, &window, [&] {
                shown = window.isVisible() && window.pageCount() == 3;
                window.closePreview();
            });
        }
        EXPECT_EQ(routine.run(*r, c.preview, QString(), c.mode), c.outcome) << c.preview << " " << c.mode;
        EXPECT_EQ(printers.setupCalls, c.setupAnswer ? 1 : 0) << c.preview << " " << c.mode;
        EXPECT_EQ(printers.printedPageCounts, c.outcome == Outcome::Printed ? QList<int>{3} : QList<int>{});
        EXPECT_EQ(shown, c.outcome == Outcome::Previewed) << c.preview << " " << c.mode;
    }
}

TEST_F(PreviewTest, PrintRoutineGivesTheTitleToTheReportAndTheWindow)
{
    kzp::PrintRoutine routine(window, printers, dialogs);
    auto r = pagesReport(1, &row);
    QString caption;
    QTimer::singleShot(0, &window, [&] {
        caption = window.windowTitle();
        window.closePreview();
    });
    routine.run(*r, true, QString::fromUtf8("Wykaz potrąceń"), 1);
    EXPECT_EQ(r->title(), QString::fromUtf8("Wykaz potrąceń"));
    EXPECT_EQ(caption, QString::fromUtf8("Podgląd wydruku : Wykaz potrąceń"));
}

} // namespace
