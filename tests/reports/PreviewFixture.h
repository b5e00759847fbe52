#pragma once

#include "report/Report.h"
#include "reports/FileDialogs.h"
#include "reports/PrinterService.h"
#include "reports/TfrmOrvikPreview.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace reportstest {

// File dialogs that answer what the test queued and remember what they were asked.
class ScriptedFiles : public kzp::FileDialogs {
public:
    QStringList openAnswers;
    QList<std::optional<SaveChoice>> saveAnswers;
    QStringList titles;
    QStringList lastFilters;

    QString openFileName(QWidget*, const QString& title, const QString& filter) override
    {
        titles << title;
        lastFilters = QStringList{filter};
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    std::optional<SaveChoice> saveFileName(QWidget*, const QString& title, const QStringList& filters) override
    {
        titles << title;
        lastFilters = filters;
        return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.takeFirst();
    }
};

// Printers that record what was sent to them.
class ScriptedPrinters : public kzp::PrinterService {
public:
    QList<bool> setupAnswers; // an unscripted set-up is cancelled
    int setupCalls = 0;
    QList<int> printedPageCounts;
    bool printSucceeds = true;
    QStringList textFiles;
    QString textFailure; // when set, the text print fails with it

    bool setup(QPrinter&, QWidget*) override
    {
        ++setupCalls;
        return !setupAnswers.isEmpty() && setupAnswers.takeFirst();
    }
    bool print(const report::PageSet& pages, QPrinter&) override
    {
        if (printSucceeds)
            printedPageCounts << pages.pageCount();
        return printSucceeds;
    }
    bool printTextFile(const QString& path, QString* error) override
    {
        textFiles << path;
        if (!textFailure.isEmpty() && error)
            *error = textFailure;
        return textFailure.isEmpty();
    }
};

// A report of the given number of pages, one numbered line on each.
std::unique_ptr<report::Report> pagesReport(int pages, int* row);

struct PreviewTest : ::testing::Test {
    kzp::test::ScriptedDialogs dialogs;
    ScriptedFiles files;
    ScriptedPrinters printers;
    kzp::TfrmOrvikPreview window{dialogs, files, printers};
    QTemporaryDir dir;
    int row = -1;

    void render(int pages);
    QAction* action(const char* name) const;
    QLineEdit* box(const char* name) const;
    QString pagePanel() const;
    void typeIntoPageBoxAndEnter(const QString& text);
};

} // namespace reportstest
