#pragma once

#include <QString>

namespace kzp {

class Dialogs;

// Makes the folder at `path` (its parent must exist). True when the folder is there afterwards,
// already or newly made. When it cannot be made -- a file of that name is in the way, the parent
// is missing or may not be written -- shows "Błąd generowania katalogu: " + path and answers false.
bool makeFolder(const QString& path, Dialogs& dialogs);

} // namespace kzp
