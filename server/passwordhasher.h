#pragma once

#include <QByteArray>
#include <QString>

// Argon2id password hashes through libsodium, and the random tokens the
// server hands out.
class PasswordHasher final
{
public:
    // Must be called once before any other use; false when libsodium cannot start.
    static bool initialise();

    explicit PasswordHasher(bool minimumCost = false);
    // Empty on failure (out of memory).
    QString hash(const QString &password) const;
    bool verify(const QString &password, const QString &storedHash) const;

    // Url-safe random text with the given number of random bytes behind it.
    static QString randomToken(int bytes = 32);
    // Hex SHA-256, for storing refresh tokens without keeping them.
    static QString digest(const QString &text);

private:
    bool m_minimumCost;
};
