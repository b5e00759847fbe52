#pragma once

#include <QString>
#include <functional>

namespace kzp {
class Dialogs;
}

namespace widgets {

// The edge between a user's command and the data: runs the command and turns what it throws into
// what the user sees. A record rule's refusal is shown in an error box with its own text, a silent
// abandon shows nothing, a refusal of the database is shown as a write error; anything else that
// escapes is shown too rather than left to unwind through the event loop. Answers whether the
// command ran to its end.
class CommandBoundary {
public:
    explicit CommandBoundary(kzp::Dialogs& dialogs) : m_dialogs(&dialogs) {}

    bool run(const std::function<void()>& command) const;
    bool operator()(const std::function<void()>& command) const { return run(command); }

    kzp::Dialogs& dialogs() const { return *m_dialogs; }

    static QString storeErrorText(const QString& message);

private:
    kzp::Dialogs* m_dialogs;
};

// The same as a free function, for code that holds only the Dialogs service.
bool runCommand(kzp::Dialogs& dialogs, const std::function<void()>& command);

} // namespace widgets
