#include "data/Catalogue.h"
#include "data/CatalogueFields.h"
#include "data/TableNames.h"

namespace kzp {

using namespace catalogue_fields;

store::TableStructure Catalogue::hasla()
{
    // Haslo holds a password hash (argon2id with its salt and parameters), never the password.
    return {{text("NazwaKrotka", 10), text("Haslo", PasswordHashWidth), text("NazwaPelna", 30),
             autoInc("Identyfikator"), boolean("Aktywny"), boolean("Administrator"), boolean("Przegladanie"),
             boolean("Aktualizacja"), boolean("PrzenoszenieDoFK"), boolean("Zamkniecie"), smallint("IdentZm"),
             integer("IdentyfikatorKasa"), integer("IdentyfikatorObcy1"), integer("IdentyfikatorObcy2"),
             integer("IdentyfikatorObcy3"), integer("IdentyfikatorObcy4")},
            {}};
}

store::TableStructure Catalogue::kasy()
{
    return {{text("NazwaKasy", 30), text("RodzajKasy", 1), autoInc("Identyfikator"), real("KwotaWpisowe"),
             text("KodWpisowe", 5), real("KwotaSkladka"), text("KodSkladka", 5), text("KodZwrot", 5),
             text("KodRata", 5), text("KodRataOdsetki", 5), real("Procent"), text("SciezkaDanych", 20),
             boolean("CzyPlace"), smallint("KtoZmienil"), date("DataZamkniecia"), smallint("RokImportu"),
             smallint("McImportu"), text("SciezkaPlac", 30), text("SciezkaKadr", 30), smallint("KiedyInnaRata"),
             integer("LicznikNRP"), integer("Uzupelniajace")},
            {}};
}

store::TableStructure Catalogue::parametry()
{
    return {{text("NazwaFirmy", 50), text("Kod_Pocz", 6), text("Miejscowosc", 30), text("Ulica", 30),
             text("NrDomu", 6), text("KatalogArchiwum", 30)},
            {}};
}

store::TableStructure Catalogue::operacje()
{
    return {{text("Operacja", 2), text("OpisOperacji", 10)}, {}};
}

store::TableStructure Catalogue::forma()
{
    return {{integer("Nr"), text("Forma", 1), text("Opis", 40)}, {}};
}

store::TableStructure Catalogue::dzialy()
{
    return {{autoInc("Identyfikator"), text("NazwaDzialu", 40), integer("Wskaznik"), text("Symbol", 5)}, {}};
}

store::TableStructure Catalogue::opisy()
{
    return {{smallint("Typ"), memo("Mem1"), memo("Mem2"), date("DataPowiadomienia"), text("Podpis", 20)}, {}};
}

store::TableStructure Catalogue::kodyDok()
{
    return {{autoInc("Id"), text("Symbol", 3), text("Nazwa", 20)}, {}};
}

store::TableStructure Catalogue::konta()
{
    // Id is the row key itself; only the symbol order needs an index.
    return {{autoInc("Id"), text("SymbolKonta", 24), text("NazwaKonta", 50), integer("RodzjKonta"),
             integer("Subkonto")},
            {orderBy("SymbolKonta")}};
}

store::TableStructure Catalogue::strWydrukPoz()
{
    return {{integer("IdKonta"), date("DataDokumentu"), integer("NrDokumentu"), text("KodDokumentu", 3),
             money("KwotaWN"), money("KwotaMA"), text("Tresc", 60), integer("Lp")},
            {}};
}

store::TableStructure Catalogue::kadry()
{
    return {{autoInc("Identyfikator"), integer("NumerPracownika"), text("Nazwisko", 30), text("Imie1", 15),
             text("Imie2", 15), text("PESEL", 13), text("KodPocztowy", 6), text("Miejscowosc", 20),
             text("Poczta", 20), text("Ulica", 20), text("NrDomuiMieszkania", 17),
             text("NumerDowoduOsobistego", 10)},
            {orderBy("Nazwisko;Imie1;Imie2")}};
}

QList<Catalogue::NamedStructure> Catalogue::sharedTables()
{
    return {{table::Hasla, hasla()},         {table::Kasy, kasy()},       {table::Parametry, parametry()},
            {table::Operacje, operacje()},   {table::Forma, forma()},     {table::Dzialy, dzialy()},
            {table::Opisy, opisy()},         {table::KodyDok, kodyDok()}, {table::Konta, konta()},
            {table::StrWydrukPoz, strWydrukPoz()}};
}

} // namespace kzp
