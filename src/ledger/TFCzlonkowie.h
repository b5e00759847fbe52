#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace widgets {
class CursorGrid;
class CursorNavigator;
} // namespace widgets

namespace kzp {

class LedgerRules;
class MemberContributionsPage;
class MemberLoansPage;
class MemberPersonalPage;
struct RuleContext;

// The member card: the open fund's members above three pages for the current member — personal
// data, loans with guarantors and repayments, contributions and entry fees. Every change goes
// through the ledger's record rules; the window opens the fund, arranges the controls, moves
// between panes and will not leave a pane or close with unsaved changes.
class TFCzlonkowie : public QDialog {
    Q_OBJECT
public:
    // What showForFund answers when the fund cannot be opened.
    static constexpr int FundNotOpened = 1001;

    TFCzlonkowie(RuleContext& ctx, LedgerRules& rules, QWidget* parent = nullptr);
    ~TFCzlonkowie() override;

    // Opens the fund selected in the fund register, shows the card modally and answers its modal
    // result, or FundNotOpened (and no window) when the fund could not be opened.
    int showForFund();

    // The two halves of showForFund, for code that runs the window without its own modal loop:
    // prepare opens the fund and binds every control (false: the fund could not be opened, the
    // user has been told why); release gives the lists and cursors back as they were.
    bool prepare();
    void release();

    // The closing checks: one pending-changes question per table being added to or changed.
    // True when the window may close.
    bool mayClose();

    enum Page { PersonalPage = 0, LoansPage = 1, ContributionsPage = 2 };
    void setPage(Page page);
    Page page() const;

    QLineEdit* searchEdit() const { return m_search; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* statementsButton() const { return m_statements; }
    QPushButton* leavingButton() const { return m_leaving; }
    QPushButton* filterButton() const { return m_filter; }
    QPushButton* guaranteesButton() const { return m_guarantees; }
    QLabel* filterLabel() const { return m_filterLabel; }
    widgets::CursorGrid* membersGrid() const { return m_membersGrid; }
    widgets::CursorNavigator* membersNavigator() const { return m_membersNav; }
    QMenu* membersMenu() const { return m_membersMenu; }
    QTabWidget* pages() const { return m_pages; }
    MemberPersonalPage* personalPage() const { return m_personal; }
    MemberLoansPage* loansPage() const { return m_loans; }
    MemberContributionsPage* contributionsPage() const { return m_contributions; }

    void reject() override;

private:
    void buildTopBar(QWidget* bar);
    void buildMembersMenu();
    void installHooks();
    void onPageChanged(int index);
    void switchPageQuietly(int index);

    void newMember();
    void toggleFilter();
    void openLeaving();
    void openGuarantees(int memberId, const QString& title);
    void guaranteesOfCurrentMember();
    void guaranteesOfGuarantor(int guarantorId);
    void openInitialGeneration();

    RuleContext& m_ctx;
    LedgerRules& m_rules;
    bool m_prepared = false;
    bool m_quietPageChange = false;

    QLineEdit* m_search;
    QPushButton* m_new;
    QPushButton* m_statements;
    QPushButton* m_leaving;
    QPushButton* m_filter;
    QPushButton* m_guarantees;
    QSplitter* m_split;
    widgets::CursorNavigator* m_membersNav;
    widgets::CursorGrid* m_membersGrid;
    QLabel* m_filterLabel;
    QMenu* m_membersMenu;
    QTabWidget* m_pages;
    MemberPersonalPage* m_personal;
    MemberLoansPage* m_loans;
    MemberContributionsPage* m_contributions;
};

} // namespace kzp
