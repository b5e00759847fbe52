#pragma once

#include <QDialog>

class QCalendarWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kzp {

struct RuleContext;

// The login window, also used to change the processing date. While the login is pending it asks
// for the user's name and password; afterwards it shows only the date, and "OK" logs the same
// user in again for the date chosen.
class TFStart : public QDialog {
    Q_OBJECT
public:
    explicit TFStart(RuleContext& ctx, QWidget* parent = nullptr);

    QFrame* pnlLog;
    QLineEdit* EditNazwa;
    QLineEdit* EditHaslo;
    QSpinBox* SpinEditRok;
    QSpinBox* SpinEditMc;
    QSpinBox* SpinEditDzien;
    QCalendarWidget* Calendar1;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Zamknij
    QLabel* lblZmianaOkresu;

    // Longest texts the name and password fields take.
    static constexpr int NameLength = 10;
    static constexpr int PasswordLength = 10;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void SpinEditRokChange();
    void Calendar1Click();
    void BitBtn1Click();

    RuleContext& m_ctx;
    bool m_syncing = false;
};

} // namespace kzp
