#include "ledger/MemberLoansPage.h"

#include "common/Dialogs.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "ledger/CardControls.h"
#include "store/Field.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldLookupCombo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kzp {

using widgets::CursorGrid;
using widgets::FieldDateEdit;
using widgets::FieldLineEdit;
using widgets::FieldLookupCombo;

namespace {

FieldLineEdit* amountEdit(Dialogs& d, QWidget* parent, const char* name)
{
    auto* e = new FieldLineEdit(d, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000 000,00 zł")) + 16);
    return e;
}

// A figure the rules compute: shown, never typed, skipped by Tab.
FieldLineEdit* figure(Dialogs& d, QWidget* parent, const char* name)
{
    FieldLineEdit* e = amountEdit(d, parent, name);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

FieldDateEdit* dateEdit(Dialogs& d, QWidget* parent, const char* name)
{
    auto* e = new FieldDateEdit(d, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 20);
    return e;
}

void guarantorListCalc(store::Cursor& c)
{
    c.field("NazwiskoImie_calc").setValue(c.field("Nazwisko").asString() + ' ' + c.field("Imie").asString());
}

} // namespace

MemberLoansPage::MemberLoansPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_rules(rules), m_guarantorList2(ctx.dm.database(), QStringLiteral("TZyranci2"))
{
    m_guarantorList2.setFieldNames(
        {"IdentyfikatorPracownika", "Nazwisko", "Imie", "NrPracownika", "IdentyfikatorDzialu", "DataWypisuZKasy"});
    m_guarantorList2.setIndexFieldNames("Nazwisko");
    m_guarantorList2.addCalculatedField("NazwiskoImie_calc", store::FieldType::String, 61);
    m_guarantorList2.onCalcFields = guarantorListCalc;

    Dialogs& d = ctx.dialogs;
    m_loansNav = card::navigator(d,
                                 {"Początek", "Poprzednia", "Następna pożyczka", "Ostatnia pożyczka", "Dopisz pożyczkę",
                                  "Skasuj pożyczkę", "Zmiana w pożyczce", "Zapisz ", "Anuluj zmiany", "Odśwież"},
                                 this);
    m_loanLabel = card::functionLabel(this);
    m_loansGrid = new CursorGrid(d, this);
    m_loansGrid->setObjectName("loansGrid");
    m_loansGrid->setMinimumHeight(90);

    auto* loansTop = new QHBoxLayout;
    loansTop->addWidget(m_loansNav);
    loansTop->addWidget(m_loanLabel);
    loansTop->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(loansTop);
    left->addWidget(m_loansGrid, 1);
    left->addWidget(buildLoanEdits());

    m_guarantorsButton = card::button(QStringLiteral("Żyranci"), QStringLiteral("Zakładka dotycząca żyrantów"), this);
    m_repaymentsButton = card::button(QStringLiteral("Spłata"), QStringLiteral("Zakładka dotycząca spłaty pożyczki"), this);
    for (QPushButton* b : {m_guarantorsButton, m_repaymentsButton}) {
        b->setCheckable(true);
        b->setFocusPolicy(Qt::TabFocus);
    }
    auto* switches = new QButtonGroup(this);
    switches->addButton(m_guarantorsButton);
    switches->addButton(m_repaymentsButton);
    switches->setExclusive(true);
    m_stack = new QStackedWidget(this);
    m_guarantorPanel = buildGuarantors();
    m_repaymentPanel = buildRepayments();
    m_stack->addWidget(m_repaymentPanel);
    m_stack->addWidget(m_guarantorPanel);
    m_repaymentsButton->setChecked(true);

    auto* switchRow = new QHBoxLayout;
    switchRow->addWidget(m_repaymentsButton);
    switchRow->addWidget(m_guarantorsButton);
    switchRow->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(switchRow);
    right->addWidget(m_stack, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left, 11);
    layout->addSpacing(6);
    layout->addLayout(right, 10);

    connect(m_guarantorsButton, &QPushButton::clicked, this, [this] { showGuarantors(); });
    connect(m_repaymentsButton, &QPushButton::clicked, this, [this] { showRepayments(); });
    connect(m_calculate, &QPushButton::clicked, this, [this] {
        if (!widgets::FieldEditor::commitFocused())
            return;
        widgets::runCommand(m_ctx.dialogs, [this] { m_rules.calculateInstallments(); });
    });
    connect(m_komu1, &QPushButton::clicked, this, [this] { guarantees("IdZyrant1"); });
    connect(m_komu2, &QPushButton::clicked, this, [this] { guarantees("IdZyrant2"); });
    connect(m_z5, &QPushButton::clicked, this, &MemberLoansPage::repaymentStatementRequested);
    installMenus();
}

MemberLoansPage::~MemberLoansPage()
{
    unbind();
    // The list goes before the cursor it shows, which dies with this object's members.
    delete m_zyrant2;
}

QWidget* MemberLoansPage::buildLoanEdits()
{
    Dialogs& d = m_ctx.dialogs;
    auto* box = new QWidget(this);
    m_dataPozyczki = dateEdit(d, box, "DataPozyczki");
    m_iloscRat = amountEdit(d, box, "IloscRat");
    m_iloscRat->setMaximumWidth(m_iloscRat->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    m_kwotaPozyczki = amountEdit(d, box, "KwotaPozyczki");
    m_rataPierwsza = amountEdit(d, box, "RataPierwsza");
    m_ostatniaRata = amountEdit(d, box, "OstatniaRata");
    m_kolejnaRata = amountEdit(d, box, "KolejnaRata");
    m_rataPierwszaLabel = card::label(QStringLiteral("Pierwsza rata"), m_rataPierwsza, box);
    m_ostatniaRataLabel = card::label(QStringLiteral("Ostatnia rata"), m_ostatniaRata, box);
    m_calculate = card::button(QStringLiteral("Oblicz raty"), QString(), box);

    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(card::label(QStringLiteral("Data pożyczki:"), m_dataPozyczki, box), 0, 0);
    g->addWidget(m_dataPozyczki, 0, 1);
    g->addWidget(card::label(QStringLiteral("Ilość rat"), m_iloscRat, box), 0, 2);
    g->addWidget(m_iloscRat, 0, 3);
    g->addWidget(card::label(QStringLiteral("Kwota pożyczki"), m_kwotaPozyczki, box), 1, 0);
    g->addWidget(m_kwotaPozyczki, 1, 1);
    // One of the two odd-installment edits is shown, as the fund's parameters say.
    g->addWidget(m_rataPierwszaLabel, 1, 2);
    g->addWidget(m_rataPierwsza, 1, 3);
    g->addWidget(m_ostatniaRataLabel, 2, 2);
    g->addWidget(m_ostatniaRata, 2, 3);
    g->addWidget(card::label(QStringLiteral("Kolejne raty"), m_kolejnaRata, box), 2, 0);
    g->addWidget(m_kolejnaRata, 2, 1);
    g->addWidget(m_calculate, 3, 3);

    m_interestPanel = new QWidget(box);
    m_percent = new QLabel(m_interestPanel);
    m_odsetki = figure(d, m_interestPanel, "Odsetki");
    m_razem = figure(d, m_interestPanel, "RazemKwota");
    auto* interest = new QHBoxLayout(m_interestPanel);
    interest->setContentsMargins(0, 0, 0, 0);
    interest->addWidget(card::label(QStringLiteral("Odsetki"), m_odsetki, m_interestPanel));
    interest->addWidget(m_percent);
    interest->addWidget(m_odsetki);
    interest->addWidget(card::label(QStringLiteral("RAZEM:"), m_razem, m_interestPanel));
    interest->addWidget(m_razem);
    g->addWidget(m_interestPanel, 3, 0, 1, 3, Qt::AlignLeft);

    m_supplementaryPanel = new QGroupBox(QStringLiteral("Uzupełniająca"), box);
    m_saldoStare = figure(d, m_supplementaryPanel, "KwotaSaldaStarego");
    m_razemDoSplaty = figure(d, m_supplementaryPanel, "RazemDoSplaty");
    auto* sup = new QHBoxLayout(m_supplementaryPanel);
    sup->setContentsMargins(6, 2, 6, 2);
    sup->addWidget(card::label(QStringLiteral("Saldo poprzedniej:"), m_saldoStare, m_supplementaryPanel));
    sup->addWidget(m_saldoStare);
    sup->addWidget(card::label(QStringLiteral("Razem do spłaty:"), m_razemDoSplaty, m_supplementaryPanel));
    sup->addWidget(m_razemDoSplaty);
    sup->addStretch();
    m_supplementaryPanel->hide();
    g->addWidget(m_supplementaryPanel, 4, 0, 1, 4);
    g->setColumnStretch(4, 1);
    return box;
}

QWidget* MemberLoansPage::buildGuarantors()
{
    Dialogs& d = m_ctx.dialogs;
    auto* panel = new QGroupBox(QStringLiteral("Ż y r a n c i :"), this);
    m_zyrant1 = new FieldLookupCombo(d, panel);
    m_zyrant1->setObjectName("IdZyrant1");
    m_zyrant2 = new FieldLookupCombo(d, panel);
    m_zyrant2->setObjectName("IdZyrant2");
    for (FieldLookupCombo* c : {m_zyrant1, m_zyrant2}) {
        c->setDropDownRows(20);
        c->setMinimumContentsLength(24);
    }
    const QString hint = QStringLiteral("Pokazuje komu wybrany członek kasy żyruje pożyczki");
    m_komu1 = card::button(QStringLiteral("Komu żyruje"), hint, panel);
    m_komu2 = card::button(QStringLiteral("Komu żyruje"), hint, panel);
    m_uwagi1 = new FieldLineEdit(d, panel);
    m_uwagi2 = new FieldLineEdit(d, panel);
    auto* g = new QGridLayout(panel);
    g->addWidget(card::label(QStringLiteral("1. "), m_zyrant1, panel), 0, 0);
    g->addWidget(m_zyrant1, 0, 1);
    g->addWidget(m_komu1, 0, 2);
    g->addWidget(card::label(QStringLiteral("Uwagi:"), m_uwagi1, panel), 1, 0);
    g->addWidget(m_uwagi1, 1, 1, 1, 2);
    g->addWidget(card::label(QStringLiteral("2."), m_zyrant2, panel), 2, 0);
    g->addWidget(m_zyrant2, 2, 1);
    g->addWidget(m_komu2, 2, 2);
    g->addWidget(card::label(QStringLiteral("Uwagi:"), m_uwagi2, panel), 3, 0);
    g->addWidget(m_uwagi2, 3, 1, 1, 2);
    g->setColumnStretch(1, 1);
    g->setRowStretch(4, 1);
    setTabOrder(m_zyrant1, m_uwagi1);
    setTabOrder(m_uwagi1, m_zyrant2);
    setTabOrder(m_zyrant2, m_uwagi2);
    return panel;
}

QWidget* MemberLoansPage::buildRepayments()
{
    Dialogs& d = m_ctx.dialogs;
    auto* panel = new QWidget(this);
    m_repaymentsNav = card::navigator(d,
                                      {"Pierwsza rata", "Poprzednia rata", "Następna rata", "Ostatnia rata",
                                       "Dopisz spłatę raty", "Skasuj ratę", "Popraw", "Zapisz", "Anuluj zamiany", "Odśwież"},
                                      panel);
    m_repaymentLabel = card::functionLabel(panel);
    m_repaymentsGrid = new CursorGrid(d, panel);
    m_repaymentsGrid->setObjectName("repaymentsGrid");
    m_repaymentsGrid->setMinimumHeight(80);
    m_rataData = dateEdit(d, panel, "RataDataOperacji");
    m_rataKwota = amountEdit(d, panel, "RataKwota");
    m_rataDokument = new FieldLineEdit(d, panel);
    m_rataDokument->setObjectName("RataNrDokumentu");
    m_rataForma = new FieldLookupCombo(d, panel);
    m_rataForma->setObjectName("RataForma");
    m_rataForma->setToolTip(QStringLiteral("Status wplaty"));
    m_rataForma->setMinimumContentsLength(4);
    m_splacono = figure(d, panel, "Splacono");
    m_pozostalo = figure(d, panel, "Saldo");
    m_pozyczka = figure(d, panel, "Pozyczka");
    m_z5 = card::button(QStringLiteral("Spłata  Z5"), QStringLiteral("Wydruk / podgląd   spłat wybranej pozyczki"), panel);
    // The statements of one member are not part of the program yet.
    m_z5->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_repaymentsNav);
    top->addWidget(m_repaymentLabel);
    top->addStretch();
    auto* edits = new QGridLayout;
    edits->addWidget(card::label(QStringLiteral("Data operacji"), m_rataData, panel), 0, 0);
    edits->addWidget(m_rataData, 0, 1);
    edits->addWidget(card::label(QStringLiteral("Kwota"), m_rataKwota, panel), 0, 2);
    edits->addWidget(m_rataKwota, 0, 3);
    edits->addWidget(card::label(QStringLiteral("Nr dokumentu:"), m_rataDokument, panel), 1, 0);
    edits->addWidget(m_rataDokument, 1, 1);
    edits->addWidget(card::label(QStringLiteral("Forma płat."), m_rataForma, panel), 1, 2);
    edits->addWidget(m_rataForma, 1, 3);
    edits->addWidget(card::label(QStringLiteral("Spłacono: "), m_splacono, panel), 2, 0);
    edits->addWidget(m_splacono, 2, 1);
    edits->addWidget(card::label(QStringLiteral("Pozostało:"), m_pozostalo, panel), 2, 2);
    edits->addWidget(m_pozostalo, 2, 3);
    edits->addWidget(card::label(QStringLiteral("Pożyczka:"), m_pozyczka, panel), 3, 0);
    edits->addWidget(m_pozyczka, 3, 1);
    edits->addWidget(m_z5, 3, 2, 1, 2, Qt::AlignRight);
    edits->setColumnStretch(1, 1);

    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->addLayout(top);
    v->addWidget(m_repaymentsGrid, 1);
    v->addLayout(edits);
    setTabOrder(m_rataData, m_rataKwota);
    setTabOrder(m_rataKwota, m_rataDokument);
    setTabOrder(m_rataDokument, m_rataForma);
    return panel;
}

void MemberLoansPage::installMenus()
{
    Dialogs& d = m_ctx.dialogs;
    store::Cursor& loans = m_ctx.dm.TPozyczki;
    store::Cursor& repayments = m_ctx.dm.TRaty;

    auto* loanMenu = new QMenu(this);
    loanMenu->addAction(QStringLiteral("Dopisz pożyczkę"), this, [&d, &loans] { card::startInsert(d, loans); });
    loanMenu->addAction(QStringLiteral("Kasuj pożyczkę"), this, [&d, &loans] { card::startDelete(d, loans); });
    loanMenu->addAction(QStringLiteral("Zapisz "), this, [&d, &loans] { card::postIfEditing(d, loans); });
    loanMenu->addAction(QStringLiteral("Anuluj"), this, [&d, &loans] { card::cancelIfEditing(d, loans); });
    m_loansGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_loansGrid, &QWidget::customContextMenuRequested, this,
            [this, loanMenu](const QPoint& p) { loanMenu->popup(m_loansGrid->viewport()->mapToGlobal(p)); });

    auto* repaymentMenu = new QMenu(this);
    repaymentMenu->addAction(QStringLiteral("Dopisz ratę (spłatę)"), this,
                             [&d, &repayments] { card::startInsert(d, repayments); });
    repaymentMenu->addAction(QStringLiteral("Kasuj ratę"), this, [&d, &repayments] { card::startDelete(d, repayments); });
    repaymentMenu->addAction(QStringLiteral("Zapisz ratę"), this,
                             [&d, &repayments] { card::postIfEditing(d, repayments); });
    repaymentMenu->addAction(QStringLiteral("Anuluj"), this, [&d, &repayments] { card::cancelIfEditing(d, repayments); });
    QAction* print = repaymentMenu->addAction(QStringLiteral("Drukuj spłatę pożyczki"), this,
                                              &MemberLoansPage::repaymentStatementRequested);
    print->setEnabled(false);
    m_repaymentsGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_repaymentsGrid, &QWidget::customContextMenuRequested, this, [this, repaymentMenu, print](const QPoint& p) {
        print->setEnabled(m_z5->isEnabled());
        repaymentMenu->popup(m_repaymentsGrid->viewport()->mapToGlobal(p));
    });
}

