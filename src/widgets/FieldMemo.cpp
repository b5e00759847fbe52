#include "widgets/FieldMemo.h"

#include "store/Cursor.h"

#include <QFocusEvent>

namespace widgets {

FieldMemo::FieldMemo(kzp::Dialogs& dialogs, QWidget* parent) : QPlainTextEdit(parent), m_binding(dialogs)
{
    setTabChangesFocus(true);
    connect(&m_binding, &FieldBinding::refreshNeeded, this, &FieldMemo::refresh);
    connect(this, &QPlainTextEdit::textChanged, this, &FieldMemo::onTextChanged);
    refresh();
}

void FieldMemo::refresh()
{
    if (m_updating)
        return;
    const QString shown = m_binding.editText();
    m_updating = true;
    m_shown = shown;
    setPlainText(shown);
    m_updating = false;
    setReadOnly(!m_binding.canWrite());
}

void FieldMemo::onTextChanged()
{
    if (m_updating || !hasPendingText() || !m_binding.canWrite() || m_binding.cursor()->isEditing())
        return;
    const QString typed = toPlainText();
    m_updating = true;
    const bool ok = m_binding.startEdit();
    m_updating = false;
    if (!ok) {
        refresh();
        return;
    }
    m_shown = m_binding.field().text();
    if (toPlainText() != typed) {
        m_updating = true;
        setPlainText(typed);
        m_updating = false;
    }
}

bool FieldMemo::commit()
{
    if (m_updating || !hasPendingText() || !m_binding.canWrite())
        return true;
    const QString typed = toPlainText();
    m_updating = true;
    const bool ok = m_binding.write([&](store::Field& f) { f.setText(typed); });
    m_updating = false;
    if (ok) {
        refresh();
        return true;
    }
    setFocus(Qt::OtherFocusReason);
    return false;
}

void FieldMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    commit();
}

} // namespace widgets
