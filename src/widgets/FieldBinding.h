#pragma once

#include "store/Cursor.h"
#include "widgets/CommandBoundary.h"

#include <QObject>
#include <QPointer>
#include <functional>


namespace widgets {

// Ties an editor to one field of a cursor: tells it when to show the field again and writes the
// user's changes inside the command boundary, putting a browsing cursor into edit first.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    explicit FieldBinding(kzp::Dialogs& dialogs, QObject* parent = nullptr);

    void bind(store::Cursor& cursor, const QString& field);
    void unbind();
    store::Cursor* cursor() const { return m_cursor; }
    const QString& fieldName() const { return m_fieldName; }

    // The field, when the cursor is open and has it; an invalid field otherwise.
    store::Field field() const;
    // The field's text for editing; empty when unbound or when the text cannot be made.
    QString editText() const;
    bool isActive() const { return field().isValid(); }
    // Whether the user may change the field: active, a stored field, and not made read-only.
    bool canWrite() const;
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // Puts a browsing cursor into edit; false when the rules refuse (the refusal has been shown).
    bool startEdit();
    // Runs a change of the field: edit first when browsing, then `change`. While it runs the
    // editor is not asked to show the field again; it is after a success.
    bool write(const std::function<void(store::Field&)>& change);
    bool isWriting() const { return m_writing > 0; }

    const CommandBoundary& boundary() const { return m_boundary; }

Q_SIGNALS:
    // The field's value, the current record or the cursor's state changed: show the field again.
    void refreshNeeded();

private:
    void notify();

    CommandBoundary m_boundary;
    QPointer<store::Cursor> m_cursor;
    QString m_fieldName;
    QList<QMetaObject::Connection> m_connections;
    bool m_readOnly = false;
    int m_writing = 0;
};

} // namespace widgets
