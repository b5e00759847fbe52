#include "app/TFOpisy.h"

#include "app/logic/ConfirmationTexts.h"
#include "common/PendingChanges.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CommandBoundary.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldMemo.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kzp {

TFOpisy::TFOpisy(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFOpisy"));
    setWindowTitle(QStringLiteral("Treść potwierdzeń salda"));
    Dialogs& dialogs = ctx.dialogs;
    store::Cursor& opisy = ctx.dm.TOpisy;
    widgets::runCommand(dialogs, [&] { startEditingConfirmationTexts(ctx.dm); });

    // The sheet: white, like the printed confirmation.
    auto* sheet = new QFrame(this);
    sheet->setObjectName(QStringLiteral("Sheet"));
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setAutoFillBackground(true);
    QPalette paper = sheet->palette();
    paper.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(paper);

    auto* mem1 = new widgets::FieldMemo(dialogs, sheet);
    mem1->setObjectName(QStringLiteral("DBMemoMem1"));
    mem1->bind(opisy, QStringLiteral("Mem1"));
    mem1->setLineWrapMode(QPlainTextEdit::NoWrap);
    mem1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mem1->setFixedHeight(mem1->fontMetrics().height() + 2 * (mem1->frameWidth() + 4));

    auto* mem2 = new widgets::FieldMemo(dialogs, sheet);
    mem2->setObjectName(QStringLiteral("DBMemoMem2"));
    mem2->bind(opisy, QStringLiteral("Mem2"));
    mem2->setMinimumHeight(mem2->fontMetrics().height() * 6);

    m_placeAndDate = new QLabel(placeAndDateText(ctx.dm, QDate::currentDate()), sheet);
    m_placeAndDate->setObjectName(QStringLiteral("LabelMiejscowoscData"));

    auto* data = new widgets::FieldDateEdit(dialogs, sheet);
    data->setObjectName(QStringLiteral("DBEditDataPowiadomienia"));
    data->bind(opisy, QStringLiteral("DataPowiadomienia"));
    data->setMaximumWidth(data->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-000")) + 16);

    auto* podpis = new widgets::FieldLineEdit(dialogs, sheet);
    podpis->setObjectName(QStringLiteral("DBEditPodpis"));
    podpis->bind(opisy, QStringLiteral("Podpis"));
    podpis->setMaximumWidth(podpis->fontMetrics().averageCharWidth() * 24);

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_placeAndDate);
    top->addWidget(data);

    auto* name = new QLabel(QStringLiteral("Nazwisko i imię"), sheet);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* balance = new QGridLayout;
    balance->addWidget(new QLabel(QStringLiteral("na dzień :  --.--.----   wykazuje stan:"), sheet), 0, 0, 1, 2);
    balance->addWidget(new QLabel(QStringLiteral("- wkładów członkowskich"), sheet), 1, 1);
    balance->addWidget(new QLabel(QStringLiteral("- zadłużenia z tytułu pożyczki"), sheet), 2, 1);
    balance->setColumnMinimumWidth(0, 24);
    balance->setColumnStretch(1, 1);

    auto* signature = new QHBoxLayout;
    signature->addStretch();
    signature->addWidget(podpis);

    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(24, 18, 24, 18);
    sheetLayout->addLayout(top);
    sheetLayout->addSpacing(8);
    sheetLayout->addWidget(name);
    sheetLayout->addWidget(mem1);
    sheetLayout->addLayout(balance);
    sheetLayout->addWidget(mem2, 1);
    sheetLayout->addSpacing(8);
    sheetLayout->addLayout(signature);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = buttons->addButton(QStringLiteral("Zapisz"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("BBZapisz"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BBAnuluj"));
    connect(save, &QPushButton::clicked, this, &TFOpisy::accept);
    connect(cancel, &QPushButton::clicked, this, &TFOpisy::cancelChanges);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addWidget(buttons);
    resize(600, 440);
}

void TFOpisy::accept()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    store::Cursor& opisy = m_ctx.dm.TOpisy;
    if (opisy.isEditing() && !widgets::runCommand(m_ctx.dialogs, [&] { opisy.post(); }))
        return;
    QDialog::accept();
}

void TFOpisy::cancelChanges()
{
    widgets::runCommand(m_ctx.dialogs, [this] { m_ctx.dm.TOpisy.cancel(); });
    QDialog::reject();
}

void TFOpisy::reject()
{
    if (!widgets::FieldEditor::commitFocused())
        return;
    if (askPendingChanges(QStringLiteral(" Czy zapisać zmiany w Treści powiadomień!!"), QStringLiteral(" "),
                          QStringLiteral("  Kontrola wprowadzania  "), m_ctx.dm.TOpisy, m_ctx.dialogs))
        QDialog::reject();
}

} // namespace kzp
