#include "CursorFixture.h"

#include "store/Tables.h"

namespace widgets::test {

using store::FieldType;

void CursorFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    db.open(dir.path());
    store::Tables tables(db);
    tables.create({dir.path(), "OSOBY"},
                  {{{"Id", FieldType::AutoInc},
                    {"Nazwisko", FieldType::String, 30},
                    {"Kwota", FieldType::Money},
                    {"DataWpisu", FieldType::Date},
                    {"Aktywny", FieldType::Boolean},
                    {"Dzial", FieldType::Integer},
                    {"Uwagi", FieldType::Memo}},
                   {{{"Nazwisko"}}}});
    tables.create({dir.path(), "DZIALY"},
                  {{{"Id", FieldType::Integer}, {"Symbol", FieldType::String, 5}, {"Nazwa", FieldType::String, 30}},
                   {{{"Id"}, true}}});
    db.exec("INSERT INTO main.DZIALY VALUES (1, 'KS', 'Księgowość'), (2, 'PR', 'Produkcja'), (3, 'ŁD', 'Łódź')");
    people = std::make_unique<store::Cursor>(db, "TOsoby");
    people->setTable({dir.path(), "OSOBY"});
    people->setIndexFieldNames("Nazwisko");
    departments = std::make_unique<store::Cursor>(db, "TDzialy");
    departments->setTable({dir.path(), "DZIALY"});
    departments->setIndexFieldNames("Id");
    departments->open();
}

QString CursorFixture::personName(int n)
{
    return QStringLiteral("Osoba %1").arg(n, 6, 10, QLatin1Char('0'));
}

void CursorFixture::fillPeople(int count)
{
    people->close();
    db.exec("DELETE FROM main.OSOBY");
    db.exec("BEGIN");
    store::Statement insert = db.prepare(
        "INSERT INTO main.OSOBY (Nazwisko, Kwota, DataWpisu, Aktywny, Dzial) VALUES (?, ?, '2003-05-31', 1, ?)");
    for (int n = 0; n < count; ++n) {
        insert.reset();
        insert.bindText(1, personName(n)).bindDouble(2, n).bindInt(3, n % 3 + 1);
        insert.exec();
    }
    db.exec("COMMIT");
    people->open();
}

} // namespace widgets::test
