#include "SyntheticFund.h"

#include "data/FundTables.h"
#include "data/TableNames.h"
#include "data/WorkingDirectory.h"
#include "store/Database.h"
#include "store/Tables.h"
#include "store/Transaction.h"

#include <QDate>
#include <QDir>
#include <random>

namespace bench {

namespace {

const char* const Surnames[] = {"Nowak", "Kowalski", "Wiśniewski", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowski",
                                "Zieliński", "Szymański", "Woźniak", "Dąbrowski", "Kozłowski", "Jankowski", "Mazur",
                                "Kwiatkowski", "Krawczyk", "Piotrowski", "Grabowski", "Nowakowski", "Pawłowski",
                                "Michalski", "Nowicki", "Adamczyk", "Dudek", "Zając", "Wieczorek", "Jabłoński", "Król",
                                "Majewski", "Olszewski", "Jaworski", "Wróbel", "Malinowski", "Pawlak", "Witkowski",
                                "Walczak", "Stępień", "Górski", "Rutkowski", "Michalak", "Sikora", "Ostrowski",
                                "Baran", "Duda", "Szewczyk", "Tomaszewski", "Pietrzak", "Marciniak", "Wróblewski",
                                "Zalewski", "Jakubowski", "Jasiński", "Zawadzki", "Sadowski", "Bąk", "Chmielewski",
                                "Włodarczyk", "Borkowski", "Czarnecki", "Sawicki", "Sokołowski", "Urbański", "Kubiak",
                                "Maciejewski", "Szczepański", "Kucharski", "Wilk", "Kalinowski", "Lis", "Mazurek",
                                "Wysocki", "Adamski", "Kaźmierczak", "Wasilewski", "Sobczak", "Czerwiński",
                                "Andrzejewski", "Cieślak", "Głowacki", "Zakrzewski", "Kołodziej", "Sikorski",
                                "Krajewski", "Gajewski", "Szymczak", "Szulc", "Baranowski", "Laskowski", "Brzeziński",
                                "Makowski", "Ziółkowski", "Przybylski", "Łukasik", "Żak", "Ścibor", "Ćwik"};
const char* const Names[] = {"Jan", "Anna", "Piotr", "Maria", "Krzysztof", "Katarzyna", "Andrzej", "Małgorzata",
                             "Tomasz", "Agnieszka", "Paweł", "Barbara", "Józef", "Ewa", "Marcin", "Elżbieta",
                             "Łukasz", "Zofia", "Michał", "Jadwiga"};

QString qualified(store::Database& db, const QString& folder, const QString& name)
{
    return db.schemaFor(folder) + '.' + store::quoteIdentifier(name);
}

} // namespace

QString makeSyntheticFund(store::Database& db, const QString& workDir, const FundSize& size)
{
    kzp::WorkingDirectory::initialise(db);
    const QString folder = kzp::fundFolderPath(workDir, 1);
    QDir().mkpath(folder);
    kzp::FundTables(db).createFundTables(folder);
    const QString members = qualified(db, folder, kzp::table::Czlonkowie);
    const QString contributions = qualified(db, folder, kzp::table::Wplaty);
    const QString loans = qualified(db, folder, kzp::table::Pozyczki);
    const QString repayments = qualified(db, folder, kzp::table::Raty);

    std::mt19937 random(20031);
    store::Transaction tx(db);
    {
        store::Statement fund = db.prepare(
            "INSERT INTO main.kasy (NazwaKasy, RodzajKasy, Identyfikator, KwotaWpisowe, KwotaSkladka, Procent, CzyPlace, "
            "KiedyInnaRata, LicznikNRP, Uzupelniajace) VALUES ('Kasa syntetyczna', 'K', 1, 50, 30, 5, 1, 0, ?, 1)");
        fund.bindInt(1, size.members);
        fund.exec();
    }
    store::Statement member = db.prepare(
        "INSERT INTO " + members + " (IdentyfikatorPracownika, Nazwisko, Imie, NrPracownika, PracownikWlasny, "
        "IdentyfikatorDzialu, DataWpisuDoKasy, InnaKwotaSkladki, KtoZmienil) VALUES (?, ?, ?, ?, 1, 1, ?, 0, 1)");
    store::Statement contribution = db.prepare(
        "INSERT INTO " + contributions + " (IdentyfikatorPracownika, DataOperacji, Operacja, NrDokumentu, Kwota, Status, "
        "KtoZmienil, Forma) VALUES (?, ?, ?, ?, ?, 'P', 1, 'L')");
    store::Statement loan = db.prepare(
        "INSERT INTO " + loans + " (IdentyfikatorPracownika, DataPozyczki, Identyfikator, KwotaSaldaStarego, "
        "KwotaPozyczki, ProcentOdsetek, IloscRat, RataPierwsza, KolejnaRata, OstatniaRata, Status, KtoZmienil, "
        "IdZyrant1, IdZyrant2) VALUES (?, ?, ?, 0, ?, 5, 20, ?, ?, 0, '', 1, ?, ?)");
    store::Statement repayment = db.prepare(
        "INSERT INTO " + repayments + " (IdentyfikatorPozyczki, DataOperacji, Operacja, NrDokumentu, Kwota, Status, "
        "KtoZmienil, Forma) VALUES (?, ?, '30', ?, ?, 'P', 1, 'L')");

    const QDate start(2000, 1, 31);
    int loanId = 0;
    const int surnameCount = int(std::size(Surnames));
    const int nameCount = int(std::size(Names));
    for (int m = 1; m <= size.members; ++m) {
        member.reset();
        member.bindInt(1, m);
        member.bindText(2, QString::fromUtf8(Surnames[random() % surnameCount]));
        member.bindText(3, QString::fromUtf8(Names[random() % nameCount]));
        member.bindInt(4, m);
        member.bindText(5, start.toString(Qt::ISODate));
        member.exec();
        for (int month = 0; month < size.contributionMonths; ++month) {
            const QDate date = start.addMonths(month);
            contribution.reset();
            contribution.bindInt(1, m);
            contribution.bindText(2, date.toString(Qt::ISODate));
            contribution.bindText(3, month == 0 ? "10" : "20");
            contribution.bindText(4, QString("L%1/%2").arg(date.month()).arg(date.year()));
            contribution.bindDouble(5, month == 0 ? 50.0 : 30.0);
            contribution.exec();
        }
        for (int l = 0; l < size.loansPerMember; ++l) {
            ++loanId;
            const QDate granted = start.addMonths(l * 30);
            const double amount = 1000.0 + double(random() % 40) * 100.0;
            loan.reset();
            loan.bindInt(1, m);
            loan.bindText(2, granted.toString(Qt::ISODate));
            loan.bindInt(3, loanId);
            loan.bindDouble(4, amount);
            loan.bindDouble(5, amount * 1.05 / 20.0);
            loan.bindDouble(6, amount * 1.05 / 20.0);
            loan.bindInt(7, 1 + int(random() % size.members));
            loan.bindInt(8, 0);
            loan.exec();
            for (int r = 0; r < size.repaymentsPerLoan; ++r) {
                repayment.reset();
                repayment.bindInt(1, loanId);
                repayment.bindText(2, granted.addMonths(r + 1).toString(Qt::ISODate));
                repayment.bindText(3, QString("R%1").arg(r + 1));
                repayment.bindDouble(4, amount * 1.05 / 20.0);
                repayment.exec();
            }
        }
    }
    tx.commit();
    return folder;
}

} // namespace bench
