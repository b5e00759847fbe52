// The main window's commands: their places, rights, fund opening and the end of the program.
#include "MainWindowFixture.h"

#include "app/TFInformacja.h"
#include "app/TFStart.h"
#include "data/TableNames.h"
#include "store/Tables.h"
#include "widgets/CursorGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace kzp::test {
namespace {

const QString UsersCaption = QStringLiteral("Kontrola użytkowników.");
const QString NoAdmin = QStringLiteral("Nie masz uprawnień administratora !!!");

class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        addFund(1, "Kasa z płacami", true);
        m_dm->TKasy.first();
    }
    // Every command gets an opener that only counts, so a refused command shows as no count.
    void countOpeners()
    {
        for (int c = int(Command::Wybierz); c <= int(Command::Informacja); ++c)
            m_window->setOpener(Command(c), [this, c] { m_opened.append(Command(c)); });
    }
    QList<Command> m_opened;
};

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

TEST_F(MainWindowTest, EveryCommandIsInItsPlaces)
{
    EXPECT_EQ(m_window->windowTitle(), "KASA ZAPOMOGOWO POŻYCZKOWA");
    QStringList menus;
    for (QAction* a : m_window->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Zestawienia", " Zamknij okres", "Słowniki", "Administracja", "Hasła",
                                  "Archiwizacja", "Informacja o programie"}));
    EXPECT_EQ(menuTexts(m_window->findChild<QMenu*>("Slowniki")),
              (QStringList{"Kasy  - słownik  - parametry", "Działy - słownik -do wyszczególnienia członków kas",
                           "Kody dokumentów księgowych", "Symbole kont księgowych", "Operacje - księgowań"}));
    EXPECT_EQ(menuTexts(m_window->findChild<QMenu*>("Archiwizacja")),
              (QStringList{"Kopiowanie danych", "Kasowanie archiwum", "Usuń dane do roku :"}));
    EXPECT_EQ(menuTexts(m_window->PopupMenu1),
              (QStringList{"Dokumenty księgowe", "Salda i obroty", "Generuj miesięczne potrącenia",
                           "Odbierz potrącenia z PLAC", "Zamknij miesiąc ", "Anuluj zamknięcie miesiąca"}));
    EXPECT_EQ(menuTexts(m_window->findChild<QMenu*>("Zestawienia")).size(), 8);

    // Buttons and menu entries of each command: the count of places, and whether the command is
    // part of the program yet (windows of later work stay disabled).
    struct Case {
        Command command;
        int menuEntries;
        QString button;
    };
    const Case cases[] = {
        {Command::Wybierz, 0, "Wybierz"},
        {Command::DokumentyKsiegowe, 1, "Dokumenty księgowe"},
        {Command::SaldaObroty, 1, "Salda i obroty "},
        {Command::GenerowaniePotracen, 1, "Generowanie potrąceń"},
        {Command::PotraceniaZPlac, 1, "Potrącenia z PŁAC"},
        {Command::ZmianaOkresu, 0, "..."},
        {Command::Zamknij, 0, "Zamknij   "},
        {Command::ZamknijMiesiac, 2, ""},
        {Command::AnulujZamkniecie, 2, ""},
        {Command::Informacja, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.command));
        EXPECT_EQ(m_window->actionsOf(c.command).size(), c.menuEntries);
        QAbstractButton* button = m_window->buttonOf(c.command);
        EXPECT_EQ(button ? button->text() : QString(), c.button);
    }
    for (Command wired : {Command::ZmianaOkresu, Command::Zamknij, Command::Informacja})
        EXPECT_TRUE(m_window->buttonOf(wired) ? m_window->buttonOf(wired)->isEnabled()
                                              : m_window->actionsOf(wired).first()->isEnabled());
    for (Command later : {Command::Wybierz, Command::DokumentyKsiegowe, Command::Z1, Command::F3,
                          Command::UsunDane, Command::ZamknijMiesiac}) {
        for (QAction* a : m_window->actionsOf(later))
            EXPECT_FALSE(a->isEnabled()) << int(later);
        if (QAbstractButton* b = m_window->buttonOf(later))
            EXPECT_FALSE(b->isEnabled()) << int(later);
    }
}

