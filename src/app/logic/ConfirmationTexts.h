#pragma once

#include <QDate>
#include <QString>

namespace kzp {

class TDM;

// The one row of balance-confirmation texts, made ready to be changed: the table is opened when
// it is not, an empty table starts a new row, otherwise its row goes into editing.
void startEditingConfirmationTexts(TDM& dm);

// The place-and-date line of a confirmation: the company's town, ", dnia " and the day as
// dd-mm-yyyy.
QString placeAndDateText(TDM& dm, const QDate& day);

} // namespace kzp
