#include "widgets/FieldLineEdit.h"

#include "store/Cursor.h"

namespace widgets {

FieldLineEdit::FieldLineEdit(kzp::Dialogs& dialogs, QWidget* parent) : QLineEdit(parent), m_binding(dialogs)
{
    connect(&m_binding, &FieldBinding::refreshNeeded, this, &FieldLineEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, &FieldLineEdit::onTextEdited);
    connect(this, &QLineEdit::editingFinished, this, [this] { commit(); });
    refresh();
}

void FieldLineEdit::refresh()
{
    if (m_committing)
        return;
    const store::Field f = m_binding.field();
    const QString shown = m_binding.editText();
    if (f.isValid() && f.type() == store::FieldType::String && f.size() > 0)
        setMaxLength(f.size());
    m_shown = shown;
    setText(shown);
    setCursorPosition(0);
    setReadOnly(!m_binding.canWrite());
}

void FieldLineEdit::onTextEdited()
{
    if (m_committing || !m_binding.canWrite())
        return;
    store::Cursor* cursor = m_binding.cursor();
    if (cursor->isEditing())
        return;
    const QString typed = text();
    m_committing = true;
    const bool ok = m_binding.startEdit();
    m_committing = false;
    if (!ok) {
        refresh(); // the rules do not let this row change: show it as it is
        return;
    }
    // Entering edit may read the row again: other editors show it, this one keeps what is typed.
    m_shown = m_binding.field().text();
    setText(typed);
}

bool FieldLineEdit::commit()
{
    if (m_committing || !hasPendingText() || !m_binding.canWrite())
        return true;
    const QString typed = text();
    m_committing = true;
    const bool ok = m_binding.write([&](store::Field& f) { f.setText(typed); });
    m_committing = false;
    if (ok) {
        refresh();
        return true;
    }
    setText(typed);
    setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace widgets
