#pragma once

#include "store/TableRef.h"

#include <QHash>
#include <memory>

namespace store {
class Cursor;
class Database;
class Statement;
} // namespace store

namespace kzp {

class Session;
class TDM;

// The figures of one loan. Interest is charged once on the principal (amount lent plus the balance
// of a previous loan taken into it) and rounded to the grosz; the rest are plain sums.
struct LoanFigures {
    double odsetki = 0;
    double razemKwota = 0;
    double saldo = 0;
    double splacono = 0;
};
LoanFigures loanFigures(double kwotaPozyczki, double kwotaSaldaStarego, double procentOdsetek, double repaid);

// A member's contribution balance (20 and 40 add, 50 takes away) and the entry fee paid (10).
struct MemberSums {
    double wklad = 0;
    double wpisowe = 0;
};

// The calculated fields of the ledger cursors: who changed a row, members' contribution balances and
// loans' interest, total, repaid amount and balance. Sums come from indexed aggregate queries on the
// fund's contributions and repayments tables, so reading a row costs the same at any table size.
// Members, loans, contributions and repayments stand empty while the report flag is raised; the
// guaranteed-loans view is always computed.
class Balances {
public:
    Balances(TDM& dm, const Session& session);
    ~Balances();
    Balances(const Balances&) = delete;
    Balances& operator=(const Balances&) = delete;

    void install();
    void uninstall();

    // Sums over every row of the member, of any status and date.
    MemberSums memberSums(int identyfikatorPracownika);
    // Sum of Kwota over every repayment of the loan.
    double repaidOnLoan(int identyfikatorPozyczki);
    // The loan's remaining balance from the stored fields of the cursor's current row (a loan row of
    // any cursor on the loans table).
    double loanBalance(store::Cursor& loan);
    LoanFigures loanFiguresOf(store::Cursor& loan);

private:
    struct Query;
    store::Statement* statement(Query& query, const store::TableRef& table);
    double sumOf(Query& query, const store::TableRef& table, int key, double* second = nullptr);

    void membersCalc(store::Cursor& c);
    void loansCalc(store::Cursor& c);
    void guaranteedCalc(store::Cursor& c);
    void whoChangedCalc(store::Cursor& c);

    TDM& m_dm;
    const Session& m_session;
    std::unique_ptr<Query> m_members;
    std::unique_ptr<Query> m_loans;
};

} // namespace kzp
