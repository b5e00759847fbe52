#pragma once

#include "widgets/FieldBinding.h"
#include "widgets/FieldEditor.h"

#include <QPlainTextEdit>

namespace widgets {

// A many-line editor of a text or memo field; the text is written when the editor loses the
// focus or is committed by a command.
class FieldMemo : public QPlainTextEdit, public FieldEditor {
    Q_OBJECT
public:
    explicit FieldMemo(kzp::Dialogs& dialogs, QWidget* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field) { m_binding.bind(cursor, field); }
    void unbind() { m_binding.unbind(); }
    void setFieldReadOnly(bool readOnly) { m_binding.setReadOnly(readOnly); }

    bool commit() override;
    FieldBinding& binding() override { return m_binding; }
    bool hasPendingText() const { return toPlainText() != m_shown; }
    void refresh();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged();

    FieldBinding m_binding;
    QString m_shown;
    bool m_updating = false;
};

} // namespace widgets
