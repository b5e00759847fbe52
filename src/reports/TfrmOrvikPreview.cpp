#include "reports/TfrmOrvikPreview.h"

#include "common/Dialogs.h"
#include "report/ExportFormat.h"
#include "report/PreviewWidget.h"
#include "report/QrpFile.h"
#include "report/Report.h"
#include "report/TextExport.h"
#include "reports/FileDialogs.h"
#include "reports/PrinterService.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace kzp {

namespace {

const QString MessageCaption = QStringLiteral("Komunikat");
constexpr int WheelStep = 25;

} // namespace

TfrmOrvikPreview::TfrmOrvikPreview(Dialogs& dialogs, FileDialogs& files, PrinterService& printers, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_files(files), m_printers(printers),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmOrvikPreview"));
    setWindowTitle(QStringLiteral("Podgląd wydruku : "));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1000, 760);
    buildWindow();
    refreshPageStatus();
}

TfrmOrvikPreview::~TfrmOrvikPreview() = default;

QAction* TfrmOrvikPreview::addOperation(const QString& name, const QString& text, const QString& hint,
                                        const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(hint.isEmpty() ? text : hint);
    action->setStatusTip(hint);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    addAction(action);
    return action;
}

void TfrmOrvikPreview::buildWindow()
{
    QStyle* st = style();
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));

    m_print = addOperation(QStringLiteral("actPrint"), QStringLiteral("Drukuj"), QStringLiteral("Ctrl-P - Drukuj"), QKeySequence(QStringLiteral("Ctrl+P")));
    m_printSetup = addOperation(QStringLiteral("actPrintSetup"), QStringLiteral("Ustawienia"), QStringLiteral("Ustawienia wydruku"), {});
    m_zoom100 = addOperation(QStringLiteral("actZoom100"), QStringLiteral("100%"), QStringLiteral("F9 - Widok 100%"), QKeySequence(Qt::Key_F9));
    m_wholePage = addOperation(QStringLiteral("actWholePage"), QStringLiteral("Cała strona"), QStringLiteral("F11 - Cała strona"), QKeySequence(Qt::Key_F11));
    m_pageWidth = addOperation(QStringLiteral("actPageWidth"), QStringLiteral("Szerokość"), QStringLiteral("F12 - Szerokość strony"), QKeySequence(Qt::Key_F12));
    m_first = addOperation(QStringLiteral("actFirstPage"), QString(), QStringLiteral("Pierwsza strona"), {});
    m_prior = addOperation(QStringLiteral("actPriorPage"), QString(), QStringLiteral("Poprzednia strona"), {});
    m_next = addOperation(QStringLiteral("actNextPage"), QString(), QStringLiteral("Następna strona"), {});
    m_last = addOperation(QStringLiteral("actLastPage"), QString(), QStringLiteral("Ostatnia strona"), {});
    m_open = addOperation(QStringLiteral("actOpen"), QString(), QStringLiteral("Otwórz wydruk"), QKeySequence(QStringLiteral("Ctrl+O")));
    m_save = addOperation(QStringLiteral("actSave"), QString(), QStringLiteral("Zapisz wydruk"), QKeySequence(QStringLiteral("Ctrl+S")));
    m_textPrint = addOperation(QStringLiteral("actTextPrint"), QStringLiteral("Tekst"), QString(), {});
    m_help = addOperation(QStringLiteral("actHelp"), QStringLiteral("Pomoc"), QStringLiteral("F1 - pomoc"), QKeySequence(Qt::Key_F1));
    m_close = addOperation(QStringLiteral("actClose"), QString(), QStringLiteral("Esc - zamknij"), QKeySequence(Qt::Key_Escape));

    m_first->setIcon(st->standardIcon(QStyle::SP_MediaSkipBackward));
    m_prior->setIcon(st->standardIcon(QStyle::SP_MediaSeekBackward));
    m_next->setIcon(st->standardIcon(QStyle::SP_MediaSeekForward));
    m_last->setIcon(st->standardIcon(QStyle::SP_MediaSkipForward));
    m_open->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    m_save->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    m_close->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    for (QAction* fit : {m_zoom100, m_wholePage, m_pageWidth})
        fit->setCheckable(true);

    m_zoomSlider = new QSlider(Qt::Horizontal, bar);
    m_zoomSlider->setObjectName(QStringLiteral("zoomSlider"));
    m_zoomSlider->setToolTip(QStringLiteral("Powiększenie"));
    m_zoomSlider->setRange(10, 300);
    m_zoomSlider->setSingleStep(5);
    m_zoomSlider->setPageStep(20);
    m_zoomSlider->setValue(100);
    m_zoomSlider->setFixedWidth(100);
    m_zoomLabel = new QLabel(QStringLiteral("100 %"), bar);
    m_zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    m_zoomLabel->setMinimumWidth(48);
    m_pageBox = new QLineEdit(QStringLiteral("1"), bar);
    m_pageBox->setObjectName(QStringLiteral("pageBox"));
    m_pageBox->setFixedWidth(48);
    m_pageBox->setAlignment(Qt::AlignRight);
    m_pageBox->installEventFilter(this);
    m_pageCountBox = new QLineEdit(QStringLiteral("1"), bar);
    m_pageCountBox->setObjectName(QStringLiteral("pageCountBox"));
    m_pageCountBox->setReadOnly(true);
    m_pageCountBox->setFocusPolicy(Qt::NoFocus);
    m_pageCountBox->setFixedWidth(48);
    m_pageCountBox->setAlignment(Qt::AlignRight);
    // The page box is white only while it is being typed in.
    m_pageBox->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));

    bar->addAction(m_print);
    bar->addAction(m_printSetup);
    bar->addSeparator();
    bar->addAction(m_zoom100);
    bar->addAction(m_wholePage);
    bar->addAction(m_pageWidth);
    bar->addWidget(m_zoomSlider);
    bar->addWidget(m_zoomLabel);
    bar->addSeparator();
    bar->addAction(m_first);
    bar->addAction(m_prior);
    bar->addWidget(m_pageBox);
    bar->addWidget(new QLabel(QStringLiteral(" z "), bar));
    bar->addWidget(m_pageCountBox);
    bar->addAction(m_next);
    bar->addAction(m_last);
    bar->addSeparator();
    bar->addAction(m_open);
    bar->addAction(m_save);
    bar->addAction(m_textPrint);
    bar->addSeparator();
    bar->addAction(m_close);

    m_preview = new report::PreviewWidget(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->viewport()->installEventFilter(this);

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_progressPanel = new QLabel(status);
    m_progressPanel->setObjectName(QStringLiteral("progressPanel"));
    m_progressPanel->setMinimumWidth(160);
    m_pagePanel = new QLabel(status);
    m_pagePanel->setObjectName(QStringLiteral("pagePanel"));
    status->addWidget(m_progressPanel);
    status->addWidget(m_pagePanel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_preview, 1);
    layout->addWidget(status);

    connect(m_print, &QAction::triggered, this, &TfrmOrvikPreview::printPages);
    connect(m_printSetup, &QAction::triggered, this, &TfrmOrvikPreview::printWithSettings);
    connect(m_zoom100, &QAction::triggered, this, &TfrmOrvikPreview::zoom100);
    connect(m_wholePage, &QAction::triggered, this, &TfrmOrvikPreview::wholePage);
    connect(m_pageWidth, &QAction::triggered, this, &TfrmOrvikPreview::pageWidth);
    connect(m_first, &QAction::triggered, this, &TfrmOrvikPreview::firstPage);
    connect(m_prior, &QAction::triggered, this, &TfrmOrvikPreview::priorPage);
    connect(m_next, &QAction::triggered, this, &TfrmOrvikPreview::nextPage);
    connect(m_last, &QAction::triggered, this, &TfrmOrvikPreview::lastPage);
    connect(m_open, &QAction::triggered, this, &TfrmOrvikPreview::openReport);
    connect(m_save, &QAction::triggered, this, &TfrmOrvikPreview::saveReport);
    connect(m_textPrint, &QAction::triggered, this, &TfrmOrvikPreview::textPrint);
    connect(m_close, &QAction::triggered, this, &TfrmOrvikPreview::closePreview);
    // Help has no pages yet: the key is taken so it does nothing else.
    connect(m_zoomSlider, &QSlider::valueChanged, this, &TfrmOrvikPreview::onSliderMoved);
    connect(m_pageBox, &QLineEdit::textEdited, this, &TfrmOrvikPreview::onPageBoxEdited);
    connect(m_pageBox, &QLineEdit::returnPressed, this, &TfrmOrvikPreview::onPageBoxEnter);
    connect(m_preview, &report::PreviewWidget::pageChanged, this, [this] { refreshPageStatus(); });
    m_save->setEnabled(false);
}

