#pragma once

#include <QString>

namespace store { class Cursor; }

namespace kzp {

struct DateTriple;

// The lines every statement of the fund prints at its head.
struct StatementHeading {
    QString companyName;    // NazwaFirmy
    QString companyAddress; // Kod_Pocz + "  " + Miejscowosc + " " + Ulica + " " + NrDomu

    // Read from the company data cursor (opened when closed).
    static StatementHeading fromCompany(store::Cursor& parametry);
    // "     Data druku: 15-03-2001."
    static QString printingDateLine(const DateTriple& startDate);
};

} // namespace kzp
