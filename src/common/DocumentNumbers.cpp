#include "common/DocumentNumbers.h"

#include "store/Cursor.h"

namespace kzp {

int nextDocumentNumber(store::Cursor& numbering, int year, int documentCode)
{
    if (!numbering.isOpen())
        numbering.open();
    numbering.checkBrowseMode();
    if (numbering.locate("Rok;IdKoduDok", {year, documentCode}))
        return numbering.field("NrWstawiony").asInt() + 1;
    numbering.append();
    numbering.setValue("Rok", year);
    numbering.setValue("IdKoduDok", documentCode);
    numbering.setValue("NrWstawiony", 0);
    numbering.post();
    return 1;
}

} // namespace kzp
