#pragma once

#include "store/Cursor.h"
#include "store/Database.h"
#include "store/Tables.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A working directory with its database and a fund folder beside it, for engine tests.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("Kas1");
        db.open(dir.path());
    }

    QString fundFolder() const { return dir.filePath("Kas1"); }
    store::TableRef work(const QString& name) const { return {dir.path(), name}; }
    store::TableRef fund(const QString& name) const { return {fundFolder(), name}; }

    // People: Id AutoInc, Nazwisko String 20, Imie String 10, Nr Integer, Kwota Money, Data Date.
    static store::TableStructure people()
    {
        using store::FieldType;
        return {{{"Id", FieldType::AutoInc, 0},
                 {"Nazwisko", FieldType::String, 20},
                 {"Imie", FieldType::String, 10},
                 {"Nr", FieldType::Integer, 0},
                 {"Kwota", FieldType::Money, 0},
                 {"Data", FieldType::Date, 0}},
                {{{"Nazwisko"}, false, {}}, {{"Nr"}, true, "\"Nr\" > 0"}}};
    }

    // Adds rows through a cursor: each row is (Nazwisko, Nr).
    void addPeople(store::Cursor& c, const QList<QPair<QString, int>>& rows)
    {
        for (const auto& [name, nr] : rows) {
            c.append();
            c.setValue("Nazwisko", name);
            c.setValue("Nr", nr);
            c.post();
        }
    }

    QStringList column(store::Cursor& c, const QString& field)
    {
        QStringList values;
        for (c.first(); !c.eof(); c.next())
            values << c.field(field).asString();
        return values;
    }

    QTemporaryDir dir;
    store::Database db;
};
