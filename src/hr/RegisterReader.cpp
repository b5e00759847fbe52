#include "hr/RegisterReader.h"

#include "hr/ChildProcess.h"
#include "hr/CodePage.h"
#include "hr/Paradox.h"
#include "hr/ParadoxLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <variant>

namespace hr {

namespace {

// Files larger than this are not an HR register of one company.
constexpr qint64 kMaxFileSize = qint64(256) << 20;
// Tables that do not say which code page they use come from DOS programs.
constexpr int kDefaultCodePage = 852;

constexpr char kMagic[8] = {'K', 'A', 'D', 'R', 'Y', 'R', 'E', 'C'};
constexpr char kTrailer[4] = {'K', 'O', 'N', 'I'};

enum class Kind { Number, Text };
struct Column
{
    const char* name;
    Kind kind;
    bool required;
};

// The fields this reader takes, in the order of Employee. The surrogate key may be absent.
constexpr Column kColumns[] = {
    {"Identyfikator", Kind::Number, false},   {"NumerPracownika", Kind::Number, true},
    {"Nazwisko", Kind::Text, true},           {"Imie1", Kind::Text, true},
    {"Imie2", Kind::Text, true},              {"PESEL", Kind::Text, true},
    {"KodPocztowy", Kind::Text, true},        {"Miejscowosc", Kind::Text, true},
    {"Poczta", Kind::Text, true},             {"Ulica", Kind::Text, true},
    {"NrDomuiMieszkania", Kind::Text, true},  {"NumerDowoduOsobistego", Kind::Text, true},
};
constexpr int kColumnCount = int(std::size(kColumns));

bool usableNumber(int type)
{
    return type == pxfLong || type == pxfAutoInc || type == pxfShort || type == pxfNumber;
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

RegisterReader::Result failed(RegisterReader::Failure failure, QString message)
{
    RegisterReader::Result r;
    r.failure = failure;
    r.message = std::move(message);
    return r;
}

RegisterReader::Result corrupt(const QString& path, const QString& reason)
{
    return failed(RegisterReader::Failure::Corrupt,
                  QStringLiteral("Plik %1 jest uszkodzony: %2 !!!").arg(shown(path), reason));
}

void ignorePxError(pxdoc_t*, int, const char*, void*) {}

// Child side: pxlib walks the blocks of the checked bytes (never the path, which could have changed
// since the check) and hands back every record as the table stores it.
bool sendRecords(int fd, QByteArray& file, const ParadoxLayout& layout)
{
    // pxlib prints some complaints straight to stderr; they would only clutter the program's output.
    if (FILE* quiet = std::freopen("/dev/null", "w", stderr); !quiet)
        return false;
    FILE* stream = fmemopen(file.data(), size_t(file.size()), "rb");
    if (!stream)
        return false;
    pxdoc_t* doc = PX_new2(ignorePxError, nullptr, nullptr, nullptr);
    if (!doc || PX_open_fp(doc, stream) < 0)
        return false;
    if (PX_get_num_fields(doc) != layout.fields.size() || PX_get_recordsize(doc) != layout.recordSize)
        return false;
    for (int i = 0; i < layout.fields.size(); ++i) {
        const pxfield_t* f = PX_get_field(doc, i);
        if (!f || f->px_ftype != layout.fields[i].type || f->px_flen != layout.fields[i].length)
            return false;
    }
    const int count = PX_get_num_records(doc);
    if (count < 0 || count > layout.maxRecords)
        return false;

    QByteArray out;
    out.append(kMagic, sizeof kMagic);
    out.append(reinterpret_cast<const char*>(&count), sizeof count);
    QByteArray record(layout.recordSize, '\0');
    for (int i = 0; i < count; ++i) {
        int deleted = 0;
        pxdatablockinfo_t info;
        std::memset(&info, 0, sizeof info);
        if (!PX_get_record2(doc, i, record.data(), &deleted, &info))
            return false;
        out.append(record);
        if (out.size() >= 65536) {
            if (!writeAll(fd, out.constData(), size_t(out.size())))
                return false;
            out.clear();
        }
    }
    out.append(kTrailer, sizeof kTrailer);
    return writeAll(fd, out.constData(), size_t(out.size()));
}

// Paradox stores integers big-endian with the sign bit inverted; all zero bytes are an empty value.
std::optional<int> decodeNumber(const char* p, const ParadoxLayout::Field& f)
{
    if (std::all_of(p, p + f.length, [](char c) { return c == 0; }))
        return std::nullopt;
    auto byte = [p](int i) { return quint64(quint8(p[i])); };
    switch (f.type) {
    case pxfShort:
        return int(qint16(quint16((byte(0) << 8 | byte(1)) ^ 0x8000u)));
    case pxfLong:
    case pxfAutoInc:
        return int(qint32(quint32((byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3)) ^ 0x80000000u)));
    case pxfNumber: {
        quint64 bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | byte(i);
        bits = (bits & (quint64(1) << 63)) ? bits & ~(quint64(1) << 63) : ~bits;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!(value >= -2147483648.0 && value <= 2147483647.0) || value != double(qint64(value)))
            return std::nullopt;
        return int(value);
    }
    default:
        return std::nullopt;
    }
}

QString decodeText(const char* p, const ParadoxLayout::Field& f, const CodePage& codePage)
{
    const char* end = static_cast<const char*>(std::memchr(p, 0, size_t(f.length)));
    return codePage.decode(p, end ? end - p : f.length);
}

} // namespace

