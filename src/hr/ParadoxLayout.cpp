#include "hr/ParadoxLayout.h"

#include "hr/Paradox.h"

namespace hr {

namespace {

// Offsets in the fixed part of the header.
constexpr int kRecordSize = 0x00;
constexpr int kHeaderSize = 0x02;
constexpr int kFileType = 0x04;
constexpr int kMaxTableSize = 0x05;
constexpr int kNumRecords = 0x06;
constexpr int kFileBlocks = 0x0C;
constexpr int kFirstBlock = 0x0E;
constexpr int kNumFields = 0x21;
constexpr int kEncryption1 = 0x25;
constexpr int kFileVersion = 0x39;
constexpr int kFixedHeader = 0x58;
// The data header that tables of version 4 and later carry after the fixed part.
constexpr int kEncryption2 = 0x5C;
constexpr int kCodePage = 0x6A;
constexpr int kDataHeaderEnd = 0x78;
constexpr int kBlockHeader = 6;

quint32 le16(const QByteArray& b, int at) { return quint8(b[at]) | quint32(quint8(b[at + 1])) << 8; }
quint32 le32(const QByteArray& b, qsizetype at)
{
    return quint8(b[at]) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

bool knownFieldType(int type, int length)
{
    switch (type) {
    case pxfAlpha:
        return length >= 1 && length <= 255;
    case pxfShort:
        return length == 2;
    case pxfDate: case pxfLong: case pxfAutoInc: case pxfTime:
        return length == 4;
    case pxfCurrency: case pxfNumber: case pxfTimestamp:
        return length == 8;
    case pxfLogical:
        return length == 1;
    case pxfBCD:
        return true; // the length byte holds the decimal places; the field takes 17 bytes
    case pxfMemoBLOb: case pxfBLOb: case pxfFmtMemoBLOb: case pxfOLE: case pxfGraphic: case pxfBytes:
        return length >= 1 && length <= 255;
    default:
        return false;
    }
}

} // namespace

const ParadoxLayout::Field* ParadoxLayout::field(const QByteArray& name) const
{
    for (const Field& f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

std::variant<ParadoxLayout, QString> ParadoxLayout::parse(const QByteArray& file)
{
    const qsizetype size = file.size();
    if (size < kFixedHeader)
        return QStringLiteral("plik jest krótszy niż nagłówek tabeli");

    ParadoxLayout layout;
    layout.recordSize = int(le16(file, kRecordSize));
    const int headerSize = int(le16(file, kHeaderSize));
    const int fileType = quint8(file[kFileType]);
    const int maxTableSize = quint8(file[kMaxTableSize]);
    const quint32 numRecords = le32(file, kNumRecords);
    const int fileBlocks = int(le16(file, kFileBlocks));
    const int firstBlock = int(le16(file, kFirstBlock));
    const int numFields = int(le16(file, kNumFields));
    const int version = quint8(file[kFileVersion]);

    if (fileType != pxfFileTypIndexDB && fileType != pxfFileTypNonIndexDB)
        return QStringLiteral("to nie jest tabela danych Paradox");
    if (version < 3 || version > 12)
        return QStringLiteral("nieznana wersja tabeli Paradox (%1)").arg(version);
    if (maxTableSize != 1 && maxTableSize != 2 && maxTableSize != 3 && maxTableSize != 4
        && maxTableSize != 8 && maxTableSize != 16 && maxTableSize != 32)
        return QStringLiteral("nieznany rozmiar bloku danych (%1)").arg(maxTableSize);
    const int blockSize = maxTableSize * 1024;
    if (headerSize < kFixedHeader || headerSize > size)
        return QStringLiteral("rozmiar nagłówka (%1) nie zgadza się z rozmiarem pliku").arg(headerSize);
    if (layout.recordSize <= 0 || layout.recordSize > blockSize - kBlockHeader)
        return QStringLiteral("niemożliwa długość rekordu (%1)").arg(layout.recordSize);
    if (numFields < 1 || numFields > 255)
        return QStringLiteral("niemożliwa liczba pól (%1)").arg(numFields);

    // Field descriptors, the table name pointer, the field name pointers, the table name and the
    // field names, all inside the header.
    const bool hasDataHeader = version >= 5;
    const int infoStart = hasDataHeader ? kDataHeaderEnd : kFixedHeader;
    const int tableNameLength = version >= 12 ? 261 : 79;
    const qsizetype namesStart = qsizetype(infoStart) + numFields * 2 + 4 + numFields * 4 + tableNameLength;
    if (namesStart > headerSize)
        return QStringLiteral("opis pól nie mieści się w nagłówku");

    if (hasDataHeader)
        layout.codePage = int(le16(file, kCodePage));
    const quint32 encryption1 = le32(file, kEncryption1);
    layout.encrypted = encryption1 == 0xFF00FF00u ? hasDataHeader && le32(file, kEncryption2) != 0
                                                  : encryption1 != 0;

    qsizetype namePos = namesStart;
    int offset = 0;
    for (int i = 0; i < numFields; ++i) {
        Field f;
        f.type = quint8(file[infoStart + 2 * i]);
        const int lengthByte = quint8(file[infoStart + 2 * i + 1]);
        if (!knownFieldType(f.type, lengthByte))
            return QStringLiteral("pole nr %1 ma nieznany typ lub długość").arg(i + 1);
        f.length = f.type == pxfBCD ? 17 : lengthByte;
        f.offset = offset;
        offset += f.length;
        const qsizetype end = file.indexOf('\0', namePos);
        if (end < 0 || end >= headerSize || end - namePos > 255)
            return QStringLiteral("nazwa pola nr %1 wychodzi poza nagłówek").arg(i + 1);
        f.name = file.mid(namePos, end - namePos);
        namePos = end + 1;
        layout.fields.append(f);
    }
    if (offset != layout.recordSize)
        return QStringLiteral("długości pól (%1) nie dają długości rekordu (%2)").arg(offset).arg(layout.recordSize);

    // The data blocks must all be in the file, and the chain of used blocks must visit each block at
    // most once and hold exactly the records that the header counts.
    if (qsizetype(headerSize) + qsizetype(fileBlocks) * blockSize > size)
        return QStringLiteral("plik jest krótszy niż jego bloki danych (obcięty)");
    const int perBlock = (blockSize - kBlockHeader) / layout.recordSize;
    layout.maxRecords = fileBlocks * perBlock;
    if (numRecords > quint32(layout.maxRecords))
        return QStringLiteral("liczba rekordów (%1) przekracza pojemność bloków").arg(numRecords);
    layout.recordCount = int(numRecords);

    if (layout.encrypted)
        return layout; // block headers of an encrypted table are not readable here
    if (fileBlocks == 0 || firstBlock == 0) {
        if (numRecords != 0)
            return QStringLiteral("tabela liczy rekordy, ale nie ma bloków danych");
        return layout;
    }
    QList<bool> visited(fileBlocks + 1, false);
    qint64 counted = 0;
    for (int block = firstBlock; block != 0;) {
        if (block < 0 || block > fileBlocks || visited[block])
            return QStringLiteral("łańcuch bloków danych jest uszkodzony");
        visited[block] = true;
        const qsizetype at = qsizetype(headerSize) + qsizetype(block - 1) * blockSize;
        const int next = int(le16(file, at));
        const int lastOffset = qint16(le16(file, at + 4));
        if (lastOffset % layout.recordSize != 0)
            return QStringLiteral("blok danych nr %1 jest uszkodzony").arg(block);
        const int inBlock = lastOffset / layout.recordSize + 1;
        if (inBlock < 0 || inBlock > perBlock)
            return QStringLiteral("blok danych nr %1 jest uszkodzony").arg(block);
        counted += inBlock;
        block = next;
    }
    if (counted != qint64(numRecords))
        return QStringLiteral("bloki danych zawierają %1 rekordów, a nagłówek podaje %2").arg(counted).arg(numRecords);
    return layout;
}

} // namespace hr
