#pragma once

#include "store/Cursor.h"
#include "widgets/CommandBoundary.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QToolButton;


namespace widgets {

// A bar of buttons that move and edit a cursor. The window chooses the buttons shown and their
// hints; whether each is enabled follows the cursor. Every action commits the focused field
// editor first (except Cancel, which drops it) and runs inside the command boundary.
class CursorNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int ButtonCount = 10;
    static QList<Button> allButtons();

    explicit CursorNavigator(kzp::Dialogs& dialogs, QWidget* parent = nullptr);

    void bindCursor(store::Cursor& cursor);
    void unbind();
    store::Cursor* boundCursor() const { return m_cursor; }

    void setVisibleButtons(const QList<Button>& buttons);
    // Hints of the ten buttons in the order of Button; an empty hint leaves the button without one.
    void setHints(const QStringList& hints);
    void setHint(Button button, const QString& hint);
    // Asked before a deletion; answering false leaves the row. Without it the navigator asks a
    // plain Yes/No question.
    void setDeleteConfirmation(std::function<bool()> confirm) { m_confirmDelete = std::move(confirm); }

    QToolButton* button(Button button) const { return m_buttons[button]; }
    // Runs the button's action as a click does; answers whether it succeeded.
    bool trigger(Button button);
    void updateButtons();

Q_SIGNALS:
    // After an action ran to its end.
    void triggered(widgets::CursorNavigator::Button button);

private:
    void act(Button button);

    CommandBoundary m_boundary;
    QPointer<store::Cursor> m_cursor;
    QList<QMetaObject::Connection> m_connections;
    QToolButton* m_buttons[ButtonCount] = {};
    std::function<bool()> m_confirmDelete;
};

} // namespace widgets
