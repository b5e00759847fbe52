#include "widgets/CursorNavigator.h"

#include "common/Dialogs.h"
#include "store/Cursor.h"
#include "store/StoreError.h"
#include "widgets/FieldEditor.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace widgets {

namespace {

struct ButtonLook {
    const char* name;
    const char* glyph;
};

constexpr ButtonLook looks[CursorNavigator::ButtonCount] = {
    {"first", "|◀"}, {"prior", "◀"}, {"next", "▶"},  {"last", "▶|"},   {"insert", "+"},
    {"delete", "−"}, {"edit", "▲"},  {"post", "✔"},  {"cancel", "✘"}, {"refresh", "↻"},
};

} // namespace

QList<CursorNavigator::Button> CursorNavigator::allButtons()
{
    return {First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh};
}

CursorNavigator::CursorNavigator(kzp::Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_boundary(dialogs)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (Button b : allButtons()) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(looks[b].name));
        button->setText(QString::fromUtf8(looks[b].glyph));
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus); // the focused editor stays focused and is committed
        connect(button, &QToolButton::clicked, this, [this, b] { trigger(b); });
        layout->addWidget(button);
        m_buttons[b] = button;
    }
    layout->addStretch();
    updateButtons();
}

void CursorNavigator::bindCursor(store::Cursor& cursor)
{
    unbind();
    m_cursor = &cursor;
    m_connections << connect(&cursor, &store::Cursor::stateChanged, this, &CursorNavigator::updateButtons)
                  << connect(&cursor, &store::Cursor::recordChanged, this, &CursorNavigator::updateButtons)
                  << connect(&cursor, &store::Cursor::dataSetChanged, this, &CursorNavigator::updateButtons)
                  << connect(&cursor, &QObject::destroyed, this, &CursorNavigator::updateButtons);
    updateButtons();
}

void CursorNavigator::unbind()
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_cursor = nullptr;
    updateButtons();
}

void CursorNavigator::setVisibleButtons(const QList<Button>& buttons)
{
    for (Button b : allButtons())
        m_buttons[b]->setVisible(buttons.contains(b));
}

void CursorNavigator::setHints(const QStringList& hints)
{
    for (Button b : allButtons())
        setHint(b, hints.value(b));
}

void CursorNavigator::setHint(Button button, const QString& hint)
{
    m_buttons[button]->setToolTip(hint);
}

void CursorNavigator::updateButtons()
{
    const store::Cursor* c = m_cursor;
    const bool open = c && c->isOpen();
    const bool editing = open && c->isEditing();
    const bool inserting = open && c->state() == store::Cursor::State::Insert;
    const int count = open ? c->recordCount() : 0;
    const int pos = open ? c->recNo() : -1;
    const bool canBack = open && count > 0 && pos > 0;
    const bool canForward = open && count > 0 && (inserting || pos < count - 1);
    const bool hasRow = open && (inserting || (count > 0 && pos >= 0));
    m_buttons[First]->setEnabled(canBack);
    m_buttons[Prior]->setEnabled(canBack);
    m_buttons[Next]->setEnabled(canForward);
    m_buttons[Last]->setEnabled(canForward);
    m_buttons[Insert]->setEnabled(open);
    m_buttons[Delete]->setEnabled(hasRow);
    m_buttons[Edit]->setEnabled(open && !editing && count > 0 && pos >= 0);
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(open && !editing);
}

bool CursorNavigator::trigger(Button button)
{
    if (!m_cursor || !m_buttons[button]->isEnabled())
        return false;
    // A value typed and not yet written belongs to the row being stored or left; Cancel drops it.
    if (button != Cancel && !FieldEditor::commitFocused())
        return false;
    const bool ok = m_boundary.run([&] { act(button); });
    updateButtons();
    if (ok)
        Q_EMIT triggered(button);
    return ok;
}

void CursorNavigator::act(Button button)
{
    store::Cursor& c = *m_cursor;
    switch (button) {
    case First: c.first(); break;
    case Prior: c.prior(); break;
    case Next: c.next(); break;
    case Last: c.last(); break;
    case Insert: c.insert(); break;
    case Delete: {
        const bool confirmed = m_confirmDelete
                                   ? m_confirmDelete()
                                   : m_boundary.dialogs().askYesNo(QStringLiteral("Usunąć bieżący rekord?"),
                                                                   QStringLiteral("Potwierdzenie"),
                                                                   kzp::Dialogs::No);
        if (!confirmed)
            throw store::Abort(); // not done: no success to report
        c.remove();
        break;
    }
    case Edit: c.edit(); break;
    case Post: c.post(); break;
    case Cancel: c.cancel(); break;
    case Refresh: c.refresh(); break;
    }
}

} // namespace widgets
