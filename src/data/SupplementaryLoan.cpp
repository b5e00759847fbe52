#include "data/SupplementaryLoan.h"

#include "common/Dialogs.h"
#include "data/Balances.h"
#include "data/LedgerState.h"
#include "data/TDM.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Tables.h"

#include <array>

namespace kzp::supplementary {

using store::Cursor;

namespace {

struct UnpaidLoan {
    int id = 0;
    double saldo = 0;
};

// The member's loans in date order (as the loans cursor shows them) with their balances.
QList<UnpaidLoan> loansOf(LedgerState& l, int member)
{
    TDM& dm = l.ctx.dm;
    store::Database& db = dm.database();
    const store::TableRef table = dm.TPozyczkiRob.table();
    QList<UnpaidLoan> loans;
    if (!store::Tables(db).exists(table))
        return loans;
    store::Statement q = db.prepare(
        QString("SELECT \"Identyfikator\", \"KwotaPozyczki\", \"KwotaSaldaStarego\", \"ProcentOdsetek\" FROM %1.%2 "
                "WHERE \"IdentyfikatorPracownika\" = ? ORDER BY \"DataPozyczki\", rowid")
            .arg(db.schemaFor(table.folder, false), store::quoteIdentifier(table.name)));
    q.bindInt(1, member);
    QList<std::array<double, 4>> rows;
    while (q.step())
        rows.append({double(q.int64(0)), q.real(1), q.real(2), q.real(3)});
    for (const auto& r : rows) {
        const int id = int(r[0]);
        loans.append({id, loanFigures(r[1], r[2], r[3], l.balances.repaidOnLoan(id)).saldo});
    }
    return loans;
}

} // namespace

void chooseOnInsert(LedgerState& l)
{
    TDM& dm = l.ctx.dm;
    Dialogs& dialogs = l.ctx.dialogs;
    const bool offered = dm.TKasy.field("Uzupelniajace").asInt() > 0;
    const store::Field member = dm.TCzlonkowie.field("IdentyfikatorPracownika");
    if (member.isNull())
        return;
    for (const UnpaidLoan& loan : loansOf(l, member.asInt())) {
        if (!(loan.saldo > 0.0001))
            continue;
        if (!dialogs.askYesNo("Poprzednia pożyczka nie została spłacona. Czy wprowadzasz następną ?", "Kontrola ",
                              Dialogs::Yes))
            throw store::RuleError("Zrezygnowano z dopisu nowej pożyczki !!!");
        if (!offered)
            continue;
        if (dialogs.askYesNo("Czy jest to pożyczka U Z U P E Ł N I A J Ą C A  ?", " ", Dialogs::Yes)) {
            l.supplementary.chosen = true;
            l.supplementary.previousLoan = loan.id;
            l.supplementary.balance = loan.saldo;
        }
        return;
    }
}

void closePreviousLoan(LedgerState& l, Cursor& newLoan)
{
    if (!l.supplementary.chosen)
        return;
    const SupplementaryChoice choice = l.supplementary;
    l.supplementary.reset(); // one closing repayment per supplementary loan
    TDM& dm = l.ctx.dm;
    Cursor& all = dm.TRatyRob;
    if (!all.isOpen())
        all.open();
    all.insert();
    try {
        all.setValue("IdentyfikatorPozyczki", choice.previousLoan);
        all.setValue("DataOperacji", newLoan.field("DataPozyczki").value());
        all.setValue("NrDokumentu", QStringLiteral("Włączono do Uzupełn."));
        all.setValue("Kwota", choice.balance);
        all.setValue("Operacja", QStringLiteral("30"));
        all.setValue("Status", QStringLiteral("U"));
        all.setValue("Forma", QStringLiteral("*"));
        all.post();
    } catch (...) {
        all.cancel();
        throw;
    }
    if (dm.TRaty.isOpen())
        dm.TRaty.refresh();
    dm.TPozyczki.refresh();
    dm.TPozyczki.last();
}

} // namespace kzp::supplementary
