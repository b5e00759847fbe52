// The tables a working directory and a fund folder get, read back from the store.
#include "DataFixture.h"

#include "data/Catalogue.h"
#include "data/FundTables.h"
#include "data/WorkingDirectory.h"
#include "store/Tables.h"

#include <QDir>

namespace kzp::test {
namespace {

using store::FieldType;

// "Name:S40" = String 40; A AutoInc, I Integer, N Smallint, M Money, F Float, D Date, B Boolean, T Memo.
QList<store::FieldDef> parseFields(const QString& text)
{
    static const QHash<QChar, FieldType> types{{'A', FieldType::AutoInc}, {'I', FieldType::Integer},
                                               {'N', FieldType::Smallint}, {'S', FieldType::String},
                                               {'M', FieldType::Money},   {'F', FieldType::Float},
                                               {'D', FieldType::Date},    {'B', FieldType::Boolean},
                                               {'T', FieldType::Memo}};
    QList<store::FieldDef> fields;
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const QString code = item.section(':', 1);
        fields.append({item.section(':', 0, 0), types.value(code[0]), code.mid(1).toInt()});
    }
    return fields;
}

struct TableCase {
    const char* folder; // "" for the working directory
    const char* table;
    const char* fields;
    QList<QStringList> indexes; // ordering field lists, in order (unique keys are checked apart)
};

const QList<TableCase> cases{
    {"", "hasla",
     "NazwaKrotka:S10 Haslo:S128 NazwaPelna:S30 Identyfikator:A Aktywny:B Administrator:B Przegladanie:B "
     "Aktualizacja:B PrzenoszenieDoFK:B Zamkniecie:B IdentZm:N IdentyfikatorKasa:I IdentyfikatorObcy1:I "
     "IdentyfikatorObcy2:I IdentyfikatorObcy3:I IdentyfikatorObcy4:I",
     {}},
    {"", "KASY",
     "NazwaKasy:S30 RodzajKasy:S1 Identyfikator:A KwotaWpisowe:F KodWpisowe:S5 KwotaSkladka:F KodSkladka:S5 "
     "KodZwrot:S5 KodRata:S5 KodRataOdsetki:S5 Procent:F SciezkaDanych:S20 CzyPlace:B KtoZmienil:N "
     "DataZamkniecia:D RokImportu:N McImportu:N SciezkaPlac:S30 SciezkaKadr:S30 KiedyInnaRata:N LicznikNRP:I "
     "Uzupelniajace:I",
     {}},
    {"", "Parametry", "NazwaFirmy:S50 Kod_Pocz:S6 Miejscowosc:S30 Ulica:S30 NrDomu:S6 KatalogArchiwum:S30", {}},
    {"", "Operacje", "Operacja:S2 OpisOperacji:S10", {}},
    {"", "Forma", "Nr:I Forma:S1 Opis:S40", {}},
    {"", "Dzialy", "Identyfikator:A NazwaDzialu:S40 Wskaznik:I Symbol:S5", {}},
    {"", "Opisy", "Typ:N Mem1:T Mem2:T DataPowiadomienia:D Podpis:S20", {}},
    {"", "KodyDok", "Id:A Symbol:S3 Nazwa:S20", {}},
    {"", "Konta", "Id:A SymbolKonta:S24 NazwaKonta:S50 RodzjKonta:I Subkonto:I", {{"SymbolKonta"}}},
    {"", "STR_WYDRUK_POZ",
     "IdKonta:I DataDokumentu:D NrDokumentu:I KodDokumentu:S3 KwotaWN:M KwotaMA:M Tresc:S60 Lp:I", {}},
    {"Kas3", "czlonkowie",
     "IdentyfikatorPracownika:A Nazwisko:S40 Imie:S20 NrPracownika:I PracownikWlasny:B IdentyfikatorDzialu:I "
     "DataWpisuDoKasy:D DataWypisuZKasy:D DataZawieszeniaOd:D DataZawieszeniaDo:D InnaKwotaSkladki:M "
     "KodPocztowy:S6 Poczta:S20 Miejscowosc:S20 Ulica:S20 NrDomu:S5 NrLok:S5 PESEL:S11 NrDowoduOsobistego:S10 "
     "Uwagi:S50 KtoZmienil:N",
     {{"Nazwisko"}, {"NrPracownika"}}},
    {"Kas3", "Pozyczki",
     "IdentyfikatorPracownika:I DataPozyczki:D Identyfikator:A KwotaSaldaStarego:M KwotaPozyczki:M "
     "ProcentOdsetek:F IloscRat:N RataPierwsza:M KolejnaRata:M OstatniaRata:M Status:S1 Zyrant1:S40 Zyrant2:S40 "
     "Uwagi1:S50 Uwagi2:S50 KtoZmienil:N Forma:S1 IdZyrant1:I IdZyrant2:I",
     {{"IdentyfikatorPracownika", "DataPozyczki"}}},
    {"Kas3", "Wplaty",
     "IdentyfikatorPracownika:I Identyfikator:A DataOperacji:D Operacja:S2 NrDokumentu:S20 Kwota:M Status:S1 "
     "KtoZmienil:N Forma:S1",
     {{"IdentyfikatorPracownika"}, {"IdentyfikatorPracownika", "Operacja", "Kwota"}}},
    {"Kas3", "RATY",
     "IdentyfikatorPozyczki:I Identyfikator:A DataOperacji:D Operacja:S2 NrDokumentu:S20 Kwota:M Status:S1 "
     "KtoZmienil:N Forma:S1",
     {{"IdentyfikatorPozyczki"}, {"IdentyfikatorPozyczki", "Kwota"}}},
    {"Kas3", "OperacjeKonta", "Operacja:S2 Id_Konta:I Strona:S2 Forma:S1", {{"Operacja", "Forma"}}},
    {"Kas3", "NumeryDok", "Rok:I Mc:I IdKoduDok:I NrWstawiony:I", {{"Rok", "IdKoduDok"}}},
    {"Kas3", "Dok2003",
     "ID:A Rok:N Mc:N NrDokumentu:I IdKoduDokumentu:I DataDokumentu:D Tresc:S60 Status:S1 Blokada:I",
     {{"DataDokumentu", "IdKoduDokumentu", "NrDokumentu"}}},
    {"Kas3", "DokPoz2003", "IdDokumentu:I Lp:I Id:A IdKonta:I KwotaWN:M KwotaMA:M Tresc:S60 Status:S1",
     {{"IdDokumentu"}}},
    {"Kas3", "POTR20035",
     "IdentyfikatorPracownika:I Identyfikator:A Nazwisko:S40 NrPracownika:I DataOperacji:D Kwota:M Operacja:S2 "
     "KtoZmienil:N Status:S1",
     {{"Nazwisko", "Identyfikator", "IdentyfikatorPracownika"}, {"IdentyfikatorPracownika"}}},
};

class CatalogueTest : public DataFixture {};

TEST_F(CatalogueTest, TablesOfWorkingDirectoryAndFundHaveTheirFieldsAndIndexes)
{
    WorkingDirectory::initialise(m_db);
    const FundTables fund(m_db);
    fund.createFundTables("Kas3");
    EXPECT_TRUE(fund.ensureYearTables("Kas3", 2003));
    EXPECT_TRUE(fund.ensureMonthTable("Kas3", 2003, 5));

    const store::Tables tables(m_db);
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.table);
        const store::TableRef ref{QDir(workDir()).filePath(c.folder), c.table};
        ASSERT_TRUE(tables.exists(ref));
        const store::TableStructure s = tables.structure(ref);
        EXPECT_EQ(s.fields, parseFields(c.fields));
        QList<QStringList> ordering;
        for (const store::IndexDef& index : s.indexes)
            if (!index.unique)
                ordering << index.fields;
        EXPECT_EQ(ordering, c.indexes);
    }
    // A fund folder holds only its own tables.
    EXPECT_EQ(tables.names(QDir(workDir()).filePath("Kas3")).size(), 9);
}

