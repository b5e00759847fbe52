#pragma once

#include "report/PageSet.h"

#include <QDialog>
#include <QString>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class QSlider;

namespace report {
class PreviewWidget;
class Report;
} // namespace report

namespace kzp {

class Dialogs;
class FileDialogs;
class PrinterService;

// The report preview window: pages through a rendered report, zooms, prints, saves it in the
// report's own format or as text, HTML, comma-separated text or PDF, reopens a saved report and
// prints a plain-text rendering.
class TfrmOrvikPreview : public QDialog {
    Q_OBJECT
public:
    TfrmOrvikPreview(Dialogs& dialogs, FileDialogs& files, PrinterService& printers, QWidget* parent = nullptr);
    ~TfrmOrvikPreview() override;

    // Renders the report into the window and shows it modally until it is closed.
    void showReport(report::Report& report);
    // Renders the report into the window without showing it.
    void renderReport(report::Report& report);
    // Attaches an already rendered page set.
    void attach(std::shared_ptr<const report::PageSet> pages);

    std::shared_ptr<const report::PageSet> pageSet() const;
    int currentPage() const;
    int pageCount() const;
    bool canSave() const;
    QPrinter& printer() { return *m_printer; }
    report::PreviewWidget& preview() { return *m_preview; }

    // Where the plain-text print is written before it is sent to the printer.
    static QString textPrintFileName();

public Q_SLOTS:
    void printPages();
    void printWithSettings();
    void zoom100();
    void wholePage();
    void pageWidth();
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    void goToPage(int page);
    void openReport();
    void saveReport();
    void textPrint();
    void closePreview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QAction* addOperation(const QString& name, const QString& text, const QString& hint, const QKeySequence& key);
    void buildWindow();
    void refreshPageStatus();
    void showProgress(int percent);
    void onSliderMoved(int value);
    void showZoom(double percent, QAction* pressed);
    void onPageBoxEdited(const QString& text);
    void onPageBoxEnter();
    void detach();

    Dialogs& m_dialogs;
    FileDialogs& m_files;
    PrinterService& m_printers;
    std::unique_ptr<QPrinter> m_printer;
    report::PreviewWidget* m_preview = nullptr;
    QAction* m_print = nullptr;
    QAction* m_printSetup = nullptr;
    QAction* m_zoom100 = nullptr;
    QAction* m_wholePage = nullptr;
    QAction* m_pageWidth = nullptr;
    QAction* m_first = nullptr;
    QAction* m_prior = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_close = nullptr;
    QAction* m_help = nullptr;
    QAction* m_textPrint = nullptr;
    QSlider* m_zoomSlider = nullptr;
    QLabel* m_zoomLabel = nullptr;
    QLineEdit* m_pageBox = nullptr;
    QLineEdit* m_pageCountBox = nullptr;
    QLabel* m_progressPanel = nullptr;
    QLabel* m_pagePanel = nullptr;
    int m_typedPage = 1;
    QString m_lastGoodPageText = QStringLiteral("1");
};

} // namespace kzp
