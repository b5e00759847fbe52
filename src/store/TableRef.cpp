#include "store/TableRef.h"

#include <QDir>

namespace store {

bool TableRef::operator==(const TableRef& other) const
{
    return QDir::cleanPath(folder) == QDir::cleanPath(other.folder)
        && name.compare(other.name, Qt::CaseInsensitive) == 0;
}

} // namespace store
