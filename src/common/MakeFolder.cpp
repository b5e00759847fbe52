#include "common/MakeFolder.h"

#include "common/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace kzp {

bool makeFolder(const QString& path, Dialogs& dialogs)
{
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        if (info.isDir())
            return true;
        if (!info.exists() && QDir().mkdir(path))
            return true;
    }
    dialogs.error(QStringLiteral("Błąd generowania katalogu: ") + path, QStringLiteral("Operacja systemowa."));
    return false;
}

} // namespace kzp
