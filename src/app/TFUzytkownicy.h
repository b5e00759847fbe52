#pragma once

#include <QDialog>

namespace widgets {
class CursorGrid;
class CursorNavigator;
class FieldLineEdit;
} // namespace widgets

namespace kzp {

struct RuleContext;

// "Wprowadzanie uzytkownikow": the users with their names and rights. Passwords are not edited
// here; a new user starts with none and sets it in the password change.
class TFUzytkownicy : public QDialog {
    Q_OBJECT
public:
    explicit TFUzytkownicy(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFUzytkownicy() override;

    widgets::CursorNavigator* navigator() const { return m_navigator; }
    widgets::CursorGrid* grid() const { return m_grid; }
    widgets::FieldLineEdit* shortNameEdit() const { return m_shortName; }

    // Closing asks about a user being edited or added; Esc closes too.
    void reject() override;

private:
    RuleContext& m_ctx;
    widgets::CursorNavigator* m_navigator = nullptr;
    widgets::CursorGrid* m_grid = nullptr;
    widgets::FieldLineEdit* m_shortName = nullptr;
};

} // namespace kzp
