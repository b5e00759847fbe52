#pragma once

#include <QString>

class QWidget;

namespace kzp::test {

// Types `text` into `widget` one character at a time, as key presses and releases carrying the
// character. Unlike QTest::keyClicks it takes any letter, Polish ones included. A new line is
// typed as Return and a tab as Tab.
void typeText(QWidget* widget, const QString& text);

} // namespace kzp::test
