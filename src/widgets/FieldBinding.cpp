#include "widgets/FieldBinding.h"

#include "store/Cursor.h"

namespace widgets {

FieldBinding::FieldBinding(kzp::Dialogs& dialogs, QObject* parent) : QObject(parent), m_boundary(dialogs) {}

void FieldBinding::bind(store::Cursor& cursor, const QString& field)
{
    unbind();
    m_cursor = &cursor;
    m_fieldName = field;
    m_connections << connect(&cursor, &store::Cursor::recordChanged, this, &FieldBinding::notify)
                  << connect(&cursor, &store::Cursor::stateChanged, this, &FieldBinding::notify)
                  << connect(&cursor, &store::Cursor::dataSetChanged, this, &FieldBinding::notify)
                  << connect(&cursor, &QObject::destroyed, this, &FieldBinding::notify)
                  << connect(&cursor, &store::Cursor::fieldChanged, this, [this](int index) {
                         if (m_cursor && m_cursor->isOpen() && index == m_cursor->fieldIndex(m_fieldName))
                             notify();
                     });
    notify();
}

void FieldBinding::unbind()
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_cursor = nullptr;
    m_fieldName.clear();
    notify();
}

store::Field FieldBinding::field() const
{
    if (!m_cursor || !m_cursor->isOpen())
        return store::Field();
    const int index = m_cursor->fieldIndex(m_fieldName);
    return index >= 0 ? m_cursor->field(index) : store::Field();
}

bool FieldBinding::canWrite() const
{
    const store::Field f = field();
    return !m_readOnly && f.isValid() && f.kind() == store::FieldKind::Data && f.type() != store::FieldType::AutoInc;
}

void FieldBinding::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    notify();
}

bool FieldBinding::startEdit()
{
    if (!canWrite())
        return false;
    if (m_cursor->isEditing())
        return true;
    ++m_writing;
    const bool ok = m_boundary.run([this] { m_cursor->edit(); });
    --m_writing;
    return ok;
}

bool FieldBinding::write(const std::function<void(store::Field&)>& change)
{
    if (!canWrite())
        return false;
    ++m_writing;
    const bool ok = m_boundary.run([&] {
        if (!m_cursor->isEditing())
            m_cursor->edit();
        store::Field f = field();
        change(f);
    });
    --m_writing;
    if (ok)
        notify();
    return ok;
}

void FieldBinding::notify()
{
    if (m_writing == 0)
        Q_EMIT refreshNeeded();
}

QString FieldBinding::editText() const
{
    const store::Field f = field();
    if (!f.isValid())
        return QString();
    try {
        return f.text();
    } catch (const std::exception&) {
        return QString();
    }
}

} // namespace widgets
