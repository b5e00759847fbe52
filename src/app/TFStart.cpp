#include "app/TFStart.h"

#include "app/logic/UserList.h"
#include "common/Calendar.h"
#include "data/RuleContext.h"
#include "data/Session.h"

#include <QCalendarWidget>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kzp {

namespace {

constexpr int MinYear = 1998;
constexpr int MaxYear = 2100;

const QString UserHintLong = QStringLiteral(
    "Dane użytkownika są bardzo istotne gdyż są drukowane w dokumentach np:PIT, listy wypłat itp...");

} // namespace

TFStart::TFStart(RuleContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName("TFStart");
    setWindowTitle(QStringLiteral("Start"));
    setModal(true);

    pnlLog = new QFrame(this);
    pnlLog->setObjectName("pnlLog");
    pnlLog->setFrameShape(QFrame::StyledPanel);
    EditNazwa = new QLineEdit(pnlLog);
    EditNazwa->setObjectName("EditNazwa");
    EditNazwa->setMaxLength(NameLength);
    EditNazwa->setToolTip(QStringLiteral("Podaj nazwę użytkownika."));
    EditNazwa->setStatusTip(UserHintLong);
    EditHaslo = new QLineEdit(pnlLog);
    EditHaslo->setObjectName("EditHaslo");
    EditHaslo->setMaxLength(PasswordLength);
    EditHaslo->setEchoMode(QLineEdit::Password);
    EditHaslo->setToolTip(QStringLiteral("Podaj hasło użytkownika."));
    EditHaslo->setStatusTip(UserHintLong);
    auto* logForm = new QFormLayout(pnlLog);
    logForm->addRow(QStringLiteral("Nazwa:"), EditNazwa);
    logForm->addRow(QStringLiteral("Hasło:"), EditHaslo);

    SpinEditRok = new QSpinBox(this);
    SpinEditRok->setObjectName("SpinEditRok");
    SpinEditRok->setRange(MinYear, MaxYear);
    SpinEditMc = new QSpinBox(this);
    SpinEditMc->setObjectName("SpinEditMc");
    SpinEditMc->setRange(1, 12);
    SpinEditDzien = new QSpinBox(this);
    SpinEditDzien->setObjectName("SpinEditDzien");
    SpinEditDzien->setRange(1, 31);
    for (QSpinBox* spin : {SpinEditRok, SpinEditMc, SpinEditDzien}) {
        spin->setKeyboardTracking(false);
        spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    }

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName("Calendar1");
    Calendar1->setDateRange(QDate(MinYear, 1, 1), QDate(MaxYear, 12, 31));
    Calendar1->setFirstDayOfWeek(Qt::Monday);
    Calendar1->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Zamknij"), this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    lblZmianaOkresu = new QLabel(QStringLiteral("Zmiana okresu -->"), this);
    lblZmianaOkresu->setObjectName("lblZmianaOkresu");

    auto* dateForm = new QFormLayout;
    dateForm->addRow(QStringLiteral("Rok:"), SpinEditRok);
    dateForm->addRow(QStringLiteral("Miesiąc:"), SpinEditMc);
    dateForm->addRow(QStringLiteral("Dzień:"), SpinEditDzien);

    auto* left = new QVBoxLayout;
    left->addWidget(pnlLog);
    left->addWidget(lblZmianaOkresu);
    left->addLayout(dateForm);
    left->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(Calendar1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    setTabOrder(EditNazwa, EditHaslo);
    setTabOrder(EditHaslo, SpinEditRok);
    setTabOrder(SpinEditRok, SpinEditMc);
    setTabOrder(SpinEditMc, SpinEditDzien);
    setTabOrder(SpinEditDzien, Calendar1);
    setTabOrder(Calendar1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    for (QSpinBox* spin : {SpinEditRok, SpinEditMc, SpinEditDzien})
        connect(spin, &QSpinBox::valueChanged, this, [this] { SpinEditRokChange(); });
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] { Calendar1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a date field confirms the typed value first, then the default button takes it.
}

void TFStart::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TFStart::FormActivate()
{
    const Session& session = m_ctx.session;
    const bool login = session.loginPending;
    const DateTriple date = login ? session.startDate : session.processingDate;
    move(login ? 15 : 360, 100);
    resize(qMax(520, sizeHint().width()), qMax(250, sizeHint().height()));
    pnlLog->setVisible(login);
    lblZmianaOkresu->setVisible(!login);
    setWindowTitle(login ? QStringLiteral("Start") : QStringLiteral("Zmiana okresu"));

    m_syncing = true;
    SpinEditRok->setValue(date.year);
    SpinEditMc->setValue(date.month);
    SpinEditDzien->setValue(date.day);
    m_syncing = false;
    SpinEditRokChange();

    if (login) {
        EditNazwa->setFocus();
        EditHaslo->clear();
    } else {
        BitBtn1->setFocus();
    }
}

void TFStart::SpinEditRokChange()
{
    if (m_syncing)
        return;
    const int days = daysInMonth(SpinEditRok->value(), SpinEditMc->value());
    if (SpinEditDzien->value() > days) {
        SpinEditDzien->setValue(days); // comes back here through its own change
        return;
    }
    const QDate date(SpinEditRok->value(), SpinEditMc->value(), SpinEditDzien->value());
    if (!date.isValid())
        return;
    m_syncing = true;
    Calendar1->setSelectedDate(date);
    m_syncing = false;
}

void TFStart::Calendar1Click()
{
    if (m_syncing)
        return;
    const QDate date = Calendar1->selectedDate();
    m_syncing = true;
    SpinEditRok->setValue(date.year());
    SpinEditMc->setValue(date.month());
    SpinEditDzien->setValue(date.day());
    m_syncing = false;
    SpinEditRokChange(); // a year the spin edit could not take moves the calendar back
}

void TFStart::BitBtn1Click()
{
    // A value still being typed in a spin edit counts.
    for (QSpinBox* spin : {SpinEditRok, SpinEditMc, SpinEditDzien})
        spin->interpretText();
    if (UserList::login(m_ctx, EditNazwa->text(), EditHaslo->text(), DateTriple::fromDate(Calendar1->selectedDate())))
        accept();
}

} // namespace kzp