void TfrmOrvikPreview::showReport(report::Report& report)
{
    renderReport(report);
    exec();
}

void TfrmOrvikPreview::renderReport(report::Report& report)
{
    detach();
    if (!report.title().isEmpty())
        setWindowTitle(QStringLiteral("Podgląd wydruku : ") + report.title());
    auto pages = std::make_shared<report::PageSet>(report.run([this](int percent) { showProgress(percent); }));
    attach(std::move(pages));
    m_save->setEnabled(true);
    m_pageWidth->setChecked(false);
}

void TfrmOrvikPreview::attach(std::shared_ptr<const report::PageSet> pages)
{
    m_preview->setPageSet(std::move(pages));
    m_printer->setDocName(m_preview->pageSet() ? m_preview->pageSet()->title : QString());
    refreshPageStatus();
}

void TfrmOrvikPreview::detach()
{
    m_preview->clear();
    refreshPageStatus();
}

std::shared_ptr<const report::PageSet> TfrmOrvikPreview::pageSet() const { return m_preview->pageSet(); }
int TfrmOrvikPreview::currentPage() const { return m_preview->currentPage(); }
int TfrmOrvikPreview::pageCount() const { return m_preview->pageCount(); }
bool TfrmOrvikPreview::canSave() const { return m_save->isEnabled(); }