TEST_F(CatalogueTest, MakingTablesAgainKeepsTheRowsTheyHold)
{
    const FundTables fund(m_db);
    fund.createFundTables("Kas1");
    m_db.exec(QString("INSERT INTO %1 (Nazwisko) VALUES ('Nowak')")
                  .arg(store::Tables(m_db).qualified({QDir(workDir()).filePath("Kas1"), "CZLONKOWIE"})));
    fund.createFundTables("Kas1");
    EXPECT_TRUE(fund.ensureYearTables("Kas1", 2003));
    EXPECT_FALSE(fund.ensureYearTables("Kas1", 2003));
    EXPECT_TRUE(fund.ensureMonthTable("Kas1", 2003, 5));
    EXPECT_FALSE(fund.ensureMonthTable("Kas1", 2003, 5));
    EXPECT_EQ(store::Tables(m_db).rowCount({QDir(workDir()).filePath("Kas1"), "czlonkowie"}), 1);
}

TEST_F(CatalogueTest, YearWithDocumentsButNoEntriesGetsItsEntriesTable)
{
    const FundTables fund(m_db);
    fund.createFundTables("Kas1");
    const QString folder = QDir(workDir()).filePath("Kas1");
    store::Tables(m_db).create({folder, "Dok2004"}, Catalogue::dokumenty());
    EXPECT_TRUE(fund.yearTablesExist("Kas1", 2004));
    EXPECT_TRUE(fund.ensureYearTables("Kas1", 2004));
    EXPECT_TRUE(store::Tables(m_db).exists({folder, "DokPoz2004"}));
}

TEST_F(CatalogueTest, FirstMissingBaseTableFollowsTheOpeningOrder)
{
    const FundTables fund(m_db);
    fund.createFundTables("Kas2");
    const QString folder = QDir(workDir()).filePath("Kas2");
    EXPECT_EQ(fund.firstMissingBaseTable("Kas2"), QString());
    store::Tables(m_db).drop({folder, "RATY"});
    EXPECT_EQ(fund.firstMissingBaseTable("Kas2"), "RATY");
    store::Tables(m_db).drop({folder, "NUMERYDOK"}); // not needed for opening
    store::Tables(m_db).drop({folder, "pozyczki"});
    EXPECT_EQ(fund.firstMissingBaseTable("Kas2"), "POZYCZKI");
    store::Tables(m_db).drop({folder, "OPERACJEKONTA"});
    EXPECT_EQ(fund.firstMissingBaseTable("Kas2"), "OPERACJEKONTA");
    EXPECT_EQ(fund.firstMissingBaseTable("Kas9"), "OPERACJEKONTA"); // no folder at all
}

} // namespace
} // namespace kzp::test
