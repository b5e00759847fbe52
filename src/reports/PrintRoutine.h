#pragma once

#include <QString>

class QWidget;

namespace report {
class Report;
}

namespace kzp {

class Dialogs;
class PrinterService;
class TfrmOrvikPreview;

// Prints or previews a statement. Mode 1 shows the printer set-up before printing (not before a
// preview); mode 2 shows it before either. Cancelling the set-up prints and shows nothing.
class PrintRoutine {
public:
    enum class Outcome { Cancelled, Previewed, Printed, PrintFailed };

    PrintRoutine(TfrmOrvikPreview& preview, PrinterService& printers, Dialogs& dialogs, QWidget* parent = nullptr);

    Outcome run(report::Report& report, bool preview, const QString& title, int mode);

private:
    TfrmOrvikPreview& m_preview;
    PrinterService& m_printers;
    Dialogs& m_dialogs;
    QWidget* m_parent;
};

} // namespace kzp
