#pragma once

#include <QDialog>
#include <functional>

class QMenu;
class QToolButton;

namespace widgets {
class CursorGrid;
class CursorNavigator;
} // namespace widgets

namespace kzp {

struct RuleContext;

// The departments members are assigned to, with their symbols and names.
class TFDzialy : public QDialog {
    Q_OBJECT
public:
    explicit TFDzialy(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFDzialy() override;

    // What the "Wydruk / Podgląd " button does: preview of the department list. The button stays
    // disabled until a handler is given; an empty handler disables it again.
    void setPrintHandler(std::function<void()> handler);
    QToolButton* printButton() const { return m_print; }

    widgets::CursorNavigator* navigator() const { return m_navigator; }
    widgets::CursorGrid* grid() const { return m_grid; }
    QMenu* gridMenu() const { return m_menu; }

    // Closing asks about a department being edited or added; Esc closes too.
    void reject() override;

private:
    RuleContext& m_ctx;
    widgets::CursorNavigator* m_navigator = nullptr;
    widgets::CursorGrid* m_grid = nullptr;
    QMenu* m_menu = nullptr;
    QToolButton* m_print = nullptr;
    std::function<void()> m_printHandler;
};

} // namespace kzp
