#include "app/TFZmHasla.h"

#include "app/logic/PasswordChange.h"
#include "data/RuleContext.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kzp {

namespace {

// Passwords take up to 10 characters and are typed unseen.
QLineEdit* passwordEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(10);
    return edit;
}

} // namespace

TFZmHasla::TFZmHasla(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TFZmHasla"));
    setWindowTitle(QStringLiteral("Zmiana hasla"));

    m_old = passwordEdit("EditStareHaslo", this);
    m_new = passwordEdit("EditNoweHaslo", this);
    m_repeated = passwordEdit("EditPowtorzHaslo", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Stare hasło:"), m_old);
    form->addRow(QStringLiteral("Nowe hasło:"), m_new);
    form->addRow(QStringLiteral("Powtórz nowe hasło:"), m_repeated);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BBOk"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BBAnuluj"));
    connect(ok, &QPushButton::clicked, this, &TFZmHasla::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TFZmHasla::clearFields()
{
    m_old->clear();
    m_new->clear();
    m_repeated->clear();
    m_old->setFocus();
}

void TFZmHasla::showEvent(QShowEvent* event)
{
    clearFields();
    QDialog::showEvent(event);
}

void TFZmHasla::onOk()
{
    changePassword(m_ctx, m_old->text(), m_new->text(), m_repeated->text());
    clearFields();
    accept();
}

} // namespace kzp
