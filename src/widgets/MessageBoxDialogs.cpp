#include "widgets/MessageBoxDialogs.h"

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>

namespace kzp {

namespace {

struct ButtonMapping {
    Dialogs::Button ours;
    QMessageBox::StandardButton qt;
    const char* label;
};

// Our buttons, their QMessageBox counterparts and their labels.
const ButtonMapping kButtons[] = {
    {Dialogs::Yes, QMessageBox::Yes, "Tak"},
    {Dialogs::No, QMessageBox::No, "Nie"},
    {Dialogs::Ok, QMessageBox::Ok, "OK"},
    {Dialogs::Abort, QMessageBox::Abort, "Przerwij"},
    {Dialogs::Retry, QMessageBox::Retry, "Ponów"},
    {Dialogs::Ignore, QMessageBox::Ignore, "Ignoruj"},
    {Dialogs::Cancel, QMessageBox::Cancel, "Anuluj"},
};

QMessageBox::Icon qtIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The answer of a box closed without pressing a button (Esc or the window's close button).
Dialogs::Button escapeAnswer(int buttons)
{
    if (buttons & Dialogs::Cancel)
        return Dialogs::Cancel;
    if (buttons & Dialogs::No)
        return Dialogs::No;
    if (buttons == Dialogs::Ok)
        return Dialogs::Ok;
    return Dialogs::NoButton;
}

} // namespace

MessageBoxDialogs::MessageBoxDialogs(QWidget* owner)
    : m_owner(owner)
{
}

Dialogs::Button MessageBoxDialogs::show(const Message& message)
{
    QWidget* owner = m_owner ? m_owner.data() : QApplication::activeWindow();
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);

    const int buttons = message.buttons == NoButton ? int(Ok) : message.buttons;
    for (const ButtonMapping& b : kButtons) {
        if (!(buttons & b.ours))
            continue;
        QAbstractButton* button = box.addButton(b.qt);
        button->setText(QString::fromUtf8(b.label));
        if (message.defaultButton == b.ours)
            box.setDefaultButton(b.qt);
    }

    const Button onEscape = escapeAnswer(buttons);
    for (const ButtonMapping& b : kButtons) {
        if (b.ours == onEscape)
            box.setEscapeButton(b.qt);
    }

    box.exec();

    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonMapping& b : kButtons) {
        if (b.qt == pressed)
            return b.ours;
    }
    return onEscape;
}

} // namespace kzp
