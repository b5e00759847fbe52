#pragma once

#include "widgets/FieldBinding.h"
#include "widgets/FieldEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QList>
#include <QVariant>

class QRadioButton;

namespace kzp {

// A fixed list of texts standing for values of one field ("K - KZP" for "K"). Choosing an item
// writes its value; a value that is not in the list shows no item.
class FieldItemCombo : public QComboBox, public widgets::FieldEditor {
    Q_OBJECT
public:
    struct Item {
        QString text;
        QVariant value;
    };

    FieldItemCombo(const QList<Item>& items, Dialogs& dialogs, QWidget* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field) { m_binding.bind(cursor, field); }
    void unbind() { m_binding.unbind(); }

    bool commit() override { return true; }
    widgets::FieldBinding& binding() override { return m_binding; }
    // Writes the value of the item at `index`, as the user's choice does; false when refused.
    bool choose(int index);
    void refresh();

private:
    QList<Item> m_items;
    widgets::FieldBinding m_binding;
    bool m_updating = false;
};

// Radio buttons in a titled frame, each standing for one value of a field.
class FieldRadioGroup : public QGroupBox, public widgets::FieldEditor {
    Q_OBJECT
public:
    struct Item {
        QString text;
        QVariant value;
    };

    FieldRadioGroup(const QString& title, const QList<Item>& items, Dialogs& dialogs, QWidget* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field) { m_binding.bind(cursor, field); }
    void unbind() { m_binding.unbind(); }

    bool commit() override { return true; }
    widgets::FieldBinding& binding() override { return m_binding; }
    QRadioButton* button(int index) const { return m_buttons.value(index); }
    bool choose(int index);
    void refresh();

private:
    QList<Item> m_items;
    QList<QRadioButton*> m_buttons;
    widgets::FieldBinding m_binding;
};

} // namespace kzp
