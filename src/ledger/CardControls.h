#pragma once

#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>

namespace store {
class Cursor;
}

namespace kzp {

class Dialogs;

// Small pieces the member card's pages share.
namespace card {

// A push button that never answers Enter on its own: Enter belongs to the editors and grids.
QPushButton* button(const QString& text, const QString& hint, QWidget* parent);

// A label placed next to its editor, with a mnemonic-free text kept exactly as given.
QLabel* label(const QString& text, QWidget* buddy, QWidget* parent);

// The label that tells whether the pane's row is being added ("Dopis") or changed ("Zmiana").
QLabel* functionLabel(QWidget* parent);

// A navigator with every button shown and the hints in button order. Deletion is confirmed by the
// record rules themselves, so the navigator does not ask again.
widgets::CursorNavigator* navigator(Dialogs& dialogs, const QStringList& hints, QWidget* parent);

// Stores the cursor's row when it is being added or changed (what the pop-up menus' storing items
// do), committing the focused editor first; cancels likewise.
void postIfEditing(Dialogs& dialogs, store::Cursor& cursor);
void cancelIfEditing(Dialogs& dialogs, store::Cursor& cursor);
void startInsert(Dialogs& dialogs, store::Cursor& cursor);
void startDelete(Dialogs& dialogs, store::Cursor& cursor);

} // namespace card
} // namespace kzp
