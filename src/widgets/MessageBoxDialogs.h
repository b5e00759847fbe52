#pragma once

#include "common/Dialogs.h"

#include <QPointer>

class QWidget;

namespace kzp {

// The program's Dialogs: a modal QMessageBox with Polish button labels. The box belongs to the
// widget given here, or, when there is none (or it is gone), to the application's active window.
class MessageBoxDialogs : public Dialogs {
public:
    explicit MessageBoxDialogs(QWidget* owner = nullptr);

    Button show(const Message& message) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace kzp
