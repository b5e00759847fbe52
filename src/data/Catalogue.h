#pragma once

#include "store/FieldDef.h"

#include <QList>
#include <QString>
#include <utility>

namespace kzp {

// The structure of every table the program keeps: stored fields with their types and widths, and
// the field lists the tables are ordered and searched by. Calculated and look-up fields are not
// stored; the data module defines them on its cursors.
class Catalogue {
public:
    using NamedStructure = std::pair<QString, store::TableStructure>;

    // Shared tables of the working directory.
    static store::TableStructure hasla();
    static store::TableStructure kasy();
    static store::TableStructure parametry();
    static store::TableStructure operacje();
    static store::TableStructure forma();
    static store::TableStructure dzialy();
    static store::TableStructure opisy();
    static store::TableStructure kodyDok();
    static store::TableStructure konta();
    static store::TableStructure strWydrukPoz();
    // The HR register as the program reads it into a temporary table.
    static store::TableStructure kadry();

    // Tables of a fund folder.
    static store::TableStructure czlonkowie();
    static store::TableStructure pozyczki();
    static store::TableStructure wplaty();
    static store::TableStructure raty();
    static store::TableStructure operacjeKonta();
    static store::TableStructure numeryDok();
    // Dok<year>, DokPoz<year>.
    static store::TableStructure dokumenty();
    static store::TableStructure dokPozycje();
    // POTR<year><month>.
    static store::TableStructure potracenia();

    // The shared tables in the order a new working directory creates them.
    static QList<NamedStructure> sharedTables();
    // The base tables of a new fund, in the order they are created.
    static QList<NamedStructure> fundBaseTables();

    // Width of the stored password hash (libsodium's crypto_pwhash_STRBYTES).
    static constexpr int PasswordHashWidth = 128;
};

} // namespace kzp
