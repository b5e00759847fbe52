#include "cycle/TFInicjacja.h"

#include "data/RuleContext.h"
#include "data/Session.h"
#include "widgets/CommandBoundary.h"

#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kzp {

namespace {

const char* const NoteLines[] = {
    "     Uwaga !",
    "     Użycie tej funkcji  jest wskazane przy wdrażaniu systemu KZP.",
    "     Dla wszystkich wprowadzonych członków kasy zostaną dopisane ",
    "      niżej wymienione operacje  z datą rozpoczęcia. ",
    "       1.  WPISOWE w kwocie określonej w parametrach.",
    "       2. Stan Początkowy wkładu   w kwocie=0  (pozwoli to potem na ",
    "            szybsze  uzupełnienie tej pozycji). ",
};

} // namespace

TFInicjacja::TFInicjacja(RuleContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_generation(ctx), m_date(new QDateEdit(this)),
      m_add(new QPushButton(QStringLiteral("Dopisz"), this)), m_cancel(new QPushButton(QStringLiteral("Anuluj"), this))
{
    setWindowTitle(QStringLiteral("Inicjacja wpisowego"));

    auto* note = new QFrame(this);
    note->setFrameShape(QFrame::StyledPanel);
    note->setStyleSheet(QStringLiteral("QFrame { background: #fff8dc; }"));
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->setSpacing(2);
    bool first = true;
    for (const char* line : NoteLines) {
        auto* label = new QLabel(QString::fromUtf8(line), note);
        if (first) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setStyleSheet(QStringLiteral("color: #a00000"));
            first = false;
        }
        noteLayout->addWidget(label);
    }

    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_add->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_add->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, [this] { generate(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel(QStringLiteral("Data z jaką zostaną dopisane w/w operacje : "), this));
    dateRow->addWidget(m_date);
    dateRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_add);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addLayout(dateRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void TFInicjacja::prepare()
{
    const QDate processing = m_ctx.session.processingDate.toDate();
    m_date->setDate(processing.isValid() ? processing : QDate::currentDate());
}

int TFInicjacja::showWindow()
{
    prepare();
    return exec();
}

InitialGeneration::Result TFInicjacja::generate()
{
    InitialGeneration::Result result;
    widgets::runCommand(m_ctx.dialogs, [&] { result = m_generation.run(m_date->date()); });
    return result;
}

} // namespace kzp
