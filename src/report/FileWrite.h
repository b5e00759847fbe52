#pragma once

#include <QByteArray>
#include <QString>

namespace report {

// Writes the whole file or nothing: the old file stays when writing fails.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error);

} // namespace report
