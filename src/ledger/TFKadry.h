#pragma once

#include "ledger/logic/HrRegister.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace widgets {
class CursorGrid;
}

namespace kzp {

struct RuleContext;

// The company's HR register: the clerk finds a person and assigns him to the open fund, as a new
// member or as fresh personal data of the member with his employee number. The window stays open
// after an assignment; the member is completed and stored in the member window.
class TFKadry : public QDialog {
    Q_OBJECT
public:
    explicit TFKadry(RuleContext& ctx, QWidget* parent = nullptr);
    ~TFKadry() override;

    // Reads the register anew and shows it modally. When the register is missing or cannot be
    // read the user is told why and the window is not shown (answers Rejected).
    int showRegister();
    // The same without the modal loop; false when the register could not be read.
    bool prepare();

    // "Przypisz do Kasy" and a double click on a row.
    HrRegister::Assignment assign();

    HrRegister& hrRegister() { return m_register; }
    widgets::CursorGrid* grid() const { return m_grid; }
    QLineEdit* searchEdit() const { return m_search; }
    QPushButton* assignButton() const { return m_assign; }

    void done(int result) override;

private:
    RuleContext& m_ctx;
    HrRegister m_register;
    QLineEdit* m_search;
    QPushButton* m_assign;
    widgets::CursorGrid* m_grid;
    QLabel* m_note;
};

} // namespace kzp
