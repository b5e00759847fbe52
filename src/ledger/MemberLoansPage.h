#pragma once

#include "store/Cursor.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;

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

// The member card's page "Pożyczki/Spłata ...": the member's loans with their installment plan,
// and below them either the guarantors of the current loan or its repayments.
class MemberLoansPage : public QWidget {
    Q_OBJECT
public:
    MemberLoansPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent = nullptr);
    ~MemberLoansPage() override;

    // After the fund is open: binds every control, shows the plan edits and the interest panel the
    // fund asks for.
    void bind();
    void unbind();

    // Shows the guarantors or the repayments of the loan, refusing while the other side has
    // unsaved changes (the refusal is shown). Answers whether the panel is shown.
    bool showGuarantors();
    bool showRepayments();
    bool guarantorsShown() const;

    void setLoanLabel(const QString& text);
    void setRepaymentLabel(const QString& text);
    void showSupplementaryPanel(bool visible);

    widgets::CursorGrid* loansGrid() const { return m_loansGrid; }
    widgets::CursorNavigator* loansNavigator() const { return m_loansNav; }
    widgets::CursorGrid* repaymentsGrid() const { return m_repaymentsGrid; }
    widgets::CursorNavigator* repaymentsNavigator() const { return m_repaymentsNav; }
    widgets::FieldDateEdit* dataPozyczki() const { return m_dataPozyczki; }
    widgets::FieldLineEdit* iloscRat() const { return m_iloscRat; }
    widgets::FieldLineEdit* kwotaPozyczki() const { return m_kwotaPozyczki; }
    widgets::FieldLineEdit* rataPierwsza() const { return m_rataPierwsza; }
    widgets::FieldLineEdit* ostatniaRata() const { return m_ostatniaRata; }
    widgets::FieldLineEdit* kolejnaRata() const { return m_kolejnaRata; }
    QLabel* rataPierwszaLabel() const { return m_rataPierwszaLabel; }
    QLabel* ostatniaRataLabel() const { return m_ostatniaRataLabel; }
    QPushButton* calculateButton() const { return m_calculate; }
    QWidget* interestPanel() const { return m_interestPanel; }
    QLabel* percentLabel() const { return m_percent; }
    QWidget* supplementaryPanel() const { return m_supplementaryPanel; }
    QLabel* loanLabel() const { return m_loanLabel; }
    QLabel* repaymentLabel() const { return m_repaymentLabel; }
    QPushButton* guarantorsButton() const { return m_guarantorsButton; }
    QPushButton* repaymentsButton() const { return m_repaymentsButton; }
    widgets::FieldLookupCombo* guarantor1() const { return m_zyrant1; }
    widgets::FieldLookupCombo* guarantor2() const { return m_zyrant2; }
    QPushButton* guaranteesButton1() const { return m_komu1; }
    QPushButton* guaranteesButton2() const { return m_komu2; }
    widgets::FieldDateEdit* repaymentDate() const { return m_rataData; }
    widgets::FieldLineEdit* repaymentAmount() const { return m_rataKwota; }
    widgets::FieldLineEdit* repaymentDocument() const { return m_rataDokument; }
    widgets::FieldLookupCombo* repaymentForm() const { return m_rataForma; }
    widgets::FieldLineEdit* splacono() const { return m_splacono; }
    widgets::FieldLineEdit* pozostalo() const { return m_pozostalo; }
    widgets::FieldLineEdit* pozyczka() const { return m_pozyczka; }
    QPushButton* statementZ5Button() const { return m_z5; }

Q_SIGNALS:
    // "Komu żyruje" beside guarantor 1 or 2: the guarantor's identifier (0 when none).
    void guaranteesRequested(int guarantorId);
    // The repayment statement of the current loan.
    void repaymentStatementRequested();

private:
    QWidget* buildLoanEdits();
    QWidget* buildGuarantors();
    QWidget* buildRepayments();
    void installMenus();
    void guarantees(const QString& field);
    // Shows `panel` and checks its `button`, unless `editing` has unsaved changes: then tells the
    // user `refusal`, leaves the buttons matching the panel shown and answers false.
    bool showPanel(QWidget* panel, QPushButton* button, const store::Cursor& editing, const QString& refusal);

    RuleContext& m_ctx;
    // Look-up lists are bound once for the window's life: the cursors they show are the same
    // objects for every fund, and a list combo cannot be unbound and bound again.
    bool m_listsBound = false;
    LedgerRules& m_rules;
    // The second guarantor's list has a cursor of its own: a look-up list moves its cursor to the
    // value it shows, and two lists on one cursor would pull it to and fro.
    store::Cursor m_guarantorList2;

    widgets::CursorNavigator* m_loansNav;
    QLabel* m_loanLabel;
    widgets::CursorGrid* m_loansGrid;
    widgets::FieldDateEdit* m_dataPozyczki;
    widgets::FieldLineEdit* m_iloscRat;
    widgets::FieldLineEdit* m_kwotaPozyczki;
    QLabel* m_rataPierwszaLabel;
    widgets::FieldLineEdit* m_rataPierwsza;
    QLabel* m_ostatniaRataLabel;
    widgets::FieldLineEdit* m_ostatniaRata;
    widgets::FieldLineEdit* m_kolejnaRata;
    QPushButton* m_calculate;
    QWidget* m_interestPanel;
    QLabel* m_percent;
    widgets::FieldLineEdit* m_odsetki;
    widgets::FieldLineEdit* m_razem;
    QWidget* m_supplementaryPanel;
    widgets::FieldLineEdit* m_saldoStare;
    widgets::FieldLineEdit* m_razemDoSplaty;

    QPushButton* m_guarantorsButton;
    QPushButton* m_repaymentsButton;
    QStackedWidget* m_stack;
    QWidget* m_guarantorPanel;
    QWidget* m_repaymentPanel;
    widgets::FieldLookupCombo* m_zyrant1;
    widgets::FieldLookupCombo* m_zyrant2;
    QPushButton* m_komu1;
    QPushButton* m_komu2;
    widgets::FieldLineEdit* m_uwagi1;
    widgets::FieldLineEdit* m_uwagi2;

    widgets::CursorNavigator* m_repaymentsNav;
    QLabel* m_repaymentLabel;
    widgets::CursorGrid* m_repaymentsGrid;
    widgets::FieldDateEdit* m_rataData;
    widgets::FieldLineEdit* m_rataKwota;
    widgets::FieldLineEdit* m_rataDokument;
    widgets::FieldLookupCombo* m_rataForma;
    widgets::FieldLineEdit* m_splacono;
    widgets::FieldLineEdit* m_pozostalo;
    widgets::FieldLineEdit* m_pozyczka;
    QPushButton* m_z5;
};

} // namespace kzp
