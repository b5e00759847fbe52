#include "data/Balances.h"

#include "common/MoneyRounding.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Tables.h"

namespace kzp {

using store::Cursor;

LoanFigures loanFigures(double kwotaPozyczki, double kwotaSaldaStarego, double procentOdsetek, double repaid)
{
    LoanFigures f;
    const double principal = kwotaPozyczki + kwotaSaldaStarego;
    f.odsetki = roundMoney(principal * procentOdsetek * 0.01, 2);
    f.razemKwota = f.odsetki + kwotaPozyczki + kwotaSaldaStarego;
    f.saldo = f.razemKwota - repaid;
    f.splacono = f.razemKwota - f.saldo;
    return f;
}

// One aggregate query, prepared for the table it was last asked about.
struct Balances::Query {
    QString sql; // %1 stands for the schema-qualified table
    QString preparedFor;
    std::unique_ptr<store::Statement> statement;
};

Balances::Balances(TDM& dm, const Session& session)
    : m_dm(dm), m_session(session), m_members(std::make_unique<Query>()), m_loans(std::make_unique<Query>())
{
    m_members->sql = "SELECT total(CASE WHEN \"Operacja\" IN ('20','40') THEN \"Kwota\" "
                     "WHEN \"Operacja\" = '50' THEN -\"Kwota\" ELSE 0 END), "
                     "total(CASE WHEN \"Operacja\" = '10' THEN \"Kwota\" ELSE 0 END) "
                     "FROM %1 WHERE \"IdentyfikatorPracownika\" = ?";
    m_loans->sql = "SELECT total(\"Kwota\") FROM %1 WHERE \"IdentyfikatorPozyczki\" = ?";
}

Balances::~Balances() = default;

void Balances::install()
{
    m_dm.TCzlonkowie.onCalcFields = [this](Cursor& c) { membersCalc(c); };
    m_dm.TPozyczki.onCalcFields = [this](Cursor& c) { loansCalc(c); };
    m_dm.TPozyczkiZyrowane.onCalcFields = [this](Cursor& c) { guaranteedCalc(c); };
    m_dm.TWplaty.onCalcFields = [this](Cursor& c) { whoChangedCalc(c); };
    m_dm.TRaty.onCalcFields = [this](Cursor& c) { whoChangedCalc(c); };
}

void Balances::uninstall()
{
    for (Cursor* c : {&m_dm.TCzlonkowie, &m_dm.TPozyczki, &m_dm.TPozyczkiZyrowane, &m_dm.TWplaty, &m_dm.TRaty})
        c->onCalcFields = nullptr;
}

store::Statement* Balances::statement(Query& query, const store::TableRef& table)
{
    store::Database& db = m_dm.database();
    // Never make a database for a folder that has none: there is nothing to sum there.
    const QString schema = db.schemaFor(table.folder, false);
    if (schema.isEmpty())
        return nullptr;
    const QString qualified = schema + '.' + store::quoteIdentifier(table.name);
    if (query.preparedFor != qualified || !query.statement) {
        query.statement.reset();
        query.preparedFor = qualified;
        if (!store::Tables(db).exists(table))
            return nullptr;
        query.statement = std::make_unique<store::Statement>(db.prepare(query.sql.arg(qualified)));
    }
    return query.statement.get();
}

double Balances::sumOf(Query& query, const store::TableRef& table, int key, double* second)
{
    try {
        store::Statement* q = statement(query, table);
        if (!q)
            return 0.0;
        q->reset();
        q->bindInt(1, key);
        double result = 0.0;
        if (q->step()) {
            result = q->real(0);
            if (second)
                *second = q->real(1);
        }
        q->reset();
        return result;
    } catch (const store::StoreError&) {
        query.statement.reset(); // the table went away; prepare again next time
        throw;
    }
}

MemberSums Balances::memberSums(int identyfikatorPracownika)
{
    MemberSums sums;
    sums.wklad = sumOf(*m_members, m_dm.TWplatyRob.table(), identyfikatorPracownika, &sums.wpisowe);
    return sums;
}

double Balances::repaidOnLoan(int identyfikatorPozyczki)
{
    return sumOf(*m_loans, m_dm.TRatyRob.table(), identyfikatorPozyczki);
}

LoanFigures Balances::loanFiguresOf(Cursor& loan)
{
    const int id = loan.field("Identyfikator").asInt();
    const double repaid = loan.field("Identyfikator").isNull() ? 0.0 : repaidOnLoan(id);
    const double old = loan.fieldIndex("KwotaSaldaStarego") >= 0 ? loan.field("KwotaSaldaStarego").asFloat() : 0.0;
    return loanFigures(loan.field("KwotaPozyczki").asFloat(), old, loan.field("ProcentOdsetek").asFloat(), repaid);
}

double Balances::loanBalance(Cursor& loan)
{
    return loanFiguresOf(loan).saldo;
}

void Balances::whoChangedCalc(Cursor& c)
{
    if (m_dm.reportFlag())
        return;
    c.field("KtoZmienilNazwisko").setValue(m_session.userFullName(c.field("KtoZmienil").asInt()));
}

void Balances::membersCalc(Cursor& c)
{
    if (m_dm.reportFlag())
        return;
    whoChangedCalc(c);
    const store::Field id = c.field("IdentyfikatorPracownika");
    if (id.isNull()) // no row, or a member not stored yet
        return;
    const MemberSums sums = memberSums(id.asInt());
    c.field("Wklad").setValue(sums.wklad);
    c.field("Wpisowe").setValue(sums.wpisowe);
}

void Balances::loansCalc(Cursor& c)
{
    if (m_dm.reportFlag())
        return;
    whoChangedCalc(c);
    const LoanFigures f = loanFiguresOf(c);
    c.field("Odsetki").setValue(f.odsetki);
    c.field("RazemKwota").setValue(f.razemKwota);
    c.field("Saldo").setValue(f.saldo);
    c.field("Splacono").setValue(f.splacono);
}

void Balances::guaranteedCalc(Cursor& c)
{
    const LoanFigures f = loanFiguresOf(c);
    c.field("Odsetki").setValue(f.odsetki);
    c.field("RazemKwota").setValue(f.razemKwota);
    c.field("Saldo").setValue(f.saldo);
}

} // namespace kzp
