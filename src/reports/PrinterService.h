#pragma once

#include "report/PageSet.h"

#include <QString>

class QPrinter;
class QWidget;

namespace kzp {

// What the windows need of the printers; tests script it.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // The printer set-up dialog; false when the user cancelled.
    virtual bool setup(QPrinter& printer, QWidget* parent) = 0;
    // Prints the pages; false when the printer could not be started.
    virtual bool print(const report::PageSet& pages, QPrinter& printer) = 0;
    // Sends a plain-text file to the default printer; false with the reason when the print
    // command could not be started or refused the file.
    virtual bool printTextFile(const QString& path, QString* error) = 0;
};

} // namespace kzp
