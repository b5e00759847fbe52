#include "reports/logic/StatementHeading.h"

#include "common/DateTexts.h"
#include "common/DateTriple.h"
#include "store/Cursor.h"

namespace kzp {

StatementHeading StatementHeading::fromCompany(store::Cursor& parametry)
{
    if (!parametry.isOpen())
        parametry.open();
    StatementHeading heading;
    if (parametry.isEmpty())
        return heading;
    const auto text = [&](const char* field) { return parametry.field(field).asString(); };
    heading.companyName = text("NazwaFirmy");
    heading.companyAddress =
        text("Kod_Pocz") + "  " + text("Miejscowosc") + " " + text("Ulica") + " " + text("NrDomu");
    return heading;
}

QString StatementHeading::printingDateLine(const DateTriple& startDate)
{
    return "     Data druku: " + dateText(startDate, DateOrder::DayFirst) + ".";
}

} // namespace kzp
