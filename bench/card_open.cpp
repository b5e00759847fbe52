// How the member card behaves on a large fund: the time to open it (fund opening, binding, first
// paint), to scroll the member list from end to end, and to find members by surname as the clerk
// types. Prints the figures; run it on a quiet machine:
//   kzp_bench_card [members]        (5,000 members by default)
#include "SyntheticFund.h"

#include "app/logic/FundOpening.h"
#include "common/Dialogs.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "ledger/TFCzlonkowie.h"
#include "store/Database.h"
#include "widgets/CursorGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Every question answered Yes, every message passed over: the figures are the window's own.
class SilentDialogs : public kzp::Dialogs {
public:
    Button show(const Message& m) override { return (m.buttons & Yes) ? Yes : Ok; }
};

double ms(QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::FundSize size;
    if (argc > 1)
        size.members = QString::fromLocal8Bit(argv[1]).toInt();

    QTemporaryDir dir;
    store::Database db;
    db.open(dir.path());
    QElapsedTimer t;
    t.start();
    bench::makeSyntheticFund(db, dir.path(), size);
    std::printf("synthetic fund of %d members made in %.0f ms\n", size.members, ms(t));

    kzp::TDM dm(db);
    dm.openSharedCursors();
    kzp::Session session;
    session.workDir = db.workDir();
    session.processingDate = kzp::DateTriple::fromValues(2003, 5, 31);
    session.currentUser.identyfikator = 1;
    for (bool& right : session.currentUser.rights)
        right = true;
    SilentDialogs dialogs;
    kzp::RuleContext ctx{dm, session, dialogs, {}};
    auto rules = kzp::installLedgerRules(ctx);
    dm.TKasy.first();

    t.restart();
    kzp::FundOpening(ctx).open();
    std::printf("fund opening alone: %.1f ms\n", ms(t));

    kzp::TFCzlonkowie card(ctx, *rules);
    for (int run = 0; run < 3; ++run) {
        t.restart();
        if (!card.prepare()) {
            std::printf("the fund did not open\n");
            return 1;
        }
        const double prepared = ms(t);
        card.show();
        QApplication::processEvents();
        std::printf("open %d: fund opening and binding %.1f ms, shown and painted %.1f ms\n", run + 1, prepared, ms(t));
        if (run < 2) {
            card.hide();
            card.release();
        }
    }

    widgets::CursorGrid* grid = card.membersGrid();
    QScrollBar* bar = grid->verticalScrollBar();
    t.restart();
    int steps = 0;
    double worst = 0;
    for (int v = 0; v <= bar->maximum(); v += bar->pageStep(), ++steps) {
        QElapsedTimer one;
        one.start();
        bar->setValue(v);
        grid->viewport()->repaint();
        worst = std::max(worst, ms(one));
    }
    std::printf("member list paged end to end: %d pages in %.1f ms, the slowest page %.2f ms\n", steps, ms(t), worst);

    const char* typed[] = {"K", "Ko", "Kow", "Kowa", "Z", "Ża", "Wi", "Wiś", "Zz", "A"};
    worst = 0;
    t.restart();
    for (const char* text : typed) {
        QElapsedTimer one;
        one.start();
        card.searchEdit()->setText(QString::fromUtf8(text));
        QApplication::processEvents();
        worst = std::max(worst, ms(one));
    }
    std::printf("search: %d keystrokes in %.1f ms, the slowest %.2f ms (found %s)\n", int(std::size(typed)), ms(t), worst,
                qPrintable(dm.TCzlonkowie.field("Nazwisko").asString()));

    t.restart();
    for (int i = 0; i < 50; ++i) {
        dm.TCzlonkowie.moveBy(37);
        QApplication::processEvents();
    }
    std::printf("moving to another member (loans, contributions, repayments follow): %.2f ms a move\n", ms(t) / 50);
    card.hide();
    card.release();
    return 0;
}
