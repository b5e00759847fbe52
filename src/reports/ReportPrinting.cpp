#include "reports/ReportPrinting.h"

#include "reports/QtFileDialogs.h"
#include "reports/QtPrinterService.h"
#include "reports/TfrmOrvikPreview.h"

namespace kzp {

ReportPrinting::ReportPrinting(Dialogs& dialogs, QWidget* parent)
    : m_files(std::make_unique<QtFileDialogs>()),
      m_printers(std::make_unique<QtPrinterService>()),
      m_preview(std::make_unique<TfrmOrvikPreview>(dialogs, *m_files, *m_printers, parent)),
      m_routine(std::make_unique<PrintRoutine>(*m_preview, *m_printers, dialogs, parent))
{
}

ReportPrinting::~ReportPrinting() = default;

PrintRoutine::Outcome ReportPrinting::print(report::Report& report, bool preview, const QString& title, int mode)
{
    return m_routine->run(report, preview, title, mode);
}

} // namespace kzp
