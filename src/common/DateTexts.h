#pragma once

#include "common/DateTriple.h"

#include <QDate>
#include <QFlags>
#include <QString>

namespace kzp {

enum class DateOrder { DayFirst, YearFirst };

enum class DateTextOption {
    InWords = 0x1,  // month by name and the ending " rok" / " roku"; otherwise all digits
    Genitive = 0x2, // genitive month name and " roku" (in words only)
    FullStop = 0x4, // a "." after everything
};
Q_DECLARE_FLAGS(DateTextOptions, DateTextOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(DateTextOptions)

// The date as text:
//   numeric:  "15-03-2001" (day first), "2001-03-15" (year first)
//   in words: "15 marca 2001 roku" (day first, genitive), "2001 marzec 31 rok" (year first)
// An invalid triple prints "__-__ - ____" (day first) or "____-__ - __" (year first) in place
// of the date, with the same ending and full stop.
QString dateText(const DateTriple& date, DateOrder order, DateTextOptions options = {});

// The date typed in the program's format yyyy-mm-dd (month and day may have one digit, blanks
// around the text are ignored); a null date unless the text names a real day of year 1 or later.
QDate parseDateText(const QString& text);

// True when the text is a date in the program's format: "2003-02-28" is, "2003-02-30" and the
// empty text are not.
bool isValidDateText(const QString& text);

} // namespace kzp
