#pragma once

#include "widgets/FieldBinding.h"
#include "widgets/FieldEditor.h"

#include <QCheckBox>

namespace widgets {

// A check box over a logical field; a click writes the field at once (a refused click is undone).
class FieldCheckBox : public QCheckBox, public FieldEditor {
    Q_OBJECT
public:
    explicit FieldCheckBox(kzp::Dialogs& dialogs, QWidget* parent = nullptr);
    FieldCheckBox(const QString& text, kzp::Dialogs& dialogs, QWidget* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field) { m_binding.bind(cursor, field); }
    void unbind() { m_binding.unbind(); }
    void setFieldReadOnly(bool readOnly) { m_binding.setReadOnly(readOnly); }

    bool commit() override { return true; }
    FieldBinding& binding() override { return m_binding; }
    void refresh();

private:
    void onClicked(bool checked);

    FieldBinding m_binding;
};

} // namespace widgets
