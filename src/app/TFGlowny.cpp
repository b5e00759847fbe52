#include "app/TFGlowny.h"

#include "app/TFInformacja.h"
#include "app/TFStart.h"
#include "app/logic/UserList.h"
#include "common/DateTexts.h"
#include "common/MonthNames.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

// The windows of the fund register and of the administration join the main window when they are
// part of the program.
#if __has_include("app/TFKasy.h")
#include "app/TFKasy.h"
#define KZP_HAS_TFKASY 1
#endif
#if __has_include("app/TFUzytkownicy.h")
#include "app/TFUzytkownicy.h"
#define KZP_HAS_TFUZYTKOWNICY 1
#endif
#if __has_include("app/TFZmHasla.h")
#include "app/TFZmHasla.h"
#define KZP_HAS_TFZMHASLA 1
#endif
#if __has_include("app/TFDaneFirmy.h")
#include "app/TFDaneFirmy.h"
#define KZP_HAS_TFDANEFIRMY 1
#endif
#if __has_include("app/TFDzialy.h")
#include "app/TFDzialy.h"
#define KZP_HAS_TFDZIALY 1
#endif

namespace kzp {

namespace {

// Shows a window of the program modally and forgets it afterwards.
template <typename Window>
void showModal(RuleContext& ctx, QWidget* parent)
{
    Window window(ctx, parent);
    window.exec();
}

QLabel* periodPanel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(60);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QStringLiteral("Zmień okres obliczeniowy"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

} // namespace

TFGlowny::TFGlowny(RuleContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx)
{
    setObjectName("TFGlowny");
    setWindowTitle(QStringLiteral("KASA ZAPOMOGOWO POŻYCZKOWA"));
    endProgram = [this] {
        showMinimized();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };
    buildControls();
    buildMenus();
    m_start = new TFStart(ctx, this);

    setOpener(Command::ZmianaOkresu, [this] { changePeriod(); });
    setOpener(Command::Zamknij, [this] { close(); });
    setOpener(Command::Informacja, [this] {
        TFInformacja about(this);
        about.exec();
    });
    wireWindows();
    updateEnabled();
    writePeriod();
}

TFGlowny::~TFGlowny() = default;

void TFGlowny::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* bar = new QHBoxLayout;
    btnWybierz = addButton(Command::Wybierz, QStringLiteral("Wybierz"), QStringLiteral("Wybierz kasę "));
    BBCzlonkowie = addButton(Command::DokumentyKsiegowe, QStringLiteral("Dokumenty księgowe"),
                             QStringLiteral("Dokumenty ksiegowe z danego roku"));
    BitBtn1 = addButton(Command::SaldaObroty, QStringLiteral("Salda i obroty "),
                        QStringLiteral("Salda i obroty miesięczne"));
    BBPotraceniaDoPlac = addButton(
        Command::GenerowaniePotracen, QStringLiteral("Generowanie potrąceń"),
        QStringLiteral("Generuje dla danego m-ca raty i składki  (tylko dla pracowników własnych)"));
    BBImport = addButton(Command::PotraceniaZPlac, QStringLiteral("Potrącenia z PŁAC"),
                         QStringLiteral("Importuje z PLAC wszystkie zrealizowane potrącenia (raty,skladki) i rejestruje "
                                        "w Kasie ze Statusem ( P )"));
    btnWybierz->setObjectName("btnWybierz");
    BBCzlonkowie->setObjectName("BBCzlonkowie");
    BitBtn1->setObjectName("BitBtn1");
    BBPotraceniaDoPlac->setObjectName("BBPotraceniaDoPlac");
    BBImport->setObjectName("BBImport");
    for (QPushButton* b : {btnWybierz, BBCzlonkowie, BitBtn1, BBPotraceniaDoPlac, BBImport})
        bar->addWidget(b);
    bar->addStretch(1);

