#include "app/FieldChoiceEditors.h"

#include "store/Cursor.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QHBoxLayout>

namespace kzp {

namespace {

bool sameValue(const store::Field& f, const QVariant& value)
{
    return f.isValid() && !f.isNull() && f.value().toString() == value.toString();
}

// Writes the value of the item at `index` through `binding`, then shows the field again; false
// when there is no such item (nothing is shown again then) or the write is refused.
template <typename Item, typename Refresh>
bool chooseItem(widgets::FieldBinding& binding, const QList<Item>& items, int index, Refresh refresh)
{
    if (index < 0 || index >= items.size())
        return false;
    const QVariant value = items[index].value;
    const bool ok = binding.write([&](store::Field& f) { f.setValue(value); });
    refresh();
    return ok;
}

} // namespace

FieldItemCombo::FieldItemCombo(const QList<Item>& items, Dialogs& dialogs, QWidget* parent)
    : QComboBox(parent), m_items(items), m_binding(dialogs)
{
    for (const Item& item : items)
        addItem(item.text);
    connect(&m_binding, &widgets::FieldBinding::refreshNeeded, this, &FieldItemCombo::refresh);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_updating)
            choose(index);
    });
    refresh();
}

bool FieldItemCombo::choose(int index)
{
    return chooseItem(m_binding, m_items, index, [this] { refresh(); });
}

void FieldItemCombo::refresh()
{
    m_updating = true;
    const store::Field f = m_binding.field();
    int shown = -1;
    for (int i = 0; i < m_items.size(); ++i)
        if (sameValue(f, m_items[i].value))
            shown = i;
    setCurrentIndex(shown);
    setEnabled(m_binding.canWrite());
    m_updating = false;
}

FieldRadioGroup::FieldRadioGroup(const QString& title, const QList<Item>& items, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(title, parent), m_items(items), m_binding(dialogs)
{
    auto* layout = new QHBoxLayout(this);
    auto* group = new QButtonGroup(this);
    group->setExclusive(false); // a value outside the items shows no button checked
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i].text, this);
        group->addButton(button, i);
        layout->addWidget(button);
        m_buttons << button;
        connect(button, &QRadioButton::clicked, this, [this, i] { choose(i); });
    }
    layout->addStretch();
    connect(&m_binding, &widgets::FieldBinding::refreshNeeded, this, &FieldRadioGroup::refresh);
    refresh();
}

bool FieldRadioGroup::choose(int index)
{
    return chooseItem(m_binding, m_items, index, [this] { refresh(); });
}

void FieldRadioGroup::refresh()
{
    const store::Field f = m_binding.field();
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(sameValue(f, m_items[i].value));
    setEnabled(m_binding.canWrite());
}

} // namespace kzp