RegisterReader::RegisterReader(std::chrono::milliseconds timeLimit)
    : m_timeLimit(timeLimit)
{
}

RegisterReader::Result RegisterReader::read(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(Failure::Missing, QStringLiteral("Brak pliku %1 !!!").arg(shown(path)));
    if (!info.isFile())
        return failed(Failure::Unreadable, QStringLiteral("%1 nie jest plikiem !!!").arg(shown(path)));
    if (info.size() > kMaxFileSize)
        return corrupt(path, QStringLiteral("plik jest zbyt duży na rejestr kadr"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(Failure::Unreadable,
                      QStringLiteral("Nie można odczytać pliku %1 (%2) !!!").arg(shown(path), file.errorString()));
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(Failure::Unreadable,
                      QStringLiteral("Nie można odczytać pliku %1 (%2) !!!").arg(shown(path), file.errorString()));
    file.close();

    auto parsed = ParadoxLayout::parse(bytes);
    if (auto* reason = std::get_if<QString>(&parsed))
        return corrupt(path, *reason);
    const ParadoxLayout& layout = std::get<ParadoxLayout>(parsed);

    const ParadoxLayout::Field* columns[kColumnCount];
    for (int c = 0; c < kColumnCount; ++c) {
        columns[c] = layout.field(kColumns[c].name);
        const ParadoxLayout::Field* f = columns[c];
        const bool fits = f && (kColumns[c].kind == Kind::Text ? f->type == pxfAlpha : usableNumber(f->type));
        if (f && !fits)
            return failed(Failure::WrongLayout,
                          QStringLiteral("Plik %1 nie jest rejestrem kadr: pole %2 ma niewłaściwy typ !!!")
                              .arg(shown(path), QLatin1String(kColumns[c].name)));
        if (!f && kColumns[c].required)
            return failed(Failure::WrongLayout, QStringLiteral("Plik %1 nie jest rejestrem kadr: brak pola %2 !!!")
                                                    .arg(shown(path), QLatin1String(kColumns[c].name)));
    }

    const int codePageNumber = layout.codePage > 0 ? layout.codePage : kDefaultCodePage;
    const CodePage codePage(codePageNumber);
    if (!codePage.isValid())
        return corrupt(path, QStringLiteral("nieznana strona kodowa %1").arg(codePageNumber));

    const qsizetype limit = qsizetype(sizeof kMagic + sizeof(int) + sizeof kTrailer)
                            + qsizetype(layout.maxRecords) * layout.recordSize;
    const ChildResult child = runInChild([&](int fd) { return sendRecords(fd, bytes, layout); }, m_timeLimit, limit);
    switch (child.status) {
    case ChildResult::Status::Finished:
        break;
    case ChildResult::Status::TimedOut:
        return failed(Failure::TimedOut,
                      QStringLiteral("Odczyt pliku %1 przerwano po %2 s – plik jest prawdopodobnie uszkodzony !!!")
                          .arg(shown(path))
                          .arg(double(m_timeLimit.count()) / 1000.0));
    case ChildResult::Status::CouldNotStart:
        return failed(Failure::Unreadable,
                      QStringLiteral("Nie można odczytać pliku %1 (brak zasobów systemu) !!!").arg(shown(path)));
    default:
        return corrupt(path, QStringLiteral("biblioteka Paradox nie potrafi odczytać tabeli"));
    }

    // The answer must be exactly the magic, the count, the records and the trailer.
    const QByteArray& out = child.output;
    const qsizetype head = qsizetype(sizeof kMagic + sizeof(int));
    int count = -1;
    if (out.size() >= head && std::memcmp(out.constData(), kMagic, sizeof kMagic) == 0)
        std::memcpy(&count, out.constData() + sizeof kMagic, sizeof count);
    if (count != layout.recordCount
        || out.size() != head + qsizetype(count) * layout.recordSize + qsizetype(sizeof kTrailer)
        || std::memcmp(out.constData() + out.size() - sizeof kTrailer, kTrailer, sizeof kTrailer) != 0)
        return corrupt(path, QStringLiteral("biblioteka Paradox nie potrafi odczytać tabeli"));

    Result result;
    result.codePage = codePageNumber;
    result.employees.reserve(count);
    for (int i = 0; i < count; ++i) {
        const char* record = out.constData() + head + qsizetype(i) * layout.recordSize;
        auto number = [&](int c) { return columns[c] ? decodeNumber(record + columns[c]->offset, *columns[c]) : std::nullopt; };
        auto text = [&](int c) { return decodeText(record + columns[c]->offset, *columns[c], codePage); };
        Employee e;
        e.Identyfikator = number(0);
        e.NumerPracownika = number(1);
        e.Nazwisko = text(2);
        e.Imie1 = text(3);
        e.Imie2 = text(4);
        e.PESEL = text(5);
        e.KodPocztowy = text(6);
        e.Miejscowosc = text(7);
        e.Poczta = text(8);
        e.Ulica = text(9);
        e.NrDomuiMieszkania = text(10);
        e.NumerDowoduOsobistego = text(11);
        result.employees.append(std::move(e));
    }
    return result;
}

} // namespace hr
