#include "data/Catalogue.h"
#include "data/CatalogueFields.h"
#include "data/TableNames.h"

namespace kzp {

using namespace catalogue_fields;

// The AutoInc field of each table is its row key: it needs no index of its own.

store::TableStructure Catalogue::czlonkowie()
{
    // One member per employee number: a second member with the same NrPracownika above 0 is refused
    // by the store (members without a number, NrPracownika 0, are not bound by it).
    IndexDef uniqueNumber{{"NrPracownika"}, true, "\"NrPracownika\" > 0"};
    return {{autoInc("IdentyfikatorPracownika"), text("Nazwisko", 40), text("Imie", 20), integer("NrPracownika"),
             boolean("PracownikWlasny"), integer("IdentyfikatorDzialu"), date("DataWpisuDoKasy"),
             date("DataWypisuZKasy"), date("DataZawieszeniaOd"), date("DataZawieszeniaDo"),
             money("InnaKwotaSkladki"), text("KodPocztowy", 6), text("Poczta", 20), text("Miejscowosc", 20),
             text("Ulica", 20), text("NrDomu", 5), text("NrLok", 5), text("PESEL", 11),
             text("NrDowoduOsobistego", 10), text("Uwagi", 50), smallint("KtoZmienil")},
            {orderBy("Nazwisko"), orderBy("NrPracownika"), uniqueNumber}};
}

store::TableStructure Catalogue::pozyczki()
{
    return {{integer("IdentyfikatorPracownika"), date("DataPozyczki"), autoInc("Identyfikator"),
             money("KwotaSaldaStarego"), money("KwotaPozyczki"), real("ProcentOdsetek"), smallint("IloscRat"),
             money("RataPierwsza"), money("KolejnaRata"), money("OstatniaRata"), text("Status", 1),
             text("Zyrant1", 40), text("Zyrant2", 40), text("Uwagi1", 50), text("Uwagi2", 50),
             smallint("KtoZmienil"), text("Forma", 1), integer("IdZyrant1"), integer("IdZyrant2")},
            {orderBy("IdentyfikatorPracownika;DataPozyczki")}};
}

store::TableStructure Catalogue::wplaty()
{
    return {{integer("IdentyfikatorPracownika"), autoInc("Identyfikator"), date("DataOperacji"),
             text("Operacja", 2), text("NrDokumentu", 20), money("Kwota"), text("Status", 1),
             smallint("KtoZmienil"), text("Forma", 1)},
            // The second index holds everything a member's balance sums read, so they never touch the rows.
            {orderBy("IdentyfikatorPracownika"), orderBy("IdentyfikatorPracownika;Operacja;Kwota")}};
}

store::TableStructure Catalogue::raty()
{
    return {{integer("IdentyfikatorPozyczki"), autoInc("Identyfikator"), date("DataOperacji"), text("Operacja", 2),
             text("NrDokumentu", 20), money("Kwota"), text("Status", 1), smallint("KtoZmienil"),
             text("Forma", 1)},
            // The second index holds everything a loan's balance reads.
            {orderBy("IdentyfikatorPozyczki"), orderBy("IdentyfikatorPozyczki;Kwota")}};
}

store::TableStructure Catalogue::operacjeKonta()
{
    // Posting looks the map up by operation and form.
    return {{text("Operacja", 2), integer("Id_Konta"), text("Strona", 2), text("Forma", 1)},
            {orderBy("Operacja;Forma")}};
}

store::TableStructure Catalogue::numeryDok()
{
    // The numbering looks a counter up by year and document code.
    return {{integer("Rok"), integer("Mc"), integer("IdKoduDok"), integer("NrWstawiony")}, {orderBy("Rok;IdKoduDok")}};
}

store::TableStructure Catalogue::dokumenty()
{
    return {{autoInc("ID"), smallint("Rok"), smallint("Mc"), integer("NrDokumentu"), integer("IdKoduDokumentu"),
             date("DataDokumentu"), text("Tresc", 60), text("Status", 1), integer("Blokada")},
            {orderBy("DataDokumentu;IdKoduDokumentu;NrDokumentu")}};
}

store::TableStructure Catalogue::dokPozycje()
{
    return {{integer("IdDokumentu"), integer("Lp"), autoInc("Id"), integer("IdKonta"), money("KwotaWN"),
             money("KwotaMA"), text("Tresc", 60), text("Status", 1)},
            {orderBy("IdDokumentu")}};
}

store::TableStructure Catalogue::potracenia()
{
    return {{integer("IdentyfikatorPracownika"), autoInc("Identyfikator"), text("Nazwisko", 40),
             integer("NrPracownika"), date("DataOperacji"), money("Kwota"), text("Operacja", 2),
             smallint("KtoZmienil"), text("Status", 1)},
            {orderBy("Nazwisko;Identyfikator;IdentyfikatorPracownika"), orderBy("IdentyfikatorPracownika")}};
}

QList<Catalogue::NamedStructure> Catalogue::fundBaseTables()
{
    return {{table::NumeryDok, numeryDok()}, {table::OperacjeKonta, operacjeKonta()},
            {table::Pozyczki, pozyczki()},   {table::Czlonkowie, czlonkowie()},
            {table::Wplaty, wplaty()},       {table::Raty, raty()}};
}

} // namespace kzp