    pnlRok = periodPanel("pnlRok", central);
    pnlMc = periodPanel("pnlMc", central);
    pnlMc->setMinimumWidth(110);
    pnlDz = periodPanel("pnlDz", central);
    pnlDz->setMinimumWidth(50);
    for (QLabel* panel : {pnlRok, pnlMc, pnlDz}) {
        panel->installEventFilter(this);
        bar->addWidget(panel);
    }
    BBZmianaOkresu = addButton(Command::ZmianaOkresu, QStringLiteral("..."), QStringLiteral("Zmień okres obliczeniowy"));
    BBZmianaOkresu->setObjectName("BBZmianaOkresu");
    BBZmianaOkresu->setMaximumWidth(40);
    bar->addWidget(BBZmianaOkresu);
    bar->addSpacing(12);

    Panel2 = addButton(Command::Zamknij, QStringLiteral("Zamknij   "), QStringLiteral("Zakoncz prace"));
    Panel2->setObjectName("Panel2");
    Panel2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    bar->addWidget(Panel2);
    layout->addLayout(bar);

    DBGrid1 = new widgets::CursorGrid(m_ctx.dialogs, central);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(DBGrid1, 1);
    connect(DBGrid1, &widgets::CursorGrid::rowActivated, this, [this] { runCommand(Command::Wybierz); });

    setCentralWidget(central);

    StatusData = new QLabel(this);
    StatusData->setObjectName("StatusData");
    StatusData->setMinimumWidth(300);
    StatusOperator = new QLabel(this);
    StatusOperator->setObjectName("StatusOperator");
    StatusOperator->setMinimumWidth(300);
    statusBar()->addWidget(StatusData);
    statusBar()->addWidget(StatusOperator, 1);
    statusBar()->setSizeGripEnabled(false);
}

QPushButton* TFGlowny::addButton(Command command, const QString& text, const QString& hint)
{
    auto* button = new QPushButton(text, this);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
    m_buttons.insert(command, button);
    return button;
}

QAction* TFGlowny::addCommand(QMenu* menu, Command command, const QString& text, const QString& hint)
{
    QAction* action = menu->addAction(text);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    m_actions.insert(command, action);
    return action;
}

void TFGlowny::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* statements = bar->addMenu(QStringLiteral("Zestawienia"));
    statements->setObjectName("Zestawienia");
    addCommand(statements, Command::Z1, QStringLiteral("( Z1 )...Zestawienie bieżące Sald , Wpłat"));
    addCommand(statements, Command::Z2, QStringLiteral("( Z2 )...Zestawienie operacji na koniec wybranego m-ca"));
    addCommand(statements, Command::Z3, QStringLiteral("( Z3 )...Zestawienie Wpłat w wybranym okresie"));
    addCommand(statements, Command::Z4, QStringLiteral("( Z4 )...Zestawienie pobranych pożyczek w wybranym m-cu"));
    addCommand(statements, Command::Z7, QStringLiteral("( Z7 )...Potwierdzenie salda na koniec wybranego miesiąca"));
    statements->addSeparator();
    addCommand(statements, Command::F1,
               QStringLiteral("( F1 )...Zestawienie obrotów i sald na koniec wybranego m-ca"));
    addCommand(statements, Command::F2, QStringLiteral("( F2 )...Zestawienie dokumentów księgowych"));
    addCommand(statements, Command::F3, QStringLiteral("( F3 )...Zestawienie obrotów od początku roku"));

    QMenu* closing = bar->addMenu(QStringLiteral(" Zamknij okres"));
    closing->setObjectName("ZamknijOkres");
    addCommand(closing, Command::ZamknijMiesiac, QStringLiteral("Zamknij miesiąc "));
    addCommand(closing, Command::AnulujZamkniecie, QStringLiteral("Anuluj zamkniecie miesiąca"));

    QMenu* dictionaries = bar->addMenu(QStringLiteral("Słowniki"));
    dictionaries->setObjectName("Slowniki");
    addCommand(dictionaries, Command::Kasy, QStringLiteral("Kasy  - słownik  - parametry"));
    addCommand(dictionaries, Command::Dzialy, QStringLiteral("Działy - słownik -do wyszczególnienia członków kas"));
    addCommand(dictionaries, Command::KodyDokumentow, QStringLiteral("Kody dokumentów księgowych"));
    addCommand(dictionaries, Command::SymboleKont, QStringLiteral("Symbole kont księgowych"));
    addCommand(dictionaries, Command::OperacjeKsiegowan, QStringLiteral("Operacje - księgowań"));

