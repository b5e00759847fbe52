// Pointing the data module's per-fund cursors at a fund folder.
#include "data/TDM.h"

#include "data/TableNames.h"
#include "store/Database.h"
#include "store/Tables.h"

#include <QDir>

namespace kzp {

using store::Cursor;

QList<Cursor*> TDM::fundCursors()
{
    return {&TRaty,       &TRatyRob,      &TWplaty,    &TWplatyRob, &TPozyczki,    &TPozyczkiRob,
            &TPozyczkiZyrowane, &TZyranci, &TCzlonkowieRob, &TCzlonkowie, &TOperKonta, &TNumeryDok,
            &TDokPoz,     &TDokPozRob,    &TDokumenty, &TPozNRok,   &TDokNRok,     &TPotr,
            &TPotrPoprzedniMc};
}

void TDM::closeFundCursors()
{
    for (Cursor* c : fundCursors())
        c->close();
}

void TDM::pointAtPlainNames()
{
    pointAtFund(QString(), 0, 0);
}

void TDM::pointAtFund(const QString& fundFolder, int year, int month)
{
    closeFundCursors();
    const bool plain = fundFolder.isEmpty();
    const QString folder = plain ? workDir() : QDir::cleanPath(QDir(workDir()).absoluteFilePath(fundFolder));
    m_fundFolder = plain ? QString() : folder;
    const auto name = [plain](const QString& plainName, const QString& fundName) {
        return plain ? plainName : fundName;
    };

    const QString members = name(table::PlainCzlonkowie, table::Czlonkowie);
    for (Cursor* c : {&TCzlonkowie, &TZyranci, &TCzlonkowieRob})
        c->setTable({folder, members});
    const QString loans = name(table::PlainPozyczki, table::Pozyczki);
    for (Cursor* c : {&TPozyczki, &TPozyczkiRob, &TPozyczkiZyrowane})
        c->setTable({folder, loans});
    const QString contributions = name(table::PlainWplaty, table::Wplaty);
    for (Cursor* c : {&TWplaty, &TWplatyRob})
        c->setTable({folder, contributions});
    const QString repayments = name(table::PlainRaty, table::Raty);
    for (Cursor* c : {&TRaty, &TRatyRob})
        c->setTable({folder, repayments});
    TNumeryDok.setTable({folder, name(table::PlainNumeryDok, table::NumeryDok)});
    TOperKonta.setTable({folder, name(table::PlainOperacjeKonta, table::OperacjeKonta)});

    TDokumenty.setTable({folder, name(table::PlainDokumenty, dokTableName(year))});
    TDokPoz.setTable({folder, name(table::PlainDokPozycje, dokPozTableName(year))});
    TDokPozRob.setTable({folder, name(table::PlainDokPozycje, dokPozTableName(year))});
    TDokNRok.setTable({folder, name(table::PlainDokumenty, dokTableName(year + 1))});
    TPozNRok.setTable({folder, name(table::PlainDokPozycje, dokPozTableName(year + 1))});

    const YearMonth before = previousMonth(year, month);
    TPotr.setTable({folder, name(table::PlainPotr, potrTableName(year, month))});
    TPotrPoprzedniMc.setTable({folder, name(table::PlainPotr, potrTableName(before.year, before.month))});
}

void TDM::openFundCursors()
{
    // Masters before their details, so that each detail opens on its master's current row.
    const QList<Cursor*> order{&TNumeryDok, &TOperKonta,  &TCzlonkowie, &TZyranci,   &TCzlonkowieRob,
                               &TPozyczki,  &TPozyczkiRob, &TPozyczkiZyrowane, &TWplatyRob, &TWplaty,
                               &TRatyRob,   &TRaty,       &TPotr,       &TPotrPoprzedniMc, &TDokumenty,
                               &TDokPoz,    &TDokPozRob,  &TDokNRok,    &TPozNRok};
    const store::Tables tables(m_db);
    for (Cursor* c : order)
        if (!c->isOpen() && tables.exists(c->table()))
            c->open();
}

void TDM::openSharedCursors()
{
    for (Cursor* c : {&TParametry, &TKasy, &THasla, &TOperacje, &TForma, &TDzialy, &TOpisy, &TKodyDok, &TKonta,
                      &TKonta2})
        if (!c->isOpen())
            c->open();
}

} // namespace kzp
