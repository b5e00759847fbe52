#pragma once

#include "app/logic/MainCommands.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace widgets {
class CursorGrid;
}

namespace kzp {

struct RuleContext;
class TFStart;

// The main window: the fund list, the processing date and the operator, and every command of the
// program on its button bar, its menu and the fund grid's pop-up menu. Each command is checked
// here (right, fund opening) and then handed to the window that does the work. A command whose
// window is not part of the program yet stays disabled.
class TFGlowny : public QMainWindow {
    Q_OBJECT
public:
    explicit TFGlowny(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFGlowny() override;

    // Starts the window of a command once its checks have passed. A sub-window opener marks the
    // main window as not in control while it runs, so the program cannot be ended under it.
    using Opener = std::function<void()>;
    void setOpener(Command command, Opener opener, bool subWindow = false);
    bool hasOpener(Command command) const;

    // Runs a command as its button or menu item does (disabled or not): checks, then its window.
    void runCommand(Command command);
    // The menu and pop-up entries and the button of a command.
    QList<QAction*> actionsOf(Command command) const;
    QAbstractButton* buttonOf(Command command) const;

    // The log-in done at the first activation; later calls do nothing.
    void firstActivation();
    // Shows the login window for another processing date and rewrites the period panels.
    void changePeriod();
    bool mainWindowInControl() const { return m_inControl; }

    // Ends the program when nobody active logged in or the users could not be read.
    std::function<void()> endProgram;

    TFStart* start() const { return m_start; }

    QPushButton* btnWybierz;
    QPushButton* BBCzlonkowie;
    QPushButton* BitBtn1;
    QPushButton* BBPotraceniaDoPlac;
    QPushButton* BBImport;
    QPushButton* BBZmianaOkresu;
    QPushButton* Panel2;
    QLabel* pnlRok;
    QLabel* pnlMc;
    QLabel* pnlDz;
    widgets::CursorGrid* DBGrid1;
    QLabel* StatusData;     // status panel 0: the processing date
    QLabel* StatusOperator; // status panel 1: the operator
    QMenu* PopupMenu1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void wireWindows();
    QAction* addCommand(QMenu* menu, Command command, const QString& text, const QString& hint = QString());
    QPushButton* addButton(Command command, const QString& text, const QString& hint);
    void updateEnabled();
    void writePeriod();

    RuleContext& m_ctx;
    TFStart* m_start;
    bool m_firstActivation = true;
    bool m_inControl = true;
    QMultiHash<Command, QAction*> m_actions;
    QHash<Command, QAbstractButton*> m_buttons;
    struct Entry {
        Opener open;
        bool subWindow = false;
    };
    QHash<Command, Entry> m_openers;
};

} // namespace kzp
