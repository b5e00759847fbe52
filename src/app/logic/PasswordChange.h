#pragma once

#include <QString>

namespace kzp {

struct RuleContext;

// Changes the logged-in user's password. The old password is checked against the password the
// user logged in with (the user list is read once per run), the new one must match its
// repetition. Every row of the users table with the user's identifier gets the new password's
// hash. Tells the user the outcome; answers whether a row was changed.
bool changePassword(RuleContext& ctx, const QString& oldPassword, const QString& newPassword,
                    const QString& repeated);

} // namespace kzp
