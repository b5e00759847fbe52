#pragma once

#include "widgets/FieldBinding.h"
#include "widgets/FieldEditor.h"

#include <QLineEdit>

namespace widgets {

// A one-line editor of a field. Shows the field's edit text; the first key typed puts a browsing
// cursor into edit; Enter or leaving the editor writes the text through the field's setText. A
// refused text stays in the editor, which keeps the focus, and the cursor stays in edit.
class FieldLineEdit : public QLineEdit, public FieldEditor {
    Q_OBJECT
public:
    explicit FieldLineEdit(kzp::Dialogs& dialogs, QWidget* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field) { m_binding.bind(cursor, field); }
    void unbind() { m_binding.unbind(); }
    // Read-only by the window's choice (besides an inactive cursor or a calculated field).
    void setFieldReadOnly(bool readOnly) { m_binding.setReadOnly(readOnly); }

    bool commit() override;
    FieldBinding& binding() override { return m_binding; }
    bool hasPendingText() const { return text() != m_shown; }

    // Shows the field again, dropping anything typed and not written.
    void refresh();

protected:
    FieldBinding m_binding;

private:
    void onTextEdited();

    QString m_shown;
    bool m_committing = false;
};

} // namespace widgets
