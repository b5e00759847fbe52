#include "common/FieldDates.h"

#include "store/Cursor.h"

namespace kzp {

DateTriple tripleFromField(const store::Field& field)
{
    return DateTriple::fromDate(field.asDate());
}

void setFieldFromTriple(const DateTriple& date, store::Field field)
{
    store::Cursor* cursor = field.cursor();
    if (!cursor->isEditing())
        cursor->edit();
    if (date.year == 0)
        field.clear();
    else
        field.setValue(date.toDate());
}

bool fieldEquals(const store::Field& field, const DateTriple& date) { return dateEquals(field.asDate(), date); }
bool fieldBefore(const store::Field& field, const DateTriple& date) { return dateBefore(field.asDate(), date); }
bool fieldAfter(const store::Field& field, const DateTriple& date) { return dateAfter(field.asDate(), date); }
bool fieldNotAfter(const store::Field& field, const DateTriple& date) { return dateNotAfter(field.asDate(), date); }
bool fieldNotBefore(const store::Field& field, const DateTriple& date) { return dateNotBefore(field.asDate(), date); }

} // namespace kzp
