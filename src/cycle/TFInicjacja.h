#pragma once

#include "cycle/logic/InitialGeneration.h"

#include <QDialog>

class QDateEdit;
class QPushButton;

namespace kzp {

struct RuleContext;

// "Inicjacja wpisowego": writes the entry fee and an opening contribution of 0 for every member
// still in the fund who has none, dated with the day picked. Stays open after a run.
class TFInicjacja : public QDialog {
    Q_OBJECT
public:
    explicit TFInicjacja(RuleContext& ctx, QWidget* parent = nullptr);

    // Shows the window modally for the open fund; answers the modal result.
    int showWindow();
    // The same without the modal loop: the date picker starts at the processing date.
    void prepare();

    // "Dopisz".
    InitialGeneration::Result generate();

    QDateEdit* dateEdit() const { return m_date; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    RuleContext& m_ctx;
    InitialGeneration m_generation;
    QDateEdit* m_date;
    QPushButton* m_add;
    QPushButton* m_cancel;
};

} // namespace kzp
