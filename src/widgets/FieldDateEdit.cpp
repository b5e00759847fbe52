#include "widgets/FieldDateEdit.h"

#include <QRegularExpressionValidator>

namespace widgets {

FieldDateEdit::FieldDateEdit(kzp::Dialogs& dialogs, QWidget* parent) : FieldLineEdit(dialogs, parent)
{
    // Only digits and the separators in their places; whether the date exists is the field's check.
    static const QRegularExpression pattern(QStringLiteral("\\d{0,4}(-\\d{0,2}(-\\d{0,2})?)?"));
    setValidator(new QRegularExpressionValidator(pattern, this));
    setPlaceholderText(QStringLiteral("rrrr-mm-dd"));
    setMaxLength(10);
}

} // namespace widgets
