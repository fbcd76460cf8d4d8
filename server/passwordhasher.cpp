#include "passwordhasher.h"

#include <QCryptographicHash>

#include <sodium.h>

bool PasswordHasher::initialise()
{
    return sodium_init() >= 0;
}

PasswordHasher::PasswordHasher(bool minimumCost)
    : m_minimumCost(minimumCost)
{
}

QString PasswordHasher::hash(const QString &password) const
{
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    const auto ops = m_minimumCost ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
    const auto mem = m_minimumCost ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
    if (crypto_pwhash_str_alg(out, bytes.constData(), quint64(bytes.size()), ops, mem,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool PasswordHasher::verify(const QString &password, const QString &storedHash) const
{
    const QByteArray stored = storedHash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    if (stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size())) == 0;
}

QString PasswordHasher::randomToken(int bytes)
{
    QByteArray buffer(bytes, Qt::Uninitialized);
    randombytes_buf(buffer.data(), size_t(buffer.size()));
    return QString::fromLatin1(buffer.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString PasswordHasher::digest(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}