void MemberLoansPage::bind()
{
    TDM& dm = m_ctx.dm;
    store::Cursor& loans = dm.TPozyczki;
    store::Cursor& repayments = dm.TRaty;
    store::Cursor& fund = dm.TKasy;

    m_loansNav->bindCursor(loans);
    m_loansGrid->bindCursor(loans, {{"Status", "..  ", 2, true, QColor(Qt::red)},
                                    {"DataPozyczki", "Data pożyczki", 10},
                                    {"KwotaPozyczki", "Kwota pożyczki", 12},
                                    {"Saldo", {}, 12},
                                    {"KwotaSaldaStarego", {}, 17},
                                    {"KtoZmienilNazwisko", {}, 18},
                                    {"IdentyfikatorPracownika", {}, 21},
                                    {"Identyfikator", {}, 11}});
    m_loansGrid->setEditable(true);
    m_dataPozyczki->bind(loans, "DataPozyczki");
    m_iloscRat->bind(loans, "IloscRat");
    m_kwotaPozyczki->bind(loans, "KwotaPozyczki");
    m_rataPierwsza->bind(loans, "RataPierwsza");
    m_ostatniaRata->bind(loans, "OstatniaRata");
    m_kolejnaRata->bind(loans, "KolejnaRata");
    m_odsetki->bind(loans, "Odsetki");
    m_razem->bind(loans, "RazemKwota");
    m_saldoStare->bind(loans, "KwotaSaldaStarego");
    m_razemDoSplaty->bind(loans, "RazemKwota");

    const double percent = fund.field("Procent").asFloat();
    m_percent->setText(store::Field::defaultText(store::FieldType::Float, percent, true) + QStringLiteral("  %"));
    m_interestPanel->setVisible(percent > 0);
    const bool firstOdd = fund.field("KiedyInnaRata").asInt() == 0;
    m_rataPierwszaLabel->setVisible(firstOdd);
    m_rataPierwsza->setVisible(firstOdd);
    m_ostatniaRataLabel->setVisible(!firstOdd);
    m_ostatniaRata->setVisible(!firstOdd);
    QWidget::setTabOrder(m_dataPozyczki, m_iloscRat);
    QWidget::setTabOrder(m_iloscRat, m_kwotaPozyczki);
    QWidget::setTabOrder(m_kwotaPozyczki, firstOdd ? m_rataPierwsza : m_ostatniaRata);
    QWidget::setTabOrder(firstOdd ? m_rataPierwsza : m_ostatniaRata, m_kolejnaRata);
    QWidget::setTabOrder(m_kolejnaRata, m_calculate);

    m_guarantorList2.close();
    m_guarantorList2.setTable(dm.TZyranci.table());
    m_guarantorList2.open();
    const QList<widgets::GridColumn> guarantorColumns{{"NazwiskoImie_calc", {}, 30}, {"DataWypisuZKasy", {}, 11}};
    if (!m_listsBound) {
        m_zyrant1->bind(loans, "IdZyrant1", dm.TZyranci, "IdentyfikatorPracownika", guarantorColumns);
        m_zyrant2->bind(loans, "IdZyrant2", m_guarantorList2, "IdentyfikatorPracownika", guarantorColumns);
        m_rataForma->bind(repayments, "Forma", dm.TForma, "Forma", {{"Forma", {}, 3}, {"Opis", {}, 30}});
        m_listsBound = true;
    }
    for (FieldLookupCombo* c : {m_zyrant1, m_zyrant2, m_rataForma})
        c->refresh();
    m_uwagi1->bind(loans, "Uwagi1");
    m_uwagi2->bind(loans, "Uwagi2");

    m_repaymentsNav->bindCursor(repayments);
    m_repaymentsGrid->bindCursor(repayments, {{"DataOperacji", {}, 12},
                                              {"Kwota", {}, 11},
                                              {"Forma", "Płatne:", 4},
                                              {"NrDokumentu", {}, 14},
                                              {"Status", {}, 6},
                                              {"KtoZmienilNazwisko", {}, 18},
                                              {"IdentyfikatorPozyczki", {}, 19}});
    m_rataData->bind(repayments, "DataOperacji");
    m_rataKwota->bind(repayments, "Kwota");
    m_rataDokument->bind(repayments, "NrDokumentu");
    // The repaid amount is a plain number in the data module; here it reads as the money it is.
    loans.hooks("Splacono").onGetText = [](const store::Field& f, bool) {
        return store::Field::defaultText(store::FieldType::Money, f.value(), false);
    };
    m_splacono->bind(loans, "Splacono");
    m_pozostalo->bind(loans, "Saldo");
    m_pozyczka->bind(loans, "RazemKwota");

    showSupplementaryPanel(loans.isOpen() && loans.recNo() >= 0 && loans.field("Status").asString() == "U");
    m_stack->setCurrentWidget(m_repaymentPanel);
    m_repaymentsButton->setChecked(true);
}

