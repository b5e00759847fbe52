#include "ledger/MemberPersonalPage.h"

#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "ledger/CardControls.h"
#include "widgets/CommandBoundary.h"
#include "widgets/FieldCheckBox.h"
#include "widgets/FieldDateEdit.h"
#include "widgets/FieldLineEdit.h"
#include "widgets/FieldLookupCombo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>

namespace kzp {

using widgets::FieldDateEdit;
using widgets::FieldLineEdit;

namespace {

// Editors sized to what their fields hold, so the page reads as a form rather than a wall of boxes.
void fitChars(QWidget* w, int chars)
{
    const int width = w->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 16;
    w->setMinimumWidth(width);
    w->setMaximumWidth(width + width / 3);
}

} // namespace

MemberPersonalPage::MemberPersonalPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent) : QWidget(parent), m_ctx(ctx), m_rules(rules)
{
    Dialogs& d = ctx.dialogs;
    m_nrPracownika = new FieldLineEdit(d, this);
    m_nrPracownika->setObjectName("NrPracownika");
    fitChars(m_nrPracownika, 9);
    m_nextNumber = new QToolButton(this);
    m_nextNumber->setText(QStringLiteral("+1"));
    m_nextNumber->setToolTip(QStringLiteral("Podaj następny Nr pracownika"));
    m_nextNumber->setFocusPolicy(Qt::NoFocus);
    m_pracownikWlasny = new widgets::FieldCheckBox(QStringLiteral("Pracownik własny"), d, this);
    m_pracownikWlasny->setToolTip(QStringLiteral("Zaznaczamy gdy pracownik będzie mial potrącenia na listach wyplat"));
    m_dzial = new widgets::FieldLookupCombo(d, this);
    m_dzial->setDropDownRows(20);
    m_dataWpisu = new FieldDateEdit(d, this);
    fitChars(m_dataWpisu, 11);
    m_dataWypisu = new FieldDateEdit(d, this);
    fitChars(m_dataWypisu, 11);
    m_dataWypisu->setFocusPolicy(Qt::NoFocus);
    m_cancelLeaving = card::button(QStringLiteral("Anuluj wypis z kasy"), QStringLiteral("Anulownie wypisu z kasy   "), this);
    m_pesel = new FieldLineEdit(d, this);
    fitChars(m_pesel, 12);
    m_nrDowodu = new FieldLineEdit(d, this);
    fitChars(m_nrDowodu, 11);
    m_nazwisko = new FieldLineEdit(d, this);
    m_nazwisko->setObjectName("Nazwisko");
    m_imie = new FieldLineEdit(d, this);
    m_imie->setObjectName("Imie");
    m_kod = new FieldLineEdit(d, this);
    fitChars(m_kod, 7);
    m_poczta = new FieldLineEdit(d, this);
    m_miejscowosc = new FieldLineEdit(d, this);
    m_ulica = new FieldLineEdit(d, this);
    m_nrDomu = new FieldLineEdit(d, this);
    fitChars(m_nrDomu, 6);
    m_nrLok = new FieldLineEdit(d, this);
    fitChars(m_nrLok, 6);
    m_uwagi = new FieldLineEdit(d, this);
    m_innaKwota = new FieldLineEdit(d, this);
    m_innaKwota->setObjectName("InnaKwotaSkladki");
    fitChars(m_innaKwota, 11);
    m_zawieszenieOd = new FieldDateEdit(d, this);
    fitChars(m_zawieszenieOd, 11);
    m_zawieszenieDo = new FieldDateEdit(d, this);
    fitChars(m_zawieszenieDo, 11);

    // Left: who the member is and where he belongs.
    auto* who = new QGridLayout;
    int row = 0;
    who->addWidget(card::label(QStringLiteral("Nazwisko:"), m_nazwisko, this), row, 0);
    who->addWidget(m_nazwisko, row++, 1, 1, 3);
    who->addWidget(card::label(QStringLiteral("Imię:"), m_imie, this), row, 0);
    who->addWidget(m_imie, row++, 1, 1, 3);
    who->addWidget(card::label(QStringLiteral("Nr pracownika"), m_nrPracownika, this), row, 0);
    auto* number = new QHBoxLayout;
    number->addWidget(m_nrPracownika);
    number->addWidget(m_nextNumber);
    number->addSpacing(12);
    number->addWidget(m_pracownikWlasny);
    number->addStretch();
    who->addLayout(number, row++, 1, 1, 3);
    who->addWidget(card::label(QStringLiteral("Dział :"), m_dzial, this), row, 0);
    who->addWidget(m_dzial, row++, 1, 1, 3);
    who->addWidget(card::label(QStringLiteral("Pesel:"), m_pesel, this), row, 0);
    who->addWidget(m_pesel, row, 1);
    who->addWidget(card::label(QStringLiteral("Nr dow."), m_nrDowodu, this), row, 2, Qt::AlignRight);
    who->addWidget(m_nrDowodu, row++, 3);
    who->addWidget(card::label(QStringLiteral("Data wpisu do kasy"), m_dataWpisu, this), row, 0);
    who->addWidget(m_dataWpisu, row++, 1);
    who->addWidget(card::label(QStringLiteral("Data wypisu z kasy :"), m_dataWypisu, this), row, 0);
    auto* leaving = new QHBoxLayout;
    leaving->addWidget(m_dataWypisu);
    leaving->addWidget(m_cancelLeaving);
    leaving->addStretch();
    who->addLayout(leaving, row++, 1, 1, 3);
    who->addWidget(card::label(QStringLiteral("Uwagi:"), m_uwagi, this), row, 0);
    who->addWidget(m_uwagi, row++, 1, 1, 3);
    who->setColumnStretch(1, 1);
    who->setColumnStretch(3, 1);
    who->setRowStretch(row, 1);

    // Right: the address, then what the generation of deductions reads.
    auto* address = new QGroupBox(QStringLiteral("A d r e s "), this);
    auto* a = new QGridLayout(address);
    a->addWidget(card::label(QStringLiteral("Kod:"), m_kod, address), 0, 0);
    a->addWidget(m_kod, 0, 1);
    a->addWidget(card::label(QStringLiteral("Poczta"), m_poczta, address), 0, 2);
    a->addWidget(m_poczta, 0, 3);
    a->addWidget(card::label(QStringLiteral("Miejscowość"), m_miejscowosc, address), 1, 0);
    a->addWidget(m_miejscowosc, 1, 1, 1, 3);
    a->addWidget(card::label(QStringLiteral("Ulica"), m_ulica, address), 2, 0);
    a->addWidget(m_ulica, 2, 1, 1, 3);
    a->addWidget(card::label(QStringLiteral("Nr domu/lok."), m_nrDomu, address), 3, 0);
    auto* house = new QHBoxLayout;
    house->addWidget(m_nrDomu);
    house->addWidget(new QLabel(QStringLiteral("/"), address));
    house->addWidget(m_nrLok);
    house->addStretch();
    a->addLayout(house, 3, 1, 1, 3);
    a->setColumnStretch(3, 1);

    auto* amount = new QGridLayout;
    amount->addWidget(card::label(QStringLiteral("KWOTA  SKŁADKI (wkładu) która będzie generowana "), m_innaKwota, this),
                      0, 0);
    amount->addWidget(m_innaKwota, 0, 1);
    amount->addWidget(card::label(QStringLiteral("( wstawiamy jeśli jest inna niż w parametrach KASY )"), nullptr, this),
                      1, 0, 1, 2);
    amount->addWidget(card::label(QStringLiteral("Zawieszenie opłacania "), m_zawieszenieOd, this), 2, 0);
    amount->addWidget(card::label(QStringLiteral("składek (wkładów)  w okresie Od - Do"), m_zawieszenieOd, this), 3, 0);
    auto* suspension = new QHBoxLayout;
    suspension->addWidget(m_zawieszenieOd);
    suspension->addWidget(new QLabel(QStringLiteral("-"), this));
    suspension->addWidget(m_zawieszenieDo);
    suspension->addStretch();
    amount->addLayout(suspension, 4, 0, 1, 2);
    amount->setColumnStretch(0, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(address);
    right->addLayout(amount);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(who, 1);
    layout->addSpacing(12);
    layout->addLayout(right, 1);

    // Tab goes down the form as a clerk fills a new member in.
    QWidget* order[] = {m_nazwisko, m_imie,        m_nrPracownika, m_pracownikWlasny, m_dzial,
                        m_pesel,    m_nrDowodu,    m_dataWpisu,    m_cancelLeaving,   m_uwagi,
                        m_kod,      m_poczta,      m_miejscowosc,  m_ulica,           m_nrDomu,
                        m_nrLok,    m_innaKwota,   m_zawieszenieOd, m_zawieszenieDo};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_nextNumber, &QToolButton::clicked, this, [this] {
        if (!widgets::FieldEditor::commitFocused())
            return;
        if (widgets::runCommand(m_ctx.dialogs, [this] { m_rules.nextEmployeeNumber(); }))
            m_nrPracownika->setFocus();
    });
    connect(m_cancelLeaving, &QPushButton::clicked, this, [this] {
        widgets::runCommand(m_ctx.dialogs, [this] { m_rules.cancelLeaving(); });
    });
}

