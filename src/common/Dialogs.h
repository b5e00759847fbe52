#pragma once

#include <QString>

namespace kzp {

// Message boxes and questions of the program. The headless logic asks through this interface;
// the program answers with real message boxes, the tests with a scripted queue.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum Button : int {
        NoButton = 0,
        Ok = 1,
        Cancel = 2,
        Yes = 4,
        No = 8,
        Abort = 16,
        Retry = 32,
        Ignore = 64,
    };

    struct Message {
        QString text;
        QString caption;
        Icon icon = Icon::None;
        int buttons = Ok;              // a combination of Button values
        Button defaultButton = NoButton;
    };

    virtual ~Dialogs() = default;

    // Shows the message modally and answers the button pressed (Cancel/No when closed by Esc).
    virtual Button show(const Message& message) = 0;

    // Shorthands used all over the program.
    void error(const QString& text, const QString& caption = QString());
    void warning(const QString& text, const QString& caption = QString());
    void information(const QString& text, const QString& caption = QString());
    bool askYesNo(const QString& text, const QString& caption = QString(), Button defaultButton = Yes,
                  Icon icon = Icon::Question);
    Button askYesNoCancel(const QString& text, const QString& caption = QString(), Icon icon = Icon::Warning);
};

} // namespace kzp
