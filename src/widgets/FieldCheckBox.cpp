#include "widgets/FieldCheckBox.h"

namespace widgets {

FieldCheckBox::FieldCheckBox(kzp::Dialogs& dialogs, QWidget* parent) : FieldCheckBox(QString(), dialogs, parent) {}

FieldCheckBox::FieldCheckBox(const QString& text, kzp::Dialogs& dialogs, QWidget* parent)
    : QCheckBox(text, parent), m_binding(dialogs)
{
    connect(&m_binding, &FieldBinding::refreshNeeded, this, &FieldCheckBox::refresh);
    connect(this, &QCheckBox::clicked, this, &FieldCheckBox::onClicked);
    refresh();
}

void FieldCheckBox::refresh()
{
    const store::Field f = m_binding.field();
    setChecked(f.isValid() && f.asBool());
    // Disabled rather than merely ignoring clicks, so the user sees it cannot be changed.
    setEnabled(m_binding.canWrite());
}

void FieldCheckBox::onClicked(bool checked)
{
    if (!m_binding.write([checked](store::Field& f) { f.setValue(checked); }))
        refresh();
}

} // namespace widgets
