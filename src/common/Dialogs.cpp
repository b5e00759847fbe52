#include "common/Dialogs.h"

namespace kzp {

void Dialogs::error(const QString& text, const QString& caption)
{
    show({text, caption, Icon::Error, Ok, Ok});
}

void Dialogs::warning(const QString& text, const QString& caption)
{
    show({text, caption, Icon::Warning, Ok, Ok});
}

void Dialogs::information(const QString& text, const QString& caption)
{
    show({text, caption, Icon::Information, Ok, Ok});
}

bool Dialogs::askYesNo(const QString& text, const QString& caption, Button defaultButton, Icon icon)
{
    return show({text, caption, icon, Yes | No, defaultButton}) == Yes;
}

Dialogs::Button Dialogs::askYesNoCancel(const QString& text, const QString& caption, Icon icon)
{
    return show({text, caption, icon, Yes | No | Cancel, Yes});
}

} // namespace kzp
