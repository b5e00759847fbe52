#include "report/FileWrite.h"

#include <QSaveFile>

namespace report {

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace report