    QMenu* administration = bar->addMenu(QStringLiteral("Administracja"));
    administration->setObjectName("Administracja");
    addCommand(administration, Command::DaneFirmy, QStringLiteral("Dane firmy"));
    addCommand(administration, Command::Uzytkownicy, QStringLiteral("Użytkownicy"));

    QMenu* passwords = bar->addMenu(QStringLiteral("Hasła"));
    passwords->setObjectName("Hasla");
    addCommand(passwords, Command::ZmianaHasla, QStringLiteral("Zmiana hasła"));

    QMenu* archive = bar->addMenu(QStringLiteral("Archiwizacja"));
    archive->setObjectName("Archiwizacja");
    addCommand(archive, Command::KopiowanieDanych, QStringLiteral("Kopiowanie danych"));
    addCommand(archive, Command::KasowanieArchiwum, QStringLiteral("Kasowanie archiwum"));
    addCommand(archive, Command::UsunDane, QStringLiteral("Usuń dane do roku :"),
               QStringLiteral("Kasuje dane do dnia :..... i tworzy BO....."));

    QAction* about = bar->addAction(QStringLiteral("Informacja o programie"));
    connect(about, &QAction::triggered, this, [this] { runCommand(Command::Informacja); });
    m_actions.insert(Command::Informacja, about);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    addCommand(PopupMenu1, Command::DokumentyKsiegowe, QStringLiteral("Dokumenty księgowe"));
    addCommand(PopupMenu1, Command::SaldaObroty, QStringLiteral("Salda i obroty"));
    addCommand(PopupMenu1, Command::GenerowaniePotracen, QStringLiteral("Generuj miesięczne potrącenia"));
    addCommand(PopupMenu1, Command::PotraceniaZPlac, QStringLiteral("Odbierz potrącenia z PLAC"));
    PopupMenu1->addSeparator();
    addCommand(PopupMenu1, Command::ZamknijMiesiac, QStringLiteral("Zamknij miesiąc "));
    addCommand(PopupMenu1, Command::AnulujZamkniecie, QStringLiteral("Anuluj zamknięcie miesiąca"));
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(pos)); });
}

void TFGlowny::wireWindows()
{
#ifdef KZP_HAS_TFKASY
    setOpener(Command::Kasy, [this] { showModal<TFKasy>(m_ctx, this); }, true);
#endif
#ifdef KZP_HAS_TFDANEFIRMY
    setOpener(Command::DaneFirmy, [this] { showModal<TFDaneFirmy>(m_ctx, this); }, true);
#endif
#ifdef KZP_HAS_TFUZYTKOWNICY
    setOpener(Command::Uzytkownicy, [this] { showModal<TFUzytkownicy>(m_ctx, this); }, true);
#endif
#ifdef KZP_HAS_TFZMHASLA
    setOpener(Command::ZmianaHasla, [this] { showModal<TFZmHasla>(m_ctx, this); }, true);
#endif
#ifdef KZP_HAS_TFDZIALY
    setOpener(Command::Dzialy, [this] { showModal<TFDzialy>(m_ctx, this); });
#endif
}

void TFGlowny::setOpener(Command command, Opener opener, bool subWindow)
{
    m_openers.insert(command, Entry{std::move(opener), subWindow});
    updateEnabled();
}

bool TFGlowny::hasOpener(Command command) const
{
    return m_openers.contains(command);
}

QList<QAction*> TFGlowny::actionsOf(Command command) const
{
    return m_actions.values(command);
}

QAbstractButton* TFGlowny::buttonOf(Command command) const
{
    return m_buttons.value(command);
}

void TFGlowny::updateEnabled()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(hasOpener(it.key()));
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(hasOpener(it.key()));
}

