#include "ledger/logic/HrRegister.h"

#include "app/logic/FundOpening.h"
#include "common/Dialogs.h"
#include "data/Catalogue.h"
#include "data/RuleContext.h"
#include "data/TDM.h"
#include "hr/RegisterReader.h"
#include "store/Cursor.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "store/Transaction.h"

#include <exception>

namespace kzp {

namespace {

const QString ReadCaption = QStringLiteral("Kontrola");

// The register's fields in the order they are written, each with its width in the table.
struct Column {
    QString name;
    int width; // 0 for the number
};

QList<Column> columns()
{
    QList<Column> result;
    for (const store::FieldDef& f : Catalogue::kadry().fields)
        if (f.type != store::FieldType::AutoInc)
            result.append({f.name, f.size});
    return result;
}

QVariant valueOf(const hr::Employee& e, const QString& field)
{
    if (field == QLatin1String("NumerPracownika"))
        return e.NumerPracownika ? QVariant(*e.NumerPracownika) : QVariant();
    const QString* text = field == QLatin1String("Nazwisko")                ? &e.Nazwisko
                          : field == QLatin1String("Imie1")                 ? &e.Imie1
                          : field == QLatin1String("Imie2")                 ? &e.Imie2
                          : field == QLatin1String("PESEL")                 ? &e.PESEL
                          : field == QLatin1String("KodPocztowy")           ? &e.KodPocztowy
                          : field == QLatin1String("Miejscowosc")           ? &e.Miejscowosc
                          : field == QLatin1String("Poczta")                ? &e.Poczta
                          : field == QLatin1String("Ulica")                 ? &e.Ulica
                          : field == QLatin1String("NrDomuiMieszkania")     ? &e.NrDomuiMieszkania
                          : field == QLatin1String("NumerDowoduOsobistego") ? &e.NumerDowoduOsobistego
                                                                            : nullptr;
    return text ? QVariant(*text) : QVariant();
}

} // namespace

HrRegister::HrRegister(RuleContext& ctx, std::chrono::milliseconds timeLimit) : m_ctx(ctx), m_timeLimit(timeLimit) {}

void HrRegister::fill(const QList<hr::Employee>& people)
{
    store::Database& db = m_ctx.dm.database();
    store::Cursor& kadry = m_ctx.dm.TKadry;
    kadry.close();
    const store::Tables tables(db);
    const store::TableRef table = kadry.table();
    const QList<Column> cols = columns();

    store::Transaction tx(db);
    if (tables.exists(table))
        tables.drop(table);
    tables.create(table, Catalogue::kadry());
    QStringList names, marks;
    for (const Column& c : cols) {
        names << store::quoteIdentifier(c.name);
        marks << QStringLiteral("?");
    }
    store::Statement insert = db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(tables.qualified(table), names.join(','), marks.join(',')));
    for (const hr::Employee& person : people) {
        insert.reset();
        for (int i = 0; i < cols.size(); ++i) {
            QVariant v = valueOf(person, cols[i].name);
            if (cols[i].width > 0)
                v = v.toString().left(cols[i].width);
            insert.bind(i + 1, v);
        }
        insert.exec();
    }
    tx.commit();
    db.noteWrite();
}

bool HrRegister::load()
{
    m_assignmentPending = false;
    store::Cursor& kadry = m_ctx.dm.TKadry;
    kadry.close();
    // The folder rule tells the user itself when there is no register file.
    const QString path = FundOpening(m_ctx).locateHrRegister();
    if (path.isEmpty()) {
        fill({});
        return false;
    }
    m_source = path;
    const hr::RegisterReader::Result read = hr::RegisterReader(m_timeLimit).read(path);
    if (!read.ok()) {
        fill({});
        m_ctx.dialogs.error(read.message, ReadCaption);
        return false;
    }
    fill(read.employees);
    kadry.open();
    kadry.first();
    return true;
}

void HrRegister::search(const QString& text)
{
    store::Cursor& kadry = m_ctx.dm.TKadry;
    if (kadry.isOpen())
        kadry.findNearest({text});
}

void HrRegister::copyPerson(bool newMember)
{
    store::Cursor& kadry = m_ctx.dm.TKadry;
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    if (newMember) {
        const store::Field number = kadry.field("NumerPracownika");
        member.setValue("NrPracownika", number.isNull() ? 0 : number.asInt());
    }
    member.setValue("Nazwisko", kadry.field("Nazwisko").asString());
    member.setValue("Imie", kadry.field("Imie1").asString());
    member.setValue("PracownikWlasny", true);
    member.setValue("PESEL", kadry.field("PESEL").asString().left(11));
    member.setValue("NrDowoduOsobistego", kadry.field("NumerDowoduOsobistego").asString());
    member.setValue("KodPocztowy", kadry.field("KodPocztowy").asString());
    member.setValue("Poczta", kadry.field("Poczta").asString());
    member.setValue("Miejscowosc", kadry.field("Miejscowosc").asString());
    member.setValue("Ulica", kadry.field("Ulica").asString());
    member.setValue("NrDomu", kadry.field("NrDomuiMieszkania").asString().left(5));
}

HrRegister::Assignment HrRegister::assignCurrent()
{
    store::Cursor& kadry = m_ctx.dm.TKadry;
    store::Cursor& member = m_ctx.dm.TCzlonkowie;
    if (!kadry.isOpen() || kadry.recNo() < 0 || !member.isOpen())
        return Assignment::Abandoned;

    if (member.isEditing()) {
        // The unstored member of an earlier assignment gives way to this one. Changes the clerk
        // typed before opening the register are neither stored nor dropped behind his back.
        if (!m_assignmentPending) {
            m_ctx.dialogs.error(QStringLiteral("Zapisz lub anuluj zmiany danych członków kasy"), QStringLiteral("Kontrola"));
            return Assignment::Abandoned;
        }
        member.cancel();
    }
    m_assignmentPending = false;

    try {
        const store::Field number = kadry.field("NumerPracownika");
        // A person without an employee number matches no member.
        const bool found = !number.isNull() && number.asInt() != 0 &&
                           member.locate(QStringLiteral("NrPracownika"), {number.asInt()});
        if (found) {
            if (!m_ctx.dialogs.askYesNo(ReplaceQuestion, ReplaceCaption))
                return Assignment::Abandoned;
            member.edit();
        } else {
            member.insert();
        }
        copyPerson(!found);
        m_assignmentPending = true;
        return found ? Assignment::Refreshed : Assignment::NewMember;
    } catch (const std::exception&) {
        // Refusals of the member rules (RuleError), of the database (StoreError) and silent
        // abandons (Abort) all end the assignment without a further word.
    }
    if (member.isEditing())
        member.cancel();
    return Assignment::Abandoned;
}

} // namespace kzp
