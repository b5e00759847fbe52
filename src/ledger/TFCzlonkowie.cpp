#include "ledger/TFCzlonkowie.h"

#include "common/Dialogs.h"
#include "common/PendingChanges.h"
#include "app/logic/FundOpening.h"
#include "cycle/TFInicjacja.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "ledger/CardControls.h"
#include "ledger/MemberContributionsPage.h"
#include "ledger/MemberLoansPage.h"
#include "ledger/MemberPersonalPage.h"
#include "ledger/TFKadry.h"
#include "ledger/TFPozyczkiZyrowane.h"
#include "ledger/TfrmWypisZKasy.h"
#include "widgets/CommandBoundary.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldEditor.h"
#include "widgets/FieldLineEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kzp {

namespace {

const QString PendingCaption = QStringLiteral("  Kontrola wprowadzania  ");
const QString FilterOffText = QStringLiteral("Wszyscy + wypisani z Kasy");

void tell(Dialogs& dialogs, const QString& text, const QString& caption)
{
    dialogs.show({text, caption, Dialogs::Icon::None, Dialogs::Ok, Dialogs::Ok});
}

} // namespace

TFCzlonkowie::TFCzlonkowie(RuleContext& ctx, LedgerRules& rules, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_rules(rules)
{
    setObjectName("TFCzlonkowie");
    setModal(true);
    setGeometry(100, 40, 900, 650);
    setSizeGripEnabled(true);
    Dialogs& d = ctx.dialogs;

    auto* bar = new QWidget(this);
    buildTopBar(bar);

    auto* membersPane = new QWidget(this);
    m_membersNav = card::navigator(d,
                                   {"Początek ", "Poprzedni", "Następny", "Koniec", "Dopis nowej osoby do kasy ",
                                    "Usuwanie osoby z KASY", "Popraw", "Zapiszt", "Anuluj zmiany", "Odśwież "},
                                   membersPane);
    m_membersGrid = new widgets::CursorGrid(d, membersPane);
    m_membersGrid->setObjectName("membersGrid");
    m_filterLabel = new QLabel(membersPane);
    m_filterLabel->setObjectName("filterLabel");
    QPalette red = m_filterLabel->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0, 0));
    m_filterLabel->setPalette(red);
    auto* membersLayout = new QVBoxLayout(membersPane);
    membersLayout->setContentsMargins(0, 0, 0, 0);
    membersLayout->setSpacing(2);
    membersLayout->addWidget(m_membersNav);
    membersLayout->addWidget(m_membersGrid, 1);
    membersLayout->addWidget(m_filterLabel);

    m_pages = new QTabWidget(this);
    m_personal = new MemberPersonalPage(ctx, rules, m_pages);
    m_loans = new MemberLoansPage(ctx, rules, m_pages);
    m_contributions = new MemberContributionsPage(ctx, rules, m_pages);
    m_pages->addTab(m_personal, QStringLiteral("Dane osobowe ..."));
    m_pages->addTab(m_loans, QStringLiteral("Pożyczki/Spłata ..."));
    m_pages->addTab(m_contributions, QStringLiteral("Wkłady/Wpisowe ..."));

    m_split = new QSplitter(Qt::Vertical, this);
    m_split->addWidget(membersPane);
    m_split->addWidget(m_pages);
    m_split->setChildrenCollapsible(false);
    m_split->setStretchFactor(0, 2);
    m_split->setStretchFactor(1, 3);
    m_split->setSizes({200, 390});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(bar);
    layout->addWidget(m_split, 1);

    buildMembersMenu();
    setTabOrder(m_search, m_membersGrid);
    setTabOrder(m_membersGrid, m_pages);

    connect(m_pages, &QTabWidget::currentChanged, this, &TFCzlonkowie::onPageChanged);
    connect(m_loans, &MemberLoansPage::guaranteesRequested, this, &TFCzlonkowie::guaranteesOfGuarantor);
}

TFCzlonkowie::~TFCzlonkowie()
{
    if (m_prepared)
        release();
}

