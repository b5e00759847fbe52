#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace widgets {
class FieldCheckBox;
class FieldDateEdit;
class FieldLineEdit;
class FieldLookupCombo;
} // namespace widgets

namespace kzp {

class LedgerRules;
struct RuleContext;

// The member card's page "Dane osobowe ...": the current member's personal data, department,
// dates and own contribution amount, all bound to TCzlonkowie.
class MemberPersonalPage : public QWidget {
    Q_OBJECT
public:
    MemberPersonalPage(RuleContext& ctx, LedgerRules& rules, QWidget* parent = nullptr);

    void bind();
    void unbind();

    // Where a new member's data starts.
    void focusEmployeeNumber();

    widgets::FieldLineEdit* nrPracownika() const { return m_nrPracownika; }
    widgets::FieldLineEdit* nazwisko() const { return m_nazwisko; }
    widgets::FieldLineEdit* imie() const { return m_imie; }
    widgets::FieldCheckBox* pracownikWlasny() const { return m_pracownikWlasny; }
    widgets::FieldLookupCombo* dzial() const { return m_dzial; }
    widgets::FieldDateEdit* dataWpisu() const { return m_dataWpisu; }
    widgets::FieldDateEdit* dataWypisu() const { return m_dataWypisu; }
    QToolButton* nextNumberButton() const { return m_nextNumber; }
    QPushButton* cancelLeavingButton() const { return m_cancelLeaving; }

private:
    RuleContext& m_ctx;
    // Look-up lists are bound once for the window's life: the cursors they show are the same
    // objects for every fund, and a list combo cannot be unbound and bound again.
    bool m_listsBound = false;
    LedgerRules& m_rules;
    widgets::FieldLineEdit* m_nrPracownika;
    QToolButton* m_nextNumber;
    widgets::FieldCheckBox* m_pracownikWlasny;
    widgets::FieldLookupCombo* m_dzial;
    widgets::FieldDateEdit* m_dataWpisu;
    widgets::FieldDateEdit* m_dataWypisu;
    QPushButton* m_cancelLeaving;
    widgets::FieldLineEdit* m_pesel;
    widgets::FieldLineEdit* m_nrDowodu;
    widgets::FieldLineEdit* m_nazwisko;
    widgets::FieldLineEdit* m_imie;
    widgets::FieldLineEdit* m_kod;
    widgets::FieldLineEdit* m_poczta;
    widgets::FieldLineEdit* m_miejscowosc;
    widgets::FieldLineEdit* m_ulica;
    widgets::FieldLineEdit* m_nrDomu;
    widgets::FieldLineEdit* m_nrLok;
    widgets::FieldLineEdit* m_uwagi;
    widgets::FieldLineEdit* m_innaKwota;
    widgets::FieldDateEdit* m_zawieszenieOd;
    widgets::FieldDateEdit* m_zawieszenieDo;
};

} // namespace kzp