void TfrmOrvikPreview::showProgress(int percent)
{
    m_progressPanel->setText(QStringLiteral("  %1 % wykonania").arg(percent));
    if (percent >= 100)
        m_pageCountBox->setText(QString::number(std::max(1, m_preview->pageCount())));
    if (isVisible())
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmOrvikPreview::refreshPageStatus()
{
    const int count = std::max(1, m_preview->pageCount());
    const int page = std::max(1, m_preview->currentPage());
    m_pagePanel->setText(QStringLiteral("Strona %1 z %2").arg(page).arg(count));
    if (!m_pageBox->hasFocus())
        m_pageBox->setText(QString::number(page));
    m_lastGoodPageText = QString::number(page);
    m_typedPage = page;
    m_pageCountBox->setText(QString::number(count));
    m_first->setEnabled(page > 1);
    m_prior->setEnabled(page > 1);
    m_next->setEnabled(page < count);
    m_last->setEnabled(page < count);
    const bool hasPages = m_preview->pageCount() > 0;
    m_print->setEnabled(hasPages);
    m_printSetup->setEnabled(hasPages);
    m_textPrint->setEnabled(hasPages);
}

void TfrmOrvikPreview::firstPage() { goToPage(1); }
void TfrmOrvikPreview::priorPage() { goToPage(m_preview->currentPage() - 1); }
void TfrmOrvikPreview::nextPage() { goToPage(m_preview->currentPage() + 1); }
void TfrmOrvikPreview::lastPage() { goToPage(m_preview->pageCount()); }

void TfrmOrvikPreview::goToPage(int page)
{
    m_preview->setCurrentPage(page);
    m_pageBox->setText(QString::number(std::max(1, m_preview->currentPage())));
    refreshPageStatus();
}

void TfrmOrvikPreview::onPageBoxEdited(const QString& text)
{
    if (text.isEmpty()) {
        m_typedPage = 1;
        return;
    }
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        m_pageBox->setText(m_lastGoodPageText);
        return;
    }
    m_typedPage = n;
    m_lastGoodPageText = text;
}

void TfrmOrvikPreview::onPageBoxEnter()
{
    const QString text = m_pageBox->text().trimmed();
    if (text.isEmpty())
        return;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        return;
    goToPage(std::min(n, m_preview->pageCount()));
}

void TfrmOrvikPreview::onSliderMoved(int value)
{
    for (QAction* fit : {m_zoom100, m_wholePage, m_pageWidth})
        fit->setChecked(false);
    m_preview->setZoom(value);
    m_zoomLabel->setText(QStringLiteral("%1 %").arg(value));
}

void TfrmOrvikPreview::showZoom(double percent, QAction* pressed)
{
    const int shown = int(std::lround(percent));
    {
        const QSignalBlocker block(m_zoomSlider);
        m_zoomSlider->setValue(shown);
    }
    m_zoomLabel->setText(QStringLiteral("%1 %").arg(shown));
    for (QAction* fit : {m_zoom100, m_wholePage, m_pageWidth})
        fit->setChecked(fit == pressed);
}

void TfrmOrvikPreview::zoom100()
{
    m_preview->setZoom(100);
    showZoom(100, m_zoom100);
}

void TfrmOrvikPreview::wholePage()
{
    showZoom(m_preview->fitWholePage(), m_wholePage);
}