void TFCzlonkowie::buildTopBar(QWidget* bar)
{
    m_search = new QLineEdit(bar);
    m_search->setObjectName("search");
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(220);
    m_new = card::button(QStringLiteral("Nowy"),
                         QStringLiteral("Dopisz nowego pracownika do KASY  pobierz dane z systemu TAVO_PLACE"), bar);
    m_statements = card::button(QStringLiteral("Zestawienia"), QStringLiteral("Wydruk , przeglądanie  zestawień"), bar);
    // The statement selection window is not part of the program yet.
    m_statements->setEnabled(false);
    m_leaving = card::button(QStringLiteral("Wypis"), QStringLiteral("Wypisanie z KASY"), bar);
    m_filter = card::button(QStringLiteral("Filtr"), QStringLiteral("Włącza /wyłącza filtr z osobami wypisanymi "), bar);
    m_guarantees = card::button(QStringLiteral("Komu żyruje"),
                                QStringLiteral("Pokazuje komu wybrany członek kasy żyruje pożyczki"), bar);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(card::label(QStringLiteral("Szukaj:"), m_search, bar));
    row->addWidget(m_search);
    row->addSpacing(12);
    row->addWidget(m_new);
    row->addWidget(m_statements);
    row->addWidget(m_leaving);
    row->addWidget(m_filter);
    row->addWidget(m_guarantees);
    row->addStretch();

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        widgets::runCommand(m_ctx.dialogs, [&] { m_rules.searchBySurname(text); });
    });
    // Enter in the search box goes on to the list that was searched.
    connect(m_search, &QLineEdit::returnPressed, this, [this] { m_membersGrid->setFocus(); });
    connect(m_new, &QPushButton::clicked, this, &TFCzlonkowie::newMember);
    connect(m_leaving, &QPushButton::clicked, this, &TFCzlonkowie::openLeaving);
    connect(m_filter, &QPushButton::clicked, this, &TFCzlonkowie::toggleFilter);
    connect(m_guarantees, &QPushButton::clicked, this, &TFCzlonkowie::guaranteesOfCurrentMember);
}

void TFCzlonkowie::buildMembersMenu()
{
    Dialogs& d = m_ctx.dialogs;
    store::Cursor& m = m_ctx.dm.TCzlonkowie;
    m_membersMenu = new QMenu(this);
    m_membersMenu->addAction(QStringLiteral("Dopisz nowego członka kasy"), this, [&d, &m] { card::startInsert(d, m); });
    m_membersMenu->addAction(QStringLiteral("Kasuj wybranego czlonka kasy"), this, [&d, &m] { card::startDelete(d, m); });
    m_membersMenu->addAction(QStringLiteral("Zapisz "), this, [&d, &m] { card::postIfEditing(d, m); });
    m_membersMenu->addAction(QStringLiteral("Anuluj"), this, [&d, &m] { card::cancelIfEditing(d, m); });
    m_membersMenu->addSeparator();
    QAction* statements = m_membersMenu->addAction(QStringLiteral("Zestawienia"));
    statements->setEnabled(false);
    m_membersMenu->addAction(QStringLiteral("W Y P I S A N I E   z kasy"), this, &TFCzlonkowie::openLeaving);
    m_membersMenu->addAction(QStringLiteral("Anuluj W Y P I S  z kasy"), this, [this] {
        widgets::runCommand(m_ctx.dialogs, [this] { m_rules.cancelLeaving(); });
    });
    m_membersMenu->addAction(QStringLiteral("Pokazuje komu żyruje wybrany członek kasy "), this,
                             &TFCzlonkowie::guaranteesOfCurrentMember);
    m_membersMenu->addSeparator();
    m_membersMenu->addAction(QStringLiteral("Inicjacja (dopisanym osobom wstawia  WPISOWE )"), this,
                             &TFCzlonkowie::openInitialGeneration);
    m_membersGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_membersGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { m_membersMenu->popup(m_membersGrid->viewport()->mapToGlobal(p)); });
}

