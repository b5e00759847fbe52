#include "support/PolishTyping.h"

#include <QTest>
#include <QWidget>

namespace kzp::test {

void typeText(QWidget* widget, const QString& text)
{
    // By code point, so a letter outside the basic plane travels as one event.
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        const char32_t c = char32_t(codePoint);
        const QString character = QString::fromUcs4(&c, 1);
        Qt::Key key = Qt::Key_unknown;
        if (codePoint == '\n')
            key = Qt::Key_Return;
        else if (codePoint == '\t')
            key = Qt::Key_Tab;
        QTest::sendKeyEvent(QTest::Click, widget, key, character, Qt::NoModifier);
    }
}

} // namespace kzp::test
