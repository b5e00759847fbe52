#pragma once

#include "reports/PrinterService.h"

#include <QStringList>

namespace kzp {

// Printing through Qt: QPrintDialog for the set-up, QPrinter for the pages and the CUPS command
// "lp" for plain text.
class QtPrinterService : public PrinterService {
public:
    explicit QtPrinterService(QString textPrintProgram = QStringLiteral("lp"), QStringList textPrintArguments = {});

    bool setup(QPrinter& printer, QWidget* parent) override;
    bool print(const report::PageSet& pages, QPrinter& printer) override;
    bool printTextFile(const QString& path, QString* error) override;

private:
    QString m_program;
    QStringList m_arguments;
};

} // namespace kzp
