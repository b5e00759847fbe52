#pragma once

#include <QDate>
#include <QString>

namespace kzp {

struct RuleContext;

// The commands of the main window.
enum class Command {
    Wybierz,             // the member card of the selected fund
    DokumentyKsiegowe,   // accounting documents
    SaldaObroty,         // balances and turnover
    GenerowaniePotracen, // the month's deductions worksheet
    PotraceniaZPlac,     // import of what payroll withheld
    ZmianaOkresu,        // period change
    Zamknij,             // end of the program
    Z1, Z2, Z3, Z4, Z7,  // member statements
    F1, F2, F3,          // accounting statements
    ZamknijMiesiac,      // month closing
    AnulujZamkniecie,    // cancelling a month's closing
    Kasy,                // fund register
    Dzialy,              // departments
    KodyDokumentow,      // document codes
    SymboleKont,         // chart of accounts
    OperacjeKsiegowan,   // operation-to-account map of the selected fund
    DaneFirmy,           // company data
    Uzytkownicy,         // users
    ZmianaHasla,         // the current user's password
    KopiowanieDanych,    // backup copy of the working directory
    KasowanieArchiwum,   // deleting backup copies
    UsunDane,            // purge of old data
    Informacja,          // about box
};

// What each command needs before its window or operation may start.
struct CommandGate {
    enum class FundFailure {
        Silent,         // fund opening's own message is all
        BrakDanych,     // then "Brak danych !!!", caption "Kontrola generowania wydruku."
        BrakDanychKontrola, // then "Brak danych !!!", caption "Kontrola "
    };
    int right = -1;          // the right asked for, -1 for none
    bool opensFund = false;  // the selected fund is opened after the right
    FundFailure fundFailure = FundFailure::Silent;
};

// The checks the main window runs before a command: the user's right, the payroll link of the
// fund, opening the selected fund. Every refusal is shown here; the window only starts what
// passed.
class MainCommands {
public:
    explicit MainCommands(RuleContext& ctx) : m_ctx(ctx) {}

    static CommandGate gate(Command command);

    // True when the command may go on. A refusal of the payroll import for a fund that does not
    // work with payroll is thrown as a store::RuleError for the command boundary to show.
    bool prepare(Command command);

    // The day's backup folder below the company's archive folder (KatalogArchiwum), made when
    // missing. The empty text when it cannot be made; the user has been told.
    QString prepareBackupFolder(const QDate& today);

    // The end of the program: refused while a sub-window is open, otherwise asked.
    bool confirmClose(bool mainWindowInControl);

private:
    bool refuse(const QString& text);

    RuleContext& m_ctx;
};

} // namespace kzp
