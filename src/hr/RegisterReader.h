#pragma once

#include "hr/Employee.h"

#include <QList>
#include <QString>

#include <chrono>

namespace hr {

// Reads the HR register KADRY.DB (a Paradox table) into memory. The file is checked first; the
// Paradox library then reads it in a child process under a time limit, because a damaged file can
// make that library loop forever or crash. Texts arrive converted from the table's code page.
// Never throws; every failure comes back as a message that names the file.
class RegisterReader
{
public:
    enum class Failure {
        None,
        Missing,    // no file at the path
        Unreadable, // the file exists but cannot be read (rights, a folder, an I/O error)
        Corrupt,    // not a sound Paradox table, or the library could not read it
        WrongLayout,// a sound table without the register's fields
        TimedOut    // reading took longer than the time limit and was stopped
    };

    struct Result
    {
        QList<Employee> employees; // in the table's own order
        Failure failure = Failure::None;
        QString message;           // for the user, in Polish; empty on success
        int codePage = 0;          // the code page the texts were converted from

        bool ok() const { return failure == Failure::None; }
    };

    explicit RegisterReader(std::chrono::milliseconds timeLimit = std::chrono::seconds(5));

    Result read(const QString& path) const;

private:
    std::chrono::milliseconds m_timeLimit;
};

} // namespace hr
