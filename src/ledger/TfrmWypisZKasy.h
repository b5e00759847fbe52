#pragma once

#include "ledger/logic/Leaving.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace widgets {
class FieldDateEdit;
}

namespace kzp {

struct RuleContext;

// "Wypisanie z kasy": the leaving date of the current member, stored only when the member has
// settled every balance with the fund.
class TfrmWypisZKasy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWypisZKasy(RuleContext& ctx, QWidget* parent = nullptr);
    ~TfrmWypisZKasy() override;

    // Shows modally for the current member of TCzlonkowie; answers the modal result (Accepted
    // after the confirm button, whatever it stored).
    int showForCurrentMember();
    // The same without the modal loop.
    void prepare();

    // The outcome of the last confirm.
    Leaving::Outcome outcome() const { return m_outcome; }

    widgets::FieldDateEdit* dateEdit() const { return m_date; }
    QPushButton* confirmButton() const { return m_confirm; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLabel* nameLabel() const { return m_name; }

    // Esc and the cancel button: the typed date is dropped.
    void reject() override;

private:
    void confirm();

    RuleContext& m_ctx;
    Leaving m_leaving;
    Leaving::Outcome m_outcome = Leaving::Outcome::NoDate;
    QLabel* m_name;
    widgets::FieldDateEdit* m_date;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
};

} // namespace kzp
