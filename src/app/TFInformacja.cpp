#include "app/TFInformacja.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#ifndef KZP_VERSION
#define KZP_VERSION "0.0.0"
#endif

namespace kzp {

QString TFInformacja::programVersion()
{
    return QStringLiteral(KZP_VERSION);
}

TFInformacja::TFInformacja(QWidget* parent) : QDialog(parent)
{
    setObjectName("TFInformacja");
    setWindowTitle(QStringLiteral("Informacja o programie"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    // The title is one text whose blanks once broke it into lines on a narrow label; here each
    // part stands on a line of its own.
    lblTytul = new QLabel(this);
    lblTytul->setObjectName("lblTytul");
    lblTytul->setText(QStringLiteral("KASA ZAPOMOGOWO POŻYCZKOWA\nprogram do obsługi KZP\nwspółpracuje z systemem\n"
                                     "Kadrowo-PŁacowym     firmy TAVO"));
    lblTytul->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTytul->font();
    titleFont.setBold(true);
    lblTytul->setFont(titleFont);

    lblKZP = new QLabel(QStringLiteral("KZP"), this);
    lblKZP->setObjectName("lblKZP");
    QFont big = lblKZP->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblKZP->setFont(big);
    lblKZP->setAlignment(Qt::AlignCenter);

    lblWersja = new QLabel(programVersion(), this);
    lblWersja->setObjectName("lblWersja");
    lblWersja->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTytul);
    text->addWidget(lblKZP);
    text->addWidget(lblWersja);
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    // Centred on the desktop.
    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace kzp
