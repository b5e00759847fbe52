#include "ledger/TFKadry.h"

#include "data/RuleContext.h"
#include "data/TDM.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kzp {

TFKadry::TFKadry(RuleContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_register(ctx), m_search(new QLineEdit(this)),
      m_assign(new QPushButton(QStringLiteral("Przypisz do Kasy"), this)),
      m_grid(new widgets::CursorGrid(ctx.dialogs, this)),
      m_note(new QLabel(QStringLiteral("Podwojne kliknięcie przypisuje  pracownika do KASY"), this))
{
    setWindowTitle(QStringLiteral("Obsluga zbioru: "));
    m_assign->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    m_assign->setAutoDefault(false);
    m_search->setClearButtonEnabled(true);
    QFont bold = m_note->font();
    bold.setBold(true);
    m_note->setFont(bold);
    m_note->setStyleSheet(QStringLiteral("color: #1f3f8f"));

    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString& text) { widgets::runCommand(m_ctx.dialogs, [&] { m_register.search(text); }); });
    connect(m_assign, &QPushButton::clicked, this, [this] { assign(); });
    connect(m_grid, &widgets::CursorGrid::rowActivated, this, [this] { assign(); });

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Szukaj:"), this));
    top->addWidget(m_search, 1);
    top->addSpacing(16);
    top->addWidget(m_assign);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_note);
    resize(1220, 520);
}

TFKadry::~TFKadry()
{
    m_grid->unbind();
}

bool TFKadry::prepare()
{
    move(307, 6);
    m_grid->unbind();
    bool loaded = false;
    widgets::runCommand(m_ctx.dialogs, [&] { loaded = m_register.load(); });
    if (!loaded)
        return false;
    setWindowTitle(QStringLiteral("Obsluga zbioru: ") + QDir::toNativeSeparators(m_register.sourcePath()));
    m_grid->bindCursor(m_ctx.dm.TKadry, {widgets::gridColumn("NumerPracownika", QStringLiteral("Nr prac."), 7),
                                         widgets::gridColumn("Nazwisko", QString(), 15),
                                         widgets::gridColumn("Imie1", QString(), 10),
                                         widgets::gridColumn("PESEL", QString(), 12),
                                         widgets::gridColumn("NumerDowoduOsobistego", QString(), 20),
                                         widgets::gridColumn("KodPocztowy", QString(), 11),
                                         widgets::gridColumn("Miejscowosc", QString(), 12),
                                         widgets::gridColumn("Poczta", QString(), 12),
                                         widgets::gridColumn("Ulica", QString(), 13),
                                         widgets::gridColumn("NrDomuiMieszkania", QString(), 17)});
    m_search->clear();
    m_search->setFocus();
    return true;
}

int TFKadry::showRegister()
{
    if (!prepare())
        return QDialog::Rejected;
    return exec();
}

HrRegister::Assignment TFKadry::assign()
{
    HrRegister::Assignment result = HrRegister::Assignment::Abandoned;
    widgets::runCommand(m_ctx.dialogs, [&] { result = m_register.assignCurrent(); });
    return result;
}

void TFKadry::done(int result)
{
    m_grid->unbind();
    QDialog::done(result);
}

} // namespace kzp
