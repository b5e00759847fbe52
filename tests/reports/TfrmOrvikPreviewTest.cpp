#include "PreviewFixture.h"

#include "report/PreviewWidget.h"
#include "report/QrpFile.h"
#include "reports/QtPrinterService.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

using namespace reportstest;

namespace {

const QString WrongExtension = QString::fromUtf8("Rozszerzenie nazwy nie odpowiada wybranemu formatowi.");

TEST_F(PreviewTest, OperationsCarryTheirHintsAndKeys)
{
    const struct {
        const char* name;
        const char* hint;
        const char* key;
    } cases[] = {
        {"actPrint", "Ctrl-P - Drukuj", "Ctrl+P"},
        {"actPrintSetup", "Ustawienia wydruku", ""},
        {"actZoom100", "F9 - Widok 100%", "F9"},
        {"actWholePage", "F11 - Cała strona", "F11"},
        {"actPageWidth", "F12 - Szerokość strony", "F12"},
        {"actFirstPage", "Pierwsza strona", ""},
        {"actPriorPage", "Poprzednia strona", ""},
        {"actNextPage", "Następna strona", ""},
        {"actLastPage", "Ostatnia strona", ""},
        {"actOpen", "Otwórz wydruk", "Ctrl+O"},
        {"actSave", "Zapisz wydruk", "Ctrl+S"},
        {"actClose", "Esc - zamknij", "Esc"},
        {"actHelp", "F1 - pomoc", "F1"},
    };
    for (const auto& c : cases) {
        QAction* a = action(c.name);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(c.hint)) << c.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.key))) << c.name;
    }
    EXPECT_EQ(window.findChild<QSlider*>("zoomSlider")->toolTip(), QString::fromUtf8("Powiększenie"));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Podgląd wydruku : "));
}

TEST_F(PreviewTest, RenderingShowsProgressPagesAndEnablesSaving)
{
    EXPECT_FALSE(window.canSave());
    render(5);
    EXPECT_EQ(window.pageCount(), 5);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(window.findChild<QLabel*>("progressPanel")->text(), QString::fromUtf8("  100 % wykonania"));
    EXPECT_EQ(pagePanel(), "Strona 1 z 5");
    EXPECT_EQ(box("pageCountBox")->text(), "5");
    EXPECT_TRUE(window.canSave());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Podgląd wydruku : Próba wydruku"));
}

TEST_F(PreviewTest, PageButtonsMoveAndAreEnabledOnlyWhereTheyLead)
{
    render(5);
    const struct {
        const char* press;
        int page;
        bool backEnabled;
        bool forwardEnabled;
    } steps[] = {
        {"actNextPage", 2, true, true},
        {"actLastPage", 5, true, false},
        {"actPriorPage", 4, true, true},
        {"actFirstPage", 1, false, true},
    };
    for (const auto& s : steps) {
        action(s.press)->trigger();
        EXPECT_EQ(window.currentPage(), s.page) << s.press;
        EXPECT_EQ(pagePanel(), QStringLiteral("Strona %1 z 5").arg(s.page));
        EXPECT_EQ(box("pageBox")->text(), QString::number(s.page));
        EXPECT_EQ(action("actFirstPage")->isEnabled(), s.backEnabled) << s.press;
        EXPECT_EQ(action("actPriorPage")->isEnabled(), s.backEnabled) << s.press;
        EXPECT_EQ(action("actNextPage")->isEnabled(), s.forwardEnabled) << s.press;
        EXPECT_EQ(action("actLastPage")->isEnabled(), s.forwardEnabled) << s.press;
    }
}

