#include "data/PasswordHash.h"

#include <sodium.h>
#include <stdexcept>

namespace kzp {

namespace {

void initialiseSodium()
{
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}

} // namespace

QString PasswordHash::hash(const QString& password)
{
    if (password.isEmpty())
        return QString();
    initialiseSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("not enough memory to hash a password");
    return QString::fromLatin1(out);
}

bool PasswordHash::verify(const QString& password, const QString& stored)
{
    if (stored.isEmpty())
        return password.isEmpty();
    initialiseSodium();
    const QByteArray hashed = stored.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(hashed.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

bool PasswordHash::needsRehash(const QString& stored)
{
    if (stored.isEmpty())
        return false;
    initialiseSodium();
    const QByteArray hashed = stored.toLatin1();
    return crypto_pwhash_str_needs_rehash(hashed.constData(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0;
}

} // namespace kzp
