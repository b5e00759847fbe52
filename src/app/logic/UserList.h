#pragma once

#include "common/DateTriple.h"

#include <QString>

namespace kzp {

struct RuleContext;

// The users of the program as loaded once after start, and the login against them.
class UserList {
public:
    // Reads the users table into the session's user list. On failure the user has been told
    // ("Błąd systemu.") and the program must end; the list is then empty.
    static bool load(RuleContext& ctx);

    // The login check: the first user whose short name and password match exactly becomes the
    // current user and the processing date becomes `chosenDate`. A user without the right to work
    // is told so and still logged in (the program ends after the login). Wrong name or password:
    // a message and false.
    static bool login(RuleContext& ctx, const QString& shortName, const QString& password,
                      const DateTriple& chosenDate);
};

} // namespace kzp
