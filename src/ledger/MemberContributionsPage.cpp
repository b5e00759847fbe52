#include "ledger/MemberContributionsPage.h"

#include "data/ContributionRules.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "ledger/CardControls.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/CursorTableModel.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldLookupCombo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

namespace kzp {

using widgets::FieldLineEdit;

MemberContributionsPage::MemberContributionsPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_rules(rules), m_formList(ctx.dm.database(), QStringLiteral("TFormaWplat"))
{
    m_formList.setTable({ctx.dm.workDir(), table::Forma});
    m_formList.setFilter([](store::Cursor& c) { return contribution::formOfferedInMemberWindow(c.field("Forma").asString()); });
    m_formList.setFiltered(true);

    Dialogs& d = ctx.dialogs;
    auto* title = new QLabel(QStringLiteral("Wkłady oraz wpisowe do kasy"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_surname = new QLabel(this);
    m_surname->setObjectName("surname");
    m_surname->setFont(bold);
    m_name = new QLabel(this);
    m_name->setObjectName("name");
    m_name->setFont(bold);
    m_nav = card::navigator(d,
                            {"Pierwsza składka lub wpisowe", "Poprzednia", "Następna", "Ostatnia składka",
                             "Dopisz składke lub wpisowe", "Skasuj składkę", "Popraw", "Zapisz", "Anuluj zmiany",
                             "Odswież"},
                            this);
    m_label = card::functionLabel(this);
    m_grid = new widgets::CursorGrid(d, this);
    m_grid->setObjectName("contributionsGrid");

    m_operacja = new widgets::FieldLookupCombo(d, this);
    m_operacja->setObjectName("Operacja");
    m_data = new widgets::FieldDateEdit(d, this);
    m_data->setObjectName("WplataDataOperacji");
    m_kwota = new FieldLineEdit(d, this);
    m_kwota->setObjectName("WplataKwota");
    m_kwota->setAlignment(Qt::AlignRight);
    m_dokument = new FieldLineEdit(d, this);
    m_dokument->setObjectName("WplataNrDokumentu");
    m_forma = new widgets::FieldLookupCombo(d, this);
    m_forma->setObjectName("WplataForma");
    m_forma->setToolTip(QStringLiteral("Forma wplaty"));
    m_z55 = card::button(QStringLiteral("Wkłady Z55"), QStringLiteral("Wydruk / podgląd   wkładów "), this);
    // The statements of one member are not part of the program yet.
    m_z55->setEnabled(false);

    auto* head = new QHBoxLayout;
    head->addWidget(title);
    head->addSpacing(16);
    head->addWidget(m_surname);
    head->addWidget(m_name);
    head->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_nav);
    top->addWidget(m_label);
    top->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(m_grid, 1);

    auto* editBox = new QGroupBox(this);
    auto* g = new QGridLayout(editBox);
    int row = 0;
    g->addWidget(card::label(QStringLiteral("Operacja"), m_operacja, editBox), row, 0);
    g->addWidget(m_operacja, row++, 1);
    g->addWidget(card::label(QStringLiteral("Data operacji"), m_data, editBox), row, 0);
    g->addWidget(m_data, row++, 1);
    g->addWidget(card::label(QStringLiteral("Kwota"), m_kwota, editBox), row, 0);
    g->addWidget(m_kwota, row++, 1);
    g->addWidget(card::label(QStringLiteral("Nr dokumentu:"), m_dokument, editBox), row, 0);
    g->addWidget(m_dokument, row++, 1);
    g->addWidget(card::label(QStringLiteral("Forma płat."), m_forma, editBox), row, 0);
    g->addWidget(m_forma, row++, 1);
    g->setRowStretch(row++, 1);
    g->addWidget(m_z55, row, 1, Qt::AlignRight);
    editBox->setMaximumWidth(300);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(editBox);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(head);
    layout->addLayout(body, 1);
    setTabOrder(m_operacja, m_data);
    setTabOrder(m_data, m_kwota);
    setTabOrder(m_kwota, m_dokument);
    setTabOrder(m_dokument, m_forma);

    // Choosing the operation proposes its amount (after the combo has written the code).
    connect(m_operacja, &QComboBox::activated, this, [this](int row) {
        store::Cursor& w = m_ctx.dm.TWplaty;
        widgets::CursorTableModel* list = m_operacja->listModel();
        if (!list || !w.isEditing() || row < 0)
            return;
        const QString code = list->fieldValue(row, "Operacja").toString();
        if (w.field("Operacja").asString() != code)
            return; // the rules refused the choice
        widgets::runCommand(m_ctx.dialogs, [this, code] { m_rules.chooseOperation(code); });
    });
    connect(m_z55, &QPushButton::clicked, this, &MemberContributionsPage::contributionStatementRequested);

    store::Cursor& w = ctx.dm.TWplaty;
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("Dopisz wklady"), this, [&d, &w] { card::startInsert(d, w); });
    menu->addAction(QStringLiteral("Kasuj wkłady"), this, [&d, &w] { card::startDelete(d, w); });
    menu->addAction(QStringLiteral("Zapisz "), this, [&d, &w] { card::postIfEditing(d, w); });
    menu->addAction(QStringLiteral("Anuluj"), this, [&d, &w] { card::cancelIfEditing(d, w); });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& p) { menu->popup(m_grid->viewport()->mapToGlobal(p)); });
}

