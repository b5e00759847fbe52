#pragma once

class QWidget;

namespace widgets {

class FieldBinding;

// What every field editor offers beside its widget: writing what the user typed and has not
// written yet. Commands that store or move a cursor commit the focused editor first, so a value
// typed and not yet confirmed is not lost.
class FieldEditor {
public:
    virtual ~FieldEditor() = default;

    // Writes a pending change; false when the rules refused it (the editor keeps the typed value).
    virtual bool commit() = 0;
    virtual FieldBinding& binding() = 0;

    // Commits the editor that has the keyboard focus, if there is one.
    static bool commitFocused();
    static FieldEditor* editorOf(QWidget* widget);
};

} // namespace widgets
