#pragma once

#include <QString>

namespace kzp {

enum class MonthForm {
    Nominative, // "marzec": period panels, statement titles
    Genitive,   // "marca": "15 marca 2001 roku"
};

// The Polish lower-case name of month 1..12; the empty text for any other number.
QString monthName(int month, MonthForm form = MonthForm::Nominative);

} // namespace kzp
