#pragma once

#include <QDialog>

class QLineEdit;

namespace kzp {

struct RuleContext;

// "Zmiana hasla": the logged-in user changes his own password. OK tries the change, tells the
// outcome and closes the window whatever it was.
class TFZmHasla : public QDialog {
    Q_OBJECT
public:
    explicit TFZmHasla(RuleContext& ctx, QWidget* parent = nullptr);

    QLineEdit* oldPasswordEdit() const { return m_old; }
    QLineEdit* newPasswordEdit() const { return m_new; }
    QLineEdit* repeatedPasswordEdit() const { return m_repeated; }

    // Empties the three fields (done when the window is shown).
    void clearFields();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onOk();

    RuleContext& m_ctx;
    QLineEdit* m_old = nullptr;
    QLineEdit* m_new = nullptr;
    QLineEdit* m_repeated = nullptr;
};

} // namespace kzp
