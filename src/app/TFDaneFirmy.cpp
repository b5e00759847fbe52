#include "app/TFDaneFirmy.h"

#include "app/logic/FolderChoice.h"
#include "common/PendingChanges.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CommandBoundary.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

namespace kzp {

namespace {

// A Polish postal code as it is typed: up to five digits, shown as two digits, a dash and three
// digits ("00-950"); the dash is put in by itself and stored with the code.
class PostalCodeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        QString digits;
        int digitsBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (input[i].isDigit()) {
                digits += input[i];
                if (i < pos)
                    ++digitsBeforeCursor;
            } else if (input[i] != QLatin1Char('-')) {
                return Invalid;
            }
        }
        if (digits.size() > 5)
            return Invalid;
        input = digits.size() > 2 ? digits.left(2) + QLatin1Char('-') + digits.mid(2) : digits;
        pos = digitsBeforeCursor + (digitsBeforeCursor > 2 ? 1 : 0);
        return Acceptable;
    }
};

} // namespace

TFDaneFirmy::TFDaneFirmy(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFDaneFirmy"));
    setWindowTitle(QStringLiteral("Dane Firmy"));
    store::Cursor& parametry = ctx.dm.TParametry;
    if (!parametry.isOpen())
        parametry.open();
    Dialogs& dialogs = ctx.dialogs;

    pickFolder = [](QWidget* owner, const QString& caption, const QString& start) {
        return QFileDialog::getExistingDirectory(owner, caption, start);
    };

    auto lineEdit = [&](const char* name, const char* field) {
        auto* edit = new widgets::FieldLineEdit(dialogs, this);
        edit->setObjectName(QLatin1String(name));
        edit->bind(parametry, QLatin1String(field));
        return edit;
    };
    widgets::FieldLineEdit* nazwa = lineEdit("DBEditNazwaFirmy", "NazwaFirmy");
    m_postalCode = lineEdit("DBEditKod_Pocz", "Kod_Pocz");
    m_postalCode->setValidator(new PostalCodeValidator(m_postalCode));
    m_postalCode->setPlaceholderText(QStringLiteral("__-___"));
    m_postalCode->setMaximumWidth(m_postalCode->fontMetrics().horizontalAdvance(QStringLiteral("00-0000")) + 16);
    widgets::FieldLineEdit* miejscowosc = lineEdit("DBEditMiejscowosc", "Miejscowosc");
    widgets::FieldLineEdit* ulica = lineEdit("DBEditUlica", "Ulica");
    widgets::FieldLineEdit* nrDomu = lineEdit("DBEditNrDomu", "NrDomu");
    nrDomu->setMaximumWidth(m_postalCode->maximumWidth());
    widgets::FieldLineEdit* katalog = lineEdit("DBEditKatalogArchiwum", "KatalogArchiwum");
    auto* folderButton = new QToolButton(this);
    folderButton->setObjectName(QStringLiteral("BBKatalogArchiwum"));
    folderButton->setText(QStringLiteral("..."));
    connect(folderButton, &QToolButton::clicked, this, &TFDaneFirmy::chooseArchiveFolder);

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& text, QWidget* editor, QWidget* extra = nullptr) {
        auto* label = new QLabel(text, this);
        label->setBuddy(editor);
        grid->addWidget(label, row, 0);
        grid->addWidget(editor, row, 1, 1, extra ? 1 : 2);
        if (extra)
            grid->addWidget(extra, row, 2);
        ++row;
    };
    addRow(QStringLiteral("Nazwa firmy"), nazwa);
    addRow(QStringLiteral("Kod Poczt."), m_postalCode);
    addRow(QStringLiteral("Miejscowosc"), miejscowosc);
    addRow(QStringLiteral("Ulica"), ulica);
    addRow(QStringLiteral("Nr domu:"), nrDomu);
    addRow(QStringLiteral("Lokalizacja kopii archiwalnej:  "), katalog, folderButton);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BBOk"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BBAnuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TFDaneFirmy::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFDaneFirmy::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

void TFDaneFirmy::chooseArchiveFolder()
{
    store::Cursor& parametry = m_ctx.dm.TParametry;
    const QString start = parametry.isEmpty() ? QString() : parametry.field("KatalogArchiwum").asString();
    const QString folder = pickFolder(this, QStringLiteral("Wybierz katalog:"), start);
    if (folder.isEmpty())
        return;
    widgets::runCommand(m_ctx.dialogs,
                        [&] { applyPickedFolder(parametry, QStringLiteral("KatalogArchiwum"), folder, m_ctx.dialogs); });
}

void TFDaneFirmy::accept()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    store::Cursor& parametry = m_ctx.dm.TParametry;
    if (parametry.isEditing() && !widgets::runCommand(m_ctx.dialogs, [&] { parametry.post(); }))
        return;
    QDialog::accept();
}

void TFDaneFirmy::reject()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    if (askPendingChanges(QStringLiteral(" Czy zapisać zmiany w parametrach "), QStringLiteral(" "),
                          QStringLiteral("  Kontrola wprowadzania  "), m_ctx.dm.TParametry, m_ctx.dialogs))
        QDialog::reject();
}

} // namespace kzp