TEST_F(MainWindowTest, ACommandWithoutItsRightIsRefusedAndNothingOpens)
{
    struct Case {
        Command command;
        QString refusal;
    };
    const Case cases[] = {
        {Command::Wybierz, "Nie masz uprawnień do podglądu !!!"},
        {Command::PotraceniaZPlac, "Nie masz uprawnień do aktualizacji !!!"},
        {Command::Kasy, NoAdmin},
        {Command::Dzialy, NoAdmin},
        {Command::KodyDokumentow, NoAdmin},
        {Command::SymboleKont, NoAdmin},
        {Command::OperacjeKsiegowan, NoAdmin},
        {Command::DaneFirmy, NoAdmin},
        {Command::Uzytkownicy, NoAdmin},
        {Command::KasowanieArchiwum, NoAdmin},
    };
    const UserSpec onlyActive = clerk("GOSC", {RightActive});
    addUser(onlyActive);
    logInAs(onlyActive, {2003, 5, 31});
    countOpeners();
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.command));
        m_dialogs.clear();
        m_window->runCommand(c.command);
        ASSERT_EQ(m_dialogs.shown().size(), 1);
        EXPECT_EQ(m_dialogs.last().text, c.refusal);
        EXPECT_EQ(m_dialogs.last().caption, UsersCaption);
        EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
    }
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_FALSE(tableExists(fundPath(1), "Dok2003")); // no fund was opened on the way

    // Commands that need no right go on for the same user.
    m_dialogs.clear();
    for (Command free : {Command::ZmianaHasla, Command::ZamknijMiesiac, Command::AnulujZamkniecie, Command::Informacja})
        m_window->runCommand(free);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(m_opened.size(), 4);
}

TEST_F(MainWindowTest, TheImportRefusesAFundWithoutPayrollBeforeAskingForTheRight)
{
    addFund(2, "Kasa bez płac", false);
    const UserSpec reader = clerk("CZYTELNIK", {RightActive, RightBrowse});
    addUser(reader);
    logInAs(reader, {2003, 5, 31});
    countOpeners();
    ASSERT_TRUE(m_dm->TKasy.locate("Identyfikator", {2}));
    m_window->runCommand(Command::PotraceniaZPlac);
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Ta KASA  nie współpracuje z systemem PŁACOWYM "});
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(MainWindowTest, AFundThatCannotBeOpenedEndsTheCommandWithItsMessages)
{
    addFund(2, "Bez folderu", false, false);
    addFund(3, "Bez rat", false);
    store::Tables(m_db).drop({fundPath(3), table::Raty});
    logInAs({"ADMIN", "Administrator", "admin", {}}, {2003, 5, 31});
    countOpeners();
    const QString missingFolder = "Brak folderu danej kasy !!!";
    const QString noData = "Brak danych !!!";
    const QString printCaption = "Kontrola generowania wydruku.";

    struct Case {
        Command command;
        int fund;
        QList<Dialogs::Button> answers; // to the year question
        QStringList texts;
        QString lastCaption;
    };
    const QString yearQuestion =
        "Brak zbioru: Kas3\\Dok2003.DB\n\nCzy zakładasz zbior z Dokumentami księgowymi na Rok 2003";
    const Case cases[] = {
        {Command::DokumentyKsiegowe, 2, {}, {missingFolder, noData}, printCaption},
        {Command::Z2, 2, {}, {missingFolder, noData}, printCaption},
        {Command::F1, 2, {}, {missingFolder, noData}, printCaption},
        {Command::OperacjeKsiegowan, 2, {}, {missingFolder, noData}, "Kontrola "},
        {Command::GenerowaniePotracen, 2, {}, {missingFolder}, "Kontrola !!!"},
        {Command::UsunDane, 2, {}, {missingFolder}, "Kontrola !!!"},
        {Command::SaldaObroty, 3, {Dialogs::No}, {yearQuestion, noData}, printCaption},
        {Command::GenerowaniePotracen, 3, {Dialogs::No}, {yearQuestion}, "Kontrola"},
        {Command::Z1, 3, {Dialogs::Yes}, {yearQuestion, "Brak zbioru : RATY.DB !!!", noData}, printCaption},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.command));
        m_dialogs.clear();
        for (Dialogs::Button b : c.answers)
            m_dialogs.answer(b);
        ASSERT_TRUE(m_dm->TKasy.locate("Identyfikator", {c.fund}));
        m_window->runCommand(c.command);
        EXPECT_EQ(m_dialogs.texts(), c.texts);
        EXPECT_EQ(m_dialogs.last().caption, c.lastCaption);
        EXPECT_EQ(m_dm->TKasy.field("Identyfikator").asInt(), c.fund); // the selected fund stays
    }
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(m_session.processingDate, (DateTriple{2003, 5, 31}));

    // Shared dictionaries need no fund at all.
    m_dialogs.clear();
    m_window->runCommand(Command::KodyDokumentow);
    m_window->runCommand(Command::SymboleKont);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(m_opened, (QList<Command>{Command::KodyDokumentow, Command::SymboleKont}));
}

