#include "data/Session.h"

namespace kzp {

Session::Session()
{
    processingDate = DateTriple::fromDate(QDate::currentDate());
    startDate = processingDate;
}

bool Session::hasRight(int index) const
{
    return index >= 0 && index < 6 && currentUser.rights[index];
}

QString Session::userFullName(int identyfikator) const
{
    for (const UserRecord& user : users)
        if (user.identyfikator == identyfikator)
            return user.nazwaPelna;
    return QString();
}

} // namespace kzp
