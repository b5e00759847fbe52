#pragma once

#include <QDialog>
#include <functional>

class QToolButton;

namespace widgets {
class CursorGrid;
class CursorNavigator;
class FieldLineEdit;
} // namespace widgets

namespace kzp {

struct RuleContext;

// The fund register "K A S Y": the list of funds with the parameters of the selected one.
// Adding a fund makes its folder and base tables (the register's record rules do it).
class TFKasy : public QDialog {
    Q_OBJECT
public:
    explicit TFKasy(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFKasy() override;

    // Asks for a folder: the caption and the folder to start in; an empty answer means cancelled.
    // A folder dialog unless replaced (tests replace it).
    std::function<QString(QWidget* parent, const QString& caption, const QString& start)> pickFolder;

    widgets::CursorNavigator* navigator() const { return m_navigator; }
    widgets::CursorGrid* grid() const { return m_grid; }

    // Closing asks about a fund being edited or added; Esc closes too.
    void reject() override;

private:
    void choosePath(const QString& field, const QString& caption);

    RuleContext& m_ctx;
    widgets::CursorNavigator* m_navigator = nullptr;
    widgets::CursorGrid* m_grid = nullptr;
};

} // namespace kzp
