#pragma once

#include "widgets/FieldBinding.h"
#include "widgets/FieldEditor.h"
#include "widgets/GridColumn.h"

#include <QComboBox>

namespace widgets {

class CursorTableModel;

// A list to choose a field's value from the rows of another cursor: the list shows one or more
// fields of that cursor, the closed box shows the first of them, and choosing a row stores the
// row's key field in the bound field. Delete or Backspace empties the field.
//
// Showing the value moves the list cursor to the row with that key, as a look-up list does: give
// the combo a cursor of its own rather than one a grid is showing.
class FieldLookupCombo : public QComboBox, public FieldEditor {
    Q_OBJECT
public:
    explicit FieldLookupCombo(kzp::Dialogs& dialogs, QWidget* parent = nullptr);
    ~FieldLookupCombo() override;

    void bind(store::Cursor& cursor, const QString& field, store::Cursor& list, const QString& keyField,
              const QList<GridColumn>& listColumns);
    void unbind();
    void setFieldReadOnly(bool readOnly) { m_binding.setReadOnly(readOnly); }
    // Rows the open list shows at once.
    void setDropDownRows(int rows) { setMaxVisibleItems(rows); }

    bool commit() override { return true; }
    FieldBinding& binding() override { return m_binding; }
    CursorTableModel* listModel() const { return m_list; }

    // Stores the key of the row at the list's row (as a user's choice does); false when refused.
    bool choose(int row);
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FieldBinding m_binding;
    // Owns the list models: QComboBox deletes a model on replacement when the combo is its parent.
    QObject* m_models;
    QAbstractItemModel* m_empty = nullptr; // the model while unbound
    CursorTableModel* m_list = nullptr;
    QString m_keyField;
    bool m_updating = false;
};

} // namespace widgets
