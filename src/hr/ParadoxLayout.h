#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace hr {

// What the header of a Paradox table says about its records, checked against the bytes of the
// whole file before any library is trusted with them.
struct ParadoxLayout
{
    struct Field
    {
        QByteArray name;
        int type = 0;   // pxlib's pxf... codes
        int length = 0; // bytes in the record
        int offset = 0; // from the start of the record
    };

    int recordSize = 0;
    int recordCount = 0; // what the header claims, agreed with the block chain
    int maxRecords = 0;  // what the data blocks present in the file can hold at most
    int codePage = 0;    // 0 when the file does not say
    bool encrypted = false;
    QList<Field> fields;

    // The field of that name (compared without regard to case), or nullptr.
    const Field* field(const QByteArray& name) const;

    // The layout, or the reason (Polish, for a message) why the bytes are not a sound Paradox table.
    static std::variant<ParadoxLayout, QString> parse(const QByteArray& file);
};

} // namespace hr
