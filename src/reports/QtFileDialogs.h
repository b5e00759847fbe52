#pragma once

#include "reports/FileDialogs.h"

namespace kzp {

// FileDialogs shown with QFileDialog.
class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    std::optional<SaveChoice> saveFileName(QWidget* parent, const QString& title, const QStringList& filters) override;
};

} // namespace kzp
