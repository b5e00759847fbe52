#pragma once

#include <QDialog>

class QLabel;

namespace kzp {

struct RuleContext;

// "Treść potwierdzeń salda": the texts printed on every balance confirmation, laid out as one
// confirmation looks. The row is put into editing as soon as the window opens.
class TFOpisy : public QDialog {
    Q_OBJECT
public:
    explicit TFOpisy(RuleContext& ctx, QWidget* parent = nullptr);

    QLabel* placeAndDateLabel() const { return m_placeAndDate; }

    // Stores the texts and closes; a refused store keeps the window open.
    void accept() override;
    // Drops the changes and closes.
    void cancelChanges();
    // Closing otherwise (Esc, the title bar) asks about unstored changes.
    void reject() override;

private:
    RuleContext& m_ctx;
    QLabel* m_placeAndDate = nullptr;
};

} // namespace kzp
