#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <optional>

// HS256 JSON Web Tokens: signs claims and checks a token's signature (in
// constant time), algorithm and expiry.
class TokenSigner final
{
public:
    explicit TokenSigner(const QByteArray &secret);

    QByteArray sign(const QJsonObject &claims) const;
    // The claims of a well-formed, correctly signed, unexpired token.
    std::optional<QJsonObject> verify(const QByteArray &token, qint64 nowSeconds) const;

private:
    QByteArray mac(const QByteArray &signingInput) const;

    QByteArray m_secret;
};
