#pragma once

#include "store/Cursor.h"

#include <QList>
#include <QString>
#include <functional>

namespace store {
class Database;
}

namespace kzp {

// The data module: every named table cursor of the program, with its table, fields, order,
// master/detail links, calculated and look-up fields, and the switches several units share.
// Created once with the open database of the working directory; the shared cursors point at the
// working directory's tables, the per-fund cursors carry the plain names until a fund is opened
// (pointAtFund).
//
// The record rules and the calculation of balances are handlers hung on these cursors by the units
// that own them; the data module itself computes only the fields below marked as its own.
class TDM {
public:
    explicit TDM(store::Database& db);
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    store::Database& database() const { return m_db; }
    QString workDir() const;

    // --- members ------------------------------------------------------------------------------
    // The fund's members in surname order; with Filtered on, members who left are hidden.
    // Calculated KtoZmienilNazwisko, Wklad, Wpisowe; look-up Dzial_Opis.
    store::Cursor TCzlonkowie;
    // All members in surname order, for choosing guarantors; calculated NazwiskoImie_calc.
    store::Cursor TZyranci;
    // A member's name by IdentyfikatorPracownika.
    store::Cursor TCzlonkowieRob;

    // --- loans, contributions, repayments -------------------------------------------------------
    // Detail of TCzlonkowie; calculated Odsetki, RazemKwota, Saldo, Splacono, KtoZmienilNazwisko.
    store::Cursor TPozyczki;
    // The whole table, without KwotaSaldaStarego.
    store::Cursor TPozyczkiRob;
    // The whole table; calculated Odsetki, RazemKwota, Saldo; look-ups Nazwisko_look, Imie_look.
    store::Cursor TPozyczkiZyrowane;
    // Detail of TCzlonkowie; calculated KtoZmienilNazwisko, look-up OpisOperacji1.
    store::Cursor TWplaty;
    store::Cursor TWplatyRob;
    // Detail of TPozyczki; calculated KtoZmienilNazwisko.
    store::Cursor TRaty;
    store::Cursor TRatyRob;

    // --- deductions -----------------------------------------------------------------------------
    // The processing month's deductions; look-up OpisOperacji1.
    store::Cursor TPotr;
    store::Cursor TPotrPoprzedniMc;

    // --- accounting -----------------------------------------------------------------------------
    // The processing year's documents; calculated RazemWN, RazemMA, Blokada_calc; look-up DOKUMENT_kod.
    store::Cursor TDokumenty;
    // Another year's documents (the year after the processing year once a fund is open).
    store::Cursor TDokNRok;
    // Detail of TDokumenty; look-ups KONTO_symbol, KONTO_nazwa.
    store::Cursor TDokPoz;
    store::Cursor TDokPozRob;
    // Detail of TDokNRok.
    store::Cursor TPozNRok;
    store::Cursor TKonta;
    store::Cursor TKonta2;
    store::Cursor TKodyDok;
    // Look-up DOK_symbol.
    store::Cursor TNumeryDok;
    // Look-ups Konto_SYMBOL, Operacja_OPIS.
    store::Cursor TOperKonta;

    // --- shared tables --------------------------------------------------------------------------
    store::Cursor TOperacje;
    store::Cursor TForma;
    store::Cursor TDzialy;
    store::Cursor TOpisy;
    // The fund register; its current row is the open fund. Calculated KtoZmienilNazwisko, CalcImportRokMc.
    store::Cursor TKasy;
    store::Cursor THasla;
    store::Cursor TParametry;
    // The HR register read into a temporary table, in name order.
    store::Cursor TKadry;
    // The template of the account turnover's temporary tables.
    store::Cursor WydrukPoz;
    // No fixed table: the payroll system's tables are opened through it by path.
    store::Cursor Table1;

    // --- switches -------------------------------------------------------------------------------
    // While raised, the calculated fields of members, loans, contributions, repayments and the
    // document totals are left empty. Raised when the data module is created.
    void setReportFlag(bool raised) { m_reportFlag = raised; }
    bool reportFlag() const { return m_reportFlag; }

    // The full name of a user by Identyfikator, for the who-changed names; set by the session.
    // Without it the names are empty.
    std::function<QString(int)> userFullName;
    QString fullNameOfUser(int identyfikator) const;

    // --- pointing at a fund ---------------------------------------------------------------------
    // Closes the per-fund cursors and points them at the fund folder's tables: the base tables, the
    // year's Dok/DokPoz pair (TDokNRok/TPozNRok at the next year's pair), the deductions of the month
    // and of the month before. Nothing is opened or created here. An empty folder points them back
    // at the plain names.
    void pointAtFund(const QString& fundFolder, int year, int month);
    void pointAtPlainNames();
    // The fund folder the per-fund cursors point at; empty while they carry the plain names.
    QString fundFolder() const { return m_fundFolder; }
    // Opens the per-fund cursors whose tables exist, masters before their details.
    void openFundCursors();
    void closeFundCursors();
    // Opens the shared cursors of the working directory.
    void openSharedCursors();

    // Per-fund cursors, details before their masters (the order they are closed in).
    QList<store::Cursor*> fundCursors();

private:
    void defineMembers();
    void defineLedger();
    void defineDeductions();
    void defineAccounting();
    void defineShared();

    // The data module's own calculated fields.
    void TKasyCalcFields(store::Cursor& c);
    void TZyranciCalcFields(store::Cursor& c);
    void TDokumentyCalcFields(store::Cursor& c);

    store::Database& m_db;
    QString m_fundFolder;
    bool m_reportFlag = true;
};

} // namespace kzp
