#pragma once

#include <QString>

namespace kzp {

// Passwords of the users table are kept as argon2id hashes (libsodium's crypto_pwhash_str): the
// stored text carries its salt and cost parameters. Comparison is exact: letter case matters and
// nothing is trimmed.
class PasswordHash {
public:
    // The stored form of a password; an empty password is stored as an empty text (a new user
    // logs in with an empty password until one is set).
    static QString hash(const QString& password);
    // Whether the password matches the stored form. An empty stored form matches only the empty
    // password; a stored form that is not a hash matches nothing.
    static bool verify(const QString& password, const QString& stored);
    // Whether the stored form was made with weaker parameters than hash() uses now.
    static bool needsRehash(const QString& stored);
};

} // namespace kzp