void TFCzlonkowie::installHooks()
{
    LedgerWindowHooks& h = m_rules.hooks();
    h.showPersonalPage = [this] {
        switchPageQuietly(PersonalPage);
        m_personal->focusEmployeeNumber();
    };
    h.focusMemberList = [this] { m_membersGrid->setFocus(); };
    h.focusContributionOperation = [this] { m_contributions->focusOperation(); };
    h.focusContributionsGrid = [this] { m_contributions->grid()->setFocus(); };
    h.focusLoanDate = [this] { m_loans->dataPozyczki()->setFocus(); };
    h.focusRepaymentDate = [this] { m_loans->repaymentDate()->setFocus(); };
    h.focusRepaymentDocument = [this] { m_loans->repaymentDocument()->setFocus(); };
    h.focusRepaymentsGrid = [this] { m_loans->repaymentsGrid()->setFocus(); };
    h.setFunctionLabel = [this](LedgerPane pane, const QString& text) {
        switch (pane) {
        case LedgerPane::Loans: m_loans->setLoanLabel(text); break;
        case LedgerPane::Repayments: m_loans->setRepaymentLabel(text); break;
        case LedgerPane::Contributions: m_contributions->setFunctionLabel(text); break;
        }
    };
    h.showSupplementaryPanel = [this](bool visible) { m_loans->showSupplementaryPanel(visible); };
}

bool TFCzlonkowie::prepare()
{
    if (m_prepared)
        release();
    TDM& dm = m_ctx.dm;
    if (!FundOpening(m_ctx).open())
        return false;

    m_rules.setLeavingFilter(true);
    m_filterLabel->setText(QString());

    installHooks();
    m_membersNav->bindCursor(dm.TCzlonkowie);
    m_membersGrid->bindCursor(dm.TCzlonkowie, {{"Nazwisko", {}, 18},
                                               {"Imie", {}, 12},
                                               {"Dzial_Opis", "Dział:", 5},
                                               {"NrPracownika", "Nr Prac.", 7},
                                               {"Wpisowe", {}, 10},
                                               {"Wklad", {}, 11},
                                               {"DataWpisuDoKasy", {}, 15},
                                               {"DataWypisuZKasy", {}, 15},
                                               {"Uwagi", {}, 20},
                                               {"DataZawieszeniaOd", {}, 17},
                                               {"DataZawieszeniaDo", {}, 17},
                                               {"IdentyfikatorPracownika", {}, 21}});
    if (dm.TPozyczki.isOpen())
        dm.TPozyczki.last();
    if (dm.TWplaty.isOpen())
        dm.TWplaty.last();

    m_personal->bind();
    m_loans->bind(); // the interest panel and the odd-installment edit follow the fund
    m_contributions->bind();

    setWindowTitle(dm.TKasy.field("NazwaKasy").asString());
    m_loans->setLoanLabel(QString());
    m_loans->setRepaymentLabel(QString());
    m_contributions->setFunctionLabel(QString());

    m_rules.setMemberWindowLists(true);
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    switchPageQuietly(PersonalPage);
    m_membersGrid->setFocus();
    m_prepared = true;
    return true;
}

void TFCzlonkowie::release()
{
    if (!m_prepared)
        return;
    m_prepared = false;
    m_rules.setMemberWindowLists(false);
    m_personal->unbind();
    m_loans->unbind();
    m_contributions->unbind();
    m_membersNav->unbind();
    m_membersGrid->unbind();
    // Without the window the rules run with nothing to move or label.
    m_rules.hooks() = LedgerWindowHooks{};
}

int TFCzlonkowie::showForFund()
{
    if (!prepare())
        return FundNotOpened;
    const int result = exec();
    release();
    return result;
}

bool TFCzlonkowie::mayClose()
{
    // A value typed and not yet written belongs to the row the questions are about.
    widgets::FieldEditor::commitFocused();
    TDM& dm = m_ctx.dm;
    struct Question {
        store::Cursor* cursor;
        const char* edited;
        const char* inserted;
    };
    const Question questions[] = {
        {&dm.TCzlonkowie, " Czy zapisać zmiany w danych członka kasy  ?  !!!", " Czy dopisać nowego członka kasy ? !!!"},
        {&dm.TPozyczki, " Czy zapisać zmiany w parametrach pozyczki  ?  !!!", " Czy dopisać nową pożyczkę !!!"},
        {&dm.TRaty, " Czy zapisać zmiany w ratach pozyczki  ?  !!!", " Czy dopisać nową ratę !!!"},
        {&dm.TWplaty, " Czy zapisać zmiany w składkach  ?  !!!", " Czy dopisać nową składkę !!!"},
    };
    bool close = true;
    for (const Question& q : questions) {
        // Every table is asked about, even after one was answered Cancel.
        if (!askPendingChanges(QString::fromUtf8(q.edited), QString::fromUtf8(q.inserted), PendingCaption, *q.cursor,
                               m_ctx.dialogs))
            close = false;
    }
    return close;
}

