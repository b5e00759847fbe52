#pragma once

#include <QString>

namespace store { class Cursor; }

namespace kzp {

class Dialogs;

// Asked when a window closes: a row being edited or added is stored (Yes), dropped (No), or the
// window stays open (Cancel). Answers whether the window may close. A refused store is shown and
// keeps the window open.
bool askPendingChanges(const QString& questionEdited, const QString& questionNew, const QString& caption,
                       store::Cursor& cursor, Dialogs& dialogs);

} // namespace kzp
