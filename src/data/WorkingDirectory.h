#pragma once

#include <QString>

namespace store {
class Database;
}

namespace kzp {

// The working directory's own database: its shared tables, the code rows the program needs and the
// schema version. A new (empty) working directory is set up on first start; an older one is brought
// up to date by the ordered migrations, each run once, in one transaction.
class WorkingDirectory {
public:
    // The schema this program writes. 1: the shared tables with their code rows.
    static constexpr int SchemaVersion = 1;
    static constexpr const char* AdministratorShortName = "ADMIN";
    static constexpr const char* AdministratorFullName = "Administrator";
    // The first administrator's password in a new working directory; to be changed at once.
    static constexpr const char* InitialAdministratorPassword = "admin";

    // Brings the working directory of the open database to SchemaVersion. Throws store::StoreError
    // when the directory was written by a later version of the program.
    static void initialise(store::Database& db,
                           const QString& administratorPassword = QString::fromLatin1(InitialAdministratorPassword));
    // The version recorded in the working directory's database (0 for a new one).
    static int schemaVersion(store::Database& db);
};

} // namespace kzp
