#include "ledger/TFPozyczkiZyrowane.h"

#include "data/RuleContext.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kzp {

TFPozyczkiZyrowane::TFPozyczkiZyrowane(RuleContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_loans(ctx), m_title(new QLabel(this)), m_state(new QLabel(this)),
      m_grid(new widgets::CursorGrid(ctx.dialogs, this)), m_toggle(new QPushButton(QStringLiteral("Włącz /wyłącz"), this))
{
    setWindowTitle(QStringLiteral("Pożyczki żyrowane"));
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_title->setFont(big);
    m_toggle->setToolTip(QStringLiteral("Pokaż wszystkie żyrowania"));
    m_toggle->setAutoDefault(false);
    connect(m_toggle, &QPushButton::clicked, this, [this] { toggle(); });

    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_state);
    top->addWidget(m_toggle);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    resize(1180, 420);
}

TFPozyczkiZyrowane::~TFPozyczkiZyrowane()
{
    m_grid->unbind();
}

void TFPozyczkiZyrowane::prepare(int guarantorId, const QString& title)
{
    move(307, 6);
    m_title->setText(title);
    m_grid->unbind();
    // The calculated amounts show as money, like the stored ones beside them.
    for (const char* field : {"Odsetki", "RazemKwota", "Saldo"})
        m_ctx.dm.TPozyczkiZyrowane.hooks(QString::fromLatin1(field)).onGetText = [](const store::Field& f, bool display) {
            return store::Field::defaultText(store::FieldType::Money, f.value(), display);
        };
    widgets::runCommand(m_ctx.dialogs, [&] { m_loans.show(guarantorId); });
    if (!m_ctx.dm.TPozyczkiZyrowane.isOpen())
        return;
    m_grid->bindCursor(m_ctx.dm.TPozyczkiZyrowane,
                       {widgets::gridColumn("Nazwisko_look", QStringLiteral("Nazwisko - pozyczkobiorcy"), 21),
                        widgets::gridColumn("Imie_look", QStringLiteral("Imię"), 10),
                        widgets::gridColumn("DataPozyczki", QStringLiteral("Data Pożyczki"), 12),
                        widgets::gridColumn("KwotaPozyczki", QStringLiteral("Kwota Pożyczki"), 13),
                        widgets::gridColumn("Saldo", QString(), 12, true),
                        widgets::gridColumn("Identyfikator", QString(), 10),
                        widgets::gridColumn("KwotaSaldaStarego", QString(), 16),
                        widgets::gridColumn("IloscRat", QString(), 8),
                        widgets::gridColumn("IdZyrant1", QString(), 9),
                        widgets::gridColumn("IdZyrant2", QString(), 9),
                        widgets::gridColumn("IdentyfikatorPracownika", QString(), 20)});
    m_state->setText(QString());
}

int TFPozyczkiZyrowane::showForMember(int guarantorId, const QString& title)
{
    prepare(guarantorId, title);
    return exec();
}

void TFPozyczkiZyrowane::toggle()
{
    widgets::runCommand(m_ctx.dialogs, [&] { m_loans.toggleShowAll(); });
    // Shown beside the button so the clerk knows which list he is looking at.
    m_state->setText(m_loans.showAll() ? QStringLiteral("wszystkie żyrowania") : QString());
}

void TFPozyczkiZyrowane::done(int result)
{
    m_grid->unbind();
    m_loans.close();
    QDialog::done(result);
}

} // namespace kzp