MemberContributionsPage::~MemberContributionsPage()
{
    unbind();
    // The list goes before the cursor it shows, which dies with this object's members.
    delete m_forma;
}

void MemberContributionsPage::bind()
{
    TDM& dm = m_ctx.dm;
    store::Cursor& w = dm.TWplaty;
    m_nav->bindCursor(w);
    m_grid->bindCursor(w, {{"OpisOperacji1", "Operacja", 11},
                           {"DataOperacji", {}, 12},
                           {"Kwota", {}, 11},
                           {"Forma", "Płatne:", 4},
                           {"NrDokumentu", "Nr dokumentu", 14},
                           {"Status", {}, 6},
                           {"Operacja", {}, 8},
                           {"Identyfikator", {}, 11},
                           {"KtoZmienil", {}, 10},
                           {"KtoZmienilNazwisko", {}, 18},
                           {"IdentyfikatorPracownika", {}, 21}});
    m_grid->setEditable(true);
    m_data->bind(w, "DataOperacji");
    m_kwota->bind(w, "Kwota");
    m_dokument->bind(w, "NrDokumentu");
    m_formList.close();
    m_formList.open();
    if (!m_listsBound) {
        m_operacja->bind(w, "Operacja", dm.TOperacje, "Operacja", {{"OpisOperacji", {}, 14}});
        m_forma->bind(w, "Forma", m_formList, "Forma", {{"Forma", {}, 3}, {"Opis", {}, 30}});
        m_listsBound = true;
    }
    m_operacja->refresh();
    m_forma->refresh();

    store::Cursor& m = dm.TCzlonkowie;
    const auto showName = [this, &m] {
        const bool has = m.isOpen() && (m.recNo() >= 0 || m.isEditing());
        m_surname->setText(has ? m.field("Nazwisko").asString() : QString());
        m_name->setText(has ? m.field("Imie").asString() : QString());
    };
    m_memberConnection = connect(&m, &store::Cursor::recordChanged, this, showName);
    showName();
}

void MemberContributionsPage::unbind()
{
    disconnect(m_memberConnection);
    m_nav->unbind();
    m_grid->unbind();
    m_data->unbind();
    m_kwota->unbind();
    m_dokument->unbind();
    m_formList.close();
}

void MemberContributionsPage::setFunctionLabel(const QString& text)
{
    m_label->setText(text);
}

void MemberContributionsPage::focusOperation()
{
    m_operacja->setFocus();
}

} // namespace kzp