void MemberLoansPage::unbind()
{
    m_ctx.dm.TPozyczki.hooks("Splacono").onGetText = nullptr;
    m_loansNav->unbind();
    m_loansGrid->unbind();
    for (FieldLineEdit* e : {static_cast<FieldLineEdit*>(m_dataPozyczki), m_iloscRat, m_kwotaPozyczki, m_rataPierwsza,
                             m_ostatniaRata, m_kolejnaRata, m_odsetki, m_razem, m_saldoStare, m_razemDoSplaty, m_uwagi1,
                             m_uwagi2, static_cast<FieldLineEdit*>(m_rataData), m_rataKwota, m_rataDokument, m_splacono,
                             m_pozostalo, m_pozyczka})
        e->unbind();
    m_repaymentsNav->unbind();
    m_repaymentsGrid->unbind();
    m_guarantorList2.close();
}

bool MemberLoansPage::guarantorsShown() const
{
    return m_stack->currentWidget() == m_guarantorPanel;
}

bool MemberLoansPage::showGuarantors()
{
    return showPanel(m_guarantorPanel, m_guarantorsButton, m_ctx.dm.TRaty,
                     QStringLiteral("Zapisz lub anuluj zmiany w ratach"));
}

bool MemberLoansPage::showRepayments()
{
    return showPanel(m_repaymentPanel, m_repaymentsButton, m_ctx.dm.TPozyczki,
                     QStringLiteral("Zapisz lub anuluj zmiany w pożyczkach"));
}

