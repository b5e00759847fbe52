#pragma once

#include "ledger/logic/GuaranteedLoans.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace widgets {
class CursorGrid;
}

namespace kzp {

struct RuleContext;

// "Pożyczki żyrowane": the loans of the fund a member guarantees, unpaid ones unless the clerk
// asks for all.
class TFPozyczkiZyrowane : public QDialog {
    Q_OBJECT
public:
    explicit TFPozyczkiZyrowane(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFPozyczkiZyrowane() override;

    // Shows modally the loans guaranteed by the member (IdentyfikatorPracownika) under the title
    // (his surname and first name); answers the modal result.
    int showForMember(int guarantorId, const QString& title);
    // The same without the modal loop: the window is ready to be shown.
    void prepare(int guarantorId, const QString& title);

    widgets::CursorGrid* grid() const { return m_grid; }
    QPushButton* toggleButton() const { return m_toggle; }
    QLabel* titleLabel() const { return m_title; }
    GuaranteedLoans& loans() { return m_loans; }

    void done(int result) override;

private:
    void toggle();

    RuleContext& m_ctx;
    GuaranteedLoans m_loans;
    QLabel* m_title;
    QLabel* m_state;
    widgets::CursorGrid* m_grid;
    QPushButton* m_toggle;
};

} // namespace kzp
