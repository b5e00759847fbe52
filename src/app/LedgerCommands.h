#pragma once

namespace kzp {

class LedgerRules;
class ReportPrinting;
class TFGlowny;
struct RuleContext;

// Connects the main window's commands to the windows of the member ledger and to the statements
// printed from the dictionaries: "Wybierz" opens the member card, the departments window prints S1.
void wireLedgerCommands(TFGlowny& mainWindow, RuleContext& ctx, LedgerRules& rules, ReportPrinting& printing);

} // namespace kzp