void TfrmOrvikPreview::pageWidth()
{
    showZoom(m_preview->fitWidth(), m_pageWidth);
}

bool TfrmOrvikPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (m_preview && watched == m_preview->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        const int d = delta.y() != 0 ? delta.y() : delta.x();
        if (d == 0)
            return true;
        const int direction = d > 0 ? -1 : 1; // wheel away from the user goes up / back
        if (wheel->modifiers() & Qt::ShiftModifier)
            goToPage(m_preview->currentPage() + direction);
        else if (wheel->modifiers() & Qt::ControlModifier)
            m_preview->scrollBy(direction * WheelStep, 0);
        else
            m_preview->scrollBy(0, direction * WheelStep);
        return true;
    }
    if (m_preview && watched == m_pageBox) {
        if (event->type() == QEvent::FocusIn)
            m_pageBox->setStyleSheet(QStringLiteral("QLineEdit { background: white; }"));
        else if (event->type() == QEvent::FocusOut) {
            m_pageBox->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
            m_pageBox->setText(QString::number(std::max(1, m_preview->currentPage())));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmOrvikPreview::printPages()
{
    const auto pages = m_preview->pageSet();
    if (!pages || pages->isEmpty())
        return;
    if (!m_printers.print(*pages, *m_printer))
        m_dialogs.error(QStringLiteral("Nie można uruchomić drukowania."), MessageCaption);
}

void TfrmOrvikPreview::printWithSettings()
{
    if (m_printers.setup(*m_printer, this))
        printPages();
}

void TfrmOrvikPreview::openReport()
{
    const QString path = m_files.openFileName(this, QStringLiteral("Otwórz wydruk"),
                                              report::exportFormats().first().filter());
    if (path.isEmpty())
        return;
    auto pages = std::make_shared<report::PageSet>();
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = report::QrpFile::load(path, *pages, &error);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        m_dialogs.error(error, QStringLiteral("Otwórz wydruk"));
        return;
    }
    attach(std::move(pages));
    goToPage(1);
    m_save->setEnabled(false);
    refreshPageStatus();
    pageWidth();
}

void TfrmOrvikPreview::saveReport()
{
    const auto pages = m_preview->pageSet();
    if (!pages || !m_save->isEnabled())
        return;
    const QList<report::ExportFormat> formats = report::exportFormats();
    QStringList filters;
    for (const report::ExportFormat& f : formats)
        filters << f.filter();
    const auto choice = m_files.saveFileName(this, QStringLiteral("Zapisz wydruk"), filters);
    if (!choice || choice->fileName.isEmpty() || choice->filterIndex < 0 || choice->filterIndex >= formats.size())
        return;
    const report::ExportFormat& format = formats[choice->filterIndex];
    if (!format.acceptsExtension(QFileInfo(choice->fileName).suffix())) {
        m_dialogs.show({QStringLiteral("Rozszerzenie nazwy nie odpowiada wybranemu formatowi."),
                        QStringLiteral("Nieprawidłowe rozszerzenie"), Dialogs::Icon::Warning, Dialogs::Ok, Dialogs::Ok});
        return;
    }
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = report::exportPages(*pages, choice->fileName, format.kind, &error);
    QApplication::restoreOverrideCursor();
    if (!saved)
        m_dialogs.error(error, QStringLiteral("Zapisz wydruk"));
}

QString TfrmOrvikPreview::textPrintFileName()
{
    const QString temp = QDir::tempPath();
    const QString folder = temp.isEmpty() ? QStringLiteral("Tavo") : temp + QStringLiteral("/Tavo");
    return folder + QStringLiteral("/R_Tirm.txt");
}

void TfrmOrvikPreview::textPrint()
{
    const auto pages = m_preview->pageSet();
    if (!pages || pages->isEmpty())
        return;
    const QString path = textPrintFileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QString error;
    if (!report::saveText(*pages, path, &error) || !m_printers.printTextFile(path, &error))
        m_dialogs.error(QStringLiteral("Nie można wydrukować tekstu: ") + error, MessageCaption);
}

void TfrmOrvikPreview::closePreview()
{
    goToPage(1);
    if (isVisible())
        QDialog::reject();
    detach();
    m_save->setEnabled(false);
}

void TfrmOrvikPreview::reject()
{
    closePreview();
}

void TfrmOrvikPreview::closeEvent(QCloseEvent* event)
{
    closePreview();
    event->accept();
}

} // namespace kzp
