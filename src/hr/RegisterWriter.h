#pragma once

#include "hr/Employee.h"

#include <QList>
#include <QString>

namespace hr {

// Writes a Paradox KADRY.DB with the register's fields, as the HR system keeps it. Used to make
// test fixtures and demonstration data; the program itself never writes the register.
class RegisterWriter
{
public:
    explicit RegisterWriter(int codePage = 1250);

    // Replaces the file at path. On failure returns false and, when error is given, a message (in
    // Polish) naming the file: a text too long for its field or with a character the code page
    // lacks is refused before anything is written.
    bool write(const QString& path, const QList<Employee>& employees, QString* error = nullptr) const;

private:
    int m_codePage;
};

} // namespace hr
