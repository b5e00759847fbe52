#include "app/TFDzialy.h"

#include "common/PendingChanges.h"
#include "data/DepartmentRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace kzp {

using widgets::CursorNavigator;

TFDzialy::TFDzialy(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFDzialy"));
    setWindowTitle(QStringLiteral("Działy"));
    store::Cursor& dzialy = ctx.dm.TDzialy;
    installDepartmentRules(ctx);
    if (!dzialy.isOpen())
        dzialy.open();
    Dialogs& dialogs = ctx.dialogs;

    m_navigator = new CursorNavigator(dialogs, this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setHints({QString(), QStringLiteral("Prior record"), QStringLiteral("Next record"),
                           QStringLiteral("Last record"), QStringLiteral("Dopisz nowy dział"),
                           QStringLiteral("Skasuj Dział"), QStringLiteral("Zmień"), QStringLiteral("Zapisz"),
                           QStringLiteral("Anuluj"), QStringLiteral("Odświerz")});
    // The departments' deletion rule asks its own question.
    m_navigator->setDeleteConfirmation([] { return true; });
    m_navigator->bindCursor(dzialy);

    m_print = new QToolButton(this);
    m_print->setObjectName(QStringLiteral("BBWydruk"));
    m_print->setText(QStringLiteral("Wydruk"));
    m_print->setToolTip(QStringLiteral("Wydruk / Podgląd "));
    m_print->setEnabled(false);
    connect(m_print, &QToolButton::clicked, this, [this] {
        if (m_printHandler)
            widgets::runCommand(m_ctx.dialogs, m_printHandler);
    });

    m_grid = new widgets::CursorGrid(dialogs, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->bindCursor(dzialy, {widgets::gridColumn("Symbol", QStringLiteral("Symbol"), 7),
                                widgets::gridColumn("NazwaDzialu", QStringLiteral("Nazwa działu"), 36),
                                widgets::gridColumn("Wskaznik", QStringLiteral("Wskaźnik"), 8),
                                widgets::gridColumn("Identyfikator", QStringLiteral("Identyfikator"), 10)});

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* insert = m_menu->addAction(QStringLiteral("Dopisz konto"));
    QAction* post = m_menu->addAction(QStringLiteral("Zapisz "));
    QAction* cancel = m_menu->addAction(QStringLiteral("Anuluj"));
    connect(insert, &QAction::triggered, this, [this] { m_navigator->trigger(CursorNavigator::Insert); });
    connect(post, &QAction::triggered, this, [this] { m_navigator->trigger(CursorNavigator::Post); });
    connect(cancel, &QAction::triggered, this, [this] { m_navigator->trigger(CursorNavigator::Cancel); });
    connect(m_menu, &QMenu::aboutToShow, this, [&dzialy, post, cancel] {
        post->setEnabled(dzialy.isEditing());
        cancel->setEnabled(dzialy.isEditing());
    });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto* symbol = new widgets::FieldLineEdit(dialogs, this);
    symbol->setObjectName(QStringLiteral("DBEditSymbol"));
    symbol->bind(dzialy, QStringLiteral("Symbol"));
    symbol->setMaximumWidth(symbol->fontMetrics().averageCharWidth() * 10);
    auto* nazwa = new widgets::FieldLineEdit(dialogs, this);
    nazwa->setObjectName(QStringLiteral("DBEditNazwaDzialu"));
    nazwa->bind(dzialy, QStringLiteral("NazwaDzialu"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Symbol działu:"), symbol);
    form->addRow(QStringLiteral("Nazwa działu:"), nazwa);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_navigator, 1);
    bar->addWidget(m_print);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(form);
    resize(600, 460);
}

TFDzialy::~TFDzialy()
{
    m_grid->unbind();
    m_navigator->unbind();
}

void TFDzialy::setPrintHandler(std::function<void()> handler)
{
    m_printHandler = std::move(handler);
    m_print->setEnabled(bool(m_printHandler));
}

void TFDzialy::reject()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    if (askPendingChanges(QStringLiteral(" Czy zapisać zmiany w Działach !!!"),
                          QStringLiteral(" Czy dopisać nowy Dział ?"), QStringLiteral("  Kontrola wprowadzania  "),
                          m_ctx.dm.TDzialy, m_ctx.dialogs))
        QDialog::reject();
}

} // namespace kzp
