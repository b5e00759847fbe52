#pragma once

#include "store/Cursor.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace widgets {
class CursorGrid;
class CursorNavigator;
class FieldDateEdit;
class FieldLineEdit;
class FieldLookupCombo;
} // namespace widgets

namespace kzp {

class LedgerRules;
struct RuleContext;

// The member card's page "Wkłady/Wpisowe ...": the member's entry fees, contributions and refunds.
class MemberContributionsPage : public QWidget {
    Q_OBJECT
public:
    MemberContributionsPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent = nullptr);
    ~MemberContributionsPage() override;

    void bind();
    void unbind();

    void setFunctionLabel(const QString& text);
    void focusOperation();

    widgets::CursorGrid* grid() const { return m_grid; }
    widgets::CursorNavigator* navigator() const { return m_nav; }
    widgets::FieldLookupCombo* operation() const { return m_operacja; }
    widgets::FieldDateEdit* date() const { return m_data; }
    widgets::FieldLineEdit* amount() const { return m_kwota; }
    widgets::FieldLineEdit* document() const { return m_dokument; }
    widgets::FieldLookupCombo* form() const { return m_forma; }
    QLabel* functionLabel() const { return m_label; }
    QPushButton* statementZ55Button() const { return m_z55; }

Q_SIGNALS:
    void contributionStatementRequested();

private:
    RuleContext& m_ctx;
    // Look-up lists are bound once for the window's life: the cursors they show are the same
    // objects for every fund, and a list combo cannot be unbound and bound again.
    bool m_listsBound = false;
    LedgerRules& m_rules;
    // The payment forms of this page have a list cursor of their own (the repayments' list has
    // the data module's).
    store::Cursor m_formList;

    QLabel* m_surname;
    QLabel* m_name;
    widgets::CursorNavigator* m_nav;
    QLabel* m_label;
    widgets::CursorGrid* m_grid;
    widgets::FieldLookupCombo* m_operacja;
    widgets::FieldDateEdit* m_data;
    widgets::FieldLineEdit* m_kwota;
    widgets::FieldLineEdit* m_dokument;
    widgets::FieldLookupCombo* m_forma;
    QPushButton* m_z55;
    QMetaObject::Connection m_memberConnection;
};

} // namespace kzp
