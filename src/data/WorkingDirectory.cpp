#include "data/WorkingDirectory.h"

#include "data/Catalogue.h"
#include "data/PasswordHash.h"
#include "data/TableNames.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "store/Transaction.h"

#include <functional>

namespace kzp {

namespace {

using store::Database;
using store::TableRef;
using store::Tables;

TableRef shared(const Database& db, const QString& name)
{
    return TableRef{db.workDir(), name};
}

bool isEmpty(Database& db, const QString& name)
{
    return Tables(db).rowCount(shared(db, name)) == 0;
}

// Inserts one row; values in the order of the columns.
void insertRow(Database& db, const QString& name, const QStringList& columns, const QVariantList& values)
{
    QStringList quoted, marks;
    for (const QString& c : columns) {
        quoted << store::quoteIdentifier(c);
        marks << "?";
    }
    store::Statement q = db.prepare(QString("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(Tables(db).qualified(shared(db, name)), quoted.join(", "), marks.join(", ")));
    for (int i = 0; i < values.size(); ++i)
        q.bind(i + 1, values[i]);
    q.exec();
}

void addOperationCodes(Database& db)
{
    if (!isEmpty(db, table::Operacje))
        return;
    const QList<std::pair<QString, QString>> codes{
        {"10", "Wpisowe"},   {"20", "Składka"},    {"30", "Rata"},
        {"40", "Wkład pocz"}, {"50", "Zwrot wkł."}, {"XX", "Pożyczki"}};
    for (const auto& [code, name] : codes)
        insertRow(db, table::Operacje, {"Operacja", "OpisOperacji"}, {code, name});
}

void addPaymentForms(Database& db)
{
    if (!isEmpty(db, table::Forma))
        return;
    const QList<std::pair<QString, QString>> forms{
        {"K", "Kasa - gotówka"},
        {"R", "Rachunek bankowy - przelew"},
        {"L", "Lista płac - potrącenie"},
        {"P", "Przekaz pocztowy"},
        {"-", "Wszystkie formy płatności"},
        {"*", "Saldo pożyczki w uzupełniającej"}};
    int nr = 0;
    for (const auto& [form, description] : forms)
        insertRow(db, table::Forma, {"Nr", "Forma", "Opis"}, {++nr, form, description});
}

void addDocumentCodes(Database& db)
{
    // Code 1 is the one the automatic monthly posting gives its documents.
    if (!isEmpty(db, table::KodyDok))
        return;
    insertRow(db, table::KodyDok, {"Id", "Symbol", "Nazwa"}, {1, "PK", "Księgowanie automat."});
}

void addDepartment(Database& db)
{
    // Department 1 is the one a member gets when none is chosen.
    if (!isEmpty(db, table::Dzialy))
        return;
    insertRow(db, table::Dzialy, {"Identyfikator", "NazwaDzialu", "Wskaznik", "Symbol"}, {1, "Dział ogólny", 0, "OG"});
}

void addCompany(Database& db)
{
    if (!isEmpty(db, table::Parametry))
        return;
    insertRow(db, table::Parametry, {"NazwaFirmy", "Kod_Pocz", "Miejscowosc", "Ulica", "NrDomu", "KatalogArchiwum"},
              {"", "", "", "", "", ""});
}

void addAdministrator(Database& db, const QString& password)
{
    if (!isEmpty(db, table::Hasla))
        return;
    insertRow(db, table::Hasla,
              {"NazwaKrotka", "Haslo", "NazwaPelna", "Aktywny", "Administrator", "Przegladanie", "Aktualizacja",
               "PrzenoszenieDoFK", "Zamkniecie", "IdentZm", "IdentyfikatorKasa", "IdentyfikatorObcy1",
               "IdentyfikatorObcy2", "IdentyfikatorObcy3", "IdentyfikatorObcy4"},
              {QString::fromLatin1(WorkingDirectory::AdministratorShortName), PasswordHash::hash(password),
               QString::fromLatin1(WorkingDirectory::AdministratorFullName), true, true, true, true, true, true, 0, 0, 0,
               0, 0, 0});
}

// Version 1: the shared tables and the code rows the program relies on. Tables and rows that are
// already there (a directory set up before versions were recorded) are kept.
void migrateTo1(Database& db, const QString& administratorPassword)
{
    Tables tables(db);
    for (const auto& [name, structure] : Catalogue::sharedTables())
        if (!tables.exists(shared(db, name)))
            tables.create(shared(db, name), structure);
    addOperationCodes(db);
    addPaymentForms(db);
    addDocumentCodes(db);
    addDepartment(db);
    addCompany(db);
    addAdministrator(db, administratorPassword);
}

} // namespace

int WorkingDirectory::schemaVersion(Database& db)
{
    store::Statement q = db.prepare("PRAGMA main.user_version");
    q.step();
    return int(q.int64(0));
}

void WorkingDirectory::initialise(Database& db, const QString& administratorPassword)
{
    const int found = schemaVersion(db);
    if (found > SchemaVersion)
        throw store::StoreError(1, QString("Dane w katalogu %1 zapisała nowsza wersja programu (wersja danych %2, "
                                           "program zna wersję %3).")
                                       .arg(db.workDir())
                                       .arg(found)
                                       .arg(SchemaVersion));
    if (found == SchemaVersion)
        return;

    // Ordered migrations: entry i brings version i to i + 1.
    const QList<std::function<void()>> migrations{
        [&] { migrateTo1(db, administratorPassword); },
    };
    store::Transaction tx(db);
    for (int version = found; version < SchemaVersion; ++version)
        migrations[version]();
    db.exec(QString("PRAGMA main.user_version = %1").arg(SchemaVersion));
    tx.commit();
    db.noteWrite();
}

} // namespace kzp
