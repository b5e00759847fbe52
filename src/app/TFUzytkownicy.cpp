#include "app/TFUzytkownicy.h"

#include "common/PendingChanges.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "data/UserRules.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldCheckBox.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace kzp {

using widgets::CursorNavigator;

TFUzytkownicy::TFUzytkownicy(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFUzytkownicy"));
    setWindowTitle(QStringLiteral("Wprowadzanie uzytkownikow"));
    UserRules& rules = UserRules::install(ctx);
    store::Cursor& hasla = ctx.dm.THasla;
    if (!hasla.isOpen())
        hasla.open();
    Dialogs& dialogs = ctx.dialogs;

    m_navigator = new CursorNavigator(dialogs, this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setVisibleButtons({CursorNavigator::First, CursorNavigator::Prior, CursorNavigator::Next,
                                    CursorNavigator::Last, CursorNavigator::Insert, CursorNavigator::Edit,
                                    CursorNavigator::Post, CursorNavigator::Cancel, CursorNavigator::Refresh});
    m_navigator->bindCursor(hasla);

    m_grid = new widgets::CursorGrid(dialogs, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->bindCursor(hasla, {widgets::gridColumn("NazwaKrotka", QStringLiteral("Nazwa krótka"), 11),
                               widgets::gridColumn("NazwaPelna", QStringLiteral("Nazwa pełna"), 24),
                               widgets::gridColumn("Aktywny", QStringLiteral("Aktywny"), 7),
                               widgets::gridColumn("Administrator", QStringLiteral("Administrator"), 11),
                               widgets::gridColumn("Przegladanie", QStringLiteral("Przeglądanie"), 9),
                               widgets::gridColumn("Aktualizacja", QStringLiteral("Aktualizacja"), 9),
                               widgets::gridColumn("Zamkniecie", QStringLiteral("Zamknięcie m-ca"), 13)});

    m_shortName = new widgets::FieldLineEdit(dialogs, this);
    m_shortName->setObjectName(QStringLiteral("DBEditNazwaKrotka"));
    m_shortName->bind(hasla, QStringLiteral("NazwaKrotka"));
    // A short name is given once, when the user is added.
    m_shortName->setEnabled(hasla.state() == store::Cursor::State::Insert);
    QPointer<widgets::FieldLineEdit> shortName = m_shortName;
    rules.shortNameEditable = [shortName](bool enabled) {
        if (shortName)
            shortName->setEnabled(enabled);
    };

    auto* fullName = new widgets::FieldLineEdit(dialogs, this);
    fullName->setObjectName(QStringLiteral("DBEditNazwaPelna"));
    fullName->bind(hasla, QStringLiteral("NazwaPelna"));

    auto* rights = new QGroupBox(QStringLiteral("Uprawnienia:"), this);
    auto* rightsLayout = new QVBoxLayout(rights);
    const struct {
        const char* field;
        QString text;
    } boxes[] = {{"Aktywny", QStringLiteral("Aktywny")},
                 {"Administrator", QStringLiteral("Administrator")},
                 {"Przegladanie", QStringLiteral("Przegladanie")},
                 {"Aktualizacja", QStringLiteral("Aktualizacja")},
                 {"Zamkniecie", QStringLiteral("Zamknięcie m-ca")}};
    for (const auto& b : boxes) {
        auto* box = new widgets::FieldCheckBox(b.text, dialogs, rights);
        box->setObjectName(QStringLiteral("DBCheckBox") + QLatin1String(b.field));
        box->bind(hasla, QLatin1String(b.field));
        rightsLayout->addWidget(box);
    }

    auto* names = new QFormLayout;
    names->addRow(QStringLiteral("Nazwa krotka :"), m_shortName);
    names->addRow(QStringLiteral("Nazwa pełna:"), fullName);
    m_shortName->setMaximumWidth(m_shortName->fontMetrics().averageCharWidth() * 14);

    auto* below = new QHBoxLayout;
    below->addLayout(names, 2);
    below->addWidget(rights, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_navigator);
    layout->addWidget(m_grid, 1);
    layout->addLayout(below);
    resize(820, 520);
}

TFUzytkownicy::~TFUzytkownicy()
{
    if (UserRules* rules = UserRules::of(m_ctx.dm.THasla))
        rules->shortNameEditable = nullptr;
    m_grid->unbind();
    m_navigator->unbind();
}

void TFUzytkownicy::reject()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    if (askPendingChanges(QStringLiteral(" Czy zapisać zmiany dla użytkownika !!!"),
                          QStringLiteral(" Czy dopisać nowego użytkownika !!!"),
                          QStringLiteral("  Kontrola wprowadzania użytkowników. "), m_ctx.dm.THasla, m_ctx.dialogs))
        QDialog::reject();
}

} // namespace kzp
