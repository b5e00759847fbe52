#include "reports/QtPrinterService.h"

#include "report/PagePainter.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

namespace kzp {

QtPrinterService::QtPrinterService(QString textPrintProgram, QStringList textPrintArguments)
    : m_program(std::move(textPrintProgram)), m_arguments(std::move(textPrintArguments))
{
}

bool QtPrinterService::setup(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinterService::print(const report::PageSet& pages, QPrinter& printer)
{
    return report::printPageSet(pages, printer);
}

bool QtPrinterService::printTextFile(const QString& path, QString* error)
{
    QProcess process;
    process.start(m_program, QStringList(m_arguments) << path);
    if (!process.waitForStarted(10000)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_program, process.errorString());
        return false;
    }
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_program, QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

} // namespace kzp
