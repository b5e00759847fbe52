#pragma once

#include "store/Cursor.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']'; }

namespace widgets::test {

// A working folder with a table of people (OSOBY) and a table of departments (DZIALY), and
// cursors over them. Person n is "Osoba 00000n" with amount n, department n % 3 + 1.
class CursorFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // Refills OSOBY with `count` people and opens `people` over it (ordered by Nazwisko).
    void fillPeople(int count);
    static QString personName(int n);

    QTemporaryDir dir;
    store::Database db;
    kzp::test::ScriptedDialogs dialogs;
    std::unique_ptr<store::Cursor> people;
    std::unique_ptr<store::Cursor> departments;
};

} // namespace widgets::test
