#pragma once

#include "report/PageSet.h"

#include <QByteArray>
#include <QString>

namespace report {

// The saved-report format (.QRP): a page set exactly as rendered, to be reopened in the preview.
// Layout: the 8-byte signature "KZPQRP\r\n", a 32-bit format version, the payload length, the
// SHA-1 of the payload and the payload (QDataStream, big-endian). A file of another version, a
// damaged or a foreign file is refused with a reason, never half-read.
class QrpFile {
public:
    static constexpr quint32 Version = 1;

    static QByteArray encode(const PageSet& pages);
    static bool decode(const QByteArray& data, PageSet& pages, QString* error = nullptr);

    static bool save(const PageSet& pages, const QString& path, QString* error = nullptr);
    static bool load(const QString& path, PageSet& pages, QString* error = nullptr);
};

} // namespace report
