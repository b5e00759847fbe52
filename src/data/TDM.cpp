#include "data/TDM.h"

#include "data/TableNames.h"
#include "store/Database.h"

namespace kzp {

using store::Cursor;
using store::FieldType;
using store::TableRef;

TDM::TDM(store::Database& db)
    : TCzlonkowie(db, "TCzlonkowie"),
      TZyranci(db, "TZyranci"),
      TCzlonkowieRob(db, "TCzlonkowieRob"),
      TPozyczki(db, "TPozyczki"),
      TPozyczkiRob(db, "TPozyczkiRob"),
      TPozyczkiZyrowane(db, "TPozyczkiZyrowane"),
      TWplaty(db, "TWplaty"),
      TWplatyRob(db, "TWplatyRob"),
      TRaty(db, "TRaty"),
      TRatyRob(db, "TRatyRob"),
      TPotr(db, "TPotr"),
      TPotrPoprzedniMc(db, "TPotrPoprzedniMc"),
      TDokumenty(db, "TDokumenty"),
      TDokNRok(db, "TDokNRok"),
      TDokPoz(db, "TDokPoz"),
      TDokPozRob(db, "TDokPozRob"),
      TPozNRok(db, "TPozNRok"),
      TKonta(db, "TKonta"),
      TKonta2(db, "TKonta2"),
      TKodyDok(db, "TKodyDok"),
      TNumeryDok(db, "TNumeryDok"),
      TOperKonta(db, "TOperKonta"),
      TOperacje(db, "TOperacje"),
      TForma(db, "TForma"),
      TDzialy(db, "TDzialy"),
      TOpisy(db, "TOpisy"),
      TKasy(db, "TKasy"),
      THasla(db, "THasla"),
      TParametry(db, "TParametry"),
      TKadry(db, "TKadry"),
      WydrukPoz(db, "WydrukPoz"),
      Table1(db, "Table1"),
      m_db(db)
{
    defineShared();
    defineMembers();
    defineLedger();
    defineDeductions();
    defineAccounting();
    pointAtPlainNames();
}

TDM::~TDM()
{
    // Details first, so that no master notifies a closed detail.
    for (Cursor* c : fundCursors())
        c->close();
}

QString TDM::workDir() const
{
    return m_db.workDir();
}

QString TDM::fullNameOfUser(int identyfikator) const
{
    return userFullName ? userFullName(identyfikator) : QString();
}

void TDM::defineShared()
{
    const QString work = workDir();
    TOperacje.setTable({work, table::Operacje});
    TForma.setTable({work, table::Forma});
    TDzialy.setTable({work, table::Dzialy});
    TOpisy.setTable({work, table::Opisy});
    THasla.setTable({work, table::Hasla});
    TParametry.setTable({work, table::Parametry});
    TKodyDok.setTable({work, table::KodyDok});

    TKasy.setTable({work, table::Kasy});
    TKasy.addCalculatedField("KtoZmienilNazwisko", FieldType::String, 30);
    TKasy.addCalculatedField("CalcImportRokMc", FieldType::String, 20);
    TKasy.onCalcFields = [this](Cursor& c) { TKasyCalcFields(c); };

    TKonta.setTable({work, table::Konta});
    TKonta.setIndexFieldNames("SymbolKonta");
    TKonta2.setTable({work, table::Konta});
    TKonta2.setIndexFieldNames("Id");

    TKadry.setTable({work, table::Kadry});
    TKadry.setIndexFieldNames("Nazwisko;Imie1;Imie2");

    WydrukPoz.setTable({work, table::StrWydrukPoz});
}

void TDM::defineMembers()
{
    TCzlonkowie.setIndexFieldNames("Nazwisko");
    TCzlonkowie.addCalculatedField("KtoZmienilNazwisko", FieldType::String, 30);
    TCzlonkowie.addCalculatedField("Wklad", FieldType::Money);
    TCzlonkowie.addCalculatedField("Wpisowe", FieldType::Money);
    TCzlonkowie.addLookupField("Dzial_Opis", FieldType::String, 5, "IdentyfikatorDzialu", &TDzialy, "Identyfikator",
                               "Symbol");
    // Members who left the fund have a leaving date.
    TCzlonkowie.setFilter([](Cursor& c) { return c.field("DataWypisuZKasy").isNull(); });
    TCzlonkowie.setFiltered(true);

    TZyranci.setFieldNames({"IdentyfikatorPracownika", "Nazwisko", "Imie", "PESEL", "NrPracownika",
                            "IdentyfikatorDzialu", "DataWypisuZKasy"});
    TZyranci.setIndexFieldNames("Nazwisko");
    TZyranci.addCalculatedField("NazwiskoImie_calc", FieldType::String, 20);
    TZyranci.onCalcFields = [this](Cursor& c) { TZyranciCalcFields(c); };

    TCzlonkowieRob.setFieldNames({"IdentyfikatorPracownika", "Nazwisko", "Imie", "NrPracownika"});
    TCzlonkowieRob.setIndexFieldNames("IdentyfikatorPracownika");
}

void TDM::defineLedger()
{
    TPozyczki.setIndexFieldNames("IdentyfikatorPracownika;DataPozyczki");
    TPozyczki.setMasterSource(&TCzlonkowie, "IdentyfikatorPracownika", "IdentyfikatorPracownika");
    TPozyczki.addCalculatedField("Odsetki", FieldType::Money);
    TPozyczki.addCalculatedField("RazemKwota", FieldType::Money);
    TPozyczki.addCalculatedField("Saldo", FieldType::Money);
    TPozyczki.addCalculatedField("Splacono", FieldType::Float);
    TPozyczki.addCalculatedField("KtoZmienilNazwisko", FieldType::String, 30);

    TPozyczkiRob.setFieldNames({"IdentyfikatorPracownika", "DataPozyczki", "Identyfikator", "KwotaPozyczki",
                                "ProcentOdsetek", "IloscRat", "RataPierwsza", "KolejnaRata", "OstatniaRata", "Status",
                                "Zyrant1", "Zyrant2", "Uwagi1", "Uwagi2", "KtoZmienil", "Forma", "IdZyrant1",
                                "IdZyrant2"});

    TPozyczkiZyrowane.addCalculatedField("Odsetki", FieldType::Float);
    TPozyczkiZyrowane.addCalculatedField("RazemKwota", FieldType::Float);
    TPozyczkiZyrowane.addCalculatedField("Saldo", FieldType::Float);
    TPozyczkiZyrowane.addLookupField("Nazwisko_look", FieldType::String, 40, "IdentyfikatorPracownika", &TCzlonkowie,
                                     "IdentyfikatorPracownika", "Nazwisko");
    TPozyczkiZyrowane.addLookupField("Imie_look", FieldType::String, 20, "IdentyfikatorPracownika", &TCzlonkowie,
                                     "IdentyfikatorPracownika", "Imie");

    TWplaty.setIndexFieldNames("IdentyfikatorPracownika");
    TWplaty.setMasterSource(&TCzlonkowie, "IdentyfikatorPracownika", "IdentyfikatorPracownika");
    TWplaty.addCalculatedField("KtoZmienilNazwisko", FieldType::String, 20);
    TWplaty.addLookupField("OpisOperacji1", FieldType::String, 12, "Operacja", &TOperacje, "Operacja", "OpisOperacji");

    TRaty.setIndexFieldNames("IdentyfikatorPozyczki");
    TRaty.setMasterSource(&TPozyczki, "IdentyfikatorPozyczki", "Identyfikator");
    TRaty.addCalculatedField("KtoZmienilNazwisko", FieldType::String, 20);
}

void TDM::defineDeductions()
{
    const QString order = "Nazwisko;Identyfikator;IdentyfikatorPracownika";
    TPotr.setIndexFieldNames(order);
    TPotr.addLookupField("OpisOperacji1", FieldType::String, 20, "Operacja", &TOperacje, "Operacja", "OpisOperacji");
    TPotrPoprzedniMc.setIndexFieldNames(order);
}

void TDM::defineAccounting()
{
    const QString documentOrder = "DataDokumentu;IdKoduDokumentu;NrDokumentu";
    TDokumenty.setIndexFieldNames(documentOrder);
    TDokumenty.addCalculatedField("RazemWN", FieldType::Money);
    TDokumenty.addCalculatedField("RazemMA", FieldType::Money);
    TDokumenty.addCalculatedField("Blokada_calc", FieldType::String, 1);
    TDokumenty.addLookupField("DOKUMENT_kod", FieldType::String, 3, "IdKoduDokumentu", &TKodyDok, "Id", "Symbol");
    TDokumenty.onCalcFields = [this](Cursor& c) { TDokumentyCalcFields(c); };
    TDokNRok.setIndexFieldNames(documentOrder);

    TDokPoz.setIndexFieldNames("IdDokumentu");
    TDokPoz.setMasterSource(&TDokumenty, "IdDokumentu", "ID");
    TDokPoz.addLookupField("KONTO_symbol", FieldType::String, 24, "IdKonta", &TKonta, "Id", "SymbolKonta");
    TDokPoz.addLookupField("KONTO_nazwa", FieldType::String, 50, "IdKonta", &TKonta, "Id", "NazwaKonta");
    TPozNRok.setIndexFieldNames("IdDokumentu");
    TPozNRok.setMasterSource(&TDokNRok, "IdDokumentu", "ID");

    TNumeryDok.addLookupField("DOK_symbol", FieldType::String, 4, "IdKoduDok", &TKodyDok, "Id", "Symbol");
    TOperKonta.addLookupField("Konto_SYMBOL", FieldType::String, 24, "Id_Konta", &TKonta, "Id", "SymbolKonta");
    TOperKonta.addLookupField("Operacja_OPIS", FieldType::String, 15, "Operacja", &TOperacje, "Operacja",
                              "OpisOperacji");
}

// --- calculated fields of the data module -----------------------------------------------------
// The balances of members and loans (Wklad, Wpisowe, Odsetki, RazemKwota, Saldo, Splacono), the
// who-changed names of the ledger cursors and the document totals RazemWN/RazemMA are computed by
// the handlers the ledger and accounting units hang on those cursors.

void TDM::TKasyCalcFields(Cursor& c)
{
    c.field("KtoZmienilNazwisko").setValue(fullNameOfUser(c.field("KtoZmienil").asInt()));
    const store::Field year = c.field("RokImportu");
    const store::Field month = c.field("McImportu");
    // 2003.5 for May 2003; empty while nothing has been imported (no year, or year 0).
    if (year.asInt() != 0 || month.asInt() != 0)
        c.field("CalcImportRokMc").setValue(QString::number(year.asInt()) + '.' + QString::number(month.asInt()));
}

void TDM::TZyranciCalcFields(Cursor& c)
{
    c.field("NazwiskoImie_calc").setValue(c.field("Nazwisko").asString() + ' ' + c.field("Imie").asString());
}

void TDM::TDokumentyCalcFields(Cursor& c)
{
    c.field("Blokada_calc").setValue(c.field("Blokada").asInt() >= 1 ? "*" : " ");
}

} // namespace kzp
