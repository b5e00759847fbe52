#include "ledger/CardControls.h"

#include "common/Dialogs.h"
#include "store/Cursor.h"
#include "widgets/CommandBoundary.h"
#include "widgets/FieldEditor.h"

namespace kzp::card {

QPushButton* button(const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QLabel* functionLabel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Zmiana")) + 8);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0xb0, 0, 0));
    l->setPalette(p);
    return l;
}

widgets::CursorNavigator* navigator(Dialogs& dialogs, const QStringList& hints, QWidget* parent)
{
    auto* nav = new widgets::CursorNavigator(dialogs, parent);
    nav->setVisibleButtons(widgets::CursorNavigator::allButtons());
    nav->setHints(hints);
    nav->setDeleteConfirmation([] { return true; });
    return nav;
}

void postIfEditing(Dialogs& dialogs, store::Cursor& cursor)
{
    if (!cursor.isEditing() || !widgets::FieldEditor::commitFocused())
        return;
    widgets::runCommand(dialogs, [&] {
        if (cursor.isEditing())
            cursor.post();
    });
}

void cancelIfEditing(Dialogs& dialogs, store::Cursor& cursor)
{
    if (!cursor.isEditing())
        return;
    widgets::runCommand(dialogs, [&] { cursor.cancel(); });
}

void startInsert(Dialogs& dialogs, store::Cursor& cursor)
{
    if (!cursor.isOpen() || !widgets::FieldEditor::commitFocused())
        return;
    widgets::runCommand(dialogs, [&] { cursor.insert(); });
}

void startDelete(Dialogs& dialogs, store::Cursor& cursor)
{
    if (!cursor.isOpen() || (cursor.isEmpty() && !cursor.isEditing()))
        return;
    widgets::runCommand(dialogs, [&] { cursor.remove(); });
}

} // namespace kzp::card
