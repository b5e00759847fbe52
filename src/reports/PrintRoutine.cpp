#include "reports/PrintRoutine.h"

#include "common/Dialogs.h"
#include "report/Report.h"
#include "reports/PrinterService.h"
#include "reports/TfrmOrvikPreview.h"

namespace kzp {

PrintRoutine::PrintRoutine(TfrmOrvikPreview& preview, PrinterService& printers, Dialogs& dialogs, QWidget* parent)
    : m_preview(preview), m_printers(printers), m_dialogs(dialogs), m_parent(parent)
{
}

PrintRoutine::Outcome PrintRoutine::run(report::Report& report, bool preview, const QString& title, int mode)
{
    if ((mode == 1 && !preview) || mode == 2) {
        if (!m_printers.setup(m_preview.printer(), m_parent))
            return Outcome::Cancelled;
    }
    if (!title.isEmpty())
        report.setTitle(title);
    if (preview) {
        m_preview.showReport(report);
        return Outcome::Previewed;
    }
    const report::PageSet pages = report.run();
    if (!m_printers.print(pages, m_preview.printer())) {
        m_dialogs.error(QStringLiteral("Nie można uruchomić drukowania."), QStringLiteral("Komunikat"));
        return Outcome::PrintFailed;
    }
    return Outcome::Printed;
}

} // namespace kzp