void MemberPersonalPage::bind()
{
    TDM& dm = m_ctx.dm;
    store::Cursor& m = dm.TCzlonkowie;
    m_nrPracownika->bind(m, "NrPracownika");
    m_pracownikWlasny->bind(m, "PracownikWlasny");
    if (!m_listsBound)
        m_dzial->bind(m, "IdentyfikatorDzialu", dm.TDzialy, "Identyfikator", {{"Symbol", {}, 6}, {"NazwaDzialu", {}, 30}});
    m_listsBound = true;
    m_dzial->refresh();
    m_dataWpisu->bind(m, "DataWpisuDoKasy");
    m_dataWypisu->bind(m, "DataWypisuZKasy");
    m_dataWypisu->setFieldReadOnly(true); // leaving has its own window; cancelling it has its button
    m_pesel->bind(m, "PESEL");
    m_nrDowodu->bind(m, "NrDowoduOsobistego");
    m_nazwisko->bind(m, "Nazwisko");
    m_imie->bind(m, "Imie");
    m_kod->bind(m, "KodPocztowy");
    m_poczta->bind(m, "Poczta");
    m_miejscowosc->bind(m, "Miejscowosc");
    m_ulica->bind(m, "Ulica");
    m_nrDomu->bind(m, "NrDomu");
    m_nrLok->bind(m, "NrLok");
    m_uwagi->bind(m, "Uwagi");
    m_innaKwota->bind(m, "InnaKwotaSkladki");
    m_zawieszenieOd->bind(m, "DataZawieszeniaOd");
    m_zawieszenieDo->bind(m, "DataZawieszeniaDo");
}

void MemberPersonalPage::unbind()
{
    for (widgets::FieldLineEdit* e : {m_nrPracownika, static_cast<FieldLineEdit*>(m_dataWpisu),
                                      static_cast<FieldLineEdit*>(m_dataWypisu), m_pesel, m_nrDowodu, m_nazwisko,
                                      m_imie, m_kod, m_poczta, m_miejscowosc, m_ulica, m_nrDomu, m_nrLok, m_uwagi,
                                      m_innaKwota, static_cast<FieldLineEdit*>(m_zawieszenieOd),
                                      static_cast<FieldLineEdit*>(m_zawieszenieDo)})
        e->unbind();
    m_pracownikWlasny->unbind();
}

void MemberPersonalPage::focusEmployeeNumber()
{
    m_nrPracownika->setFocus();
    m_nrPracownika->selectAll();
}

} // namespace kzp
