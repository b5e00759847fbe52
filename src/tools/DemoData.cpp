#include "tools/DemoData.h"

#include "common/MoneyRounding.h"
#include "data/FundTables.h"
#include "data/PasswordHash.h"
#include "data/TDM.h"
#include "data/TableNames.h"
#include "data/WorkingDirectory.h"
#include "hr/RegisterWriter.h"
#include "store/Database.h"
#include "store/Tables.h"
#include "store/Transaction.h"

#include <QDir>
#include <stdexcept>

namespace kzp::demo {

namespace {

struct Person {
    const char* surname;
    const char* name;
    const char* street;
    const char* pesel;
};

const Person People[] = {
    {"Kowalski", "Jan", "Żywiecka 12", "64031512345"},      {"Nowak", "Anna", "Piastowska 3", "71092301234"},
    {"Wiśniewska", "Małgorzata", "Cieszyńska 44", "68120409876"}, {"Wójcik", "Piotr", "Sobieskiego 7", "75061107654"},
    {"Kamiński", "Łukasz", "Partyzantów 21", "80022203456"}, {"Lewandowska", "Zofia", "Wyzwolenia 9", "59111205678"},
    {"Zieliński", "Tomasz", "Grażyńskiego 15", "82071409871"}, {"Szymańska", "Elżbieta", "Komorowicka 30", "66050306543"},
    {"Woźniak", "Krzysztof", "Lipnicka 2", "73081908765"},  {"Dąbrowski", "Andrzej", "Strzelecka 18", "69030102345"},
    {"Kozłowska", "Ewa", "Legionów 5", "77100505432"},      {"Jankowski", "Paweł", "Mickiewicza 27", "84121201234"},
    {"Mazur", "Barbara", "Słowackiego 8", "62040809876"},   {"Krawczyk", "Marcin", "Krakowska 101", "79060607654"},
    {"Piotrowska", "Agnieszka", "Zamkowa 4", "81021103456"}, {"Grabowski", "Michał", "Żeromskiego 16", "70090905678"},
    {"Pawłowska", "Jadwiga", "Broniewskiego 11", "58070709871"}, {"Michalski", "Józef", "Bystrzańska 60", "61110106543"},
    {"Adamczyk", "Katarzyna", "Wapienicka 3", "83050508765"}, {"Dudek", "Grzegorz", "Ks. Stojałowskiego 9", "67080802345"},
    {"Zając", "Ryszard", "Jutrzenki 14", "60030305432"},    {"Król", "Dorota", "Kwiatowa 6", "76121201234"},
    {"Wróbel", "Stanisław", "Olszówka 22", "57060609876"},  {"Łukasik", "Halina", "Ślężna 5", "65010107654"},
    {"Żak", "Wiesław", "Źródlana 1", "72040403456"},        {"Ścibor", "Bożena", "Ściegiennego 19", "74090905678"},
    {"Ćwik", "Zbigniew", "Ćwiklińskiej 2", "63020209871"},  {"Sikora", "Teresa", "Sienkiewicza 31", "78111106543"},
};
constexpr int PeopleCount = int(std::size(People));

void check(bool ok, const QString& what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

void addUser(store::Cursor& users, const QString& shortName, const QString& fullName, const QString& password,
             std::initializer_list<bool> rights)
{
    static const char* const RightFields[] = {"Aktywny",     "Administrator",    "Przegladanie",
                                              "Aktualizacja", "PrzenoszenieDoFK", "Zamkniecie"};
    users.append();
    users.setValue("NazwaKrotka", shortName);
    users.setValue("NazwaPelna", fullName);
    users.setValue("Haslo", PasswordHash::hash(password));
    int i = 0;
    for (bool right : rights)
        users.setValue(RightFields[i++], right);
    users.setValue("IdentZm", 1);
    users.post();
}

struct FundSetup {
    QString name;
    QString kind;
    bool payroll;
    double entryFee;
    double contribution;
    int firstPerson;
    int memberCount;
    QString status; // status of the rows the monthly cycle wrote: "P" from payroll, "Z" generated
};

// The last day of the month.
QDate monthEnd(const QDate& date)
{
    return QDate(date.year(), date.month(), date.daysInMonth());
}

} // namespace

DemoSummary makeDemoWorkingDirectory(const QString& workDir, const QDate& today)
{
    check(QDir().mkpath(workDir), QString("Nie można utworzyć folderu %1").arg(workDir));
    store::Database db;
    db.open(workDir);
    WorkingDirectory::initialise(db);
    TDM dm(db);
    dm.openSharedCursors();
    DemoSummary summary;
    const QDate lastMonth = monthEnd(today.addMonths(-1));
    const QDate firstMonth = QDate(lastMonth.year() - 2, 1, 31);

    store::Transaction tx(db);

    // Company data.
    store::Cursor& company = dm.TParametry;
    if (company.isEmpty())
        company.append();
    else
        company.edit();
    company.setValue("NazwaFirmy", "Zakłady Mechaniczne „Beskid” S.A.");
    company.setValue("Kod_Pocz", "43-300");
    company.setValue("Miejscowosc", "Bielsko-Biała");
    company.setValue("Ulica", "Żywiecka");
    company.setValue("NrDomu", "12");
    company.setValue("KatalogArchiwum", QDir(workDir).filePath("archiwum"));
    company.post();
    QDir(workDir).mkpath("archiwum");

    // Users with different rights (the administrator exists from the start).
    store::Cursor& users = dm.THasla;
    addUser(users, "KASJER", "Anna Kowalska", "kasa1", {true, false, true, true, false, true});
    addUser(users, "PODGLAD", "Jan Podglądalski", "podglad", {true, false, true, false, false, false});
    addUser(users, "BYLY", "Piotr Były", "byly", {false, false, true, true, false, false});
    summary.users = users.recordCount();

    // Departments beside the general one.
    store::Cursor& departments = dm.TDzialy;
    const QList<QPair<QString, QString>> departmentRows{
        {"Produkcja", "PR"}, {"Księgowość", "KS"}, {"Transport", "TR"}, {"Administracja", "AD"}, {"Narzędziownia", "NA"}};
    for (const auto& [name, symbol] : departmentRows) {
        departments.append();
        departments.setValue("NazwaDzialu", name);
        departments.setValue("Symbol", symbol);
        departments.setValue("Wskaznik", 0);
        departments.post();
    }

    // Confirmation texts.
    store::Cursor& texts = dm.TOpisy;
    if (texts.isEmpty()) {
        texts.append();
        texts.setValue("Typ", 1);
        texts.setValue("Mem1", "Prosimy o potwierdzenie zgodności salda z Państwa ewidencją.");
        texts.setValue("Mem2", "W przypadku niezgodności prosimy o kontakt z kasą w ciągu 14 dni.");
        texts.setValue("DataPowiadomienia", today);
        texts.setValue("Podpis", "Skarbnik kasy");
        texts.post();
    }

    const QList<FundSetup> funds{
        {"KZP przy ZM Beskid", "K", true, 50.0, 30.0, 0, 20, "P"},
        {"ZFM przy ZM Beskid", "M", false, 20.0, 25.0, 12, 16, "Z"},
    };
    store::Cursor& fundRegister = dm.TKasy;
    tx.commit();

    for (const FundSetup& setup : funds) {
        store::Transaction fundTx(db);
        fundRegister.append();
        fundRegister.setValue("NazwaKasy", setup.name);
        fundRegister.setValue("RodzajKasy", setup.kind);
        fundRegister.setValue("KwotaWpisowe", setup.entryFee);
        fundRegister.setValue("KwotaSkladka", setup.contribution);
        fundRegister.setValue("KodWpisowe", "610");
        fundRegister.setValue("KodSkladka", "611");
        fundRegister.setValue("KodZwrot", "612");
        fundRegister.setValue("KodRata", "613");
        fundRegister.setValue("KodRataOdsetki", "614");
        fundRegister.setValue("Procent", 5.0);
        fundRegister.setValue("CzyPlace", setup.payroll);
        fundRegister.setValue("KtoZmienil", 1);
        fundRegister.setValue("DataZamkniecia", monthEnd(lastMonth.addMonths(-1)));
        fundRegister.setValue("RokImportu", setup.payroll ? lastMonth.year() : 0);
        fundRegister.setValue("McImportu", setup.payroll ? lastMonth.month() : 0);
        fundRegister.setValue("SciezkaPlac", setup.payroll ? "place" : "");
        fundRegister.setValue("SciezkaKadr", setup.payroll ? "kadry" : "");
        fundRegister.setValue("KiedyInnaRata", 0);
        fundRegister.setValue("LicznikNRP", 0);
        fundRegister.setValue("Uzupelniajace", 1);
        fundRegister.post();
        const int fundId = fundRegister.field("Identyfikator").asInt();
        const QString folder = fundFolderPath(workDir, fundId);
        check(QDir().mkpath(folder), QString("Nie można utworzyć folderu %1").arg(folder));
        FundTables tables(db);
        tables.createFundTables(folder);
        tables.ensureYearTables(folder, today.year());
        tables.ensureMonthTables(folder, today.year(), today.month());
        if (setup.payroll)
            QDir(workDir).mkpath("place");

        dm.pointAtFund(folder, today.year(), today.month());
        dm.openFundCursors();
        store::Cursor& members = dm.TCzlonkowie;
        store::Cursor& contributions = dm.TWplatyRob;
        store::Cursor& loans = dm.TPozyczkiRob;
        store::Cursor& repayments = dm.TRatyRob;
        contributions.open();
        loans.open();
        repayments.open();

        QList<int> memberIds;
        int highestNumber = 0;
        for (int k = 0; k < setup.memberCount; ++k) {
            const Person& p = People[(setup.firstPerson + k) % PeopleCount];
            const int number = 1000 + (setup.firstPerson + k) * 7;
            members.append();
            members.setValue("Nazwisko", QString::fromUtf8(p.surname));
            members.setValue("Imie", QString::fromUtf8(p.name));
            members.setValue("NrPracownika", number);
            members.setValue("PracownikWlasny", k % 9 != 8);
            members.setValue("IdentyfikatorDzialu", 1 + k % 6);
            members.setValue("DataWpisuDoKasy", firstMonth.addDays(-30 + k));
            members.setValue("InnaKwotaSkladki", k % 5 == 3 ? setup.contribution + 20.0 : 0.0);
            members.setValue("KodPocztowy", "43-300");
            members.setValue("Poczta", "Bielsko-Biała");
            members.setValue("Miejscowosc", "Bielsko-Biała");
            members.setValue("Ulica", QString::fromUtf8(p.street).section(' ', 0, -2));
            members.setValue("NrDomu", QString::fromUtf8(p.street).section(' ', -1));
            members.setValue("PESEL", QString::fromUtf8(p.pesel));
            members.setValue("NrDowoduOsobistego", QString("ABC%1").arg(100000 + k * 37));
            members.setValue("KtoZmienil", 1);
            members.post();
            memberIds << members.field("IdentyfikatorPracownika").asInt();
            highestNumber = qMax(highestNumber, number);
            const double monthly = k % 5 == 3 ? setup.contribution + 20.0 : setup.contribution;

            const auto addContribution = [&](const QDate& date, const QString& operation, double amount,
                                             const QString& status, const QString& form, const QString& document) {
                contributions.append();
                contributions.setValue("IdentyfikatorPracownika", memberIds.last());
                contributions.setValue("DataOperacji", date);
                contributions.setValue("Operacja", operation);
                contributions.setValue("NrDokumentu", document);
                contributions.setValue("Kwota", amount);
                contributions.setValue("Status", status);
                contributions.setValue("Forma", form);
                contributions.setValue("KtoZmienil", 2);
                contributions.post();
                ++summary.contributions;
            };
            addContribution(firstMonth, "10", setup.entryFee, "", "K", "KP 1/" + QString::number(firstMonth.year()));
            if (k % 4 == 0)
                addContribution(firstMonth, "40", 200.0, "", "K", "KP wkład");
            for (QDate month = firstMonth; month <= lastMonth; month = monthEnd(month.addMonths(1)))
                addContribution(month, "20", monthly, setup.status, setup.payroll ? "" : "L",
                                QString("Lista %1/%2").arg(month.month()).arg(month.year()));
            if (k % 7 == 5)
                addContribution(lastMonth.addDays(-10), "50", 100.0, "", "R", "Zwrot częściowy");
        }
        members.checkBrowseMode();

        // Loans for every second member, with guarantors and monthly repayments so far.
        for (int k = 0; k < memberIds.size(); k += 2) {
            const double amount = 1000.0 * (1 + k % 5);
            const int count = 10;
            const double interest = roundMoney(amount * 5.0 * 0.01, 2);
            const double total = amount + interest;
            const double regular = roundMoney(total / count, 2);
            const double first = roundMoney(total - regular * (count - 1), 2);
            const QDate granted = monthEnd(lastMonth.addMonths(-(k % 9)));
            loans.append();
            loans.setValue("IdentyfikatorPracownika", memberIds[k]);
            loans.setValue("DataPozyczki", granted.addDays(-14));
            loans.setValue("KwotaPozyczki", amount);
            loans.setValue("ProcentOdsetek", 5.0);
            loans.setValue("IloscRat", count);
            loans.setValue("RataPierwsza", first);
            loans.setValue("KolejnaRata", regular);
            loans.setValue("OstatniaRata", 0.0);
            loans.setValue("Status", "");
            loans.setValue("KtoZmienil", 2);
            loans.setValue("IdZyrant1", memberIds[(k + 1) % memberIds.size()]);
            loans.setValue("IdZyrant2", memberIds[(k + 3) % memberIds.size()]);
            loans.post();
            ++summary.loans;
            const int loanId = loans.field("Identyfikator").asInt();
            int paid = 0;
            for (QDate month = monthEnd(granted.addMonths(1)); month <= lastMonth && paid < count;
                 month = monthEnd(month.addMonths(1)), ++paid) {
                repayments.append();
                repayments.setValue("IdentyfikatorPozyczki", loanId);
                repayments.setValue("DataOperacji", month);
                repayments.setValue("Operacja", "30");
                repayments.setValue("NrDokumentu", QString("Lista %1/%2").arg(month.month()).arg(month.year()));
                repayments.setValue("Kwota", paid == 0 ? first : regular);
                repayments.setValue("Status", setup.status);
                repayments.setValue("Forma", setup.payroll ? "" : "L");
                repayments.setValue("KtoZmienil", 2);
                repayments.post();
                ++summary.repayments;
            }
        }
        fundRegister.locate("Identyfikator", {fundId});
        fundRegister.edit();
        fundRegister.setValue("LicznikNRP", highestNumber);
        fundRegister.post();
        summary.members += memberIds.size();
        ++summary.funds;
        fundTx.commit();
        dm.closeFundCursors();
        contributions.close();
        loans.close();
        repayments.close();
    }
    dm.pointAtPlainNames();

    // The HR register: the members of both funds and a few people who are not members yet.
    QList<hr::Employee> register_;
    for (int k = 0; k < PeopleCount; ++k) {
        const Person& p = People[k];
        hr::Employee e;
        e.Identyfikator = k + 1;
        e.NumerPracownika = 1000 + k * 7;
        e.Nazwisko = QString::fromUtf8(p.surname);
        e.Imie1 = QString::fromUtf8(p.name);
        e.PESEL = QString::fromUtf8(p.pesel);
        e.KodPocztowy = "43-300";
        e.Miejscowosc = "Bielsko-Biała";
        e.Poczta = "Bielsko-Biała";
        e.Ulica = QString::fromUtf8(p.street).section(' ', 0, -2);
        e.NrDomuiMieszkania = QString::fromUtf8(p.street).section(' ', -1) + "/" + QString::number(k % 12 + 1);
        e.NumerDowoduOsobistego = QString("ABC%1").arg(100000 + k * 37);
        register_ << e;
    }
    QString error;
    QDir(workDir).mkpath("kadry");
    check(hr::RegisterWriter().write(QDir(workDir).filePath("kadry/KADRY.DB"), register_, &error), error);
    check(hr::RegisterWriter().write(QDir(workDir).filePath("KADRY.DB"), register_, &error), error);
    return summary;
}

} // namespace kzp::demo