TEST_F(PreviewTest, AOnePageReportDisablesAllFourPageButtons)
{
    render(1);
    for (const char* name : {"actFirstPage", "actPriorPage", "actNextPage", "actLastPage"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_EQ(pagePanel(), "Strona 1 z 1");
}

TEST_F(PreviewTest, PageBoxGoesToTheTypedPageLimitedToTheCount)
{
    render(5);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    typeIntoPageBoxAndEnter("99");
    EXPECT_EQ(window.currentPage(), 5);
    EXPECT_EQ(box("pageBox")->text(), "5");

    typeIntoPageBoxAndEnter("3");
    EXPECT_EQ(window.currentPage(), 3);

    // A letter typed into the box gives the last good number back; an empty box goes nowhere.
    QTest::keyClick(box("pageBox"), Qt::Key_A);
    EXPECT_EQ(box("pageBox")->text(), "3");
    box("pageBox")->selectAll();
    QTest::keyClick(box("pageBox"), Qt::Key_Backspace);
    QTest::keyClick(box("pageBox"), Qt::Key_Return);
    EXPECT_EQ(window.currentPage(), 3);

    // Leaving the box shows the current page again.
    box("pageBox")->setText("4");
    window.findChild<report::PreviewWidget*>("preview")->setFocus();
    EXPECT_EQ(box("pageBox")->text(), "3");
    window.hide();
}

TEST_F(PreviewTest, ZoomSliderAndFitButtons)
{
    render(2);
    window.resize(900, 700);
    window.show();
    auto* slider = window.findChild<QSlider*>("zoomSlider");
    auto* label = window.findChild<QLabel*>("zoomLabel");
    EXPECT_EQ(slider->minimum(), 10);
    EXPECT_EQ(slider->maximum(), 300);
    EXPECT_EQ(slider->singleStep(), 5);
    EXPECT_EQ(slider->pageStep(), 20);

    action("actPageWidth")->trigger();
    const double width = window.preview().zoom();
    EXPECT_EQ(slider->value(), qRound(width));
    EXPECT_EQ(label->text(), QStringLiteral("%1 %").arg(qRound(width)));
    EXPECT_TRUE(action("actPageWidth")->isChecked());
    EXPECT_NEAR(window.preview().pagePixelSize().width(),
                window.preview().viewport()->width() - 2 * report::PreviewWidget::PageGap, 2);

    action("actWholePage")->trigger();
    EXPECT_LE(window.preview().pagePixelSize().height(), window.preview().viewport()->height());
    EXPECT_TRUE(action("actWholePage")->isChecked());
    EXPECT_FALSE(action("actPageWidth")->isChecked());

    slider->setValue(150);
    EXPECT_DOUBLE_EQ(window.preview().zoom(), 150);
    EXPECT_EQ(label->text(), "150 %");
    for (const char* fit : {"actZoom100", "actWholePage", "actPageWidth"})
        EXPECT_FALSE(action(fit)->isChecked()) << fit;

    action("actZoom100")->trigger();
    EXPECT_EQ(slider->value(), 100);
    EXPECT_TRUE(action("actZoom100")->isChecked());
    EXPECT_EQ(window.preview().pagePixelSize(), QSize(794, 1123));
    window.hide();
}

TEST_F(PreviewTest, MouseWheelScrollsOrTurnsPagesByItsModifier)
{
    render(3);
    window.show();
    window.preview().setZoom(300);
    QWidget* viewport = window.preview().viewport();
    auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    wheel(Qt::NoModifier);
    EXPECT_EQ(window.preview().verticalScrollBar()->value(), 25);
    wheel(Qt::ControlModifier);
    EXPECT_EQ(window.preview().horizontalScrollBar()->value(), 25);
    wheel(Qt::ShiftModifier);
    EXPECT_EQ(window.currentPage(), 2);
    window.hide();
}

struct SaveCase {
    int filter; // 0 Report, 1 Text, 2 HTML, 3 CSV, 4 PDF
    const char* fileName;
    bool accepted;
};

TEST_F(PreviewTest, SavingChecksTheExtensionAgainstTheChosenFormat)
{
    render(3);
    const SaveCase cases[] = {
        {2, "zestawienie.TXT", false}, // text name with the HTML filter
        {0, "zestawienie.txt", false},
        {1, "zestawienie", false},
        {1, "zestawienie.txt", true},
        {2, "zestawienie.htm", true},
        {3, "zestawienie.CSV", true},
        {4, "zestawienie.pdf", true},
        {0, "kopia.2003/zestawienie.QRP", true}, // a dot in the folder name does not count
    };
    QDir(dir.path()).mkpath("kopia.2003");
    for (const SaveCase& c : cases) {
        dialogs.clear();
        const QString path = dir.filePath(QString::fromUtf8(c.fileName));
        files.saveAnswers << kzp::FileDialogs::SaveChoice{path, c.filter};
        action("actSave")->trigger();
        EXPECT_EQ(QFile::exists(path), c.accepted) << c.fileName;
        if (c.accepted) {
            EXPECT_TRUE(dialogs.shown().isEmpty()) << c.fileName;
        } else {
            ASSERT_EQ(dialogs.shown().size(), 1) << c.fileName;
            EXPECT_EQ(dialogs.last().text, WrongExtension);
            EXPECT_EQ(dialogs.last().caption, QString::fromUtf8("Nieprawidłowe rozszerzenie"));
        }
    }
    EXPECT_EQ(files.titles.last(), "Zapisz wydruk");
    EXPECT_TRUE(files.lastFilters.first().startsWith("Report (*.QRP"));
    QFile text(dir.filePath("zestawienie.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(text.readAll()).contains(QString::fromUtf8("Pozycja nr 3 — zażółć")));
}

TEST_F(PreviewTest, ASavedReportReopensWithTheSamePages)
{
    render(5);
    const auto rendered = window.pageSet();
    const QString path = dir.filePath("wydruk.QRP");
    files.saveAnswers << kzp::FileDialogs::SaveChoice{path, 0};
    action("actSave")->trigger();
    action("actClose")->trigger();
    EXPECT_FALSE(window.pageSet());
    EXPECT_FALSE(window.canSave());

    files.openAnswers << path;
    window.resize(900, 700);
    window.show();
    action("actOpen")->trigger();
    EXPECT_EQ(files.titles.last(), QString::fromUtf8("Otwórz wydruk"));
    ASSERT_TRUE(window.pageSet());
    EXPECT_EQ(*window.pageSet(), *rendered);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(pagePanel(), "Strona 1 z 5");
    EXPECT_FALSE(window.canSave());
    EXPECT_TRUE(action("actPageWidth")->isChecked());
    EXPECT_TRUE(dialogs.shown().isEmpty());
    window.hide();
}

TEST_F(PreviewTest, OpeningADamagedFileSaysWhyAndKeepsTheShownReport)
{
    render(2);
    const QString path = dir.filePath("zly.QRP");
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(report::QrpFile::encode(*window.pageSet()).left(100));
    bad.close();
    files.openAnswers << path;
    action("actOpen")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.last().text.contains("uszkodzony"));
    EXPECT_EQ(dialogs.last().icon, kzp::Dialogs::Icon::Error);
    EXPECT_EQ(window.pageCount(), 2);
}

TEST_F(PreviewTest, PrintSendsThePagesAndSettingsPrintOnlyWhenConfirmed)
{
    render(4);
    action("actPrint")->trigger();
    printers.setupAnswers << false;
    action("actPrintSetup")->trigger();
    printers.setupAnswers << true;
    action("actPrintSetup")->trigger();
    EXPECT_EQ(printers.setupCalls, 2);
    EXPECT_EQ(printers.printedPageCounts, QList<int>({4, 4}));

    printers.printSucceeds = false;
    action("actPrint")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1) << "a failed print is reported";
    EXPECT_EQ(dialogs.last().icon, kzp::Dialogs::Icon::Error);
}

TEST_F(PreviewTest, TextPrintWritesTheTextFileAndReportsACommandThatCannotStart)
{
    render(2);
    action("actTextPrint")->trigger();
    ASSERT_EQ(printers.textFiles.size(), 1);
    EXPECT_EQ(printers.textFiles.first(), kzp::TfrmOrvikPreview::textPrintFileName());
    EXPECT_TRUE(printers.textFiles.first().endsWith("/Tavo/R_Tirm.txt"));
    QFile file(printers.textFiles.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains("Pozycja nr 2"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    kzp::QtPrinterService missing(dir.filePath("brak-polecenia-lp"));
    QString error;
    EXPECT_FALSE(missing.printTextFile(file.fileName(), &error));
    printers.textFailure = error;
    action("actTextPrint")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().caption, "Komunikat");
    EXPECT_TRUE(dialogs.last().text.contains("brak-polecenia-lp"));
}

TEST_F(PreviewTest, CloseGoesBackToPageOneAndDetaches)
{
    render(3);
    window.show();
    action("actLastPage")->trigger();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.pageSet());
    EXPECT_FALSE(window.canSave());
    EXPECT_EQ(box("pageBox")->text(), "1");
}

} // namespace
