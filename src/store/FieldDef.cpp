#include "store/FieldDef.h"

namespace store {

int TableStructure::indexOf(const QString& field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool isTextType(FieldType type)
{
    return type == FieldType::String || type == FieldType::Memo;
}

bool isNumericType(FieldType type)
{
    switch (type) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::Smallint:
    case FieldType::Money:
    case FieldType::Float:
        return true;
    default:
        return false;
    }
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::AutoInc: return "AutoInc";
    case FieldType::Integer: return "Integer";
    case FieldType::Smallint: return "Smallint";
    case FieldType::String: return "String";
    case FieldType::Money: return "Money";
    case FieldType::Float: return "Float";
    case FieldType::Date: return "Date";
    case FieldType::Boolean: return "Boolean";
    case FieldType::Memo: return "Memo";
    }
    return QString();
}

QStringList splitFieldList(const QString& list)
{
    QStringList result;
    for (const QString& part : list.split(';', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            result << name;
    }
    return result;
}

} // namespace store
