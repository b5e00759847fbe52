#include "store/PolishCollation.h"

#include <QCollator>
#include <QLocale>

namespace store {

int comparePolish(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Polish, QLocale::Poland));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int r = collator.compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace store
