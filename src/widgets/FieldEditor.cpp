#include "widgets/FieldEditor.h"

#include <QApplication>
#include <QWidget>

namespace widgets {

FieldEditor* FieldEditor::editorOf(QWidget* widget)
{
    // An editor may be a compound widget: the focus can sit on one of its children.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* editor = dynamic_cast<FieldEditor*>(w))
            return editor;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

bool FieldEditor::commitFocused()
{
    FieldEditor* editor = editorOf(QApplication::focusWidget());
    return editor ? editor->commit() : true;
}

} // namespace widgets
