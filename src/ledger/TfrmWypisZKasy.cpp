#include "ledger/TfrmWypisZKasy.h"

#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CommandBoundary.h"
#include "widgets/FieldDateEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kzp {

TfrmWypisZKasy::TfrmWypisZKasy(RuleContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_leaving(ctx), m_name(new QLabel(this)),
      m_date(new widgets::FieldDateEdit(ctx.dialogs, this)), m_confirm(new QPushButton(QStringLiteral("Wypisz"), this)),
      m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    setWindowTitle(QStringLiteral("Wypisanie z kasy"));
    QFont bold = m_name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_name->setFont(bold);
    m_name->setAlignment(Qt::AlignCenter);
    m_date->setPlaceholderText(QStringLiteral("rrrr-mm-dd"));
    m_date->setMaximumWidth(m_date->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 24);

    m_confirm->setToolTip(QStringLiteral("Wypis z Kasy"));
    m_confirm->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_confirm->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_confirm, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_cancel, &QPushButton::clicked, this, &TfrmWypisZKasy::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data wypisu z kasy :"), m_date);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_confirm, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

TfrmWypisZKasy::~TfrmWypisZKasy()
{
    m_date->unbind();
}

void TfrmWypisZKasy::prepare()
{
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    m_outcome = Leaving::Outcome::NoDate;
    m_name->setText(member.field("Imie").asString() + QStringLiteral("  ") + member.field("Nazwisko").asString());
    m_date->bind(member, QStringLiteral("DataWypisuZKasy"));
    m_date->setFocus();
}

int TfrmWypisZKasy::showForCurrentMember()
{
    prepare();
    return exec();
}

void TfrmWypisZKasy::confirm()
{
    // A date typed and not yet written goes to the member first; a text that is not a date is
    // refused there and the window stays open for it to be corrected.
    if (!m_date->commit())
        return;
    widgets::runCommand(m_ctx.dialogs, [&] { m_outcome = m_leaving.confirm(); });
    m_date->unbind();
    accept();
}

void TfrmWypisZKasy::reject()
{
    widgets::runCommand(m_ctx.dialogs, [&] { m_leaving.cancel(); });
    m_date->unbind();
    QDialog::reject();
}

} // namespace kzp
