#include "app/TFKasy.h"

#include "app/FieldChoiceEditors.h"
#include "app/logic/FolderChoice.h"
#include "common/PendingChanges.h"
#include "data/FundRegisterRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldCheckBox.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace kzp {

using widgets::CursorNavigator;
using widgets::FieldLineEdit;

TFKasy::TFKasy(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFKasy"));
    setWindowTitle(QStringLiteral("K A S Y"));
    FundRegisterRules::install(ctx);
    store::Cursor& kasy = ctx.dm.TKasy;
    if (!kasy.isOpen())
        kasy.open();
    Dialogs& dialogs = ctx.dialogs;

    pickFolder = [](QWidget* owner, const QString& caption, const QString& start) {
        return QFileDialog::getExistingDirectory(owner, caption, start);
    };

    m_navigator = new CursorNavigator(dialogs, this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setHints({QString(), QString(), QString(), QString(), QStringLiteral("Dopisz nową kasę"),
                           QStringLiteral("Skasuj kasę"), QStringLiteral("Edit record"), QStringLiteral("Zapisz"),
                           QStringLiteral("Anuluj zmiany"), QStringLiteral("Odswież")});
    // The register's deletion rule asks its own question.
    m_navigator->setDeleteConfirmation([] { return true; });
    m_navigator->bindCursor(kasy);

    m_grid = new widgets::CursorGrid(dialogs, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->bindCursor(kasy, {widgets::gridColumn("RodzajKasy", QStringLiteral("Rodzaj"), 6),
                              widgets::gridColumn("NazwaKasy", QStringLiteral("Nazwa kasy"), 24),
                              widgets::gridColumn("Identyfikator", QStringLiteral("Id"), 4),
                              widgets::gridColumn("KwotaWpisowe", QStringLiteral("Wpisowe"), 8),
                              widgets::gridColumn("KodWpisowe", QStringLiteral("Skł. wpis."), 6),
                              widgets::gridColumn("KwotaSkladka", QStringLiteral("Składka"), 8),
                              widgets::gridColumn("KodSkladka", QStringLiteral("Skł. skł."), 6),
                              widgets::gridColumn("KodZwrot", QStringLiteral("Skł. zwr."), 6),
                              widgets::gridColumn("KodRata", QStringLiteral("Skł. raty"), 6),
                              widgets::gridColumn("KodRataOdsetki", QStringLiteral("Skł. ods."), 6),
                              widgets::gridColumn("Uzupelniajace", QStringLiteral("Uzup."), 5)});

    auto lineEdit = [&](const char* name, const char* field) {
        auto* edit = new FieldLineEdit(dialogs, this);
        edit->setObjectName(QLatin1String(name));
        edit->bind(kasy, QLatin1String(field));
        return edit;
    };
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };

    auto* rodzaj = new FieldItemCombo({{QStringLiteral("K - KZP"), QStringLiteral("K")},
                                       {QStringLiteral("M - ZFM"), QStringLiteral("M")}},
                                      dialogs, this);
    rodzaj->setObjectName(QStringLiteral("DBComboBoxRodzajKasy"));
    rodzaj->bind(kasy, QStringLiteral("RodzajKasy"));
    FieldLineEdit* nazwa = lineEdit("DBEditNazwaKasy", "NazwaKasy");
    FieldLineEdit* wpisowe = lineEdit("DBEditKwotaWpisowe", "KwotaWpisowe");
    FieldLineEdit* skladka = lineEdit("DBEditKwotaSkladka", "KwotaSkladka");
    FieldLineEdit* procent = lineEdit("DBEditProcent", "Procent");
    auto* czyPlace = new widgets::FieldCheckBox(QStringLiteral("Współpraca z PŁACAMI"), dialogs, this);
    czyPlace->setObjectName(QStringLiteral("DBCheckBoxCzyPlace"));
    czyPlace->bind(kasy, QStringLiteral("CzyPlace"));
    FieldLineEdit* sciezkaPlac = lineEdit("DBEditSciezkaPlac", "SciezkaPlac");
    FieldLineEdit* sciezkaKadr = lineEdit("DBEditSciezkaKadr", "SciezkaKadr");
    auto folderButton = [&](const char* name, const QString& field, const QString& caption) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(QStringLiteral("..."));
        connect(button, &QToolButton::clicked, this, [this, field, caption] { choosePath(field, caption); });
        return button;
    };
    QToolButton* placButton = folderButton("BBSciezkaPlac", QStringLiteral("SciezkaPlac"),
                                           QStringLiteral("Wybierz katalog PŁAC:"));
    QToolButton* kadrButton = folderButton("BBSciezkaKadr", QStringLiteral("SciezkaKadr"),
                                           QStringLiteral("Wybierz katalog KADR:"));
    FieldLineEdit* kodWpisowe = lineEdit("DBEditKodWpisowe", "KodWpisowe");
    FieldLineEdit* kodSkladka = lineEdit("DBEditKodSkladka", "KodSkladka");
    FieldLineEdit* kodRata = lineEdit("DBEditKodRata", "KodRata");
    FieldLineEdit* kodZwrot = lineEdit("DBEditKodZwrot", "KodZwrot");
    auto* kiedyInna = new FieldRadioGroup(QStringLiteral("Która rata  inna (zaokrąglenia):"),
                                          {{QStringLiteral("Pierwsza rata"), 0}, {QStringLiteral("Ostatnia rata"), 1}},
                                          dialogs, this);
    kiedyInna->setObjectName(QStringLiteral("DBRadioGroupKiedyInnaRata"));
    kiedyInna->bind(kasy, QStringLiteral("KiedyInnaRata"));
    auto* uzupelniajace = new FieldRadioGroup(QStringLiteral("Czy pożyczki uzupełniające z przeliczeniem rat ?"),
                                              {{QStringLiteral("Nie"), 0}, {QStringLiteral("Tak"), 1}}, dialogs, this);
    uzupelniajace->setObjectName(QStringLiteral("DBRadioGroupUzupelniajace"));
    uzupelniajace->bind(kasy, QStringLiteral("Uzupelniajace"));
    FieldLineEdit* licznik = lineEdit("DBEditLicznikNRP", "LicznikNRP");
    licznik->setMaxLength(10);
    auto* dataZamkniecia = new widgets::FieldDateEdit(dialogs, this);
    dataZamkniecia->setObjectName(QStringLiteral("DBEditDataZamkniecia"));
    dataZamkniecia->bind(kasy, QStringLiteral("DataZamkniecia"));

    // On top what the fund is; below, on the left what it charges, on the right its ties to payroll.
    auto* identity = new QHBoxLayout;
    identity->addWidget(label(QStringLiteral("Rodzaj kasy :"), rodzaj));
    identity->addWidget(rodzaj);
    identity->addSpacing(16);
    identity->addWidget(label(QStringLiteral("Nazwa kasy:"), nazwa));
    identity->addWidget(nazwa, 1);

    const int codeWidth = fontMetrics().averageCharWidth() * 14;
    for (QWidget* w : {static_cast<QWidget*>(wpisowe), static_cast<QWidget*>(skladka), static_cast<QWidget*>(procent),
                       static_cast<QWidget*>(licznik), static_cast<QWidget*>(dataZamkniecia),
                       static_cast<QWidget*>(kodWpisowe), static_cast<QWidget*>(kodSkladka),
                       static_cast<QWidget*>(kodRata), static_cast<QWidget*>(kodZwrot)})
        w->setMaximumWidth(codeWidth);

    auto* left = new QGridLayout;
    int row = 0;
    left->addWidget(label(QStringLiteral("Kwota wpisowego :"), wpisowe), row, 0);
    left->addWidget(wpisowe, row++, 1);
    left->addWidget(label(QStringLiteral("Kwota składki :"), skladka), row, 0);
    left->addWidget(skladka, row++, 1);
    left->addWidget(label(QStringLiteral("Oprocentowanie :"), procent), row, 0);
    left->addWidget(procent, row, 1);
    left->addWidget(new QLabel(QStringLiteral("%"), this), row++, 2);
    left->addWidget(label(QStringLiteral("Licznik do podpowiadania Nr Pracownika:"), licznik), row, 0);
    left->addWidget(licznik, row++, 1);
    left->addWidget(label(QStringLiteral("Data zamknięcia okresu rozliczeniowego:"), dataZamkniecia), row, 0);
    left->addWidget(dataZamkniecia, row++, 1);
    left->addWidget(kiedyInna, row++, 0, 1, 4);
    left->addWidget(uzupelniajace, row++, 0, 1, 4);
    left->setRowStretch(row, 1);
    left->setColumnStretch(3, 1);

    auto* right = new QGridLayout;
    row = 0;
    right->addWidget(czyPlace, row++, 0, 1, 3);
    right->addWidget(label(QStringLiteral("Scieżka  do syst. PLACE:"), sciezkaPlac), row, 0);
    right->addWidget(sciezkaPlac, row, 1);
    right->addWidget(placButton, row++, 2);
    right->addWidget(label(QStringLiteral("Scieżka do KADR - PITów:"), sciezkaKadr), row, 0);
    right->addWidget(sciezkaKadr, row, 1);
    right->addWidget(kadrButton, row++, 2);
    right->addWidget(label(QStringLiteral("Nr składnika (wpisowe):"), kodWpisowe), row, 0);
    right->addWidget(kodWpisowe, row++, 1);
    right->addWidget(label(QStringLiteral("Nr składnika (składka):"), kodSkladka), row, 0);
    right->addWidget(kodSkladka, row++, 1);
    right->addWidget(label(QStringLiteral("Nr składnika  (raty):"), kodRata), row, 0);
    right->addWidget(kodRata, row++, 1);
    right->addWidget(label(QStringLiteral("Nr składnika  (zwrotu):"), kodZwrot), row, 0);
    right->addWidget(kodZwrot, row++, 1);
    right->setRowStretch(row, 1);
    right->setColumnStretch(1, 1);

    auto* form = new QHBoxLayout;
    form->addLayout(left, 1);
    form->addSpacing(16);
    form->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_navigator);
    layout->addWidget(m_grid, 1);
    layout->addLayout(identity);
    layout->addLayout(form);
    resize(900, 600);

    if (parent)
        move(parent->geometry().topLeft() + QPoint(94, 33));
}

TFKasy::~TFKasy()
{
    m_grid->unbind();
    m_navigator->unbind();
}

void TFKasy::choosePath(const QString& field, const QString& caption)
{
    store::Cursor& kasy = m_ctx.dm.TKasy;
    const QString folder = pickFolder(this, caption, kasy.isOpen() ? kasy.field(field).asString() : QString());
    if (folder.isEmpty())
        return;
    widgets::runCommand(m_ctx.dialogs, [&] { applyPickedFolder(kasy, field, folder, m_ctx.dialogs); });
}

void TFKasy::reject()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    if (askPendingChanges(QStringLiteral(" Czy zapisać zmiany w parametrach KASY!!!"),
                          QStringLiteral(" Czy dopisać nową KASĘ !!!"), QStringLiteral("  Kontrola wprowadzania  "),
                          m_ctx.dm.TKasy, m_ctx.dialogs))
        QDialog::reject();
}

} // namespace kzp
