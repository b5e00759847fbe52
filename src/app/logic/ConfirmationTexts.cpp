#include "app/logic/ConfirmationTexts.h"

#include "data/TDM.h"
#include "store/Cursor.h"

namespace kzp {

void startEditingConfirmationTexts(TDM& dm)
{
    store::Cursor& opisy = dm.TOpisy;
    if (!opisy.isOpen())
        opisy.open();
    if (opisy.isEditing())
        return;
    if (opisy.isEmpty())
        opisy.insert();
    else
        opisy.edit();
}

QString placeAndDateText(TDM& dm, const QDate& day)
{
    store::Cursor& parametry = dm.TParametry;
    if (!parametry.isOpen())
        parametry.open();
    const QString town = parametry.isEmpty() ? QString() : parametry.field("Miejscowosc").asString();
    return town + QStringLiteral(", dnia ") + day.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace kzp
