#pragma once

#include <QDate>
#include <QString>

namespace kzp::demo {

// What a demo working directory holds, for the README and the tests.
struct DemoSummary {
    int users = 0;
    int funds = 0;
    int members = 0;
    int loans = 0;
    int contributions = 0;
    int repayments = 0;
};

// Fills an empty working directory with demonstration data through the program's own data module:
// company data, users with different rights, departments, a fund that works with payroll and one
// that does not, their members, contributions, loans with repayments and guarantors, and an HR
// register KADRY.DB. Dates run up to the month before `today`. Throws std::runtime_error on failure.
DemoSummary makeDemoWorkingDirectory(const QString& workDir, const QDate& today = QDate::currentDate());

} // namespace kzp::demo
