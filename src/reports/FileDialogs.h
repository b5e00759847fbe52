#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace kzp {

// The file dialogs the windows ask for file names; tests script the answers.
class FileDialogs {
public:
    struct SaveChoice {
        QString fileName;
        int filterIndex = -1; // index in the filters given
    };

    virtual ~FileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Asks before overwriting an existing file; nothing when the user cancelled.
    virtual std::optional<SaveChoice> saveFileName(QWidget* parent, const QString& title, const QStringList& filters) = 0;
};

} // namespace kzp
