#pragma once

#include <QString>

namespace kzp {

struct RuleContext;

// Opening the fund selected in the fund register (the current row of TKasy) for the processing
// date: checks the user's rights, points every per-fund cursor of the data module at the fund's
// folder, makes the year's accounting tables (after asking) and the deductions tables of the month
// and the month before (silently), and opens the cursors. Run again before every command that
// works on one fund; it always starts from scratch.
class FundOpening {
public:
    explicit FundOpening(RuleContext& ctx) : m_ctx(ctx) {}

    // True when the fund is open. On false the user has been told why, except after answering No
    // to the question about the year's accounting tables. What was done before the failing step
    // stays done; the report flag stays raised until the next successful opening.
    bool open();

    // The look-up of the HR register KADRY.DB for the selected fund (run before TKadry opens):
    // the fund's SciezkaKadr when the fund works with payroll and names one, otherwise the working
    // directory. A missing file is reported and leaves the session's register path as it was.
    // Answers the path found, or the empty text.
    QString locateHrRegister();

    // Hangs the look-up on TKadry's before-open event, so that every opening of TKadry runs it.
    static void installHrRegisterRule(RuleContext& ctx);

private:
    bool checkRights(const QString& fundName);
    void openHrRegister();

    RuleContext& m_ctx;
};

} // namespace kzp
