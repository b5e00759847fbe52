#pragma once

#include <QString>

namespace store {
class Cursor;
}

namespace kzp {

class Dialogs;

// Writes a folder picked by the user into a path field: a browsing row is put into editing first.
// A path longer than the field can hold is refused with a message rather than cut short, since a
// cut path names another folder. Answers whether the path was written.
bool applyPickedFolder(store::Cursor& cursor, const QString& field, const QString& folder, Dialogs& dialogs);

} // namespace kzp