void TFGlowny::runCommand(Command command)
{
    widgets::runCommand(m_ctx.dialogs, [this, command] {
        MainCommands commands(m_ctx);
        if (!commands.prepare(command))
            return;
        if (command == Command::KopiowanieDanych && commands.prepareBackupFolder(QDate::currentDate()).isEmpty())
            return;
        const auto it = m_openers.constFind(command);
        if (it == m_openers.cend())
            return;
        const Entry entry = it.value();
        if (!entry.subWindow) {
            entry.open();
            return;
        }
        // The flag comes back also when the window ends by an exception.
        m_inControl = false;
        struct Restore {
            bool& flag;
            ~Restore() { flag = true; }
        } restore{m_inControl};
        entry.open();
    });
}

void TFGlowny::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation)
        QTimer::singleShot(0, this, [this] { firstActivation(); });
}

void TFGlowny::firstActivation()
{
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    TDM& dm = m_ctx.dm;
    Session& session = m_ctx.session;

    bool loaded = false;
    widgets::runCommand(m_ctx.dialogs, [&] {
        if (!dm.THasla.isOpen())
            dm.THasla.open();
        dm.setReportFlag(false);
        loaded = UserList::load(m_ctx);
    });
    if (!loaded) {
        endProgram();
        return;
    }
    DBGrid1->hide();
    session.workDir = dm.workDir();

    session.loginPending = true;
    m_start->exec();

    const bool opened = widgets::runCommand(m_ctx.dialogs, [&] {
        dm.openSharedCursors();
        // The fund type as the clerk knows it; the fund register's own rule takes precedence.
        store::FieldHooks& type = dm.TKasy.hooks(QStringLiteral("RodzajKasy"));
        if (!type.onGetText)
            type.onGetText = [](const store::Field& f, bool display) {
                if (!display)
                    return f.asString();
                const QString kind = f.asString();
                return kind == QLatin1String("K") ? QStringLiteral(" KZP ")
                       : kind == QLatin1String("M") ? QStringLiteral(" ZFM ")
                                                    : QStringLiteral("X");
            };
        if (!DBGrid1->isBound())
            DBGrid1->bindCursor(dm.TKasy, {{"RodzajKasy", QStringLiteral("Typ"), 6},
                                           {"NazwaKasy", QStringLiteral("Nazwa  Kasy"), 32},
                                           {"DataZamkniecia", QStringLiteral("Zamknięta."), 12},
                                           {"CalcImportRokMc", QStringLiteral("Zarejestrowano za m-c:"), 20},
                                           {"Identyfikator", QStringLiteral("Identyfikator"), 12}});
        dm.TKasy.first();
    });
    DBGrid1->show();
    writePeriod();
    if (!opened || !session.hasRight(RightActive)) {
        endProgram();
        return;
    }
    DBGrid1->setFocus();
}

void TFGlowny::changePeriod()
{
    m_ctx.session.loginPending = false;
    m_start->exec();
    DBGrid1->show();
    writePeriod();
}

void TFGlowny::writePeriod()
{
    const Session& session = m_ctx.session;
    const DateTriple& date = session.processingDate;
    pnlRok->setText(QString::number(date.year));
    pnlMc->setText(monthName(date.month, MonthForm::Nominative));
    pnlDz->setText(QString::number(date.day));
    StatusData->setText(QStringLiteral("Data przetwarzania:    ")
                        + dateText(date, DateOrder::DayFirst, DateTextOption::InWords | DateTextOption::Genitive));
    StatusOperator->setText(QStringLiteral("Operator:    ") + session.currentUser.nazwaPelna);
}

void TFGlowny::closeEvent(QCloseEvent* event)
{
    if (MainCommands(m_ctx).confirmClose(m_inControl))
        event->accept();
    else
        event->ignore();
}

void TFGlowny::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TFGlowny::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == pnlRok || watched == pnlMc || watched == pnlDz)) {
        runCommand(Command::ZmianaOkresu);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kzp