void TFCzlonkowie::reject()
{
    if (!mayClose())
        return;
    QDialog::reject();
}

void TFCzlonkowie::setPage(Page page)
{
    m_pages->setCurrentIndex(int(page));
}

TFCzlonkowie::Page TFCzlonkowie::page() const
{
    return Page(m_pages->currentIndex());
}

void TFCzlonkowie::switchPageQuietly(int index)
{
    const bool was = m_quietPageChange;
    m_quietPageChange = true;
    m_pages->setCurrentIndex(index);
    m_quietPageChange = was;
}

void TFCzlonkowie::onPageChanged(int)
{
    if (m_quietPageChange || !m_prepared)
        return;
    TDM& dm = m_ctx.dm;
    struct Check {
        store::Cursor* cursor;
        Page page;
        const char* text;
    };
    const Check checks[] = {
        {&dm.TRaty, LoansPage, "Zapisz lub anuluj zmiany w ratach"},
        {&dm.TPozyczki, LoansPage, "Zapisz lub anuluj zmiany w parametrach pożyczki"},
        {&dm.TWplaty, ContributionsPage, "Zapisz lub anuluj zmiany w składkach"},
        {&dm.TCzlonkowie, PersonalPage, "Zapisz lub anuluj zmiany danych członków kasy"},
    };
    for (const Check& c : checks) {
        if (!c.cursor->isEditing())
            continue;
        switchPageQuietly(c.page);
        tell(m_ctx.dialogs, QString::fromUtf8(c.text), QStringLiteral("Kontrola"));
    }
}

void TFCzlonkowie::newMember()
{
    TDM& dm = m_ctx.dm;
    if (!dm.TKasy.field("CzyPlace").asBool()) {
        tell(m_ctx.dialogs, QStringLiteral("Funkcja dostępna dla firm korzystających z systemu TAVO_PLACE"),
             QStringLiteral("Uwaga"));
        return;
    }
    m_rules.setMemberFromHr(true);
    widgets::runCommand(m_ctx.dialogs, [this] { TFKadry(m_ctx, this).showRegister(); });
    m_rules.setMemberFromHr(false);
}

void TFCzlonkowie::toggleFilter()
{
    store::Cursor& m = m_ctx.dm.TCzlonkowie;
    const bool on = !m.isFiltered();
    if (!widgets::runCommand(m_ctx.dialogs, [&] { m_rules.setLeavingFilter(on); }))
        return;
    m_filterLabel->setText(m.isFiltered() ? QStringLiteral(" ") : FilterOffText);
}

void TFCzlonkowie::openLeaving()
{
    store::Cursor& m = m_ctx.dm.TCzlonkowie;
    if (!m.isOpen() || (m.isEmpty() && !m.isEditing()))
        return;
    widgets::runCommand(m_ctx.dialogs, [this] { TfrmWypisZKasy(m_ctx, this).showForCurrentMember(); });
}

void TFCzlonkowie::openGuarantees(int memberId, const QString& title)
{
    widgets::runCommand(m_ctx.dialogs,
                        [&] { TFPozyczkiZyrowane(m_ctx, this).showForMember(memberId, title); });
}

void TFCzlonkowie::guaranteesOfCurrentMember()
{
    store::Cursor& m = m_ctx.dm.TCzlonkowie;
    if (!m.isOpen() || m.recNo() < 0)
        return;
    openGuarantees(m.field("IdentyfikatorPracownika").asInt(),
                   m.field("Nazwisko").asString() + ' ' + m.field("Imie").asString());
}

void TFCzlonkowie::guaranteesOfGuarantor(int guarantorId)
{
    // The guarantor is looked up among every member of the fund, those who left included.
    QString title;
    store::Cursor& names = m_ctx.dm.TCzlonkowieRob;
    widgets::runCommand(m_ctx.dialogs, [&] {
        if (!names.isOpen())
            names.open();
        if (guarantorId != 0 && names.findKey({guarantorId}))
            title = names.field("Nazwisko").asString() + ' ' + names.field("Imie").asString();
    });
    openGuarantees(guarantorId, title);
}

void TFCzlonkowie::openInitialGeneration()
{
    widgets::runCommand(m_ctx.dialogs, [this] { TFInicjacja(m_ctx, this).showWindow(); });
}

} // namespace kzp
