#include "store/Field.h"

#include "store/Cursor.h"
#include "store/StoreError.h"

#include <cmath>

namespace store {

namespace {

// 1234.5 -> "1 234,50": blanks between groups of three digits, a decimal comma.
QString groupedAmount(double value)
{
    QString digits = QString::number(std::fabs(value), 'f', 2);
    const int dot = int(digits.indexOf('.'));
    QString whole = digits.left(dot);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(i, ' ');
    const bool negative = value < 0 && digits != "0.00";
    return (negative ? "-" : "") + whole + ',' + digits.mid(dot + 1);
}

} // namespace

const QString& Field::name() const { return m_cursor->fieldInfo(m_index).name; }
FieldType Field::type() const { return m_cursor->fieldInfo(m_index).type; }
FieldKind Field::kind() const { return m_cursor->fieldInfo(m_index).kind; }
int Field::size() const { return m_cursor->fieldInfo(m_index).size; }

QVariant Field::value() const { return m_cursor->rawValue(m_index); }
bool Field::isNull() const { return m_cursor->rawValue(m_index).isNull(); }

QString Field::asString() const
{
    const QVariant& v = m_cursor->rawValue(m_index);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    return v.toString();
}

int Field::asInt() const { return int(m_cursor->rawValue(m_index).toLongLong()); }
qint64 Field::asInt64() const { return m_cursor->rawValue(m_index).toLongLong(); }
double Field::asFloat() const { return m_cursor->rawValue(m_index).toDouble(); }
QDate Field::asDate() const { return m_cursor->rawValue(m_index).toDate(); }
bool Field::asBool() const { return m_cursor->rawValue(m_index).toBool(); }

void Field::setValue(const QVariant& value)
{
    m_cursor->setRawValue(m_index, normalize(type(), size(), value), true);
}

QString Field::displayText() const
{
    const FieldHooks* hooks = m_cursor->m_fieldHooks.value(m_index);
    if (hooks && hooks->onGetText)
        return hooks->onGetText(*this, true);
    return defaultText(type(), value(), true);
}

QString Field::text() const
{
    const FieldHooks* hooks = m_cursor->m_fieldHooks.value(m_index);
    if (hooks && hooks->onGetText)
        return hooks->onGetText(*this, false);
    return defaultText(type(), value(), false);
}

void Field::setText(const QString& text)
{
    const FieldHooks* hooks = m_cursor->m_fieldHooks.value(m_index);
    if (hooks && hooks->onSetText) {
        Field self = *this;
        hooks->onSetText(self, text);
        return;
    }
    setValue(parseText(type(), text));
}

QString Field::defaultText(FieldType type, const QVariant& value, bool display)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (type) {
    case FieldType::Money:
        return display ? groupedAmount(value.toDouble()) + " zł"
                       : QString::number(value.toDouble(), 'f', 2).replace('.', ',');
    case FieldType::Float:
        return QString::number(value.toDouble(), 'g', 15).replace('.', ',');
    case FieldType::Date:
        return value.toDate().toString("yyyy-MM-dd");
    case FieldType::Boolean:
        return value.toBool() ? "Tak" : "Nie";
    default:
        return value.toString();
    }
}

QVariant Field::parseText(FieldType type, const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QVariant();
    bool ok = true;
    switch (type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::Smallint: {
        const qint64 v = text.toLongLong(&ok);
        if (!ok || (type == FieldType::Smallint && (v < -32768 || v > 32767)) || v < INT32_MIN || v > INT32_MAX)
            throw RuleError(QString("„%1” nie jest poprawną liczbą całkowitą.").arg(text));
        return QVariant(int(v));
    }
    case FieldType::Money:
    case FieldType::Float: {
        QString t = text;
        t.remove(QStringLiteral("zł")).remove(' ').remove(QChar(0xA0)).replace(',', '.');
        const double v = t.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            throw RuleError(QString("„%1” nie jest poprawną liczbą.").arg(text));
        return QVariant(v);
    }
    case FieldType::Date: {
        QString t = text;
        t.replace('/', '-').replace('.', '-');
        const QDate d = QDate::fromString(t, "yyyy-MM-dd");
        if (!d.isValid())
            throw RuleError(QString("„%1” nie jest poprawną datą.").arg(text));
        return QVariant(d);
    }
    case FieldType::Boolean: {
        const QString t = text.toLower();
        if (t == "tak" || t == "t" || t == "true" || t == "1")
            return QVariant(true);
        if (t == "nie" || t == "n" || t == "false" || t == "0")
            return QVariant(false);
        throw RuleError(QString("„%1” nie jest wartością logiczną.").arg(text));
    }
    default:
        return QVariant(input);
    }
}

QVariant Field::normalize(FieldType type, int size, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::Smallint:
        if (value.typeId() == QMetaType::QString)
            return parseText(type, value.toString());
        return QVariant(int(value.toLongLong()));
    case FieldType::Money:
    case FieldType::Float:
        if (value.typeId() == QMetaType::QString)
            return parseText(type, value.toString());
        return QVariant(value.toDouble());
    case FieldType::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().isValid() ? value : QVariant();
        if (value.typeId() == QMetaType::QDateTime)
            return QVariant(value.toDateTime().date());
        const QDate d = QDate::fromString(value.toString(), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldType::Boolean:
        return QVariant(value.toBool());
    case FieldType::String: {
        QString s = value.toString();
        if (size > 0 && s.size() > size)
            s.truncate(size);
        return QVariant(s);
    }
    case FieldType::Memo:
        return QVariant(value.toString());
    }
    return value;
}

} // namespace store
