#include "common/MonthNames.h"

namespace kzp {

namespace {

const char* const kNominative[12] = {
    "styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
    "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień",
};

const char* const kGenitive[12] = {
    "stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca",
    "lipca", "sierpnia", "września", "października", "listopada", "grudnia",
};

} // namespace

QString monthName(int month, MonthForm form)
{
    if (month < 1 || month > 12)
        return QString();
    const char* const* names = form == MonthForm::Genitive ? kGenitive : kNominative;
    return QString::fromUtf8(names[month - 1]);
}

} // namespace kzp