TEST_F(MainWindowTest, ClosingAsksAndIsRefusedWhileASubWindowIsOpen)
{
    logInAs({"ADMIN", "Administrator", "admin", {}}, {2003, 5, 31});
    // Shown, the window logs in first; the login window is left with Zamknij, ADMIN stays.
    whenModal([](QWidget* login) { login->close(); });
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY(!m_window->start()->isVisible());
    ASSERT_EQ(m_ended, 0);

    m_dialogs.answer(Dialogs::No);
    QTest::keyClick(m_window->DBGrid1, Qt::Key_Escape); // Esc in the grid asks too
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, "Czy chcesz zakończyć pracę z programem ?");
    EXPECT_EQ(m_dialogs.last().caption, "Zakończenie programu KZP");
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Question);
    EXPECT_TRUE(m_window->isVisible());

    // A request to end the program while the fund register is open.
    bool inControlDuringWindow = true;
    m_window->setOpener(Command::Kasy, [&] {
        inControlDuringWindow = m_window->mainWindowInControl();
        EXPECT_FALSE(m_window->close());
    }, true);
    m_dialogs.clear();
    m_window->runCommand(Command::Kasy);
    EXPECT_FALSE(inControlDuringWindow);
    EXPECT_TRUE(m_window->mainWindowInControl());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, "Automatyczne zamknięcie programu Turmel tylko z głownego okna.\n"
                                     "Zamknij okna podrzędne i wróć do funkcji !!!");
    EXPECT_EQ(m_dialogs.last().caption, "Zakończenie programu KZP.");
    EXPECT_TRUE(m_window->isVisible());

    // The flag comes back when the window ends by an exception too.
    m_window->setOpener(Command::Kasy, [] { throw store::RuleError("odmowa"); }, true);
    m_window->runCommand(Command::Kasy);
    EXPECT_TRUE(m_window->mainWindowInControl());

    m_dialogs.clear();
    m_dialogs.answer(Dialogs::Yes);
    QTest::mouseClick(m_window->Panel2, Qt::LeftButton);
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(MainWindowTest, EnterInTheGridChoosesTheFund)
{
    const UserSpec onlyActive = clerk("GOSC", {RightActive});
    addUser(onlyActive);
    logInAs(onlyActive, {2003, 5, 31});
    m_window->DBGrid1->bindCursor(m_dm->TKasy, {{"NazwaKasy", "Nazwa  Kasy", 30}});
    QTest::keyClick(m_window->DBGrid1, Qt::Key_Return);
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Nie masz uprawnień do podglądu !!!"});
}

TEST_F(MainWindowTest, TheBackupFolderIsMadeBelowTheArchiveFolder)
{
    logInAs({"ADMIN", "Administrator", "admin", {}}, {2003, 5, 31});
    MainCommands commands(*m_ctx);
    store::Cursor& parametry = m_dm->TParametry;
    const auto setArchive = [&](const QString& folder) {
        parametry.first();
        parametry.edit();
        parametry.setValue("KatalogArchiwum", folder);
        parametry.post();
    };
    const QDate today(2003, 11, 30);

    QFile blocker(QDir(m_dir.path()).filePath("plik"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const QString& bad : {QString(), QDir(m_dir.path()).filePath("plik")}) {
        SCOPED_TRACE(bad.toStdString());
        setArchive(bad);
        m_dialogs.clear();
        EXPECT_TRUE(commands.prepareBackupFolder(today).isEmpty());
        EXPECT_EQ(m_dialogs.texts(), QStringList{"Błąd generowania katalogu: ARCHIWUM"});
    }

    setArchive(QDir(m_dir.path()).filePath("archiwum"));
    m_dialogs.clear();
    const QString folder = commands.prepareBackupFolder(today);
    EXPECT_EQ(folder, QDir(m_dir.path()).filePath("archiwum/KZP__2003-11-30"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(commands.prepareBackupFolder(today), folder); // a second copy of the day goes there too
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(MainWindowTest, TheAboutBoxShowsTheProgramVersion)
{
    TFInformacja about;
    EXPECT_EQ(about.windowTitle(), "Informacja o programie");
    EXPECT_EQ(about.lblWersja->text(), QStringLiteral(KZP_VERSION));
    EXPECT_FALSE(about.lblWersja->text().isEmpty());
}

} // namespace
} // namespace kzp::test
