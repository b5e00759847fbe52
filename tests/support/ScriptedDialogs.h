#pragma once

#include "common/Dialogs.h"

#include <QList>
#include <QStringList>

namespace kzp::test {

// Dialogs for tests: answers questions from a queue the test fills beforehand and records every
// message shown. A question (more than one button) the test did not script is a test failure.
// A plain message with only Ok needs no scripting.
class ScriptedDialogs : public Dialogs {
public:
    // Queues the answer to the next question.
    void answer(Button button) { m_answers.append(button); }

    Button show(const Message& message) override;

    const QList<Message>& shown() const { return m_shown; }
    QStringList texts() const;
    Message last() const { return m_shown.isEmpty() ? Message{} : m_shown.last(); }
    int pendingAnswers() const { return int(m_answers.size()); }
    void clear() { m_shown.clear(); m_answers.clear(); }

private:
    QList<Button> m_answers;
    QList<Message> m_shown;
};

} // namespace kzp::test