bool MemberLoansPage::showPanel(QWidget* panel, QPushButton* button, const store::Cursor& editing,
                                const QString& refusal)
{
    if (editing.isEditing()) {
        m_ctx.dialogs.show({refusal, QStringLiteral("Kontrola"), Dialogs::Icon::None, Dialogs::Ok, Dialogs::Ok});
        m_repaymentsButton->setChecked(!guarantorsShown());
        m_guarantorsButton->setChecked(guarantorsShown());
        return false;
    }
    m_stack->setCurrentWidget(panel);
    button->setChecked(true);
    return true;
}

void MemberLoansPage::setLoanLabel(const QString& text)
{
    m_loanLabel->setText(text);
}

void MemberLoansPage::setRepaymentLabel(const QString& text)
{
    m_repaymentLabel->setText(text);
}

void MemberLoansPage::showSupplementaryPanel(bool visible)
{
    m_supplementaryPanel->setVisible(visible);
}

void MemberLoansPage::guarantees(const QString& field)
{
    store::Cursor& loans = m_ctx.dm.TPozyczki;
    const int id = loans.isOpen() && (loans.recNo() >= 0 || loans.isEditing()) ? loans.field(field).asInt() : 0;
    Q_EMIT guaranteesRequested(id);
}

} // namespace kzp
