#pragma once

#include <QDialog>
#include <functional>

namespace widgets {
class FieldLineEdit;
}

namespace kzp {

struct RuleContext;

// "Dane Firmy": the company's name and address printed on statements and the folder under which
// backup copies are made.
class TFDaneFirmy : public QDialog {
    Q_OBJECT
public:
    explicit TFDaneFirmy(RuleContext& ctx, QWidget* parent = nullptr);

    // Asks for a folder: the caption and the folder to start in; an empty answer means cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& start)> pickFolder;

    widgets::FieldLineEdit* postalCodeEdit() const { return m_postalCode; }

    // Stores a changed row and closes; a refused store keeps the window open.
    void accept() override;
    // Closing asks about unstored changes; Esc and "Anuluj" close too.
    void reject() override;

private:
    void chooseArchiveFolder();

    RuleContext& m_ctx;
    widgets::FieldLineEdit* m_postalCode = nullptr;
};

} // namespace kzp
