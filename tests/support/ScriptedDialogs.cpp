#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace kzp::test {

Dialogs::Button ScriptedDialogs::show(const Message& message)
{
    m_shown.append(message);
    const bool question = (message.buttons & ~Ok) != 0;
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    if (question) {
        ADD_FAILURE() << "unexpected question: " << message.text.toStdString() << " ["
                      << message.caption.toStdString() << "]";
        return (message.buttons & Cancel) ? Cancel : No;
    }
    return Ok;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Message& m : m_shown)
        result << m.text;
    return result;
}

} // namespace kzp::test
