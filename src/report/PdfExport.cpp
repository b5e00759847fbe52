#include "report/PdfExport.h"

#include "report/PagePainter.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace report {

bool savePdf(const PageSet& pages, const QString& path, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, why);
        return false;
    };
    if (pages.isEmpty())
        return fail(QStringLiteral("wydruk nie ma stron"));
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("KZP"));
    writer.setTitle(pages.title);
    writer.setResolution(600);
    const auto orientation = [](const Page& p) {
        return p.size.width() > p.size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    };
    const auto layoutFor = [&](const Page& p) {
        return QPageLayout(QPageSize(QPageSize::A4), orientation(p), QMarginsF(0, 0, 0, 0));
    };
    writer.setPageLayout(layoutFor(pages.pages.first()));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("nie można utworzyć pliku"));
    const double pxPerMm = writer.resolution() / 25.4;
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0) {
            writer.setPageLayout(layoutFor(pages.pages[i]));
            writer.newPage();
        }
        paintPage(painter, pages.pages[i], pxPerMm);
    }
    if (!painter.end())
        return fail(QStringLiteral("błąd zapisu"));
    QFile written(path);
    if (!written.exists() || written.size() == 0)
        return fail(QStringLiteral("błąd zapisu"));
    return true;
}

} // namespace report
