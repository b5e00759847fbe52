#pragma once

#include <QString>

namespace kzp {

// Names of the tables of the working directory and of a fund folder. Table names compare without
// regard to letter case; these are the spellings the program creates them with.
namespace table {

// Shared tables of the working directory.
inline const QString Hasla = QStringLiteral("hasla");
inline const QString Kasy = QStringLiteral("kasy");
inline const QString Parametry = QStringLiteral("Parametry");
inline const QString Operacje = QStringLiteral("Operacje");
inline const QString Forma = QStringLiteral("Forma");
inline const QString Dzialy = QStringLiteral("Dzialy");
inline const QString Opisy = QStringLiteral("Opisy");
inline const QString KodyDok = QStringLiteral("KodyDok");
inline const QString Konta = QStringLiteral("Konta");
inline const QString StrWydrukPoz = QStringLiteral("STR_WYDRUK_POZ");
inline const QString Kadry = QStringLiteral("KADRY");

// Base tables of a fund folder.
inline const QString Czlonkowie = QStringLiteral("CZLONKOWIE");
inline const QString Pozyczki = QStringLiteral("POZYCZKI");
inline const QString Wplaty = QStringLiteral("WPLATY");
inline const QString Raty = QStringLiteral("RATY");
inline const QString OperacjeKonta = QStringLiteral("OPERACJEKONTA");
inline const QString NumeryDok = QStringLiteral("NUMERYDOK");

// The names the per-fund cursors carry while no fund is open (they name no existing table).
inline const QString PlainCzlonkowie = QStringLiteral("czlonkowie");
inline const QString PlainPozyczki = QStringLiteral("Pozyczki");
inline const QString PlainWplaty = QStringLiteral("Wplaty");
inline const QString PlainRaty = QStringLiteral("Raty");
inline const QString PlainNumeryDok = QStringLiteral("NumeryDok");
inline const QString PlainOperacjeKonta = QStringLiteral("OperacjeKonta");
inline const QString PlainDokumenty = QStringLiteral("Dokumenty");
inline const QString PlainDokPozycje = QStringLiteral("DokPozycje");
inline const QString PlainPotr = QStringLiteral("Potr");

} // namespace table

struct YearMonth {
    int year = 0;
    int month = 0;
    bool operator==(const YearMonth&) const = default;
};

// "Kas" + the fund's Identyfikator in decimal: Kas7.
QString fundFolderName(int fundId);
// The fund's folder below the working directory.
QString fundFolderPath(const QString& workDir, int fundId);
// Accounting documents and entries of a year: Dok2003, DokPoz2003.
QString dokTableName(int year);
QString dokPozTableName(int year);
// Deductions of a month, the month without a leading zero: POTR20035, POTR200312.
QString potrTableName(int year, int month);
// The month before; January goes to December of the year before.
YearMonth previousMonth(int year, int month);

} // namespace kzp
