#pragma once

#include <QString>

namespace store {

// Polish alphabetical order without regard to letter case: Ą after A, Ł after L, Ś after S ...
// The database uses it under the name PL; cursors compare keys with the same function.
int comparePolish(const QString& a, const QString& b);

} // namespace store
