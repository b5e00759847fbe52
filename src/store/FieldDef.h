#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace store {

enum class FieldType { AutoInc, Integer, Smallint, String, Money, Float, Date, Boolean, Memo };

enum class FieldKind { Data, Calculated, Lookup };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Integer;
    int size = 0; // characters for String, 0 otherwise

    bool operator==(const FieldDef&) const = default;
};

struct IndexDef {
    QStringList fields;
    bool unique = false;
    QString where; // a partial unique key: only rows matching this SQL condition take part

    bool operator==(const IndexDef&) const = default;
};

// The structure of one table: its stored fields in order and the field lists it is searched by.
struct TableStructure {
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    int indexOf(const QString& field) const;
    bool operator==(const TableStructure&) const = default;
};

bool isTextType(FieldType type);
bool isNumericType(FieldType type);
QString fieldTypeName(FieldType type);

// "A;B;C" into its field names.
QStringList splitFieldList(const QString& list);

} // namespace store
