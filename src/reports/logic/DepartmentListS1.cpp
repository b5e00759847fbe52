#include "reports/logic/DepartmentListS1.h"

#include "data/Session.h"
#include "data/TDM.h"
#include "report/Report.h"
#include "reports/logic/StatementHeading.h"

namespace kzp {

namespace {

// What the report keeps while it runs.
struct S1State {
    StatementHeading heading;
    int line = 0;
    bool started = false;
    store::Cursor::Bookmark mark = 0;
};

} // namespace

std::unique_ptr<report::Report> makeDepartmentListS1(TDM& dm, const Session& session)
{
    auto report = std::make_unique<report::Report>();
    report->setTitle("Słownik - Działy");
    auto state = std::make_shared<S1State>();
    store::Cursor& departments = dm.TDzialy;
    const double width = report->contentWidth();
    const QString printingDate = StatementHeading::printingDateLine(session.startDate);

    report->onStart = [&dm, &departments, state] {
        state->heading = StatementHeading::fromCompany(dm.TParametry);
        state->line = 0;
        state->started = false;
        if (!departments.isOpen())
            departments.open();
        departments.checkBrowseMode();
        state->mark = departments.bookmark();
        departments.disableControls();
    };
    report->onFinish = [&departments, state] {
        departments.enableControls();
        departments.gotoBookmark(state->mark);
    };

    report::Band& header = report->pageHeader(8);
    header.addField({0, 0, width * 0.6, 5}, [state] { return state->heading.companyName; }).bold();
    header.addLabel({width * 0.6, 0, width * 0.4 - 25, 5}, printingDate, Qt::AlignRight | Qt::AlignVCenter);
    header.addPageNumber({width - 25, 0, 25, 5}, "Str: %1");
    header.addField({0, 4, width * 0.8, 4}, [state] { return state->heading.companyAddress; }).size(8);

    report::Band& title = report->titleBand(12);
    title.addLabel({0, 2, width - 20, 7}, "Słownik - Działy", Qt::AlignHCenter | Qt::AlignVCenter).bold().size(12);
    title.addLabel({width - 20, 2, 20, 7}, "( S1 )", Qt::AlignRight | Qt::AlignVCenter);

    report::Band& columns = report->columnHeader(6);
    columns.addLabel({0, 0, 15, 6}, "Lp.", Qt::AlignRight | Qt::AlignVCenter).bold();
    columns.addLabel({20, 0, 35, 6}, "Symbol działu").bold();
    columns.addLabel({60, 0, width - 60, 6}, "Nazwa działu").bold();
    columns.addHLine(5.8, 0, width);

    report::Band& detail = report->detail(5.5);
    detail.addField({0, 0, 15, 5.5}, [state] { return QString::number(state->line) + "."; },
                    Qt::AlignRight | Qt::AlignVCenter);
    detail.addField({20, 0, 35, 5.5}, [&departments] { return departments.field("Symbol").asString(); });
    detail.addField({60, 0, width - 60, 5.5}, [&departments] { return departments.field("NazwaDzialu").asString(); });
    detail.beforePrint = [state] {
        ++state->line;
        return true;
    };
    report->setSource(
        [&departments, state] {
            if (!state->started) {
                state->started = true;
                departments.first();
                return !departments.eof();
            }
            departments.next();
            return !departments.eof();
        },
        [state] { state->started = false; });

    report::Band& summary = report->summary(8);
    summary.addHLine(1, 0, width);
    summary.addLabel({0, 2, width, 5}, "Koniec", Qt::AlignHCenter | Qt::AlignVCenter);
    return report;
}

} // namespace kzp
