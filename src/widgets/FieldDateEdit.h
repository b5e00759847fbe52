#pragma once

#include "widgets/FieldLineEdit.h"

namespace widgets {

// A date editor: the date typed as year-month-day ("2003-05-31"); an empty text clears the date.
class FieldDateEdit : public FieldLineEdit {
    Q_OBJECT
public:
    explicit FieldDateEdit(kzp::Dialogs& dialogs, QWidget* parent = nullptr);
};

} // namespace widgets
