#pragma once

#include "reports/PrintRoutine.h"

#include <memory>

class QWidget;

namespace kzp {

class Dialogs;
class FileDialogs;
class PrinterService;
class TfrmOrvikPreview;

// The program's one preview window with the real file and printer dialogs, and the print routine
// every statement goes through. Created once by main.
class ReportPrinting {
public:
    ReportPrinting(Dialogs& dialogs, QWidget* parent);
    ~ReportPrinting();

    PrintRoutine::Outcome print(report::Report& report, bool preview, const QString& title, int mode);

private:
    std::unique_ptr<FileDialogs> m_files;
    std::unique_ptr<PrinterService> m_printers;
    std::unique_ptr<TfrmOrvikPreview> m_preview;
    std::unique_ptr<PrintRoutine> m_routine;
};

} // namespace kzp
