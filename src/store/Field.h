#pragma once

#include "store/FieldDef.h"

#include <QDate>
#include <QVariant>
#include <functional>

namespace store {

class Cursor;
class Field;

// Handlers a window or the data module hangs on one field of a cursor.
struct FieldHooks {
    // Runs after a new value is set; throwing RuleError refuses it and the old value comes back.
    std::function<void(Field&)> onValidate;
    // Gives the text shown (display true) or edited (display false) for the value.
    std::function<QString(const Field&, bool display)> onGetText;
    // Takes the text typed by the user instead of the default conversion.
    std::function<void(Field&, const QString&)> onSetText;
};

// A field of a cursor's current record (or of the row the cursor is calculating). Cheap to copy.
class Field {
public:
    Field() = default;
    Field(Cursor* cursor, int index) : m_cursor(cursor), m_index(index) {}

    bool isValid() const { return m_cursor != nullptr && m_index >= 0; }
    int index() const { return m_index; }
    Cursor* cursor() const { return m_cursor; }
    const QString& name() const;
    FieldType type() const;
    FieldKind kind() const;
    int size() const;

    QVariant value() const;
    bool isNull() const;
    QString asString() const;
    int asInt() const;
    qint64 asInt64() const;
    double asFloat() const;
    QDate asDate() const;
    bool asBool() const;

    // Sets the value (converted to the field's type, text cut to its width). Data fields need the
    // cursor in edit or insert state; calculated fields are set by the calculation handler.
    void setValue(const QVariant& value);
    void clear() { setValue(QVariant()); }

    // The text shown in grids and the text edited in editors, through the hooks when present.
    QString displayText() const;
    QString text() const;
    // Takes text typed by the user, through the set-text hook when present.
    void setText(const QString& text);

    // The default texts of a value of this field's type.
    static QString defaultText(FieldType type, const QVariant& value, bool display);
    // The default conversion of typed text; throws RuleError on text that is not of the type.
    static QVariant parseText(FieldType type, const QString& text);
    // Converts a value to the field's type: ints, doubles, QDate, bool, QString; null stays null.
    static QVariant normalize(FieldType type, int size, const QVariant& value);

private:
    Cursor* m_cursor = nullptr;
    int m_index = -1;
};

} // namespace store
