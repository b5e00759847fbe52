#include "hr/RegisterWriter.h"

#include "hr/CodePage.h"
#include "hr/Paradox.h"

#include <QDir>
#include <QSaveFile>

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace hr {

namespace {

struct FieldDef
{
    const char* name;
    char type;
    int length;
};

constexpr std::array<FieldDef, 12> kFields{{
    {"Identyfikator", pxfAutoInc, 4},
    {"NumerPracownika", pxfLong, 4},
    {"Nazwisko", pxfAlpha, 30},
    {"Imie1", pxfAlpha, 15},
    {"Imie2", pxfAlpha, 15},
    {"PESEL", pxfAlpha, 13},
    {"KodPocztowy", pxfAlpha, 6},
    {"Miejscowosc", pxfAlpha, 20},
    {"Poczta", pxfAlpha, 20},
    {"Ulica", pxfAlpha, 20},
    {"NrDomuiMieszkania", pxfAlpha, 17},
    {"NumerDowoduOsobistego", pxfAlpha, 10},
}};

int recordSize()
{
    int size = 0;
    for (const FieldDef& f : kFields)
        size += f.length;
    return size;
}

// A 4-byte Paradox integer: big-endian with the sign bit inverted; all zero bytes mean empty.
void putNumber(char* at, std::optional<int> value)
{
    if (!value)
        return;
    const quint32 stored = quint32(*value) ^ 0x80000000u;
    at[0] = char(stored >> 24);
    at[1] = char(stored >> 16);
    at[2] = char(stored >> 8);
    at[3] = char(stored);
}

QList<QString> texts(const Employee& e)
{
    return {e.Nazwisko, e.Imie1, e.Imie2, e.PESEL, e.KodPocztowy, e.Miejscowosc,
            e.Poczta, e.Ulica, e.NrDomuiMieszkania, e.NumerDowoduOsobistego};
}

void recordPxError(pxdoc_t*, int level, const char* message, void* data)
{
    if (level != PX_Warning && data && message)
        *static_cast<QString*>(data) = QString::fromLocal8Bit(message);
}

} // namespace

RegisterWriter::RegisterWriter(int codePage)
    : m_codePage(codePage)
{
}

bool RegisterWriter::write(const QString& path, const QList<Employee>& employees, QString* error) const
{
    const QString name = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };

    const CodePage codePage(m_codePage);
    if (!codePage.isValid())
        return fail(QStringLiteral("Nieznana strona kodowa %1 dla pliku %2 !!!").arg(m_codePage).arg(name));

    // Every text in the code page, checked against its field width before pxlib sees it: pxlib
    // writes past the record when a value is longer than its field.
    std::vector<std::array<QByteArray, 10>> encoded;
    encoded.reserve(size_t(employees.size()));
    for (qsizetype row = 0; row < employees.size(); ++row) {
        const QList<QString> values = texts(employees[row]);
        std::array<QByteArray, 10> bytes;
        for (int i = 0; i < 10; ++i) {
            const FieldDef& field = kFields[size_t(i + 2)];
            const std::optional<QByteArray> b = codePage.encode(values[i]);
            if (!b)
                return fail(QStringLiteral("Pole %1 w wierszu %2 zawiera znak spoza strony kodowej %3 (%4) !!!")
                                .arg(QLatin1String(field.name)).arg(row + 1).arg(m_codePage).arg(name));
            if (b->size() > field.length)
                return fail(QStringLiteral("Pole %1 w wierszu %2 jest dłuższe niż %3 znaków (%4) !!!")
                                .arg(QLatin1String(field.name)).arg(row + 1).arg(field.length).arg(name));
            if (b->contains('\0'))
                return fail(QStringLiteral("Pole %1 w wierszu %2 zawiera znak NUL (%3) !!!")
                                .arg(QLatin1String(field.name)).arg(row + 1).arg(name));
            bytes[size_t(i)] = *b;
        }
        encoded.push_back(std::move(bytes));
    }

    QString pxError;
    pxdoc_t* doc = PX_new3(recordPxError, nullptr, nullptr, nullptr, &pxError);
    if (!doc)
        return fail(QStringLiteral("Nie można utworzyć pliku %1 !!!").arg(name));
    // pxlib re-reads the header of every data block on each append; over a memory stream that costs
    // nothing, over a file it is a million system calls for a few thousand people.
    const qsizetype capacity = 64 * 1024 + qsizetype(employees.size() + 1) * recordSize() * 2;
    QByteArray image(capacity, '\0');
    FILE* stream = fmemopen(image.data(), size_t(image.size()), "w+b");
    if (!stream) {
        PX_delete(doc);
        return fail(QStringLiteral("Nie można utworzyć pliku %1 (brak pamięci) !!!").arg(name));
    }

    // pxlib keeps the field array until the document is deleted and frees the names with its own
    // allocator, so both are made with it.
    auto* fields = static_cast<pxfield_t*>(doc->malloc(doc, sizeof(pxfield_t) * kFields.size(), "fields"));
    for (size_t i = 0; i < kFields.size(); ++i) {
        fields[i].px_fname = PX_strdup(doc, kFields[i].name);
        fields[i].px_ftype = kFields[i].type;
        fields[i].px_flen = kFields[i].length;
        fields[i].px_fdc = 0;
    }

    bool ok = PX_create_fp(doc, fields, int(kFields.size()), stream, pxfFileTypNonIndexDB) == 0
              && PX_set_parameter(doc, "tablename", "KADRY") == 0
              && PX_set_value(doc, "codepage", float(m_codePage)) == 0;

    // Records are composed here and appended: PX_insert_record looks for a free slot from the start
    // of the table on every call, which makes a register of 20,000 people take half a minute.
    QByteArray record(recordSize(), '\0');
    for (qsizetype row = 0; ok && row < employees.size(); ++row) {
        const Employee& e = employees[row];
        record.fill('\0');
        char* at = record.data();
        putNumber(at, e.Identyfikator.value_or(int(row) + 1));
        putNumber(at + 4, e.NumerPracownika);
        int offset = 8;
        for (int i = 0; i < 10; ++i) {
            const QByteArray& b = encoded[size_t(row)][size_t(i)];
            std::memcpy(at + offset, b.constData(), size_t(b.size()));
            offset += kFields[size_t(i + 2)].length;
        }
        ok = PX_put_record(doc, record.data()) >= 0;
    }

    const pxhead_t* head = doc->px_head;
    const qsizetype length = ok ? qsizetype(head->px_headersize)
                                      + qsizetype(head->px_fileblocks) * head->px_maxtablesize * 1024
                                : 0;
    PX_close(doc);
    PX_delete(doc);
    ok = std::fclose(stream) == 0 && ok && length <= image.size();
    if (!ok)
        return fail(QStringLiteral("Nie można zapisać pliku %1%2 !!!")
                        .arg(name, pxError.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(pxError)));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image.constData(), length) != length || !file.commit())
        return fail(QStringLiteral("Nie można zapisać pliku %1 (%2) !!!").arg(name, file.errorString()));
    return true;
}

} // namespace hr
