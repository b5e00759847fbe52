// Rendering a long statement: 5,000 lines over 200 pages, to its page set, to PDF and to text.
#include "report/NumberFormat.h"
#include "report/PdfExport.h"
#include "report/Report.h"
#include "report/TextExport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Lines = 5000;

std::unique_ptr<report::Report> statement(int* row, double* total)
{
    auto r = std::make_unique<report::Report>();
    const report::NumberFormat money(" ### ### ##0.00 zł");
    r->onStart = [total] { *total = 0; };
    report::Band& head = r->pageHeader(16);
    head.addLabel({0, 0, 120, 5}, QString::fromUtf8("KASA: Zakładowa Kasa Zapomogowo-Pożyczkowa")).bold();
    head.addLabel({0, 5, 150, 5}, QString::fromUtf8("Zestawienie sald na koniec m-ca :   2003  maj"));
    head.addPageNumber({150, 0, 40, 5});
    report::Band& columns = r->columnHeader(6);
    columns.addLabel({0, 0, 12, 6}, "L.p");
    columns.addLabel({12, 0, 70, 6}, QString::fromUtf8("Nazwisko i imię"));
    columns.addLabel({82, 0, 18, 6}, "Nr prac.");
    columns.addLabel({100, 0, 45, 6}, "Zgromadzony wkład", Qt::AlignRight | Qt::AlignVCenter);
    columns.addLabel({145, 0, 45, 6}, QString::fromUtf8("Saldo pożyczki"), Qt::AlignRight | Qt::AlignVCenter);
    columns.addHLine(6, 0, 190);
    // Two text rows per line: about 25 lines on a page.
    report::Band& line = r->detail(10);
    line.addField({12, 5, 120, 5}, [row] { return QString::fromUtf8("Dział %1 — wpłata z dnia 2003-05-%2").arg(*row % 12).arg(1 + *row % 28, 2, 10, QLatin1Char('0')); });
    line.addField({0, 0, 12, 5}, [row] { return QString::number(*row + 1) + "."; });
    line.addField({12, 0, 70, 5}, [row] { return QString::fromUtf8("Żółkiewski-Ślązak Łucja %1").arg(*row % 97); });
    line.addField({82, 0, 18, 5}, [row] { return QString::number(1000 + *row); });
    line.addField({100, 0, 45, 5}, [row, money] { return money.format(*row * 12.34); }, Qt::AlignRight | Qt::AlignVCenter);
    line.addField({145, 0, 45, 5}, [row, money, total] {
        *total += *row * 3.21;
        return money.format(*row * 3.21);
    }, Qt::AlignRight | Qt::AlignVCenter);
    r->summary(8).addField({100, 2, 90, 5}, [total, money] { return "Razem : " + money.format(*total); },
                           Qt::AlignRight | Qt::AlignVCenter);
    r->setSource([row] { return ++*row < Lines; }, [row] { *row = -1; });
    return r;
}

void BM_RenderToPageSet(benchmark::State& state)
{
    int row = -1;
    double total = 0;
    auto r = statement(&row, &total);
    int pages = 0;
    for (auto _ : state) {
        report::PageSet set = r->run();
        pages = set.pageCount();
        benchmark::DoNotOptimize(set);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_RenderToPageSet)->Unit(benchmark::kMillisecond);

void BM_RenderToPdf(benchmark::State& state)
{
    int row = -1;
    double total = 0;
    auto r = statement(&row, &total);
    QTemporaryDir dir;
    for (auto _ : state) {
        const report::PageSet set = r->run();
        if (!report::savePdf(set, dir.filePath("wydruk.pdf")))
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_RenderToPdf)->Unit(benchmark::kMillisecond);

void BM_PageSetToText(benchmark::State& state)
{
    int row = -1;
    double total = 0;
    const report::PageSet set = statement(&row, &total)->run();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::toText(set));
}
BENCHMARK(BM_PageSetToText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
