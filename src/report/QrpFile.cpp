#include "report/QrpFile.h"

#include "report/FileWrite.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>

#include <cmath>

namespace report {

namespace {

const QByteArray Signature("KZPQRP\r\n", 8);
constexpr int HashSize = 20;
constexpr qint64 MaxFileSize = qint64(1) << 30;

void writeString(QDataStream& out, const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    out << quint32(utf8.size());
    out.writeRawData(utf8.constData(), int(utf8.size()));
}

void writeFont(QDataStream& out, const Font& f)
{
    writeString(out, f.family);
    out << f.pointSize << quint8((f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0));
}

// Reads the payload, checking every count against what is left so that a damaged file can never
// make it allocate or loop without end.
class Reader {
public:
    explicit Reader(const QByteArray& data) : m_data(data), m_in(data) { m_in.setVersion(QDataStream::Qt_6_0); }

    bool ok() const { return m_ok && m_in.status() == QDataStream::Ok; }
    qint64 left() const { return m_data.size() - m_in.device()->pos(); }

    double real()
    {
        double v = 0;
        m_in >> v;
        if (!std::isfinite(v) || std::fabs(v) > 1e6)
            m_ok = false;
        return v;
    }
    qint32 int32() { qint32 v = 0; m_in >> v; return v; }
    quint32 count(int minItemSize)
    {
        quint32 n = 0;
        m_in >> n;
        if (qint64(n) * minItemSize > left())
            m_ok = false;
        return m_ok ? n : 0;
    }
    QString string()
    {
        quint32 n = 0;
        m_in >> n;
        if (n > left()) {
            m_ok = false;
            return {};
        }
        QByteArray bytes(int(n), Qt::Uninitialized);
        if (m_in.readRawData(bytes.data(), int(n)) != int(n))
            m_ok = false;
        return QString::fromUtf8(bytes);
    }
    Font font()
    {
        Font f;
        f.family = string();
        f.pointSize = real();
        quint8 flags = 0;
        m_in >> flags;
        f.bold = flags & 1;
        f.italic = flags & 2;
        f.underline = flags & 4;
        if (f.pointSize <= 0 || f.pointSize > 500)
            m_ok = false;
        return f;
    }

private:
    const QByteArray& m_data;
    QDataStream m_in;
    bool m_ok = true;
};

bool failWith(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QByteArray QrpFile::encode(const PageSet& pages)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        writeString(out, pages.title);
        out << qint32(pages.orientation) << quint32(pages.pages.size());
        for (const Page& page : pages.pages) {
            out << page.size.width() << page.size.height();
            out << quint32(page.texts.size());
            for (const TextItem& t : page.texts) {
                out << t.rect.x() << t.rect.y() << t.rect.width() << t.rect.height();
                writeString(out, t.text);
                writeFont(out, t.font);
                out << qint32(t.alignment);
            }
            out << quint32(page.lines.size());
            for (const LineItem& l : page.lines)
                out << l.from.x() << l.from.y() << l.to.x() << l.to.y() << l.width << qint32(l.style);
        }
    }
    QByteArray data = Signature;
    QDataStream head(&data, QIODevice::WriteOnly | QIODevice::Append);
    head.setVersion(QDataStream::Qt_6_0);
    head << Version << quint32(payload.size());
    data += QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
    data += payload;
    return data;
}

bool QrpFile::decode(const QByteArray& data, PageSet& pages, QString* error)
{
    const QString notAReport = QStringLiteral("Plik nie jest zapisanym wydrukiem.");
    const QString damaged = QStringLiteral("Plik wydruku jest uszkodzony.");
    const int headerSize = int(Signature.size()) + 8 + HashSize;
    if (data.size() < headerSize || !data.startsWith(Signature))
        return failWith(error, notAReport);
    quint32 version = 0;
    quint32 length = 0;
    {
        QDataStream head(data.mid(Signature.size(), 8));
        head.setVersion(QDataStream::Qt_6_0);
        head >> version >> length;
    }
    if (version != Version)
        return failWith(error, QStringLiteral("Wydruk zapisano w nieobsługiwanej wersji formatu (%1).").arg(version));
    const QByteArray payload = data.mid(headerSize);
    if (quint32(payload.size()) != length
        || QCryptographicHash::hash(payload, QCryptographicHash::Sha1) != data.mid(headerSize - HashSize, HashSize))
        return failWith(error, damaged);

    Reader in(payload);
    PageSet result;
    result.title = in.string();
    const qint32 orientation = in.int32();
    if (orientation != 0 && orientation != 1)
        return failWith(error, damaged);
    result.orientation = Orientation(orientation);
    const quint32 pageCount = in.count(24);
    for (quint32 p = 0; p < pageCount && in.ok(); ++p) {
        Page page;
        const double w = in.real();
        const double h = in.real();
        page.size = QSizeF(w, h);
        const quint32 texts = in.count(50);
        for (quint32 i = 0; i < texts && in.ok(); ++i) {
            TextItem t;
            const double x = in.real(), y = in.real(), tw = in.real(), th = in.real();
            t.rect = QRectF(x, y, tw, th);
            t.text = in.string();
            t.font = in.font();
            t.alignment = in.int32();
            page.texts.append(t);
        }
        const quint32 lines = in.count(44);
        for (quint32 i = 0; i < lines && in.ok(); ++i) {
            LineItem l;
            const double x1 = in.real(), y1 = in.real(), x2 = in.real(), y2 = in.real();
            l.from = QPointF(x1, y1);
            l.to = QPointF(x2, y2);
            l.width = in.real();
            const qint32 style = in.int32();
            if (style < 0 || style > 2)
                return failWith(error, damaged);
            l.style = LineStyle(style);
            page.lines.append(l);
        }
        if (w <= 0 || h <= 0)
            return failWith(error, damaged);
        result.pages.append(std::move(page));
    }
    if (!in.ok() || in.left() != 0 || result.pages.isEmpty())
        return failWith(error, damaged);
    pages = std::move(result);
    return true;
}

bool QrpFile::save(const PageSet& pages, const QString& path, QString* error)
{
    return writeWholeFile(path, encode(pages), error);
}

bool QrpFile::load(const QString& path, PageSet& pages, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(error, QStringLiteral("Nie można otworzyć pliku %1: %2").arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        return failWith(error, QStringLiteral("Plik nie jest zapisanym wydrukiem."));
    const QByteArray data = file.readAll();
    if (!decode(data, pages, error)) {
        if (error)
            *error = QStringLiteral("%1\n%2").arg(path, *error);
        return false;
    }
    return true;
}

} // namespace report
