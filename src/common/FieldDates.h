#pragma once

#include "common/DateTriple.h"

namespace store { class Field; }

namespace kzp {

// A date field as a triple: three zeros when the field is empty.
DateTriple tripleFromField(const store::Field& field);

// Puts the field's cursor into edit when it is neither edited nor inserted, then sets the date;
// a triple with year 0 empties the field.
void setFieldFromTriple(const DateTriple& date, store::Field field);

// The five comparisons of a date field with a triple; an empty field lies before every date.
bool fieldEquals(const store::Field& field, const DateTriple& date);
bool fieldBefore(const store::Field& field, const DateTriple& date);
bool fieldAfter(const store::Field& field, const DateTriple& date);
bool fieldNotAfter(const store::Field& field, const DateTriple& date);
bool fieldNotBefore(const store::Field& field, const DateTriple& date);

} // namespace kzp
