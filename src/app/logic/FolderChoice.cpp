#include "app/logic/FolderChoice.h"

#include "common/Dialogs.h"
#include "store/Cursor.h"
#include "store/StoreError.h"

#include <QDir>

namespace kzp {

bool applyPickedFolder(store::Cursor& cursor, const QString& field, const QString& folder, Dialogs& dialogs)
{
    if (folder.isEmpty())
        return false;
    const QString path = QDir::toNativeSeparators(folder);
    const int width = cursor.field(field).size();
    if (width > 0 && path.size() > width) {
        dialogs.error(QStringLiteral("Ścieżka jest za długa (najwyżej %1 znaków):\n%2").arg(width).arg(path),
                      QStringLiteral("Kontrola wprowadzania"));
        return false;
    }
    if (!cursor.isEditing())
        cursor.edit();
    cursor.field(field).setValue(path);
    return true;
}

} // namespace kzp
